// The OBJECTS section of generated drawings: the named-object dictionary with
// groups, layouts and plot-style names, the objects a drawing needs to open
// cleanly in CAD hosts.
#pragma once

#include <cstdint>

#include "dxf_text_writer.h"

namespace zek::plategen {

namespace frame {
inline constexpr std::uint64_t kRootDictionary = 0x1A;
inline constexpr std::uint64_t kGroupDictionary = 0x1B;
inline constexpr std::uint64_t kLayoutDictionary = 0x1C;
inline constexpr std::uint64_t kModelLayout = 0x1D;
inline constexpr std::uint64_t kPaperLayout = 0x1E;
inline constexpr std::uint64_t kPlotStyleDictionary = 0x1F;
inline constexpr std::uint64_t kNormalPlotStyle = 0x20;
}  // namespace frame

// Writes the whole OBJECTS section.
void writeObjects(DxfTextWriter& out);

}  // namespace zek::plategen
