// The drag class: cursor samples update the dragged entity and show it, the
// final answer ends the drag with the classic status, refused answers are
// asked again, and the cursor and display are put back afterwards.
#include "aced_jig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/core/display_state.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

// Drags the end of a line from a fixed start, as a rubber-band jig does.
// The sampler reports kNoChange for a point within 0.01 of the last one.
class LineJig : public AcEdJig {
public:
  LineJig() : line_(new AcDbLine({1, 1, 0}, {1, 1, 0})) {}
  ~LineJig() override { delete line_; }

  DragStatus sampler() override {
    ++samplerCalls;
    AcGePoint3d point;
    DragStatus status = acquirePoint(point);
    if (status != kNormal)
      return status;
    if (point.distanceTo(cursor) <= 0.01)
      return kNoChange;
    cursor = point;
    return kNormal;
  }
  Adesk::Boolean update() override {
    ++updates;
    (void)line_->setEndPoint(cursor);
    return Adesk::kTrue;
  }
  AcDbEntity* entity() const override { return line_; }
  AcDbLine* line() const { return line_; }
  void release() { line_ = nullptr; }

  AcGePoint3d cursor{1, 1, 0};
  int samplerCalls = 0;
  int updates = 0;

private:
  AcDbLine* line_;
};

// A source that looks at the display before it hands out each line.
class ProbingSource : public InputSource {
public:
  ProbingSource(std::vector<std::string> lines, std::function<void()> probe)
      : lines_(std::move(lines)), probe_(std::move(probe)) {}
  std::optional<std::string> nextLine() override {
    if (next_ >= lines_.size())
      return std::nullopt;
    probe_();
    return lines_[next_++];
  }
  std::string whereLastLine() const override { return "probe"; }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::function<void()> probe_;
};

TEST(Jig, SamplesUpdateAndShowTheEntityAndAPointAccepts) {
  test::EditorSession session;
  session.document().setUcs(AcGeMatrix3d::translation({100, 0, 0}));
  LineJig jig;
  jig.setDispPrompt("\nPick point (%d): ", 1);
  jig.setSpecialCursorType(AcEdJig::kRectCursor);
  std::vector<AcGePoint3d> shownEnds;
  std::vector<int> cursors;
  DisplayState& display = displayStateOf(session.document());
  currentInput().push(std::make_unique<ProbingSource>(
      std::vector<std::string>{"move 5,0", "move 5.005,0", "MOVE 7,2", "7,2"}, [&] {
        auto* shown = static_cast<const AcDbLine*>(display.dragEntity);
        shownEnds.push_back(shown ? shown->endPoint() : AcGePoint3d(-1, -1, -1));
        cursors.push_back(display.cursor);
      }));
  EXPECT_EQ(jig.drag(), AcEdJig::kNormal);
  EXPECT_TRUE(jig.cursor.isEqualTo({107, 2, 0})) << "acquirePoint answers world coordinates";
  EXPECT_EQ(jig.samplerCalls, 4);
  EXPECT_EQ(jig.updates, 2) << "a sample within 0.01, and the final click on the last "
                               "sample, change nothing";
  ASSERT_EQ(shownEnds.size(), 4u);
  EXPECT_TRUE(shownEnds[0].isEqualTo({1, 1, 0})) << "shown before the first sample";
  EXPECT_TRUE(shownEnds[1].isEqualTo({105, 0, 0})) << "shown at the first sample";
  EXPECT_TRUE(shownEnds[2].isEqualTo({105, 0, 0})) << "no change within 0.01";
  EXPECT_TRUE(shownEnds[3].isEqualTo({107, 2, 0}));
  EXPECT_EQ(cursors[0], AcEdJig::kRectCursor);
  EXPECT_EQ(display.cursor, kDefaultCursor) << "the cursor is reset afterwards";
  EXPECT_EQ(display.dragEntity, nullptr) << "the drag image is gone";
  EXPECT_EQ(session.transcript(), "Pick point (1): 7,2\n") << "cursor moves are not answers";
  EXPECT_TRUE(session.document().lastPoint().isEqualTo({107, 2, 0}));
}

struct EndCase {
  const char* name;
  int controls;
  const char* keywords;
  std::vector<std::string> lines;
  AcEdJig::DragStatus status;
  const char* transcript;
};

