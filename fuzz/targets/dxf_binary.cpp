// Fuzz target: the binary DXF tag decoder. The input is what follows the
// sentinel binary DXF files begin with (an input that already begins with it
// is taken as it is, so whole binary files replay too); drawings that read
// are saved and read again as in dxf_ascii.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "dxf_round_trip.h"

namespace {

// The first 22 bytes of every binary DXF file, its terminating zero included.
constexpr std::string_view kBinarySentinel("AutoCAD Binary DXF\r\n\x1a\0", 22);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string file;
  if (!input.starts_with(kBinarySentinel))
    file = kBinarySentinel;
  file += input;
  zek::fuzz::readWriteRead(std::move(file));
  return 0;
}
