// Fuzz target: the DXF reader on ASCII text, with the save and the second
// read of every drawing it reads (dxf_round_trip.h).
#include <cstddef>
#include <cstdint>
#include <string>

#include "dxf_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zek::fuzz::readWriteRead(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
