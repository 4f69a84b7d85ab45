// The command table: names found as CAD hosts find them, duplicate global
// names refused, groups removed whole.
#include "editor/core/command_table.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

// A table of its own for each test; the host's table holds the built-ins.
class CommandTableTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(table.add("ZEKOVERCUT", "ZEKGQ", "ZEKGQ", kCommandModal, [] {}));
    ASSERT_TRUE(table.add("ZEKOVERCUT", "ZEKGQS", "ZEKQGS", kCommandModal, [] {}));
    ASSERT_TRUE(table.add("HOST", "-LAYER", "", kCommandModal, [] {}));
    ASSERT_TRUE(table.add("HOST", "LAYER", "", kCommandModal, [] {}));
    ASSERT_TRUE(table.add("ZEKCENLINE", "ZEKCENLINE1", "", kCommandUsePickSet, [] {}));
  }
  CommandTable table;
};

struct FindCase {
  const char* typed;
  const char* global;  // nullptr: not found
};
constexpr FindCase kFindCases[] = {
    {"ZEKGQ", "ZEKGQ"},
    {"zekgq", "ZEKGQ"},           // case is ignored
    {"ZEKQGS", "ZEKGQS"},         // the local name
    {"ZEKGQS", "ZEKGQS"},         // the global name, typed without "_"
    {"_ZEKGQS", "ZEKGQS"},        // "_": global names only
    {"_ZEKQGS", nullptr},         // ... so the local name is not found that way
    {"-LAYER", "-LAYER"},         // "-" is part of the name
    {"LAYER", "LAYER"},
    {"._-layer", "-LAYER"},       // "." and "_" in either order
    {"_.LAYER", "LAYER"},
    {" ZEKGQ ", "ZEKGQ"},
    {"ZEKG", nullptr},            // no abbreviations of command names
    {"", nullptr},
    {"_", nullptr},
};

TEST_F(CommandTableTest, FindsCommandsByTypedName) {
  for (const auto& c : kFindCases) {
    auto found = table.find(c.typed);
    if (c.global == nullptr) {
      EXPECT_FALSE(found) << '"' << c.typed << '"';
      continue;
    }
    ASSERT_TRUE(found) << '"' << c.typed << '"';
    EXPECT_EQ(found->globalName, c.global) << '"' << c.typed << '"';
  }
}

TEST_F(CommandTableTest, RefusesADuplicateGlobalNameInAnyGroup) {
  EXPECT_FALSE(table.add("OTHER", "zekgq", "", kCommandModal, [] {}))
      << "another module's command of the same global name";
  EXPECT_FALSE(table.add("ZEKOVERCUT", "ZEKGQ", "", kCommandModal, [] {}));
  EXPECT_FALSE(table.add("OTHER", "", "", kCommandModal, [] {})) << "a command needs a name";
  EXPECT_FALSE(table.add("OTHER", "ZEKNOFUNC", "", kCommandModal, nullptr))
      << "a command needs a function";
  EXPECT_EQ(table.find("ZEKCENLINE1")->flags, kCommandUsePickSet);
}

TEST_F(CommandTableTest, RemovesAGroupWholeAndOnlyThatGroup) {
  EXPECT_EQ(table.groupCommands("ZEKOVERCUT"), (std::vector<std::string>{"ZEKGQ", "ZEKGQS"}));
  EXPECT_EQ(table.removeGroup("zekovercut"), 2);
  EXPECT_FALSE(table.has("ZEKGQ"));
  EXPECT_FALSE(table.has("ZEKQGS"));
  EXPECT_TRUE(table.has("-LAYER"));
  EXPECT_EQ(table.removeGroup("ZEKOVERCUT"), 0) << "a second unload finds nothing";
  EXPECT_TRUE(table.add("ZEKOVERCUT", "ZEKGQ", "", kCommandModal, [] {}))
      << "after the unload the name is free again";
  EXPECT_EQ(table.groups(), (std::vector<std::string>{"HOST", "ZEKCENLINE", "ZEKOVERCUT"}));
}

TEST_F(CommandTableTest, RemovesOneCommand) {
  EXPECT_FALSE(table.remove("HOST", "ZEKGQ")) << "not a command of that group";
  EXPECT_TRUE(table.remove("ZEKOVERCUT", "ZEKGQ"));
  EXPECT_FALSE(table.has("ZEKGQ"));
  EXPECT_TRUE(table.has("ZEKGQS"));
}

TEST_F(CommandTableTest, ListsEveryTypedNameOnce) {
  EXPECT_EQ(table.typedNames(), (std::vector<std::string>{"ZEKGQ", "ZEKGQS", "ZEKQGS", "-LAYER",
                                                          "LAYER", "ZEKCENLINE1"}))
      << "a local name equal to its global one (or empty) is not listed twice";
  ASSERT_EQ(table.removeGroup("ZEKOVERCUT"), 2);
  EXPECT_EQ(table.typedNames(), (std::vector<std::string>{"-LAYER", "LAYER", "ZEKCENLINE1"}))
      << "an unloaded module's names go with it";
}

}  // namespace
}  // namespace zek
