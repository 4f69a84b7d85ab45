// Damaged drawings, one case per kind of damage: each is made from a small
// valid drawing (R2018 or R12 text, or its binary form) and either refused,
// naming the line (or byte) and what was expected, or loaded with a warning
// and what survived. Every drawing that loads is also written back and read
// again, measured (model space, each block, each entity), walked through its
// block references, exploded and deep-cloned: none of that may crash or run
// forever, and every extent stays finite. The memory a read takes must follow
// the file's size, not the counts it claims.
#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "db/annotations/block_extents.h"
#include "db/header_variables.h"
#include "db/testing/db_test_support.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "db_text.h"
#include "dxf/group_codes.h"
#include "dxf/tag_source.h"
#include "zek/dxf_io.h"

// Live heap bytes and their peak, for the memory bound of a read. Sizes come
// from malloc_usable_size on both sides, so that they always balance. Under
// AddressSanitizer, whose own operator new cannot be replaced beside it, the
// bound is not checked.
#if defined(__SANITIZE_ADDRESS__)
#define ZEK_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEK_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef ZEK_COUNT_ALLOCATIONS
#define ZEK_COUNT_ALLOCATIONS 1
#endif

namespace {
constexpr bool kCountsAllocations = ZEK_COUNT_ALLOCATIONS;
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

[[maybe_unused]] void* countedAllocation(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr)
    throw std::bad_alloc();
  long long now = liveBytes += static_cast<long long>(malloc_usable_size(p));
  long long peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
  return p;
}

[[maybe_unused]] void countedRelease(void* p) {
  if (p == nullptr)
    return;
  liveBytes -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
}  // namespace

#if ZEK_COUNT_ALLOCATIONS
void* operator new(std::size_t size) { return countedAllocation(size); }
void* operator new[](std::size_t size) { return countedAllocation(size); }
void operator delete(void* p) noexcept { countedRelease(p); }
void operator delete[](void* p) noexcept { countedRelease(p); }
void operator delete(void* p, std::size_t) noexcept { countedRelease(p); }
void operator delete[](void* p, std::size_t) noexcept { countedRelease(p); }
#endif

