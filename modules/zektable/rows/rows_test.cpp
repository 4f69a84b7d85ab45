// The texts of a hole-table row: the DIA and SP texts of every hole type and
// stack of concentric holes in both kinds of table, the note code, the order
// of the note look-ups, the note's questions answered, left empty and
// cancelled, and the 49-character templates.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "aced_output.h"
#include "aced_vars.h"
#include "editor/testing/editor_test_support.h"
#include "rows/row_rules.h"
#include "rows/row_texts.h"

namespace zek::table {
namespace {

// Layer keys: code + line class. Tens digit 0 front, 1 back; units digit 0
// drawn continuous.
constexpr int kFront = 1600;        // front, continuous
constexpr int kFrontHidden = 1601;  // front, hidden line
constexpr int kBack = 1610;         // back, continuous
constexpr int kBackHidden = 1611;   // back, hidden line
constexpr int kOther = 1620;        // neither front nor back
constexpr int kTapped = 1400;       // front, continuous

constexpr const char* kBackLayer = "HOLE-BACK";    // code 1610
constexpr const char* kFrontLayer = "HOLE-FRONT";  // code 1600
constexpr const char* kPairWarning = "\nPCK1 AND PCK2 INVALID";

HoleTables officeTables() {
  HoleTables tables;
  tables.layers = LayerCodeTable::fromText("[LAYERS]\nHOLE-FRONT 1600\nHOLE-BACK 1610\n");
  tables.types = {{"A", kBore},  {"G", kBlind}, {"D", kWireCut},
                  {"K", kCut},   {"C", kScrew}, {"B", kSink}};
  tables.sp.limits = {3, 6, 10, 18, 30};
  tables.sp.names = {"SP3", "SP6", "SP10", "SP18", "SP30"};
  return tables;
}

struct StackedHole {
  double radius;
  int shape;
  int layerKey;
  double groupRadius = 0;  // the group's key radius when it is not the hole's own
};

// Holes at one centre, smallest first, each in a group of its own; linked
// as a concentric chain unless the link is to be missing.
class HoleStack {
public:
  HoleStack(const std::vector<StackedHole>& stacked, bool linked) {
    for (const StackedHole& each : stacked) {
      keys_.push_back({each.groupRadius != 0 ? each.groupRadius : each.radius, each.shape,
                       each.layerKey, 256});
      HoleRecord hole;
      hole.radius = each.radius;
      hole.concentricCount = static_cast<int>(stacked.size());
      hole.groupKey = &keys_.back();
      holes_.push_back(hole);
    }
    for (std::size_t i = 1; linked && i < holes_.size(); ++i) {
      holes_[i - 1].next = &holes_[i];
      holes_[i].previous = &holes_[i - 1];
    }
  }
  const HoleRecord* hole(int index) const { return index < 0 ? nullptr : &holes_[index]; }

private:
  std::deque<HoleGroupKey> keys_;
  std::deque<HoleRecord> holes_;
};

struct DiameterCase {
  const char* row;
  const char* label;
  std::vector<StackedHole> holes;  // none: picked by hand
  int matched;                  // index into holes, -1 for none
  double radius;                // the row's radius when picked by hand
  const char* layer;
  bool continuous;
  const char* dia6;
  const char* sp6;
  const char* dia4;  // four-column table and notes list
  double diameter;   // the row's D after the rules
  bool continuousAfter;
  bool depth;
  bool unlinked = false;  // the pair's link taken away
};

const StackedHole kThreadDrill{3.4, kCircleHole, kTapped};
const StackedHole kThreadArc{4.0, kArcHole, kTapped};

const DiameterCase kDiameterCases[] = {
    // BORE and BLIND
    {"bore picked by hand ignores a back layer", "A1", {}, -1, 5.0, kBackLayer, true,
     "10.0", "", "10.0", 10.0, true, false},
    {"bore alone on a back layer: two decimals and its size class", "A1",
     {{5.0, kCircleHole, kBack}}, 0, 5.0, kBackLayer, true, "10.00", "SP18", "10.00", 10.0,
     true, false},
    {"bore alone on a front layer", "A2", {{5.0, kCircleHole, kFront}}, 0, 5.0, kFrontLayer,
     true, "10.0", "", "10.0", 10.0, true, false},
    {"bore alone on a layer the file does not name", "A", {{5.0, kCircleHole, kBack}}, 0, 5.0,
     "ODD-LAYER", true, "10.0", "", "10.0", 10.0, true, false},
    {"bore pair without its link: D and the warning", "A", {{3.0, kCircleHole, kBack},
     {5.0, kCircleHole, kFront}}, 0, 3.0, kBackLayer, true, "6.0", "", "6.0", 6.0, true,
     false, true},
    {"bore from the back into a front counterbore: the outer, a depth, its line", "A",
     {{3.0, kCircleHole, kBack}, {5.0, kCircleHole, kFrontHidden}}, 0, 3.0, kBackLayer,
     true, "10.0", "", "10.0", 10.0, false, true},
    {"blind pair with the outer in front only: the outer and a depth as well", "G",
     {{3.0, kCircleHole, kOther}, {5.0, kCircleHole, kFront}}, 0, 3.0, kFrontLayer, false,
     "10.0", "", "10.0", 10.0, true, true},
    {"bore pair both in front: the inner and its line", "A",
     {{3.0, kCircleHole, kFront}, {5.0, kCircleHole, kFrontHidden}}, 1, 5.0, kFrontLayer,
     false, "6.0", "", "6.0", 6.0, true, false},
    {"blind pair both in front: the outer and its line", "G1",
     {{3.0, kCircleHole, kFront}, {5.0, kCircleHole, kFrontHidden}}, 0, 3.0, kFrontLayer,
     true, "10.0", "", "10.0", 10.0, false, false},
    {"bore pair whose outer is not in front: the row's own D", "A",
     {{3.0, kCircleHole, kFront}, {5.0, kCircleHole, kBack}}, 0, 3.0, kFrontLayer, true,
     "6.0", "", "6.0", 6.0, true, false},
    {"blind hole one of three: its group's diameter", "G",
     {{2.5, kCircleHole, kFront}, {4.004, kCircleHole, kFront, 4.0},
      {6.0, kCircleHole, kFront}}, 1, 4.004, kFrontLayer, true, "8.0", "", "8.0", 8.0, true,
     false},
    {"bore hole one of three: @", "A",
     {{2.5, kCircleHole, kFront}, {4.004, kCircleHole, kFront, 4.0},
      {6.0, kCircleHole, kFront}}, 1, 4.004, kFrontLayer, true, "@", "", "@", 8.008, true,
     false},
    {"a code the table lacks is a bore", "Z9", {{5.0, kCircleHole, kBack}}, 0, 5.0, kBackLayer,
     true, "10.00", "SP18", "10.00", 10.0, true, false},
    // WEC and CUT
    {"wire cut outer matched, inner on a back key: the inner's size", "D",
     {{2.0, kCircleHole, kBackHidden}, {5.0, kCircleHole, kFront}}, 1, 5.0, kFrontLayer, true,
     "4.00", "SP6", "4.00", 4.0, true, false},
    {"wire cut inner matched on its own back key: D", "D1",
     {{1.0, kCircleHole, kBack}, {5.0, kCircleHole, kFront}}, 0, 1.0, kFrontLayer, true,
     "2.00", "SP3", "2.00", 2.0, true, false},
    {"wire cut outer matched, inner in front: @", "D",
     {{2.0, kCircleHole, kFront}, {5.0, kCircleHole, kBack}}, 1, 5.0, kBackLayer, true,
     "@", "@", "@", 10.0, true, false},
    {"wire cut inner matched, the back key only on the outer: @", "D",
     {{2.0, kCircleHole, kFront}, {5.0, kCircleHole, kBack}}, 0, 2.0, kBackLayer, true,
     "@", "@", "@", 4.0, true, false},
    {"wire cut one of three, the inner on a back key: @", "D",
     {{1.0, kCircleHole, kBack}, {2.0, kCircleHole, kFront}, {5.0, kCircleHole, kFront}}, 1,
     2.0, kFrontLayer, true, "@", "@", "@", 4.0, true, false},
    {"wire cut pair without its link: @ and the warning", "D",
     {{1.0, kCircleHole, kBack}, {5.0, kCircleHole, kFront}}, 0, 1.0, kFrontLayer, true,
     "@", "@", "@", 2.0, true, false, true},
    {"wire cut picked by hand on a back layer", "D", {}, -1, 3.0, kBackLayer, true, "6.00",
     "SP10", "6.00", 6.0, true, false},
    {"wire cut alone, not a back layer: the size in the SP column", "D",
     {{3.0, kCircleHole, kFront}}, 0, 3.0, kFrontLayer, true, "", "6.0", "6.0", 6.0, true,
     false},
    {"wire cut picked by hand, not a back layer", "D", {}, -1, 3.0, kFrontLayer, false, "",
     "6.0", "6.0", 6.0, false, false},
    {"cut alone on a back layer", "K2", {{7.5, kCircleHole, kBack}}, 0, 7.5, kBackLayer, true,
     "15.00", "SP18", "15.00", 15.0, true, false},
    {"cut outer matched, inner on a back key", "K",
     {{9.5, kCircleHole, kBack}, {12.0, kCircleHole, kOther}}, 1, 12.0, kFrontLayer, true,
     "19.00", "SP30", "19.00", 19.0, true, false},
    {"size class past the last limit is the last name", "D",
     {{20.0, kCircleHole, kBack}}, 0, 20.0, kBackLayer, true, "40.00", "SP30", "40.00", 40.0,
     true, false},
    // SCREW
    {"tapped hole: drill circle r3.4 in a thread arc r4.0 is M8", "C1",
     {kThreadDrill, kThreadArc}, 0, 3.4, kFrontLayer, true, "M8", "", "M8", 6.8, true, false},
    {"tapped hole matched on its arc", "C1", {kThreadDrill, kThreadArc}, 1, 4.0, kFrontLayer,
     true, "M8", "", "M8", 8.0, true, false},
    {"thread arc 1.25 larger is a thread", "C",
     {{3.25, kCircleHole, kTapped}, {4.5, kArcHole, kTapped}}, 0, 3.25, kFrontLayer, true,
     "M9", "", "M9", 6.5, true, false},
    {"M10: drill 8.5 in a thread arc of 10", "C2",
     {{4.25, kCircleHole, kTapped}, {5.0, kArcHole, kTapped}}, 0, 4.25, kFrontLayer, true,
     "M10", "", "M10", 8.5, true, false},
    {"radii 1.5 apart are no thread", "C",
     {{3.0, kCircleHole, kTapped}, {4.5, kArcHole, kTapped}}, 0, 3.0, kFrontLayer, true,
     "6.00", "", "6.0", 6.0, true, false},
    {"radii 0.1 apart are no thread", "C",
     {{3.4, kCircleHole, kTapped}, {3.5, kArcHole, kTapped}}, 0, 3.4, kFrontLayer, true,
     "6.80", "", "6.8", 6.8, true, false},
    {"two circles are no thread", "C",
     {{3.4, kCircleHole, kTapped}, {4.0, kCircleHole, kTapped}}, 0, 3.4, kFrontLayer, true,
     "6.80", "", "6.8", 6.8, true, false},
    {"an arc inside a circle is no thread", "C",
     {{3.4, kArcHole, kTapped}, {4.0, kCircleHole, kTapped}}, 0, 3.4, kFrontLayer, true,
     "6.80", "", "6.8", 6.8, true, false},
    {"tapped hole with a counterbore: the thread of the matched hole's pair", "C",
     {kThreadDrill, kThreadArc, {6.0, kCircleHole, kTapped}}, 0, 3.4, kFrontLayer, true, "M8",
     "", "M8", 6.8, true, false},
    {"tapped pair without its link: no thread, the warning", "C", {kThreadDrill, kThreadArc}, 0,
     3.4, kFrontLayer, true, "6.80", "", "6.8", 6.8, true, false, true},
    {"screw alone", "C", {{3.4, kCircleHole, kTapped}}, 0, 3.4, kFrontLayer, true, "6.8", "",
     "6.8", 6.8, true, false},
    {"screw picked by hand", "C", {}, -1, 2.5, kBackLayer, true, "5.0", "", "5.0", 5.0, true,
     false},
    // SINK
    {"counterbore matched on its outer: the through hole's diameter", "B2",
     {{4.5, kCircleHole, kFront}, {7.0, kCircleHole, kFront}}, 1, 7.0, kFrontLayer, true,
     "9.0", "", "9.0", 9.0, true, false},
    {"counterbore matched on its inner", "B2",
     {{4.5, kCircleHole, kFront}, {7.0, kCircleHole, kFront}}, 0, 4.5, kFrontLayer, true,
     "9.0", "", "9.0", 9.0, true, false},
    {"sink one of three: the row's own D", "B",
     {{4.5, kCircleHole, kFront}, {7.0, kCircleHole, kFront}, {9.0, kCircleHole, kFront}}, 2,
     9.0, kFrontLayer, true, "18.0", "", "18.0", 18.0, true, false},
    {"sink pair without its link: the row's own D and the warning", "B",
     {{4.5, kCircleHole, kFront}, {7.0, kCircleHole, kFront}}, 1, 7.0, kFrontLayer, true,
     "14.0", "", "14.0", 14.0, true, false, true},
    {"sink alone on a back layer", "B", {{4.5, kCircleHole, kBack}}, 0, 4.5, kBackLayer, true,
     "9.0", "", "9.0", 9.0, true, false},
};

class RowTexts : public ::testing::Test {
protected:
  void SetUp() override {
    resbuf zeroSuppression{};
    zeroSuppression.restype = RTSHORT;
    zeroSuppression.resval.rint = 0;
    ASSERT_EQ(acedSetVar("DIMZIN", &zeroSuppression), RTNORM);
  }

