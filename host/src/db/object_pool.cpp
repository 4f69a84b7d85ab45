// Memory for database objects: objects of one size come from slabs of 256 KiB
// cut into equal cells, with a free list per size. A drawing of a million
// entities then pays neither the allocator's header nor its rounding per
// object. Cells go back to their free list when an object is deleted; slabs
// live until the program ends. The host runs commands on one thread, so the
// pool takes no locks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <vector>

#include "db_object.h"

namespace {

constexpr std::size_t kGranule = 8;
constexpr std::size_t kLargestPooled = 512;
constexpr std::size_t kSlabBytes = 256 * 1024;

struct FreeCell {
  FreeCell* next;
};

struct SizeClass {
  FreeCell* free = nullptr;
  char* bump = nullptr;  // the unused rest of the newest slab
  char* end = nullptr;
};

SizeClass& sizeClassOf(std::size_t size) {
  static SizeClass classes[kLargestPooled / kGranule + 1];
  return classes[(size + kGranule - 1) / kGranule];
}

std::size_t cellSize(std::size_t size) { return (size + kGranule - 1) / kGranule * kGranule; }

}  // namespace

// Sanitizer builds give every object its own allocation, so that a use after
// delete is caught rather than landing in a reused cell.
#ifdef ZEK_NO_OBJECT_POOL
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif

void* AcDbObject::operator new(std::size_t size) {
  if (!kPooled || size == 0 || size > kLargestPooled)
    return ::operator new(size);
  SizeClass& sc = sizeClassOf(size);
  if (sc.free != nullptr) {
    FreeCell* cell = sc.free;
    sc.free = cell->next;
    return cell;
  }
  std::size_t cell = cellSize(size);
  if (sc.bump == nullptr || sc.bump + cell > sc.end) {
    sc.bump = static_cast<char*>(::operator new(kSlabBytes));
    sc.end = sc.bump + kSlabBytes;
  }
  void* p = sc.bump;
  sc.bump += cell;
  return p;
}

void AcDbObject::operator delete(void* p, std::size_t size) {
  if (p == nullptr)
    return;
  if (!kPooled || size == 0 || size > kLargestPooled) {
    ::operator delete(p);
    return;
  }
  SizeClass& sc = sizeClassOf(size);
  auto* cell = static_cast<FreeCell*>(p);
  cell->next = sc.free;
  sc.free = cell;
}