namespace zek::test {
namespace {

// ---------------------------------------------------------------------------
// The valid drawings the damage is done to.

// An R2018 drawing: two linetypes, two layers, a text style, the blocks BOLT
// (a circle) and NUT (a line), and in model space a line, a circle, a text, a
// lightweight polyline, a reference to BOLT and a spline; a root dictionary
// with one child. Every group on its own line pair, codes unpadded, so that
// the damage below can name the lines it changes.
const std::string& baseR2018() {
  static const std::string text =
      "0\nSECTION\n2\nHEADER\n"
      "9\n$ACADVER\n1\nAC1032\n"
      "9\n$DWGCODEPAGE\n3\nANSI_1252\n"
      "9\n$HANDSEED\n5\nFF\n"
      "9\n$PROJECTNAME\n1\nDie plate 12\n"
      "9\n$INSUNITS\n70\n4\n"
      "0\nENDSEC\n"
      "0\nSECTION\n2\nTABLES\n"
      "0\nTABLE\n2\nLTYPE\n5\n5\n330\n0\n100\nAcDbSymbolTable\n70\n2\n"
      "0\nLTYPE\n5\n14\n330\n5\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n"
      "2\nContinuous\n70\n0\n3\nSolid line\n72\n65\n73\n0\n40\n0.0\n"
      "0\nLTYPE\n5\n15\n330\n5\n100\nAcDbSymbolTableRecord\n100\nAcDbLinetypeTableRecord\n"
      "2\nDASHED\n70\n0\n3\nDashed __ __\n72\n65\n73\n2\n40\n0.75\n49\n0.5\n74\n0\n49\n-0.25\n74\n0\n"
      "0\nENDTAB\n"
      "0\nTABLE\n2\nLAYER\n5\n2\n330\n0\n100\nAcDbSymbolTable\n70\n2\n"
      "0\nLAYER\n5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n"
      "2\n0\n70\n0\n62\n7\n6\nContinuous\n"
      "0\nLAYER\n5\n11\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n"
      "2\nPLATE\n70\n0\n62\n1\n6\nDASHED\n"
      "0\nENDTAB\n"
      "0\nTABLE\n2\nSTYLE\n5\n3\n330\n0\n100\nAcDbSymbolTable\n70\n1\n"
      "0\nSTYLE\n5\n12\n330\n3\n100\nAcDbSymbolTableRecord\n100\nAcDbTextStyleTableRecord\n"
      "2\nStandard\n70\n0\n40\n0.0\n41\n1.0\n50\n0.0\n71\n0\n42\n2.5\n3\ntxt\n4\n\n"
      "0\nENDTAB\n"
      "0\nTABLE\n2\nBLOCK_RECORD\n5\n1\n330\n0\n100\nAcDbSymbolTable\n70\n4\n"
      "0\nBLOCK_RECORD\n5\n1F\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
      "2\n*Model_Space\n"
      "0\nBLOCK_RECORD\n5\n1E\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
      "2\n*Paper_Space\n"
      "0\nBLOCK_RECORD\n5\n20\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
      "2\nBOLT\n"
      "0\nBLOCK_RECORD\n5\n40\n330\n1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n"
      "2\nNUT\n"
      "0\nENDTAB\n"
      "0\nENDSEC\n"
      "0\nSECTION\n2\nBLOCKS\n"
      "0\nBLOCK\n5\n21\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n"
      "2\n*Model_Space\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\n*Model_Space\n1\n\n"
      "0\nENDBLK\n5\n22\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
      "0\nBLOCK\n5\n23\n330\n1E\n100\nAcDbEntity\n67\n1\n8\n0\n100\nAcDbBlockBegin\n"
      "2\n*Paper_Space\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\n*Paper_Space\n1\n\n"
      "0\nENDBLK\n5\n24\n330\n1E\n100\nAcDbEntity\n67\n1\n8\n0\n100\nAcDbBlockEnd\n"
      "0\nBLOCK\n5\n25\n330\n20\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n"
      "2\nBOLT\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\nBOLT\n1\n\n"
      "0\nCIRCLE\n5\n26\n330\n20\n100\nAcDbEntity\n8\nPLATE\n100\nAcDbCircle\n"
      "10\n0.0\n20\n0.0\n30\n0.0\n40\n4.0\n"
      "0\nENDBLK\n5\n27\n330\n20\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
      "0\nBLOCK\n5\n41\n330\n40\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockBegin\n"
      "2\nNUT\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\nNUT\n1\n\n"
      "0\nLINE\n5\n42\n330\n40\n100\nAcDbEntity\n8\n0\n100\nAcDbLine\n"
      "10\n-3.0\n20\n0.0\n30\n0.0\n11\n3.0\n21\n0.0\n31\n0.0\n"
      "0\nENDBLK\n5\n43\n330\n40\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockEnd\n"
      "0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n"
      "0\nLINE\n5\n30\n330\n1F\n100\nAcDbEntity\n8\nPLATE\n100\nAcDbLine\n"
      "10\n0.0\n20\n0.0\n30\n0.0\n11\n400.0\n21\n300.0\n31\n0.0\n"
      "0\nCIRCLE\n5\n31\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbCircle\n"
      "10\n200.0\n20\n150.0\n30\n0.0\n40\n25.0\n"
      "0\nTEXT\n5\n32\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n"
      "10\n10.0\n20\n280.0\n30\n0.0\n40\n5.0\n1\nDIE PLATE\n100\nAcDbText\n"
      "0\nLWPOLYLINE\n5\n33\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbPolyline\n"
      "90\n2\n70\n0\n10\n20.0\n20\n20.0\n10\n60.0\n20\n20.0\n"
      "0\nINSERT\n5\n34\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n"
      "2\nBOLT\n10\n50.0\n20\n50.0\n30\n0.0\n41\n1.0\n42\n1.0\n43\n1.0\n"
      "0\nSPLINE\n5\n35\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbSpline\n"
      "70\n8\n71\n3\n72\n8\n73\n4\n74\n0\n"
      "40\n0.0\n40\n0.0\n40\n0.0\n40\n0.0\n40\n1.0\n40\n1.0\n40\n1.0\n40\n1.0\n"
      "10\n0.0\n20\n0.0\n30\n0.0\n10\n10.0\n20\n10.0\n30\n0.0\n"
      "10\n20.0\n20\n0.0\n30\n0.0\n10\n30.0\n20\n10.0\n30\n0.0\n"
      "0\nENDSEC\n"
      "0\nSECTION\n2\nOBJECTS\n"
      "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n281\n1\n3\nACAD_GROUP\n350\nD\n"
      "0\nDICTIONARY\n5\nD\n330\nC\n100\nAcDbDictionary\n281\n1\n"
      "0\nENDSEC\n"
      "0\nEOF\n";
  return text;
}

// The same kind of drawing in R12 form: no handles, no markers, a POLYLINE
// with its VERTEX and SEQEND records.
const std::string& baseR12() {
  static const std::string text =
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$DWGCODEPAGE\n3\nANSI_1252\n0\nENDSEC\n"
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n"
      "0\nLAYER\n2\nPLATE\n70\n0\n62\n1\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n"
      "0\nSECTION\n2\nBLOCKS\n"
      "0\nBLOCK\n8\n0\n2\nBOLT\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n3\nBOLT\n"
      "0\nCIRCLE\n8\nPLATE\n10\n0.0\n20\n0.0\n30\n0.0\n40\n4.0\n"
      "0\nENDBLK\n8\n0\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n"
      "0\nLINE\n8\nPLATE\n10\n0.0\n20\n0.0\n30\n0.0\n11\n400.0\n21\n300.0\n31\n0.0\n"
      "0\nCIRCLE\n8\n0\n10\n200.0\n20\n150.0\n30\n0.0\n40\n25.0\n"
      "0\nPOLYLINE\n8\n0\n66\n1\n70\n1\n10\n0.0\n20\n0.0\n30\n0.0\n"
      "0\nVERTEX\n8\n0\n10\n20.0\n20\n20.0\n30\n0.0\n"
      "0\nVERTEX\n8\n0\n10\n60.0\n20\n20.0\n30\n0.0\n"
      "0\nSEQEND\n8\n0\n"
      "0\nINSERT\n8\n0\n2\nBOLT\n10\n50.0\n20\n50.0\n30\n0.0\n"
      "0\nENDSEC\n0\nEOF\n";
  return text;
}

// ---------------------------------------------------------------------------
// Doing the damage.

// The text with the first `from` after `after` (a position) replaced.
std::string replaced(std::string text, std::string_view from, std::string_view to,
                     std::size_t after = 0) {
  std::size_t at = text.find(from, after);
  if (at == std::string::npos) {
    ADD_FAILURE() << "the drawing holds no \"" << from << "\"";
    return text;
  }
  return text.replace(at, from.size(), to);
}

// The text with `from` replaced in the record that starts with `record`.
std::string replacedIn(const std::string& text, std::string_view record, std::string_view from,
                       std::string_view to) {
  std::size_t at = text.find(record);
  EXPECT_NE(at, std::string::npos) << "the drawing holds no \"" << record << "\"";
  return replaced(text, from, to, at == std::string::npos ? 0 : at);
}

// The text with `extra` put before the first `before`.
std::string inserted(const std::string& text, std::string_view before, std::string_view extra) {
  return replaced(text, before, std::string(extra) + std::string(before));
}

// The text up to (not including) the first `cut` after `record`, or `cut`'s
// first `keep` bytes.
std::string cutAt(const std::string& text, std::string_view record, std::string_view cut,
                  std::size_t keep = 0) {
  std::size_t at = text.find(cut, text.find(record));
  EXPECT_NE(at, std::string::npos) << "the drawing holds no \"" << cut << "\"";
  return text.substr(0, at + keep);
}

// The 1-based line that holds the byte at `at`.
long lineAt(const std::string& text, std::size_t at) {
  long number = 1;
  for (std::size_t i = 0; i < at && i < text.size(); ++i)
    number += text[i] == '\n';
  return number;
}

// The 1-based line of the first line equal to `line` after the record that
// starts with `record` (its first line when `line` is empty).
long lineOf(const std::string& text, std::string_view record, std::string_view line = "") {
  std::size_t at = text.find(record);
  EXPECT_NE(at, std::string::npos) << "the drawing holds no \"" << record << "\"";
  if (!line.empty())
    at = text.find("\n" + std::string(line) + "\n", at) + 1;
  return lineAt(text, at);
}

// ASCII DXF text as binary DXF (two-byte group codes, values by the group
// code's kind); `offsets` gets the byte offset of each group's value.
std::string binaryOf(const std::string& text, std::vector<std::size_t>* offsets = nullptr) {
  std::string out(dxf::kBinaryDxfSentinel);
  for (const Group& g : parseGroups(text)) {
    out.push_back(static_cast<char>(g.first & 0xFF));
    out.push_back(static_cast<char>((g.first >> 8) & 0xFF));
    if (offsets != nullptr)
      offsets->push_back(out.size());
    auto put = [&](std::uint64_t bits, int bytes) {
      for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
    };
    switch (dxf::valueKindOf(g.first)) {
      case dxf::ValueKind::Double: {
        double d = std::strtod(g.second.c_str(), nullptr);
        std::uint64_t bits;
        std::memcpy(&bits, &d, 8);
        put(bits, 8);
        break;
      }
      case dxf::ValueKind::Int16: put(static_cast<std::uint64_t>(std::stoll(g.second)), 2); break;
      case dxf::ValueKind::Int32: put(static_cast<std::uint64_t>(std::stoll(g.second)), 4); break;
      case dxf::ValueKind::Int64: put(static_cast<std::uint64_t>(std::stoll(g.second)), 8); break;
      case dxf::ValueKind::Bool: put(static_cast<std::uint64_t>(std::stoll(g.second)), 1); break;
      case dxf::ValueKind::Binary: put(0, 1); break;
      default:
        out += g.second;
        out.push_back('\0');
        break;
    }
  }
  return out;
}

// A binary double's eight bytes.
std::string doubleBytes(double value) {
  std::string bytes(8, '\0');
  std::memcpy(bytes.data(), &value, 8);
  return bytes;
}

// ---------------------------------------------------------------------------
// The cases.

enum class Outcome { Refused, Loaded };

struct Damaged {
  std::string text;
  long line = -1;  // the line (byte) the failure or the warning names; -1: not checked
};

// One value damaged: in the record that starts with `record`, the first
// `group` (its code line, its value line and the line end, "40\n25.0\n") gets
// `value` for its value. The damage's line is the new value's line, which an
// empty value has too.
Damaged valueReplaced(const std::string& base, std::string_view record, std::string_view group,
                      std::string_view value) {
  const std::size_t recordAt = base.find(record);
  const std::size_t lineEnd =
      recordAt == std::string::npos ? recordAt : base.find("\n" + std::string(group), recordAt);
  const std::size_t codeEnd = group.find('\n');
  if (lineEnd == std::string::npos || codeEnd == std::string::npos || !group.ends_with('\n')) {
    ADD_FAILURE() << "the record \"" << record << "\" holds no group \"" << group << "\"";
    return Damaged{base};
  }
  const std::size_t valueAt = lineEnd + 1 + codeEnd + 1;
  std::string text = base;
  text.replace(valueAt, group.size() - codeEnd - 2, value);
  return Damaged{text, lineAt(text, valueAt)};
}

struct DamagedCase {
  const char* kind;
  const char* name;
  std::function<Damaged()> make;
  Outcome outcome;
  // Refused: a fragment of the failure. Loaded: a fragment of one of the
  // warnings (the one whose line is checked), or null when it loads silently.
  const char* fragment;
  // Loaded: what survived.
  std::function<void(AcDbDatabase&)> survived = nullptr;
};

// The model-space entities by DXF type, in drawing order.
std::vector<std::string> modelSpaceTypes(AcDbDatabase& db) {
  std::vector<std::string> types;
  for (AcDbObjectId id : modelSpaceIds(db)) {
    Opened<AcDbEntity> entity(id);
    types.push_back(entity ? entity->dxfTypeName() : "?");
  }
  return types;
}

using Types = std::vector<std::string>;
const Types kAllR2018{"LINE", "CIRCLE", "TEXT", "LWPOLYLINE", "INSERT", "SPLINE"};

// The entity of a type in model space (the first), opened for read.
template <typename T>
AcDbObjectId firstOf(AcDbDatabase& db) {
  for (AcDbObjectId id : modelSpaceIds(db)) {
    Opened<AcDbEntity> entity(id);
    if (entity && T::cast(entity.get()) != nullptr)
      return id;
  }
  return {};
}

std::function<void(AcDbDatabase&)> expectTypes(Types types) {
  return [types](AcDbDatabase& db) { EXPECT_EQ(modelSpaceTypes(db), types); };
}

// The block record of a name (null when there is none).
AcDbObjectId blockNamed(AcDbDatabase& db, const char* name) {
  AcDbBlockTable* table = nullptr;
  AcDbObjectId id;
  if (db.getBlockTable(table, AcDb::kForRead) == Acad::eOk) {
    if (table->getAt(name, id) != Acad::eOk)
      id.setNull();
    table->close();
  }
  return id;
}

const std::string kLongText(8000, 'W');

// Entities added to the base drawing for the count cases.
const char* const kMesh =
    "0\nPOLYLINE\n5\n60\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbPolygonMesh\n66\n1\n"
    "10\n0.0\n20\n0.0\n30\n0.0\n70\n16\n71\n30000\n72\n30000\n"
    "0\nVERTEX\n5\n61\n330\n60\n100\nAcDbEntity\n8\n0\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n"
    "10\n1.0\n20\n1.0\n30\n0.0\n70\n64\n"
    "0\nVERTEX\n5\n62\n330\n60\n100\nAcDbEntity\n8\n0\n100\nAcDbVertex\n100\nAcDbPolygonMeshVertex\n"
    "10\n2.0\n20\n1.0\n30\n0.0\n70\n64\n"
    "0\nSEQEND\n5\n63\n330\n60\n100\nAcDbEntity\n8\n0\n";
const char* const kHatch =
    "0\nHATCH\n5\n64\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbHatch\n"
    "10\n0.0\n20\n0.0\n30\n0.0\n210\n0.0\n220\n0.0\n230\n1.0\n2\nSOLID\n70\n1\n71\n0\n"
    "91\n2000000000\n92\n2\n72\n0\n73\n1\n93\n2000000000\n10\n0.0\n20\n0.0\n10\n5.0\n20\n0.0\n"
    "97\n0\n75\n0\n76\n1\n98\n0\n";
const char* const kLeader =
    "0\nLEADER\n5\n65\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbLeader\n3\nStandard\n71\n1\n72\n0\n"
    "73\n3\n74\n0\n75\n0\n40\n0.0\n41\n0.0\n76\n2000000000\n10\n0.0\n20\n0.0\n30\n0.0\n"
    "10\n10.0\n20\n10.0\n30\n0.0\n";

// The insert of `block` inside the block `owner` (record handle `ownerHandle`).
std::string insertInBlock(const char* handle, const char* ownerHandle, const char* block) {
  return std::string("0\nINSERT\n5\n") + handle + "\n330\n" + ownerHandle +
         "\n100\nAcDbEntity\n8\n0\n100\nAcDbBlockReference\n2\n" + block +
         "\n10\n5.0\n20\n0.0\n30\n0.0\n";
}

const std::vector<DamagedCase>& damagedCases() {
  static const std::vector<DamagedCase> cases = {
      // Truncated files.
      {"truncated", "ASCII, in the middle of a group",
       [] {
         std::string t = cutAt(baseR2018(), "0\nCIRCLE\n5\n31", "40\n25.0", 4);
         return Damaged{t, lineOf(t, "0\nCIRCLE\n5\n31", "40") + 1};
       },
       Outcome::Loaded, "missing EOF",
       [](AcDbDatabase& db) {
         ASSERT_EQ(modelSpaceTypes(db), Types({"LINE", "CIRCLE"}));
         Opened<AcDbCircle> circle(firstOf<AcDbCircle>(db));
         ASSERT_TRUE(circle);
         EXPECT_EQ(circle->radius(), 2.0) << "the value as far as the file holds it";
       }},
      {"truncated", "ASCII, in the middle of a section",
       [] {
         std::string t = cutAt(baseR2018(), "0\nLINE\n5\n30", "0\nTEXT\n");
         return Damaged{t, lineOf(t, "0\nCIRCLE\n5\n31", "25.0")};
       },
       Outcome::Loaded, "missing EOF", expectTypes({"LINE", "CIRCLE"})},
      {"truncated", "ASCII, after a group code without its value",
       [] {
         std::string t = cutAt(baseR2018(), "0\nCIRCLE\n5\n31", "40\n25.0", 3);
         return Damaged{t, lineOf(t, "0\nCIRCLE\n5\n31", "40") + 1};
       },
       Outcome::Refused, "expected a value for group code 40, found the end of the file"},
      {"truncated", "ASCII, in the header",
       [] {
         std::string t = cutAt(baseR2018(), "0\nSECTION\n2\nHEADER", "9\n$INSUNITS");
         return Damaged{t, lineOf(t, "9\n$PROJECTNAME", "Die plate 12")};
       },
       Outcome::Loaded, "missing EOF",
       [](AcDbDatabase& db) {
         EXPECT_EQ(db.header().text("$PROJECTNAME").value_or(""), "Die plate 12");
         EXPECT_TRUE(modelSpaceTypes(db).empty());
       }},
      {"truncated", "binary, in the middle of a double",
       [] {
         std::vector<std::size_t> offsets;
         std::string whole = binaryOf(baseR2018(), &offsets);
         // The circle's radius is the value after the circle's "30" of its centre.
         Groups groups = parseGroups(baseR2018());
         std::size_t radius = 0;
         for (std::size_t i = 0; i + 1 < groups.size(); ++i)
           if (groups[i] == Group{0, "CIRCLE"} && groups[i + 1] == Group{5, "31"})
             for (radius = i; groups[radius].first != 40; ++radius) {
             }
         return Damaged{whole.substr(0, offsets[radius] + 3), static_cast<long>(offsets[radius])};
       },
       Outcome::Refused, "expected a value for group code 40, found the end of the file"},
      {"truncated", "binary, after a group code",
       [] {
         std::vector<std::size_t> offsets;
         std::string whole = binaryOf(baseR2018(), &offsets);
         Groups groups = parseGroups(baseR2018());
         std::size_t text = 0;
         while (groups[text] != Group{0, "TEXT"})
           ++text;
         return Damaged{whole.substr(0, offsets[text + 3]), static_cast<long>(offsets[text + 3])};
       },
       Outcome::Refused, "expected a value for group code 100, found the end of the file"},
      {"truncated", "binary, between two entities",
       [] {
         std::vector<std::size_t> offsets;
         std::string whole = binaryOf(baseR2018(), &offsets);
         Groups groups = parseGroups(baseR2018());
         std::size_t text = 0;
         while (groups[text] != Group{0, "TEXT"})
           ++text;
         return Damaged{whole.substr(0, offsets[text] - 2), -1};
       },
       Outcome::Loaded, "missing EOF", expectTypes({"LINE", "CIRCLE"})},

      // Wrong group codes.
      {"group codes", "a group code that is not a number",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nLINE\n5\n30", "11\n400.0", "l1\n400.0");
         return Damaged{t, lineOf(t, "0\nLINE\n5\n30", "l1")};
       },
       Outcome::Refused, "expected a group code (an integer), found \"l1\""},
      {"group codes", "a group code out of range",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nLINE\n5\n30", "11\n400.0", "2000\n400.0");
         return Damaged{t, lineOf(t, "0\nLINE\n5\n30", "2000")};
       },
       Outcome::Refused, "expected a group code from -5 to 1071, found \"2000\""},
      {"group codes", "a point without its y",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nLINE\n5\n30", "21\n300.0\n", "");
         return Damaged{t, lineOf(t, "0\nLINE\n5\n30", "11") + 1};
       },
       Outcome::Loaded, "group code 11 without its y (group code 21)",
       [](AcDbDatabase& db) {
         Opened<AcDbLine> line(firstOf<AcDbLine>(db));
         ASSERT_TRUE(line);
         EXPECT_EQ(line->endPoint(), AcGePoint3d(400, 0, 0)) << "the z after it is still its z";
       }},
      {"group codes", "a 10 without its 20 and 30",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nCIRCLE\n5\n31", "20\n150.0\n30\n0.0\n", "");
         return Damaged{t, lineOf(t, "0\nCIRCLE\n5\n31", "10") + 1};
       },
       Outcome::Loaded, "group code 10 without its y (group code 20)",
       [](AcDbDatabase& db) {
         Opened<AcDbCircle> circle(firstOf<AcDbCircle>(db));
         ASSERT_TRUE(circle);
         EXPECT_EQ(circle->center(), AcGePoint3d(200, 0, 0));
         EXPECT_EQ(circle->radius(), 25.0);
       }},
      {"group codes", "text in an integer group",
       [] { return valueReplaced(baseR2018(), "0\nLAYER\n5\n11", "62\n1\n", "red"); },
       Outcome::Loaded, "LAYER kept as read: expected an integer for group code 62, found \"red\"",
       expectTypes(kAllR2018)},
      {"group codes", "groups the entity does not have",
       [] {
         return Damaged{replacedIn(baseR2018(), "0\nCIRCLE\n5\n31", "40\n25.0\n",
                                   "40\n25.0\n11\n5.0\n21\n5.0\n31\n0.0\n71\n3\n"),
                        -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) {
         Opened<AcDbCircle> circle(firstOf<AcDbCircle>(db));
         ASSERT_TRUE(circle);
         EXPECT_EQ(circle->radius(), 25.0);
         std::string written = writeDxf(db);
         EXPECT_NE(written.find(" 11\n5.0\n 21\n5.0\n 31\n0.0\n 71\n3\n"), std::string::npos)
             << "the foreign groups are kept and written back";
       }},

      // Values that do not parse.
      {"values", "letters for a real",
       [] { return valueReplaced(baseR2018(), "0\nCIRCLE\n5\n31", "40\n25.0\n", "abc"); },
       Outcome::Loaded, "CIRCLE kept as read: expected a number for group code 40, found \"abc\"",
       expectTypes(kAllR2018)},
      {"values", "an integer beyond 64 bits",
       [] {
         return valueReplaced(baseR2018(), "0\nLWPOLYLINE", "70\n0\n", "99999999999999999999");
       },
       Outcome::Loaded, "expected an integer for group code 70", expectTypes(kAllR2018)},
      {"values", "an integer beyond 16 bits",
       [] { return valueReplaced(baseR2018(), "0\nLWPOLYLINE", "70\n0\n", "70000"); },
       Outcome::Loaded, "expected an integer from -32768 to 65535 for group code 70, found \"70000\"",
       expectTypes(kAllR2018)},
      {"values", "1e999 for a coordinate",
       [] { return valueReplaced(baseR2018(), "0\nLINE\n5\n30", "11\n400.0\n", "1e999"); },
       Outcome::Loaded, "expected a number for group code 11, found \"1e999\"", expectTypes(kAllR2018)},
      {"values", "an empty real",
       [] { return valueReplaced(baseR2018(), "0\nTEXT\n5\n32", "40\n5.0\n", ""); },
       Outcome::Loaded, "TEXT kept as read: expected a number for group code 40, found \"\"",
       expectTypes(kAllR2018)},
      {"values", "a header real that is no number",
       [] {
         std::string t = inserted(baseR2018(), "9\n$INSUNITS", "9\n$TEXTSIZE\n40\nbig\n");
         return Damaged{t, lineOf(t, "9\n$TEXTSIZE", "big")};
       },
       Outcome::Loaded, "$TEXTSIZE: expected a number for group code 40, found \"big\"",
       [](AcDbDatabase& db) {
         EXPECT_FALSE(db.header().real("$TEXTSIZE").has_value()) << "the variable is left out";
       }},

      // Huge counts: memory follows the file, not the count.
      {"counts", "a lightweight polyline claiming 2000000000 vertices",
       [] { return valueReplaced(baseR2018(), "0\nLWPOLYLINE", "90\n2\n", "2000000000"); },
       Outcome::Loaded, "2000000000 vertices (group code 90) but holds 2",
       [](AcDbDatabase& db) {
         Opened<AcDbPolyline> polyline(firstOf<AcDbPolyline>(db));
         ASSERT_TRUE(polyline);
         EXPECT_EQ(polyline->numVerts(), 2u);
       }},
      {"counts", "a thousand lightweight polylines each claiming 2000000000 vertices",
       [] {
         std::string polylines;
         for (int i = 0; i < 1000; ++i)
           polylines += "0\nLWPOLYLINE\n8\n0\n100\nAcDbEntity\n100\nAcDbPolyline\n90\n2000000000\n70\n0\n"
                        "10\n0.0\n20\n" + std::to_string(i) + ".0\n10\n5.0\n20\n" +
                        std::to_string(i) + ".0\n";
         return Damaged{inserted(baseR2018(), "0\nSPLINE\n", polylines), -1};
       },
       Outcome::Loaded, "LWPOLYLINE claims 2000000000 vertices (group code 90) but holds 2",
       [](AcDbDatabase& db) { EXPECT_EQ(modelSpaceTypes(db).size(), kAllR2018.size() + 1000); }},
      {"counts", "a spline claiming 32767 knots and control points",
       [] {
         Damaged d = valueReplaced(baseR2018(), "0\nSPLINE", "72\n8\n", "32767");
         d.text = replacedIn(d.text, "0\nSPLINE", "\n73\n4\n", "\n73\n32767\n");
         return d;
       },
       Outcome::Loaded, "32767 knots (group code 72) but holds 8", expectTypes(kAllR2018)},
      {"counts", "a polygon mesh of 30000 by 30000 vertices with two",
       [] { return Damaged{inserted(baseR2018(), "0\nSPLINE\n", kMesh), -1}; }, Outcome::Loaded,
       nullptr,
       [](AcDbDatabase& db) {
         EXPECT_EQ(modelSpaceTypes(db),
                   Types({"LINE", "CIRCLE", "TEXT", "LWPOLYLINE", "INSERT", "POLYLINE", "SPLINE"}));
       }},
      {"counts", "a hatch claiming 2000000000 paths and vertices",
       [] { return Damaged{inserted(baseR2018(), "0\nSPLINE\n", kHatch), -1}; }, Outcome::Loaded,
       nullptr,
       [](AcDbDatabase& db) {
         EXPECT_EQ(modelSpaceTypes(db),
                   Types({"LINE", "CIRCLE", "TEXT", "LWPOLYLINE", "INSERT", "HATCH", "SPLINE"}));
       }},
      {"counts", "a leader claiming 2000000000 vertices",
       [] {
         std::string t = inserted(baseR2018(), "0\nSPLINE\n", kLeader);
         return Damaged{t, lineOf(t, "0\nLEADER", "2000000000")};
       },
       Outcome::Loaded, "LEADER kept as read: expected an integer from -32768 to 65535 for group code 76",
       [](AcDbDatabase& db) {
         EXPECT_EQ(modelSpaceTypes(db),
                   Types({"LINE", "CIRCLE", "TEXT", "LWPOLYLINE", "INSERT", "LEADER", "SPLINE"}));
       }},
      {"counts", "a table claiming 2000000000 records",
       [] { return valueReplaced(baseR2018(), "0\nTABLE\n2\nLAYER", "70\n2\n", "2000000000"); },
       Outcome::Loaded, "table LAYER claims \"2000000000\" records (group code 70), ignored",
       [](AcDbDatabase& db) {
         AcDbLayerTable* layers = nullptr;
         ASSERT_EQ(db.getLayerTable(layers, AcDb::kForRead), Acad::eOk);
         EXPECT_TRUE(layers->has("PLATE")) << "its records are read";
         layers->close();
       }},
      {"counts", "a MINSERT of 65535 by 65535 copies",
       [] {
         return Damaged{replacedIn(baseR2018(), "0\nINSERT\n5\n34", "43\n1.0\n",
                                   "43\n1.0\n70\n65535\n71\n65535\n44\n10.0\n45\n10.0\n"),
                        -1};
       },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"counts", "a handle seed beyond every handle",
       [] { return Damaged{replaced(baseR2018(), "5\nFF\n", "5\nFFFFFFFFFFFFFFF\n"), -1}; },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"counts", "the largest handle seed",
       [] { return Damaged{replaced(baseR2018(), "5\nFF\n", "5\nFFFFFFFFFFFFFFFF\n"), -1}; },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"counts", "a handle seed of 67 million",
       [] { return Damaged{replaced(baseR2018(), "5\nFF\n", "5\n3FFFFFF\n"), -1}; },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"counts", "handles each just inside the reach of the handle index",
       [] {
         std::string extra;
         char handle[32];
         for (unsigned long long h = 0xFFFF, i = 0; i < 24; ++i, h = 2 * h + 0xFFFF) {
           std::snprintf(handle, sizeof handle, "%llX", h);
           extra += std::string("0\nPOINT\n5\n") + handle +
                    "\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbPoint\n10\n1.0\n20\n1.0\n30\n0.0\n";
         }
         return Damaged{inserted(baseR2018(), "0\nSPLINE\n", extra), -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) { EXPECT_EQ(modelSpaceTypes(db).size(), kAllR2018.size() + 24); }},
      {"counts", "handles that leap far apart",
       [] {
         std::string extra;
         std::string handle = "9";
         for (int i = 0; i < 40; ++i) {
           handle += "0";  // 0x90, 0x900, ... up to 16 hex digits is far beyond any dense index
           if (handle.size() > 15)
             break;
           extra += "0\nPOINT\n5\n" + handle + "\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbPoint\n"
                    "10\n1.0\n20\n1.0\n30\n0.0\n";
         }
         return Damaged{inserted(baseR2018(), "0\nSPLINE\n", extra), -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) { EXPECT_EQ(modelSpaceTypes(db).size(), kAllR2018.size() + 14); }},

      // Handles.
      {"handles", "an entity with the handle of a layer",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nCIRCLE\n5\n31", "5\n31\n", "5\n11\n");
         return Damaged{t, lineOf(t, "0\nCIRCLE\n5\n11") + 1};
       },
       Outcome::Loaded, "handle 11 used twice", expectTypes(kAllR2018)},
      {"handles", "a handle among those the host keeps for itself",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nLINE\n5\n30", "5\n30\n", "5\n4000000000000000\n");
         t = replacedIn(t, "0\nCIRCLE\n5\n31", "5\n31\n", "");
         return Damaged{t, lineOf(t, "0\nLINE\n5\n4000000000000000") + 1};
       },
       Outcome::Loaded, "handle 4000000000000000 of LINE is beyond the handles a drawing may use",
       expectTypes(kAllR2018)},
      {"handles", "an owner that is not there",
       [] { return Damaged{replacedIn(baseR2018(), "0\nLINE\n5\n30", "330\n1F\n", "330\nABCD\n"), -1}; },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"handles", "a layer's linetype that is not there",
       [] { return valueReplaced(baseR2018(), "0\nLAYER\n5\n11", "6\nDASHED\n", "NOSUCH"); },
       Outcome::Loaded, "linetype NOSUCH",
       [](AcDbDatabase& db) { EXPECT_EQ(modelSpaceTypes(db), kAllR2018); }},
      {"handles", "an R12 layer's linetype without a linetype table",
       [] { return valueReplaced(baseR12(), "0\nLAYER\n2\nPLATE", "6\nCONTINUOUS\n", "CENTER2"); },
       Outcome::Loaded, "layer PLATE names linetype CENTER2, which the drawing does not define",
       [](AcDbDatabase& db) {
         std::string written = writeDxf(db);
         EXPECT_NE(written.find("PLATE\n 70\n0\n 62\n1\n  6\nCENTER2\n"), std::string::npos)
             << "the layer keeps the name";
       }},
      {"handles", "a linetype table after the layers",
       [] {
         const std::string& base = baseR2018();
         std::size_t from = base.find("0\nTABLE\n2\nLTYPE"), to = base.find("0\nTABLE\n2\nLAYER");
         std::size_t end = base.find("0\nTABLE\n2\nSTYLE");
         std::string t = base.substr(0, from) + base.substr(to, end - to) + base.substr(from, to - from) +
                         base.substr(end);
         return Damaged{t, -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) {
         AcDbLayerTable* layers = nullptr;
         ASSERT_EQ(db.getLayerTable(layers, AcDb::kForRead), Acad::eOk);
         AcDbObjectId plate;
         EXPECT_EQ(layers->getAt("PLATE", plate), Acad::eOk);
         layers->close();
         Opened<AcDbLayerTableRecord> layer(plate);
         ASSERT_TRUE(layer);
         Opened<AcDbLinetypeTableRecord> linetype(layer->linetypeObjectId());
         ASSERT_TRUE(linetype);
         EXPECT_EQ(linetype->numDashes(), 2) << "the linetype defined after the layer";
       }},
      {"handles", "a reference to a block that is not there",
       [] { return valueReplaced(baseR2018(), "0\nINSERT\n5\n34", "2\nBOLT\n", "NOSUCH"); },
       Outcome::Loaded, "block NOSUCH",
       [](AcDbDatabase& db) {
         Opened<AcDbBlockReference> ref(firstOf<AcDbBlockReference>(db));
         ASSERT_TRUE(ref);
         EXPECT_EQ(ref->blockName(), "NOSUCH") << "the name is kept for writing";
       }},
      {"handles", "hard and soft pointers to nothing",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nBLOCK_RECORD\n5\n20", "2\nBOLT\n",
                                    "2\nBOLT\n340\nDEAD\n");
         t = replacedIn(t, "0\nDICTIONARY\n5\nD", "281\n1\n", "281\n1\n3\nLOST\n360\nBEEF\n");
         return Damaged{t, -1};
       },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},

      // Owners in cycles.
      {"owners", "a dictionary owning itself",
       [] { return Damaged{replacedIn(baseR2018(), "0\nDICTIONARY\n5\nD", "330\nC\n", "330\nD\n"), -1}; },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"owners", "two dictionaries owning each other",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nDICTIONARY\n5\nC", "330\n0\n", "330\nD\n");
         t = replacedIn(t, "0\nDICTIONARY\n5\nD", "281\n1\n", "281\n1\n3\nBACK\n350\nC\n");
         return Damaged{t, -1};
       },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"owners", "a block record owned by its own entity",
       [] {
         return Damaged{replacedIn(baseR2018(), "0\nBLOCK_RECORD\n5\n20", "330\n1\n", "330\n26\n"), -1};
       },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},

      // Blocks that insert themselves.
      {"self-insertion", "a block inserting itself",
       [] {
         return Damaged{inserted(baseR2018(), "0\nENDBLK\n5\n27", insertInBlock("50", "20", "BOLT")),
                        -1};
       },
       Outcome::Loaded, "block BOLT inserts itself",
       [](AcDbDatabase& db) { EXPECT_FALSE(blockNamed(db, "BOLT").isNull()); }},
      {"self-insertion", "two blocks inserting each other",
       [] {
         std::string t = inserted(baseR2018(), "0\nENDBLK\n5\n27", insertInBlock("50", "20", "NUT"));
         t = inserted(t, "0\nENDBLK\n5\n43", insertInBlock("51", "40", "BOLT"));
         return Damaged{t, -1};
       },
       Outcome::Loaded, "inserts itself", expectTypes(kAllR2018)},
      {"self-insertion", "ten blocks in a ring",
       [] {
         std::string blocks;
         for (int i = 0; i < 10; ++i)
           blocks += "0\nBLOCK\n8\n0\n100\nAcDbEntity\n100\nAcDbBlockBegin\n2\nR" + std::to_string(i) +
                     "\n70\n0\n10\n0.0\n20\n0.0\n30\n0.0\n"
                     "0\nINSERT\n8\n0\n100\nAcDbEntity\n100\nAcDbBlockReference\n2\nR" +
                     std::to_string((i + 1) % 10) + "\n10\n1.0\n20\n0.0\n30\n0.0\n"
                     "0\nENDBLK\n8\n0\n100\nAcDbEntity\n100\nAcDbBlockEnd\n";
         return Damaged{inserted(baseR2018(), "0\nENDSEC\n0\nSECTION\n2\nENTITIES", blocks), -1};
       },
       Outcome::Loaded, "block R0 inserts itself through R1, R2, R3 and 6 more;", expectTypes(kAllR2018)},
      {"self-insertion", "model space inserting itself",
       [] {
         return Damaged{inserted(baseR2018(), "0\nSPLINE\n", insertInBlock("52", "1F", "*Model_Space")),
                        -1};
       },
       Outcome::Loaded, "inserts itself", nullptr},

      // NaN and infinity.
      {"not finite", "nan in a point",
       [] { return valueReplaced(baseR2018(), "0\nLINE\n5\n30", "10\n0.0\n", "nan"); },
       Outcome::Loaded, "LINE kept as read: expected a number for group code 10, found \"nan\"",
       expectTypes(kAllR2018)},
      {"not finite", "nan for the radius of an R12 circle",
       [] { return valueReplaced(baseR12(), "0\nCIRCLE\n8\n0\n10\n200.0", "40\n25.0\n", "nan"); },
       Outcome::Loaded, "CIRCLE kept as read: expected a number for group code 40, found \"nan\"",
       [](AcDbDatabase& db) {
         std::string written = writeDxf(db);
         std::size_t circle = written.find("CIRCLE\n  5\n", written.find("ENTITIES"));
         ASSERT_NE(circle, std::string::npos);
         std::string record = written.substr(circle, written.find("  0\n", circle) - circle);
         EXPECT_NE(record.find("\n 10\n200.0\n 20\n150.0\n 30\n0.0\n 40\nnan\n"), std::string::npos)
             << "every group kept as it came:\n" << record;
         EXPECT_EQ(valuesOf(parseGroups("  0\n" + record), 8), std::vector<std::string>{"0"})
             << "one layer:\n" << record;
       }},
      {"not finite", "a thousand circles with nan radii",
       [] {
         std::string circles;
         for (int i = 0; i < 1000; ++i)
           circles += "0\nCIRCLE\n8\n0\n100\nAcDbEntity\n100\nAcDbCircle\n10\n" + std::to_string(i) +
                      ".0\n20\n0.0\n30\n0.0\n40\nnan\n";
         return Damaged{inserted(baseR2018(), "0\nSPLINE\n", circles), -1};
       },
       Outcome::Loaded, "980 more like \"CIRCLE kept as read\" from here on",
       [](AcDbDatabase& db) { EXPECT_EQ(modelSpaceTypes(db).size(), kAllR2018.size() + 1000); }},
      {"not finite", "inf for a radius",
       [] { return valueReplaced(baseR2018(), "0\nCIRCLE\n5\n31", "40\n25.0\n", "inf"); },
       Outcome::Loaded, "found \"inf\"", expectTypes(kAllR2018)},
      {"not finite", "1e400 for a text height",
       [] { return valueReplaced(baseR2018(), "0\nTEXT\n5\n32", "40\n5.0\n", "1e400"); },
       Outcome::Loaded, "found \"1e400\"", expectTypes(kAllR2018)},
      {"not finite", "-inf for a scale factor",
       [] { return valueReplaced(baseR2018(), "0\nINSERT\n5\n34", "41\n1.0\n", "-inf"); },
       Outcome::Loaded, "found \"-inf\"", expectTypes(kAllR2018)},
      {"not finite", "coordinates at the end of the double range",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nLINE\n5\n30", "10\n0.0\n20\n0.0",
                                    "10\n-1.7e308\n20\n-1.7e308");
         return Damaged{replacedIn(t, "0\nLINE\n5\n30", "11\n400.0\n21\n300.0", "11\n1.7e308\n21\n1.7e308"),
                        -1};
       },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"not finite", "nan in a binary double",
       [] {
         std::vector<std::size_t> offsets;
         std::string whole = binaryOf(baseR2018(), &offsets);
         Groups groups = parseGroups(baseR2018());
         std::size_t radius = 0;
         for (std::size_t i = 0; i + 1 < groups.size(); ++i)
           if (groups[i] == Group{0, "CIRCLE"} && groups[i + 1] == Group{5, "31"})
             for (radius = i; groups[radius].first != 40; ++radius) {
             }
         whole.replace(offsets[radius], 8, doubleBytes(std::nan("")));
         return Damaged{whole, static_cast<long>(offsets[radius])};
       },
       Outcome::Loaded, "CIRCLE kept as read: expected a number for group code 40, found \"nan\"",
       expectTypes(kAllR2018)},

      // Long strings.
      {"long strings", "an 8000-character text",
       [] {
         return Damaged{
             replacedIn(baseR2018(), "0\nTEXT\n5\n32", "1\nDIE PLATE\n", "1\n" + kLongText + "\n"), -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) {
         Opened<AcDbText> text(firstOf<AcDbText>(db));
         ASSERT_TRUE(text);
         EXPECT_EQ(std::string(text->textStringConst()), kLongText) << "kept whole";
       }},
      {"long strings", "an 8000-character layer name",
       [] {
         std::string t = replacedIn(baseR2018(), "0\nLAYER\n5\n11", "2\nPLATE\n", "2\n" + kLongText + "\n");
         return Damaged{replacedIn(t, "0\nLINE\n5\n30", "8\nPLATE\n", "8\n" + kLongText + "\n"), -1};
       },
       Outcome::Loaded, nullptr, expectTypes(kAllR2018)},
      {"long strings", "an 8000-character header string",
       [] { return Damaged{replaced(baseR2018(), "1\nDie plate 12\n", "1\n" + kLongText + "\n"), -1}; },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) { EXPECT_EQ(db.header().text("$PROJECTNAME").value_or(""), kLongText); }},
      {"long strings", "an 8000-character R12 text",
       [] {
         return Damaged{inserted(baseR12(), "0\nENDSEC\n0\nEOF",
                                 "0\nTEXT\n8\n0\n10\n0.0\n20\n0.0\n30\n0.0\n40\n2.5\n1\n" + kLongText + "\n"),
                        -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) {
         Opened<AcDbText> text(firstOf<AcDbText>(db));
         ASSERT_TRUE(text);
         EXPECT_EQ(std::string(text->textStringConst()), kLongText);
       }},

      // Text encodings.
      {"encodings", "invalid UTF-8 in an R2018 file",
       [] {
         return Damaged{replacedIn(baseR2018(), "0\nTEXT\n5\n32", "1\nDIE PLATE\n",
                                   "1\nDIE \xC3\x28 PL\xE4TE\n"),
                        -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) {
         Opened<AcDbText> text(firstOf<AcDbText>(db));
         ASSERT_TRUE(text);
         // Not UTF-8: read in the drawing's code page (ANSI_1252).
         EXPECT_EQ(std::string(text->textStringConst()), "DIE \xC3\x83( PL\xC3\xA4TE");
       }},
      {"encodings", "an unknown code page",
       [] { return Damaged{replaced(baseR12(), "3\nANSI_1252\n", "3\nANSI_9999\n"), -1}; },
       Outcome::Loaded, "unknown code page \"ANSI_9999\"", nullptr},
      {"encodings", "a code page that is no name",
       [] { return Damaged{replaced(baseR12(), "3\nANSI_1252\n", "3\n\n"), -1}; },
       Outcome::Loaded, "unknown code page", nullptr},
      {"encodings", "bytes a double-byte code page does not hold",
       [] {
         std::string t = replaced(baseR12(), "3\nANSI_1252\n", "3\nANSI_932\n");
         return Damaged{replacedIn(t, "0\nLAYER\n2\nPLATE", "2\nPLATE\n", "2\nPL\x81\x20" "ATE\xFF\n"), -1};
       },
       Outcome::Loaded, nullptr,
       [](AcDbDatabase& db) {
         std::string written = writeDxf(db);
         EXPECT_EQ(written.find("\xFF"), std::string::npos)
             << "undefined bytes are not written back as such";
       }},
      {"encodings", "R12 bytes of an undefined single-byte code",
       [] {
         std::string t = replaced(baseR12(), "3\nANSI_1252\n", "3\nANSI_1253\n");
         return Damaged{replacedIn(t, "0\nLAYER\n2\nPLATE", "2\nPLATE\n", "2\nPL\xAA" "TE\n"), -1};
       },
       Outcome::Loaded, nullptr, nullptr},
  };
  return cases;
}