  test::EditorSession session_;
};

RowSource sourceOf(const DiameterCase& c, const HoleStack& stack) {
  RowSource row;
  row.labelText = c.label;
  row.total = 1;
  row.hole = stack.hole(c.matched);
  row.radius = c.matched < 0 ? c.radius : stack.hole(c.matched)->radius;
  row.layerName = c.layer;
  row.continuous = c.continuous;
  return row;
}

TEST_F(RowTexts, DiameterTextsFollowTheRulesOfEveryHoleTypeInBothTables) {
  const HoleTables tables = officeTables();
  for (const DiameterCase& c : kDiameterCases) {
    const HoleStack stack(c.holes, !c.unlinked);
    const RowSource row = sourceOf(c, stack);
    ASSERT_EQ(row.radius, c.radius) << c.row << ": the case's radius is the matched hole's";
    const std::string shown = std::string("CODE") + (c.unlinked ? kPairWarning : "");
    (void)session_.take();
    acutPrintf("CODE");  // so the transcript shows the message's line break

    const DiameterTexts six = diameterTexts(tables, TableKind::SixColumns, row);
    EXPECT_EQ(six.dia, c.dia6) << c.row;
    EXPECT_EQ(six.sp, c.sp6) << c.row;
    EXPECT_DOUBLE_EQ(six.diameter, c.diameter) << c.row;
    EXPECT_EQ(six.continuous, c.continuousAfter) << c.row;
    EXPECT_EQ(six.depthRequest, c.depth) << c.row;
    EXPECT_EQ(session_.take(), shown) << c.row;

    for (TableKind kind : {TableKind::FourColumns, TableKind::NotesList}) {
      acutPrintf("CODE");
      const DiameterTexts four = diameterTexts(tables, kind, row);
      EXPECT_EQ(four.dia, c.dia4) << c.row;
      EXPECT_EQ(four.sp, "") << c.row << ": no SP column";
      EXPECT_DOUBLE_EQ(four.diameter, c.diameter) << c.row;
      EXPECT_EQ(four.continuous, c.continuousAfter) << c.row;
      EXPECT_EQ(four.depthRequest, c.depth) << c.row;
      EXPECT_EQ(session_.take(), shown) << c.row;
    }
  }
}

TEST_F(RowTexts, WithoutTheTablesEveryCodeIsABoreWithoutSizeClasses) {
  const HoleTables empty;
  const HoleStack alone({{3.0, kCircleHole, kBack}}, true);
  const HoleStack thread({kThreadDrill, kThreadArc}, true);
  const struct {
    const char* row;
    const char* label;
    const HoleStack& stack;
    const char* dia;
  } cases[] = {
      {"a WEC code alone on a layer the empty table does not name", "D1", alone, "6.0"},
      {"a SCREW code on a thread: a bore pair both in front, the inner", "C1", thread, "6.8"},
  };
  for (const auto& c : cases) {
    RowSource row;
    row.labelText = c.label;
    row.hole = c.stack.hole(0);
    row.radius = row.hole->radius;
    row.layerName = kBackLayer;
    const DiameterTexts texts = diameterTexts(empty, TableKind::SixColumns, row);
    EXPECT_EQ(texts.dia, c.dia) << c.row;
    EXPECT_EQ(texts.sp, "") << c.row;
  }
}

// ---- Note code and note records -------------------------------------------

TEST(NoteCode, IsTheFirstCharacterAndUpToThreeMoreBeforeADigit) {
  const struct {
    const char* label;
    const char* code;
  } cases[] = {
      {"A", "A"},          {"A1", "A"},          {"AB12", "AB"},     {"ABCD", "ABCD"},
      {"ABCDE", "ABCD"},   {"1A", "1A"},         {"12", "1"},        {"A1B", "A"},
      {"", ""},            {"孔A1", "孔A"},      {"孔孔孔孔孔", "孔孔孔孔"},
      {"导\xE5", "导"},  // a text ending inside a character keeps the whole ones
  };
  for (const auto& c : cases)
    EXPECT_EQ(labelCode(c.label), c.code) << c.label;
}

HoleNoteRecord noteOf(const char* text) {
  HoleNoteRecord record;
  record.firstCases = {text, text, text, text};
  return record;
}

TEST(NoteRecordLookup, TriesLayerAndDiameterThenEachWildcardInTurn) {
  const HoleNoteTable all = {
      {{"A", "L1", 1000}, noteOf("layer and diameter")},
      {{"A", "L1", 0}, noteOf("layer, any diameter")},
      {{"A", "**", 1000}, noteOf("any layer, diameter")},
      {{"A", "**", 0}, noteOf("any layer, any diameter")},
      {{"AB", "L1", 1000}, noteOf("another code")},
      {{"A", "L2", 1000}, noteOf("another layer")},
  };
  const struct {
    const char* row;
    std::vector<HoleNoteKey> removed;
    const char* layer;
    double diameter;
    const char* found;  // null for none
  } cases[] = {
      {"all four there", {}, "L1", 10.0, "layer and diameter"},
      {"diameter × 100 is truncated, not rounded", {}, "L1", 10.009, "layer and diameter"},
      {"a diameter of another hundredth", {}, "L1", 9.999, "layer, any diameter"},
      {"no record of the layer and diameter", {{"A", "L1", 1000}}, "L1", 10.0,
       "layer, any diameter"},
      {"only the any-layer records", {{"A", "L1", 1000}, {"A", "L1", 0}}, "L1", 10.0,
       "any layer, diameter"},
      {"only the last wildcard", {{"A", "L1", 1000}, {"A", "L1", 0}, {"A", "**", 1000}}, "L1",
       10.0, "any layer, any diameter"},
      {"a layer without records of its own", {}, "L3", 10.0, "any layer, diameter"},
      {"none of the four",
       {{"A", "L1", 1000}, {"A", "L1", 0}, {"A", "**", 1000}, {"A", "**", 0}}, "L1", 10.0,
       nullptr},
  };
  for (const auto& c : cases) {
    HoleNoteTable notes = all;
    for (const HoleNoteKey& key : c.removed)
      notes.erase(key);
    const HoleNoteRecord* record = findNoteRecord(notes, "A", c.layer, c.diameter);
    if (c.found == nullptr) {
      EXPECT_EQ(record, nullptr) << c.row;
      continue;
    }
    ASSERT_NE(record, nullptr) << c.row;
    EXPECT_EQ(record->firstCases[0], c.found) << c.row;
  }
}

// ---- Templates --------------------------------------------------------------

TEST_F(RowTexts, TemplatesExpandBlanksAnswersAndDiameters) {
  const std::string x48(48, 'x');
  const struct {
    const char* row;
    std::string caseText;
    std::string answer;
    double diameter;
    std::string expanded;
  } cases[] = {
      {"the answer after C+0.0 and a blank", "C+0.0#S@THR", "12", 6.0, "C+0.012 THR"},
      {"the diameter with one decimal", "#F@THRU", "", 6.8, "%%C6.8 THRU"},
      {"a whole diameter keeps its decimal", "DRILL#F", "", 10.0, "DRILL%%C10.0"},
      {"each @ a blank", "@@A@", "", 1.0, "  A "},
      {"an @ in the answer stays", "#S", "A@B", 1.0, "A@B"},
      {"# before another character", "A#XB", "", 1.0, "A#XB"},
      {"# before an @ keeps the @", "#@", "", 1.0, "#@"},
      {"## then S", "##S", "7", 1.0, "##S"},
      {"a # at the end", "AB#", "", 1.0, "AB#"},
      {"lower-case s is no answer", "#s", "7", 1.0, "#s"},
      {"# before a Chinese character", "#孔", "", 1.0, "#孔"},
      {"two answers", "#S-#S", "3", 1.0, "3-3"},
      {"an empty template", "", "12", 1.0, ""},
      {"49 characters stay", std::string(49, 'x'), "", 1.0, std::string(49, 'x')},
      {"50 characters lose the last", std::string(50, 'x'), "", 1.0, std::string(49, 'x')},
      {"a long answer is cut at 49", "AB#S", std::string(60, '9'), 1.0,
       "AB" + std::string(47, '9')},
      {"cut after whole characters", x48 + "孔孔", "", 1.0, x48 + "孔"},
      {"%%C counts as three", std::string(46, 'x') + "#F", "", 6.0,
       std::string(46, 'x') + "%%C"},
      {"%%C and a diameter", std::string(43, 'x') + "#F", "", 6.0,
       std::string(43, 'x') + "%%C6.0"},
      {"%%C is not cut in two", std::string(47, 'x') + "#F", "", 6.0, std::string(47, 'x')},
      {"a %%C of the template is not cut either", std::string(47, 'x') + "%%C5", "", 1.0,
       std::string(47, 'x')},
  };
  for (const auto& c : cases)
    EXPECT_EQ(expandTemplate(c.caseText, c.answer, c.diameter), c.expanded) << c.row;
}

// ---- Questions --------------------------------------------------------------

// A drafter answering from a list: each question and each zoom is logged
// with what the command line shows by then.
class ScriptedDrafter {
public:
  explicit ScriptedDrafter(std::vector<std::optional<std::string>> answers)
      : answers_(std::move(answers)) {}

