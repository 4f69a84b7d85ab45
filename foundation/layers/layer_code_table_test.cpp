// The layer code table: records and their first-wins rule, the counter for
// unlisted names, the digits, and the shipped zeklayer0.dat.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "aced_output.h"
#include "editor/testing/editor_test_support.h"
#include "layers/layer_code_table.h"
#include "layers/layer_digits.h"

namespace zek {
namespace {

struct LookUp {
  const char* name;
  std::optional<int> code;
};

struct TableCase {
  const char* what;
  const char* text;
  std::vector<LookUp> codes;
};

TEST(LayerCodeTable, ReadsTheRecordsOfTheLayersSection) {
  const TableCase cases[] = {
      {"name and code", "[LAYERS] OUTLINE 1000 HOLE-DRILL 1300", {{"OUTLINE", 1000}, {"HOLE-DRILL", 1300}}},
      {"a name twice keeps its first code", "[LAYERS] A 1000 A 2000", {{"A", 1000}}},
      {"codes in C notation", "[LAYERS] HEX 0x3F4 OCT 01764 NEG -1012", {{"HEX", 1012}, {"OCT", 1012}, {"NEG", -1012}}},
      {"names are exact, case included", "[LAYERS] Outline 1000", {{"Outline", 1000}, {"OUTLINE", std::nullopt}}},
      {"tokens before the header are no records", "OUTLINE 1000 [LAYERS] DIM 1020", {{"OUTLINE", std::nullopt}, {"DIM", 1020}}},
      {"comments are skipped while the header is looked for", "; standard ;layers [LAYERS] A 1", {{"A", 1}, {"standard", std::nullopt}}},
      {"after the header a ; token is a name", "[LAYERS] ;x 1000 A 1010", {{";x", 1000}, {"A", 1010}}},
      {"a code that is no number drops its record only", "[LAYERS] A x B 1000", {{"A", std::nullopt}, {"B", 1000}}},
      {"a code past 32 bits drops its record", "[LAYERS] A 4294967296 B 7", {{"A", std::nullopt}, {"B", 7}}},
      {"a code stops at its first non-digit", "[LAYERS] A 1012abc", {{"A", 1012}}},
      {"records run to the end, other headers included", "[LAYERS] A 1 [OTHER] 2", {{"[OTHER]", 2}}},
      {"a lower-case header is no header", "[layers] A 1", {{"A", std::nullopt}}},
      {"a name without a code at the end", "[LAYERS] A 1 B", {{"A", 1}, {"B", std::nullopt}}},
  };
  for (const TableCase& c : cases) {
    const LayerCodeTable table = LayerCodeTable::fromText(c.text);
    for (const LookUp& look : c.codes)
      EXPECT_EQ(table.layerCodeOf(look.name), look.code) << c.what << ": " << look.name;
  }
}

TEST(LayerCodeTable, TheFirstRecordWinsInEachMap) {
  const LayerCodeTable table = LayerCodeTable::fromText("[LAYERS] A 1000 A 2000 B 1000");
  EXPECT_EQ(table.layerCodeOf("A"), 1000);
  EXPECT_EQ(table.layerNameOf(2000), "A");  // the second code of A still names A
  EXPECT_EQ(table.layerNameOf(1000), "A");  // B came later with the same code
  EXPECT_EQ(table.layerCodeOf("B"), 1000);
  EXPECT_EQ(table.layerNameOf(3000), std::nullopt);
}

TEST(LayerCodeTable, ReadsAtMost2000RecordsOrASmallerLimit) {
  std::string text = "[LAYERS]\n";
  for (int i = 1; i <= 2001; ++i)
    text += "L" + std::to_string(i) + " " + std::to_string(i * 10) + "\n";
  const LayerCodeTable table = LayerCodeTable::fromText(text);
  EXPECT_EQ(table.layerCodeOf("L2000"), 20000);
  EXPECT_EQ(table.layerCodeOf("L2001"), std::nullopt);
  EXPECT_EQ(table.size(), 2000u);
  const LayerCodeTable small = LayerCodeTable::fromText(text, 3);
  EXPECT_EQ(small.size(), 3u);
  EXPECT_EQ(small.layerCodeOf("L3"), 30);
}

TEST(LayerCodeTable, UnlistedNamesGetCodesFromTheCounter) {
  LayerCodeTable table = LayerCodeTable::fromText("[LAYERS] OUTLINE 1000");
  EXPECT_EQ(table.assignLayerCode("NEW-A"), 99000);
  EXPECT_EQ(table.assignLayerCode("NEW-B"), 99100);
  EXPECT_EQ(table.assignLayerCode("NEW-C"), 99200);
  EXPECT_EQ(table.assignLayerCode("NEW-A"), 99000);  // asked again: the same code...
  EXPECT_EQ(table.nextNewCode(), 99300);              // ...and the counter stays
  EXPECT_EQ(table.assignLayerCode("OUTLINE"), 1000);  // a listed name keeps its code
  EXPECT_EQ(table.nextNewCode(), 99300);
  EXPECT_EQ(table.layerCodeOf("NEW-B"), 99100);
  EXPECT_EQ(table.layerNameOf(99100), std::nullopt);  // counted codes name nothing
}

TEST(LayerCodeTable, LookingUpChangesNothing) {
  LayerCodeTable table;
  EXPECT_EQ(table.layerCodeOf("MISSING"), std::nullopt);
  EXPECT_FALSE(table.layerHasTensDigitOne("MISSING"));
  EXPECT_TRUE(table.empty());
  EXPECT_EQ(table.assignLayerCode("MISSING"), 99000);  // neither look-up advanced it
}

TEST(LayerCodeTable, TheCounterStartsAgainAfter998900) {
  LayerCodeTable table;
  int last = 0;
  for (int i = 0; i < 9000; ++i)
    last = table.assignLayerCode("N" + std::to_string(i));
  EXPECT_EQ(last, 998900);  // 9000 codes: 99000 + 8999 × 100
  EXPECT_EQ(table.nextNewCode(), 99000);
  EXPECT_EQ(table.assignLayerCode("N9000"), 99000);  // the 9001st shares N0's code
  EXPECT_EQ(table.assignLayerCode("N9001"), 99100);
  EXPECT_EQ(table.layerCodeOf("N0"), 99000);
}

TEST(LayerCodeTable, TellsLayersWhoseTensDigitIsOne) {
  const LayerCodeTable table = LayerCodeTable::fromText(
      "[LAYERS] WIRE 1012 MILL 1002 NEG -1012 BACK 1210 BIG 99010");
  const std::pair<const char*, bool> cases[] = {
      {"WIRE", true}, {"MILL", false}, {"NEG", false},  // -1012 has tens digit -1
      {"BACK", true}, {"BIG", true},   {"MISSING", false},
  };
  for (const auto& [name, one] : cases)
    EXPECT_EQ(table.layerHasTensDigitOne(name), one) << name;
  EXPECT_EQ(table.size(), 5u);  // the missing name got no code
}

TEST(LayerDigits, FollowCIntegerDivision) {
  struct DigitCase {
    int code;
    int tens;
    int hundreds;
  };
  const DigitCase cases[] = {
      {1012, 1, 1000}, {1002, 0, 1000}, {1275, 7, 1200}, {99000, 0, 99000}, {998900, 0, 998900},
      {5, 0, 0},       {-1012, -1, -1000}, {-1275, -7, -1200}, {-5, 0, 0},
  };
  for (const DigitCase& c : cases) {
    EXPECT_EQ(tensDigitOf(c.code), c.tens) << c.code;
    EXPECT_EQ(hundredsPartOf(c.code), c.hundreds) << c.code;
  }
  EXPECT_EQ(groupCodeWithOffset(1312, 20), 1320);  // the dimension layer of a group
  EXPECT_EQ(groupCodeWithOffset(1320, 30), 1330);  // its centre-line layer
}

TEST(LayerCodeTable, LoadingPrintsTheMessagesAndLeavesTheTableEmpty) {
  test::EditorSession session;
  acutPrintf("Loading");  // so the transcript shows the messages' leading line break
  EXPECT_TRUE(LayerCodeTable::load("zeknosuch0.dat").empty());
  EXPECT_EQ(session.take(), "Loading\nThe file zeknosuch0.dat not been found");
  {
    ScopedDefinitionFileOpener unreadable([](const std::string&) { return std::optional<std::string>(); });
    acutPrintf("Loading");
    EXPECT_TRUE(LayerCodeTable::load().empty());
    EXPECT_EQ(session.take(), "Loading\nDefinition file not open");
  }
}

// The shipped file: what the modules need of its digits.
TEST(ShippedLayerCodes, GiveEveryGroupItsRolesByTheTensDigit) {
  test::EditorSession session;
  const LayerCodeTable table = LayerCodeTable::load();
  ASSERT_FALSE(table.empty()) << session.transcript();
  EXPECT_EQ(session.transcript(), "");

  struct RoleCase {
    const char* name;
    int code;
  };
  const RoleCase cases[] = {
      {"OUTLINE", 1000},     {"HIDDEN", 1010},      {"DIM", 1020},
      {"CENTER", 1030},      {"CHAMFER", 1060},     {"CHAMFER-BACK", 1070},
      {"MILL-FRONT", 1100},  {"MILL-BACK", 1110},   {"WIRE-START", 1200},
      {"WIRE-CUT", 1210},    {"HOLE-DRILL", 1300},  {"HOLE-DRILL-BACK", 1310},
      {"HOLE-DRILL-DIM", 1320}, {"HOLE-DRILL-CENTER", 1330}, {"HOLE-GUIDE", 1900},
  };
  for (const RoleCase& c : cases) {
    EXPECT_EQ(table.layerCodeOf(c.name), c.code) << c.name;
    EXPECT_EQ(table.layerNameOf(c.code), c.name) << c.code;
  }
  // Wire-cut contours get the wire-cut decimals and read as exact in the
  // hole table; milled and drilled front layers do not.
  EXPECT_TRUE(table.layerHasTensDigitOne("WIRE-CUT"));
  EXPECT_FALSE(table.layerHasTensDigitOne("MILL-FRONT"));
  EXPECT_FALSE(table.layerHasTensDigitOne("HOLE-TAP"));
  // The sample plate's other layers read as the group they belong to.
  EXPECT_EQ(table.layerCodeOf("POCKET"), 1100);
  EXPECT_EQ(table.layerCodeOf("THREAD"), 1400);
}

TEST(ShippedLayerCodes, EveryGroupHasItsDimensionAndCentreLineLayers) {
  const LayerCodeTable table = LayerCodeTable::load();
  for (int group = 1000; group <= 1900; group += 100) {
    const std::optional<std::string> front = table.layerNameOf(group);
    ASSERT_TRUE(front) << group;
    EXPECT_TRUE(table.layerNameOf(group + 10)) << *front << " has no back or wire-cut partner";
    EXPECT_TRUE(table.layerNameOf(group + 20)) << *front << " has no dimension layer";
    EXPECT_TRUE(table.layerNameOf(group + 30)) << *front << " has no centre-line layer";
    for (int tens = 0; tens <= 9; ++tens) {
      const std::optional<std::string> name = table.layerNameOf(group + tens * 10);
      if (!name)
        continue;
      for (char c : *name)
        EXPECT_FALSE(std::islower(static_cast<unsigned char>(c))) << *name;
      EXPECT_EQ(table.layerCodeOf(*name), group + tens * 10) << *name;
    }
  }
}

}  // namespace
}  // namespace zek