// ---------------------------------------------------------------------------
// What every loaded drawing must stand.

bool finite(const AcGePoint3d& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

void expectFinite(const AcDbExtents& extents, const std::string& what) {
  if (!extents.isValid())
    return;
  EXPECT_TRUE(finite(extents.minPoint()) && finite(extents.maxPoint())) << what;
}

// Walks the references from a block into the blocks they place, depth first,
// stopping at a block already on the way: answers how many references were
// followed (a cycle must not make this run forever).
int walkReferences(AcDbObjectId block, std::vector<AcDbObjectId>& path) {
  for (AcDbObjectId on : path)
    if (on == block)
      return 0;
  Opened<AcDbBlockTableRecord> record(block);
  if (!record)
    return 0;
  std::vector<AcDbObjectId> placed;
  for (AcDbObjectId id : record->entityIds()) {
    Opened<AcDbEntity> entity(id);
    if (!entity)
      continue;
    AcDbExtents box;
    if (entity->getGeomExtents(box) == Acad::eOk)
      expectFinite(box, std::string("the extents of a ") + entity->dxfTypeName());
    AcDbVoidPtrArray pieces;
    if (entity->explode(pieces) == Acad::eOk)
      for (int i = 0; i < pieces.length(); ++i)
        delete static_cast<AcDbEntity*>(pieces[i]);
    if (auto* ref = AcDbBlockReference::cast(entity.get()))
      placed.push_back(ref->blockTableRecord());
  }
  record.close();
  path.push_back(block);
  int followed = 0;
  for (AcDbObjectId next : placed)
    followed += 1 + walkReferences(next, path);
  path.pop_back();
  return followed;
}

// The lines around the first place two texts differ ("" when they are equal).
std::string firstDifference(const std::string& a, const std::string& b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at])
    ++at;
  if (at == a.size() && at == b.size())
    return "";
  std::size_t from = a.rfind('\n', at >= 60 ? at - 60 : 0);
  from = from == std::string::npos ? 0 : from;
  return "first:\n" + a.substr(from, 160) + "\n---- then:\n" + b.substr(from, 160);
}

