// Value kinds of group codes at the edges of every range of the DXF
// reference's table, and which codes keep their spaces.
#include "dxf/group_codes.h"

#include <gtest/gtest.h>

namespace zek::dxf {
namespace {

struct KindCase {
  int code;
  ValueKind kind;
};

constexpr KindCase kKindCases[] = {
    {0, ValueKind::String},     {9, ValueKind::String},     {10, ValueKind::Double},
    {59, ValueKind::Double},    {60, ValueKind::Int16},     {79, ValueKind::Int16},
    {80, ValueKind::String},    {89, ValueKind::String},    {90, ValueKind::Int32},
    {99, ValueKind::Int32},     {100, ValueKind::String},   {101, ValueKind::String},
    {102, ValueKind::String},   {105, ValueKind::Handle},   {110, ValueKind::Double},
    {149, ValueKind::Double},   {150, ValueKind::String},   {160, ValueKind::Int64},
    {169, ValueKind::Int64},    {170, ValueKind::Int16},    {179, ValueKind::Int16},
    {210, ValueKind::Double},   {239, ValueKind::Double},   {270, ValueKind::Int16},
    {280, ValueKind::Int16},    {289, ValueKind::Int16},    {290, ValueKind::Bool},
    {299, ValueKind::Bool},     {300, ValueKind::String},   {309, ValueKind::String},
    {310, ValueKind::Binary},   {319, ValueKind::Binary},   {320, ValueKind::Handle},
    {330, ValueKind::Handle},   {369, ValueKind::Handle},   {370, ValueKind::Int16},
    {389, ValueKind::Int16},    {390, ValueKind::Handle},   {399, ValueKind::Handle},
    {400, ValueKind::Int16},    {409, ValueKind::Int16},    {410, ValueKind::String},
    {419, ValueKind::String},   {420, ValueKind::Int32},    {429, ValueKind::Int32},
    {430, ValueKind::String},   {439, ValueKind::String},   {440, ValueKind::Int32},
    {459, ValueKind::Int32},    {460, ValueKind::Double},   {469, ValueKind::Double},
    {470, ValueKind::String},   {479, ValueKind::String},   {480, ValueKind::Handle},
    {481, ValueKind::Handle},   {482, ValueKind::String},   {999, ValueKind::Comment},
    {1000, ValueKind::String},  {1003, ValueKind::String},  {1004, ValueKind::Binary},
    {1005, ValueKind::Handle},  {1006, ValueKind::String},  {1009, ValueKind::String},
    {1010, ValueKind::Double},  {1059, ValueKind::Double},  {1060, ValueKind::Int16},
    {1070, ValueKind::Int16},   {1071, ValueKind::Int32},   {-1, ValueKind::String},
    {-5, ValueKind::String},    {-6, ValueKind::String},    {1072, ValueKind::String},
    {5000, ValueKind::String},
};

TEST(GroupCodes, ValueKindFollowsTheReferenceTable) {
  for (const auto& c : kKindCases)
    EXPECT_EQ(valueKindOf(c.code), c.kind) << "group code " << c.code;
}

struct SpacesCase {
  int code;
  bool keeps;
};

constexpr SpacesCase kSpacesCases[] = {
    {0, true},     {1, true},     {5, true},     {9, true},     {10, false},
    {70, false},   {99, false},   {100, true},   {102, true},   {105, false},
    {290, false},  {300, true},   {309, true},   {310, false},  {330, false},
    {410, true},   {420, false},  {430, true},   {470, true},   {480, false},
    {999, true},   {1000, true},  {1009, true},  {1010, false}, {1071, false},
    {-3, false},   {2000, false},
};

TEST(GroupCodes, StringCodesKeepTheirSpaces) {
  for (const auto& c : kSpacesCases)
    EXPECT_EQ(keepsSpaces(c.code), c.keeps) << "group code " << c.code;
}

}  // namespace
}  // namespace zek::dxf
