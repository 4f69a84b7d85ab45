// Fuzz target: the binary DXF tag decoder. The input is what follows the
// sentinel binary DXF files begin with (an input that already begins with it
// is taken as it is, so whole binary files replay too); drawings that read
// are saved and read again as in dxf_ascii.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "dxf/tag_source.h"
#include "dxf_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string file;
  if (!input.starts_with(zek::dxf::kBinaryDxfSentinel))
    file = zek::dxf::kBinaryDxfSentinel;
  file += input;
  zek::fuzz::readWriteRead(std::move(file));
  return 0;
}