// The text without the value of $HANDSEED (each reading may hand out handles
// of its own: the standard content a file lacks).
std::string withoutHandseed(std::string text) {
  std::size_t at = text.find("$HANDSEED\n");
  if (at != std::string::npos) {
    std::size_t value = text.find('\n', at + 10) + 1;
    text.erase(value, text.find('\n', value) - value);
  }
  return text;
}

void exercise(AcDbDatabase& db, const std::string& name) {
  SCOPED_TRACE(name);
  // Written back and read again: the second writing is the first.
  Result<std::string> written = writeDxfString(db);
  ASSERT_TRUE(written.ok()) << written.failure().describe();
  std::vector<Failure> again;
  DxfReadOptions options;
  options.warnings = &again;
  auto reread = readDxfString(written.value(), "again.dxf", options);
  ASSERT_TRUE(reread.ok()) << reread.failure().describe();
  Result<std::string> rewritten = writeDxfString(*reread.value());
  ASSERT_TRUE(rewritten.ok());
  const std::string difference = firstDifference(withoutHandseed(written.value()),
                                                 withoutHandseed(rewritten.value()));
  EXPECT_TRUE(difference.empty()) << "the written drawing reads back as it was: " << difference;

  if (db.updateExt() == Acad::eOk) {
    EXPECT_TRUE(finite(db.extmin()) && finite(db.extmax())) << "model-space extents";
  }
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db.getBlockTable(table, AcDb::kForRead), Acad::eOk);
  std::vector<AcDbObjectId> blocks = table->recordIds();
  table->close();
  for (AcDbObjectId block : blocks) {
    BlockExtentsWalk walk;
    AcDbExtents extents;
    walk.addBlock(block, AcGeMatrix3d::kIdentity, extents);
    expectFinite(extents, "block extents");
    std::vector<AcDbObjectId> path;
    EXPECT_LT(walkReferences(block, path), 1000) << "references followed from a block";
  }
  // Deep clones into model space: of everything in it, and of each block's
  // entities (a block's reference to itself among them).
  for (AcDbObjectId block : blocks) {
    AcDbObjectIdArray ids;
    {
      Opened<AcDbBlockTableRecord> record(block);
      if (!record)
        continue;
      for (AcDbObjectId id : record->entityIds())
        ids.append(id);
    }
    AcDbObjectId owner = db.modelSpaceId();
    AcDbIdMapping map;
    (void)db.deepCloneObjects(ids, owner, map);
  }
  EXPECT_TRUE(writeDxfString(db).ok()) << "written after the clone";
}

