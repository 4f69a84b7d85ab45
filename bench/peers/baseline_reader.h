// The floor of DXF reading: the file read in large chunks, split into group
// lines, each group code parsed as an integer. Any reader pays at least this.
#pragma once

#include <cstdint>
#include <string>

namespace zek::bench {

struct BaselineScan {
  bool ok = false;
  std::uint64_t groups = 0;
  std::uint64_t entities = 0;  // 0 groups inside the ENTITIES section
};

// Scans the ASCII DXF file at `path`; not ok when it cannot be read or a code
// line is not an integer.
[[nodiscard]] BaselineScan scanGroups(const std::string& path);

}  // namespace zek::bench