  NotePrompts prompts(const test::EditorSession& session) {
    return NotePrompts{
        [this, &session](const std::string& prompt) -> std::optional<std::string> {
          log_.push_back("ask[" + prompt + "] after [" + session.transcript() + "]");
          if (next_ >= answers_.size()) {
            ADD_FAILURE() << "asked more than expected: " << prompt;
            return std::nullopt;
          }
          return answers_[next_++];
        },
        [this, &session] { log_.push_back("zoom after [" + session.transcript() + "]"); }};
  }
  const std::vector<std::string>& log() const { return log_; }
  bool allAnswered() const { return next_ == answers_.size(); }

private:
  std::vector<std::optional<std::string>> answers_;
  std::size_t next_ = 0;
  std::vector<std::string> log_;
};

HoleNoteRecord askingRecord(bool withFirst, bool withSecond, std::array<bool, 4> flags) {
  HoleNoteRecord record;
  record.firstPrompt = withFirst ? "Depth:" : "";
  record.secondPrompt = withSecond ? "Thread:" : "";
  record.firstCases = {"C1#S", "C2#S", "C3#S", "C4#S"};
  record.secondCases = {",S1#S", ",S2#S", ",S3#S", ",S4#S"};
  record.secondStage = flags;
  return record;
}

struct QuestionCase {
  const char* row;
  HoleNoteRecord record;
  bool continuous;
  bool depth;
  std::vector<std::optional<std::string>> answers;  // nullopt: Esc
  const char* note;
  std::vector<std::string> log;
};

TEST_F(RowTexts, NotesAskTheirPromptsAndTakeTheCaseOfTheAnswer) {
  const std::nullopt_t esc = std::nullopt;
  const std::array<bool, 4> none{};
  const std::array<bool, 4> all{true, true, true, true};
  const std::string zoomFirst = "zoom after [CODE]";
  const std::string depthAsked = "ask[Depth:] after [CODE\n]";
  const QuestionCase cases[] = {
      {"answered, continuous: case 1", askingRecord(true, false, none), true, false, {"12"},
       "C112", {zoomFirst, depthAsked}},
      {"answered, not continuous: case 2", askingRecord(true, false, none), false, false,
       {"12"}, "C212", {zoomFirst, depthAsked}},
      {"empty, continuous: case 3 with ___", askingRecord(true, false, none), true, false,
       {""}, "C3___", {zoomFirst, depthAsked}},
      {"empty, not continuous: case 4", askingRecord(true, false, none), false, false, {""},
       "C4___", {zoomFirst, depthAsked}},
      {"Esc at the first prompt", askingRecord(true, true, all), true, true, {esc}, "#####",
       {zoomFirst, depthAsked}},
      {"the first prompt wins over a depth request", askingRecord(true, false, none), true,
       true, {"5"}, "C15", {zoomFirst, depthAsked}},
      {"second stage answered", askingRecord(true, true, all), true, false, {"12", "M6"},
       "C112,S1M6", {zoomFirst, depthAsked, "ask[Thread:] after [CODE\n]"}},
      {"second stage answered, not continuous", askingRecord(true, true, all), false, false,
       {"12", "M6"}, "C212,S2M6", {zoomFirst, depthAsked, "ask[Thread:] after [CODE\n]"}},
      {"second stage left empty", askingRecord(true, true, all), true, false, {"12", ""},
       "C112,S3___", {zoomFirst, depthAsked, "ask[Thread:] after [CODE\n]"}},
      {"Esc at the second stage", askingRecord(true, true, all), false, false, {"", esc},
       "C4___#####", {zoomFirst, depthAsked, "ask[Thread:] after [CODE\n]"}},
      {"second stage only for the case taken", askingRecord(true, true, {true, false, false,
       false}), false, false, {"12"}, "C212", {zoomFirst, depthAsked}},
      {"second stage without its prompt", askingRecord(true, false, all), true, false, {"12"},
       "C112,S3___", {zoomFirst, depthAsked}},
      {"second stage without its prompt, not continuous", askingRecord(true, false, all),
       false, false, {"12"}, "C212,S4___", {zoomFirst, depthAsked}},
      {"depth asked", askingRecord(false, false, none), true, true, {"8"}, "C18",
       {zoomFirst, "ask[\nDepth value:] after [CODE]"}},
      {"depth asked, not continuous", askingRecord(false, false, none), false, true, {"8"},
       "C28", {zoomFirst, "ask[\nDepth value:] after [CODE]"}},
      {"depth left empty counts as #", askingRecord(false, false, none), true, true, {""},
       "C1#", {zoomFirst, "ask[\nDepth value:] after [CODE]"}},
      {"Esc at the depth", askingRecord(false, true, all), true, true, {esc}, "#####",
       {zoomFirst, "ask[\nDepth value:] after [CODE]"}},
      {"depth then the second stage", askingRecord(false, true, all), true, true, {"8", "M6"},
       "C18,S1M6", {zoomFirst, "ask[\nDepth value:] after [CODE]", "ask[Thread:] after [CODE]"}},
      {"nothing to ask: case 3, no zoom", askingRecord(false, false, none), true, false, {},
       "C3___", {}},
      {"nothing to ask, not continuous: case 4", askingRecord(false, false, none), false,
       false, {}, "C4___", {}},
      {"only the second stage asks, zooming first", askingRecord(false, true, all), false,
       false, {"M6"}, "C4___,S2M6", {zoomFirst, "ask[Thread:] after [CODE]"}},
  };
  for (const QuestionCase& c : cases) {
    HoleTables tables = officeTables();
    tables.notes[{"C", "**", 0}] = c.record;
    RowSource row;
    row.labelText = "C1";
    row.layerName = kFrontLayer;
    DiameterTexts texts;
    texts.diameter = 6.8;
    texts.continuous = c.continuous;
    texts.depthRequest = c.depth;
    (void)session_.take();
    acutPrintf("CODE");  // so the transcript shows the line break before a first prompt
    ScriptedDrafter drafter(c.answers);
    EXPECT_EQ(noteTextWith(tables, row, texts, drafter.prompts(session_)), c.note) << c.row;
    EXPECT_EQ(drafter.log(), c.log) << c.row;
    EXPECT_TRUE(drafter.allAnswered()) << c.row;
  }
}

TEST_F(RowTexts, ARowWithoutANoteRecordAsksNothing) {
  HoleTables tables = officeTables();
  tables.notes[{"C", kBackLayer, 0}] = askingRecord(true, true, {true, true, true, true});
  tables.notes[{"CB", "**", 0}] = askingRecord(true, true, {true, true, true, true});
  RowSource row;
  row.labelText = "C12";
  row.layerName = kFrontLayer;
  DiameterTexts texts;
  texts.diameter = 6.8;
  texts.depthRequest = true;
  ScriptedDrafter drafter({});
  EXPECT_EQ(noteTextWith(tables, row, texts, drafter.prompts(session_)), "#####");
  EXPECT_TRUE(drafter.log().empty());
  EXPECT_EQ(session_.transcript(), "");
}

TEST_F(RowTexts, TheRowsDiameterChoosesTheNoteAndFillsItsTemplate) {
  // A bore from the back into a front counterbore of 10: the row carries
  // 10, asks for the depth, and its note is the record of diameter 10.
  HoleTables tables = officeTables();
  HoleNoteRecord cbore;
  cbore.firstCases = {"#F@DP#S", "#F@DP#S@HID", "", ""};
  tables.notes[{"A", "**", 1000}] = cbore;
  tables.notes[{"A", "**", 600}] = noteOf("the inner's note");
  const HoleStack stack({{3.0, kCircleHole, kBack}, {5.0, kCircleHole, kFrontHidden}}, true);
  RowSource row;
  row.labelText = "A3";
  row.hole = stack.hole(0);
  row.radius = 3.0;
  row.layerName = kBackLayer;
  row.continuous = true;
  const DiameterTexts texts = diameterTexts(tables, TableKind::SixColumns, row);
  ScriptedDrafter drafter({"8.5"});
  EXPECT_EQ(noteTextWith(tables, row, texts, drafter.prompts(session_)), "%%C10.0 DP8.5 HID")
      << "the outer's line is hidden, so case 2";
}

// ---- The host's prompt ------------------------------------------------------

TEST_F(RowTexts, TheHostPromptTakesTheWholeLineAndAnythingButAnAnswerCancels) {
  const struct {
    const char* row;
    std::string line;
    std::optional<std::string> answer;
    std::string transcript;
  } cases[] = {
      {"a number", "12", "12", "CODE\nDepth value:12\n"},
      {"blanks kept", "M6 THRU", "M6 THRU", "CODE\nDepth value:M6 THRU\n"},
      {"Enter", "", "", "CODE\nDepth value:\n"},
      {"Esc", "^C", std::nullopt, "CODE\nDepth value:*Cancel*\n"},
      {"a line longer than any note", std::string(600, '7'), std::nullopt,
       "CODE\nDepth value:" + std::string(600, '7') + "\n"},
  };
  for (const auto& c : cases) {
    (void)session_.take();
    acutPrintf("CODE");
    session_.feed({c.line});
    EXPECT_EQ(askHostString("\nDepth value:"), c.answer) << c.row;
    EXPECT_EQ(session_.take(), c.transcript) << c.row;
  }
}

TEST_F(RowTexts, ANoteAskedOnTheCommandLine) {
  HoleTables tables = officeTables();
  tables.notes[{"C", "**", 680}] = askingRecord(true, true, {true, true, true, true});
  RowSource row;
  row.labelText = "C1";
  row.layerName = kFrontLayer;
  DiameterTexts texts;
  texts.diameter = 6.8;
  texts.continuous = true;
  int zooms = 0;
  const NotePrompts prompts{askHostString, [&zooms] { ++zooms; }};
  acutPrintf("CODE: C1, 4 -  6.80");
  session_.feed({"12", "^C"});
  EXPECT_EQ(noteTextWith(tables, row, texts, prompts), "C112#####");
  EXPECT_EQ(zooms, 1);
  EXPECT_EQ(session_.take(), "CODE: C1, 4 -  6.80\nDepth:12\nThread:*Cancel*\n");
}

}  // namespace
}  // namespace zek::table
