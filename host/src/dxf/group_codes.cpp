// The group-code table: one byte per code from -5 to 1071, built at compile
// time, so that looking a code up costs one load.
#include "dxf/group_codes.h"

#include <array>
#include <cstdint>

namespace zek::dxf {
namespace {

constexpr int kCodeCount = kMaxGroupCode - kMinGroupCode + 1;
constexpr std::uint8_t kKeepsSpacesBit = 0x10;

struct Range {
  int first;
  int last;
  ValueKind kind;
};

// The value types of the DXF reference (codes not listed carry strings).
constexpr Range kRanges[] = {
    {0, 9, ValueKind::String},        {10, 59, ValueKind::Double},
    {60, 79, ValueKind::Int16},       {90, 99, ValueKind::Int32},
    {100, 100, ValueKind::String},    {102, 102, ValueKind::String},
    {105, 105, ValueKind::Handle},    {110, 149, ValueKind::Double},
    {160, 169, ValueKind::Int64},     {170, 179, ValueKind::Int16},
    {210, 239, ValueKind::Double},    {270, 289, ValueKind::Int16},
    {290, 299, ValueKind::Bool},      {300, 309, ValueKind::String},
    {310, 319, ValueKind::Binary},    {320, 369, ValueKind::Handle},
    {370, 389, ValueKind::Int16},     {390, 399, ValueKind::Handle},
    {400, 409, ValueKind::Int16},     {410, 419, ValueKind::String},
    {420, 429, ValueKind::Int32},     {430, 439, ValueKind::String},
    {440, 459, ValueKind::Int32},     {460, 469, ValueKind::Double},
    {470, 479, ValueKind::String},    {480, 481, ValueKind::Handle},
    {999, 999, ValueKind::Comment},   {1000, 1003, ValueKind::String},
    {1004, 1004, ValueKind::Binary},  {1005, 1005, ValueKind::Handle},
    {1006, 1009, ValueKind::String},  {1010, 1059, ValueKind::Double},
    {1060, 1070, ValueKind::Int16},   {1071, 1071, ValueKind::Int32},
};

// Codes whose value text is data to the last space.
constexpr Range kSpaceKeeping[] = {
    {0, 9, ValueKind::String},     {100, 102, ValueKind::String},
    {300, 309, ValueKind::String}, {410, 419, ValueKind::String},
    {430, 439, ValueKind::String}, {470, 479, ValueKind::String},
    {999, 999, ValueKind::String}, {1000, 1009, ValueKind::String},
};

constexpr std::array<std::uint8_t, kCodeCount> buildTable() {
  std::array<std::uint8_t, kCodeCount> table{};
  for (const Range& r : kRanges)
    for (int code = r.first; code <= r.last; ++code)
      table[code - kMinGroupCode] = static_cast<std::uint8_t>(r.kind);
  for (const Range& r : kSpaceKeeping)
    for (int code = r.first; code <= r.last; ++code)
      table[code - kMinGroupCode] |= kKeepsSpacesBit;
  return table;
}

constexpr std::array<std::uint8_t, kCodeCount> kTable = buildTable();

}  // namespace

ValueKind valueKindOf(int code) {
  if (code < kMinGroupCode || code > kMaxGroupCode)
    return ValueKind::String;
  return static_cast<ValueKind>(kTable[code - kMinGroupCode] & 0x0F);
}

bool keepsSpaces(int code) {
  if (code < kMinGroupCode || code > kMaxGroupCode)
    return false;
  return (kTable[code - kMinGroupCode] & kKeepsSpacesBit) != 0;
}

bool isR12Type(std::string_view type) {
  static constexpr std::string_view kTypes[] = {
      "LINE", "POINT", "CIRCLE", "ARC", "TRACE", "SOLID", "TEXT", "SHAPE", "BLOCK", "ENDBLK",
      "INSERT", "ATTDEF", "ATTRIB", "POLYLINE", "VERTEX", "SEQEND", "3DFACE", "VIEWPORT",
      "DIMENSION"};
  for (std::string_view t : kTypes)
    if (type == t)
      return true;
  return false;
}

}  // namespace zek::dxf
