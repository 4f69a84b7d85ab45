// DXF group codes: the kind of value each code carries and how its text is
// trimmed, after the group-code value-type table of the DXF reference.
#pragma once

#include <string_view>

namespace zek::dxf {

// The kind of value a group code carries. Handles are hexadecimal text,
// binary chunks hexadecimal text in ASCII files and bytes in binary files.
enum class ValueKind { String, Double, Int16, Int32, Int64, Bool, Handle, Binary, Comment };

// The group codes a DXF file may hold; anything outside is damage.
constexpr int kMinGroupCode = -5;
constexpr int kMaxGroupCode = 1071;

// The kind of value `code` carries; codes the table does not name are String.
[[nodiscard]] ValueKind valueKindOf(int code);

// Whether the value text of `code` keeps its leading and trailing spaces
// (names, text and other string data); values of every other code are
// trimmed of spaces and tabs.
[[nodiscard]] bool keepsSpaces(int code);

// Whether an R12 (AC1009) file can hold objects of this DXF type: the
// entities of that generation and the BLOCK/ENDBLK frames.
[[nodiscard]] bool isR12Type(std::string_view type);

}  // namespace zek::dxf
