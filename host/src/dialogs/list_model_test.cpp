// The list model: paging and scrolling as list boxes page, the selection
// following removed and inserted items, sorted lists, exact search, lists
// of several selections.
#include "dialogs/list_model.h"

#include <gtest/gtest.h>

#include <string>

namespace zek {
namespace {

ListModel numbered(int count, int rows, bool multiple = false) {
  ListModel list(rows, false, multiple);
  for (int i = 0; i < count; ++i)
    (void)list.add("item " + std::to_string(i));
  return list;
}

struct ScrollCase {
  const char* name;
  int topBefore;
  bool bySelect;  // select(index) instead of setTop(index)
  int index;
  bool accepted;
  int topAfter;
};

// 60 items, 26 rows: the last full page starts at 34.
constexpr ScrollCase kScrollCases[] = {
    {"a page down from the top", 0, false, 26, true, 26},
    {"a second page stops at the last full page", 26, false, 52, true, 34},
    {"the last item as top still shows a full page", 0, false, 59, true, 34},
    {"a top past the last item is refused", 26, false, 60, false, 26},
    {"a negative top is refused", 26, false, -1, false, 26},
    {"selecting below the rows shown scrolls it to the last row", 0, true, 30, true, 5},
    {"selecting above the rows shown scrolls it to the top", 34, true, 3, true, 3},
    {"selecting a shown item does not scroll", 10, true, 35, true, 10},
    {"clearing the selection does not scroll", 10, true, -1, true, 10},
    {"selecting past the end is refused", 10, true, 60, false, 10},
};

TEST(ListModel, PagesAndScrollsLikeAListBox) {
  for (const auto& c : kScrollCases) {
    ListModel list = numbered(60, 26);
    ASSERT_TRUE(list.setTop(c.topBefore)) << c.name;
    const bool accepted = c.bySelect ? list.select(c.index) : list.setTop(c.index);
    EXPECT_EQ(accepted, c.accepted) << c.name;
    EXPECT_EQ(list.top(), c.topAfter) << c.name;
  }
}

TEST(ListModel, TheSelectionFollowsTheItemsThatStay) {
  ListModel list = numbered(10, 4);
  ASSERT_TRUE(list.select(5));
  EXPECT_EQ(list.remove(2), 9);
  EXPECT_EQ(list.current(), 4) << "an item above went: the selection moves up";
  EXPECT_EQ(list.insert(0, "new"), 0);
  EXPECT_EQ(list.current(), 5) << "an item came above: the selection moves down";
  EXPECT_EQ(list.remove(5), 9);
  EXPECT_EQ(list.current(), -1) << "the selected item went: nothing is selected";
  EXPECT_EQ(list.remove(9), -1) << "no such item";
  EXPECT_EQ(list.insert(10, "x"), -1) << "an index past the end";
}

TEST(ListModel, RemovingAtTheEndKeepsTheLastPageFull) {
  ListModel list = numbered(30, 26);
  ASSERT_TRUE(list.setTop(4));
  ASSERT_EQ(list.top(), 4);
  EXPECT_EQ(list.remove(29), 29);
  EXPECT_EQ(list.top(), 3);
  list.clear();
  EXPECT_EQ(list.top(), 0);
  EXPECT_EQ(list.current(), -1);
}

TEST(ListModel, ASortedListPlacesNewItemsAfterTheirEquals) {
  ListModel list(5, true, false);
  EXPECT_EQ(list.add("b"), 0);
  EXPECT_EQ(list.add("A"), 0);
  EXPECT_EQ(list.add("a"), 1) << "equal to \"A\" without regard to case: after it";
  EXPECT_EQ(list.add("c"), 3);
  EXPECT_EQ(list.insert(0, "z"), 0) << "inserting never sorts";
  EXPECT_EQ(list.text(1), "A");
  EXPECT_EQ(list.text(2), "a");
}

TEST(ListModel, FindsExactTextsFromAfterTheStartRoundTheEnd) {
  ListModel list(5, false, false);
  for (const char* text : {"x", "Y", "x"})
    (void)list.add(text);
  EXPECT_EQ(list.findExact(-1, "X"), 0);
  EXPECT_EQ(list.findExact(0, "x"), 2);
  EXPECT_EQ(list.findExact(2, "x"), 0) << "wraps round";
  EXPECT_EQ(list.findExact(-1, "y"), 1);
  EXPECT_EQ(list.findExact(-1, "x "), -1) << "exact: no prefix match";
}

TEST(ListModel, AListOfSeveralSelectionsKeepsEachItemsState) {
  ListModel list = numbered(6, 3, true);
  EXPECT_FALSE(list.select(2)) << "one selection is not how this list selects";
  EXPECT_EQ(list.current(), -1);
  ASSERT_TRUE(list.setSelected(4, true));
  ASSERT_TRUE(list.setSelected(1, true));
  EXPECT_EQ(list.selection(), (std::vector<int>{1, 4}));
  EXPECT_EQ(list.current(), 1) << "the first selected";
  ASSERT_TRUE(list.setSelected(-1, true));
  EXPECT_EQ(list.selection().size(), 6u);
  ASSERT_TRUE(list.setSelected(-1, false));
  EXPECT_TRUE(list.selection().empty());
  EXPECT_FALSE(list.setSelected(6, true));
}

}  // namespace
}  // namespace zek