const EndCase kEndCases[] = {
    {"Enter refused without kNullResponseAccepted", 0, "", {"", "^C"}, AcEdJig::kCancel,
     "Pick:\nInvalid point.\nPick: *Cancel*\n"},
    {"Enter allowed", AcEdJig::kNullResponseAccepted, "", {""}, AcEdJig::kNull, "Pick:\n"},
    {"a keyword", 0, "Base Copy Undo", {"move 3,3", "c"}, AcEdJig::kKW2, "Pick: c\n"},
    {"not a point, keyword or other text", 0, "Undo", {"x", "2,2"}, AcEdJig::kNormal,
     "Pick: x\nPoint or option keyword required.\nPick: 2,2\n"},
    {"other text allowed", AcEdJig::kAcceptOtherInputString, "", {"hello"}, AcEdJig::kOther,
     "Pick: hello\n"},
    {"the end of the input", 0, "", {"move 2,2"}, AcEdJig::kCancel, "Pick:\n"},
};

TEST(Jig, TheFinalAnswerGivesTheDragStatus) {
  for (const EndCase& c : kEndCases) {
    test::EditorSession session;
    LineJig jig;
    jig.setDispPrompt("Pick: ");
    jig.setKeywordList(c.keywords);
    jig.setUserInputControls(static_cast<AcEdJig::UserInputControls>(c.controls));
    session.feed(c.lines);
    EXPECT_EQ(jig.drag(), c.status) << c.name;
    EXPECT_EQ(session.transcript(), c.transcript) << c.name;
  }
}

// Drags a distance or an angle from a base point.
class MeasureJig : public AcEdJig {
public:
  explicit MeasureJig(bool angle) : angle_(angle) {}
  DragStatus sampler() override {
    double value = 0;
    DragStatus status = angle_ ? acquireAngle(value, AcGePoint3d(10, 0, 0))
                               : acquireDist(value, AcGePoint3d(10, 0, 0));
    if (status == kNormal)
      values.push_back(value);
    return status;
  }
  Adesk::Boolean update() override { return Adesk::kTrue; }
  std::vector<double> values;

private:
  bool angle_;
};

TEST(Jig, DistancesAndAnglesAreTypedOrMeasuredFromTheBase) {
  test::EditorSession session;
  MeasureJig distance(false);
  distance.setDispPrompt("Distance: ");
  distance.setUserInputControls(AcEdJig::kNoZeroResponseAccepted);
  session.feed({"move 13,4", "0", "10,0", "12.5"});
  EXPECT_EQ(distance.drag(), AcEdJig::kNormal);
  EXPECT_EQ(distance.values, (std::vector<double>{5.0, 12.5}))
      << "a sample 3,4 from the base; zero typed and a point on the base refused";
  EXPECT_EQ(session.take(),
            "Distance: 0\nValue must be nonzero.\nDistance: 10,0\nValue must be nonzero.\n"
            "Distance: 12.5\n");

  MeasureJig angle(true);
  angle.setDispPrompt("Angle: ");
  session.feed({"move 10,5", "90"});
  EXPECT_EQ(angle.drag(), AcEdJig::kNormal);
  ASSERT_EQ(angle.values.size(), 2u);
  EXPECT_NEAR(angle.values[0], M_PI / 2, 1e-12) << "straight up from the base";
  EXPECT_NEAR(angle.values[1], M_PI / 2, 1e-12) << "typed in degrees";
}

TEST(Jig, AppendPutsTheEntityIntoModelSpace) {
  test::EditorSession session;
  LineJig jig;
  session.feed({"4,4"});
  ASSERT_EQ(jig.drag(), AcEdJig::kNormal);
  AcDbObjectId id = jig.append();
  ASSERT_FALSE(id.isNull());
  jig.release();  // the drawing owns it now
  EXPECT_EQ(test::modelSpaceIds(session.db()), std::vector<AcDbObjectId>{id});
  EXPECT_TRUE(session.db().openObjects().empty()) << "append closes the entity";
  test::Opened<AcDbLine> line(id);
  EXPECT_TRUE(line->endPoint().isEqualTo({4, 4, 0}));
}

}  // namespace
}  // namespace zek