// ---------------------------------------------------------------------------

TEST(DamagedDrawings, TheValidDrawingsLoadSilently) {
  for (const std::string* text : {&baseR2018(), &baseR12()}) {
    std::vector<Failure> warnings;
    auto db = readDxf(*text, &warnings);
    ASSERT_TRUE(db);
    EXPECT_TRUE(warnings.empty()) << describeAll(warnings);
    exercise(*db, "valid");
  }
  auto binary = readDxfString(binaryOf(baseR2018()), "b.dxf");
  ASSERT_TRUE(binary.ok()) << binary.failure().describe();
  EXPECT_EQ(modelSpaceTypes(*binary.value()), kAllR2018);
}

TEST(DamagedDrawings, RefusedNamingTheLineOrLoadedWithAWarning) {
  for (const DamagedCase& c : damagedCases()) {
    const std::string name = std::string(c.kind) + ": " + c.name;
    SCOPED_TRACE(name);
    Damaged damaged = c.make();
    std::vector<Failure> warnings;
    DxfReadOptions options;
    options.warnings = &warnings;
    const long long before = liveBytes.load();
    peakBytes = before;
    auto read = readDxfString(damaged.text, "t.dxf", options);
    const long long used = peakBytes.load() - before;
    // Memory follows the file: a small fixed part (the standard tables, the
    // buffers) and a few dozen bytes for each byte of the file.
    if (kCountsAllocations) {
      EXPECT_LT(used, (4ll << 20) + 64ll * static_cast<long long>(damaged.text.size()))
          << "bytes at the peak of the read";
    }
    if (c.outcome == Outcome::Refused) {
      ASSERT_FALSE(read.ok()) << "it loads";
      const Failure& failure = read.failure();
      EXPECT_EQ(failure.file, "t.dxf");
      if (damaged.line >= 0) {
        EXPECT_EQ(failure.line, damaged.line) << failure.describe();
      }
      EXPECT_NE(failure.message.find(c.fragment), std::string::npos) << failure.describe();
      continue;
    }
    ASSERT_TRUE(read.ok()) << read.failure().describe();
    AcDbDatabase& db = *read.value();
    if (c.fragment == nullptr) {
      EXPECT_TRUE(warnings.empty()) << describeAll(warnings);
    } else {
      const Failure* found = nullptr;
      for (const Failure& w : warnings)
        if (found == nullptr && w.message.find(c.fragment) != std::string::npos)
          found = &w;
      ASSERT_NE(found, nullptr) << "no warning holds \"" << c.fragment << "\"\n" << describeAll(warnings);
      EXPECT_EQ(found->file, "t.dxf");
      if (damaged.line >= 0) {
        EXPECT_EQ(found->line, damaged.line) << found->describe();
      }
    }
    if (c.survived)
      c.survived(db);
    exercise(db, name);
  }
}

}  // namespace
}  // namespace zek::test
