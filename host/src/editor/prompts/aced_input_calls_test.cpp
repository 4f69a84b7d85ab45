// The input calls as a drafter meets them: answers taken, refused answers
// asked again with the host's message, Enter, Esc and keywords, each with
// the transcript it leaves.
#include "aced_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "editor/core/display_state.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

// What one call gave.
struct Outcome {
  int code = 0;
  ads_point point = {0, 0, 0};
  double number = 0.0;
  int integer = 0;
  char text[133] = {};
};

struct CallCase {
  const char* name;
  std::vector<std::string> lines;
  std::function<int(Outcome&)> call;
  int code;
  const char* transcript;
  std::function<void(const Outcome&)> check;  // the value, when there is one
};

void expectPoint(const Outcome& o, double x, double y, double z, const char* name) {
  EXPECT_NEAR(o.point[0], x, 1e-9) << name;
  EXPECT_NEAR(o.point[1], y, 1e-9) << name;
  EXPECT_NEAR(o.point[2], z, 1e-9) << name;
}

const ads_point kOrigin = {0, 0, 0};

std::vector<CallCase> callCases() {
  return {
      {"a point", {"10,20"},
       [](Outcome& o) { return acedGetPoint(nullptr, "\nSpecify point: ", o.point); }, RTNORM,
       "Specify point: 10,20\n", [](const Outcome& o) { expectPoint(o, 10, 20, 0, "a point"); }},
      {"Enter at a point prompt", {""},
       [](Outcome& o) { return acedGetPoint(nullptr, "Specify point: ", o.point); }, RTNONE,
       "Specify point:\n", nullptr},
      {"Enter refused by RSG_NONULL", {"", "1,1"},
       [](Outcome& o) {
         acedInitGet(RSG_NONULL, nullptr);
         return acedGetPoint(nullptr, "Specify point: ", o.point);
       },
       RTNORM, "Specify point:\nInvalid point.\nSpecify point: 1,1\n", nullptr},
      {"a bad point asked again", {"abc", "1,2,3"},
       [](Outcome& o) { return acedGetPoint(nullptr, "Specify point: ", o.point); }, RTNORM,
       "Specify point: abc\nInvalid point.\nSpecify point: 1,2,3\n",
       [](const Outcome& o) { expectPoint(o, 1, 2, 3, "bad point"); }},
      {"a keyword at a point prompt", {"u"},
       [](Outcome& o) {
         acedInitGet(0, "Undo Close");
         int code = acedGetPoint(nullptr, "Specify next point or [Undo/Close]: ", o.point);
         acedGetInput(o.text);
         return code;
       },
       RTKWORD, "Specify next point or [Undo/Close]: u\n",
       [](const Outcome& o) { EXPECT_STREQ(o.text, "Undo"); }},
      {"neither point nor keyword, then Esc", {"zz", "^C"},
       [](Outcome& o) {
         acedInitGet(0, "Undo");
         return acedGetPoint(nullptr, "Specify point or [Undo]: ", o.point);
       },
       RTCAN,
       "Specify point or [Undo]: zz\nPoint or option keyword required.\n"
       "Specify point or [Undo]: *Cancel*\n",
       nullptr},
      {"a relative point from the last point", {"10,10", "@5,-2"},
       [](Outcome& o) {
         ads_point first;
         if (acedGetPoint(nullptr, "First: ", first) != RTNORM)
           return RTERROR;
         return acedGetPoint(first, "Next: ", o.point);
       },
       RTNORM, "First: 10,10\nNext: @5,-2\n",
       [](const Outcome& o) { expectPoint(o, 15, 8, 0, "relative"); }},
      {"a real asked again", {"abc", "2.5"},
       [](Outcome& o) { return acedGetReal("Scale: ", &o.number); }, RTNORM,
       "Scale: abc\nRequires numeric value.\nScale: 2.5\n",
       [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, 2.5); }},
      {"positive and nonzero", {"0", "-1", "3"},
       [](Outcome& o) {
         acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
         return acedGetReal("Radius: ", &o.number);
       },
       RTNORM,
       "Radius: 0\nValue must be positive and nonzero.\nRadius: -1\n"
       "Value must be positive and nonzero.\nRadius: 3\n",
       nullptr},
      {"nonzero only", {"0", "-1"},
       [](Outcome& o) {
         acedInitGet(RSG_NOZERO, nullptr);
         return acedGetReal("Factor: ", &o.number);
       },
       RTNORM, "Factor: 0\nValue must be nonzero.\nFactor: -1\n",
       [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, -1.0); }},
      {"not negative allows zero", {"-1", "0"},
       [](Outcome& o) {
         acedInitGet(RSG_NONEG, nullptr);
         return acedGetReal("Gap: ", &o.number);
       },
       RTNORM, "Gap: -1\nValue must be positive.\nGap: 0\n", nullptr},
      {"integers: fractions and range refused", {"2.5", "40000", "7"},
       [](Outcome& o) { return acedGetInt("Count: ", &o.integer); }, RTNORM,
       "Count: 2.5\nRequires an integer value.\nCount: 40000\n"
       "Requires an integer between -32768 and 32767.\nCount: 7\n",
       [](const Outcome& o) { EXPECT_EQ(o.integer, 7); }},
      {"a distance to a point from the base", {"3,4"},
       [](Outcome& o) { return acedGetDist(kOrigin, "Distance: ", &o.number); }, RTNORM,
       "Distance: 3,4\n", [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, 5.0); }},
      {"a distance by two points", {"1,1", "4,5"},
       [](Outcome& o) { return acedGetDist(nullptr, "Distance: ", &o.number); }, RTNORM,
       "Distance: 1,1\nSpecify second point: 4,5\n",
       [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, 5.0); }},
      {"a distance typed", {"abc", "12"},
       [](Outcome& o) { return acedGetDist(nullptr, "Distance: ", &o.number); }, RTNORM,
       "Distance: abc\nRequires numeric distance or two points.\nDistance: 12\n",
       [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, 12.0); }},
      {"a distance in space", {"3,4,12"},
       [](Outcome& o) { return acedGetDist(kOrigin, "Distance: ", &o.number); }, RTNORM,
       "Distance: 3,4,12\n", [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, 13.0); }},
      {"RSG_2D drops z from the distance", {"3,4,12"},
       [](Outcome& o) {
         acedInitGet(RSG_2D, nullptr);
         return acedGetDist(kOrigin, "Distance: ", &o.number);
       },
       RTNORM, "Distance: 3,4,12\n", [](const Outcome& o) { EXPECT_DOUBLE_EQ(o.number, 5.0); }},
      {"an angle by a point", {"0,5"},
       [](Outcome& o) { return acedGetAngle(kOrigin, "Angle: ", &o.number); }, RTNORM,
       "Angle: 0,5\n", [](const Outcome& o) { EXPECT_NEAR(o.number, M_PI / 2, 1e-12); }},
      {"an angle below the X axis comes out positive", {"0,-5"},
       [](Outcome& o) { return acedGetAngle(kOrigin, "Angle: ", &o.number); }, RTNORM,
       "Angle: 0,-5\n", [](const Outcome& o) { EXPECT_NEAR(o.number, 1.5 * M_PI, 1e-12); }},
      {"an angle typed in degrees", {"45"},
       [](Outcome& o) { return acedGetAngle(nullptr, "Angle: ", &o.number); }, RTNORM,
       "Angle: 45\n", [](const Outcome& o) { EXPECT_NEAR(o.number, M_PI / 4, 1e-12); }},
      {"a string with blanks", {"hello  world "},
       [](Outcome& o) { return acedGetString(1, "Text: ", o.text); }, RTNORM,
       "Text: hello  world\n", [](const Outcome& o) { EXPECT_STREQ(o.text, "hello  world "); }},
      {"a string without blanks takes the first word", {"hello world"},
       [](Outcome& o) { return acedGetString(0, "Name: ", o.text); }, RTNORM,
       "Name: hello world\n", [](const Outcome& o) { EXPECT_STREQ(o.text, "hello"); }},
      {"Enter at a string prompt is an empty string", {""},
       [](Outcome& o) { return acedGetString(1, "Text: ", o.text); }, RTNORM, "Text:\n",
       [](const Outcome& o) { EXPECT_STREQ(o.text, ""); }},
      {"a keyword", {"n"},
       [](Outcome& o) {
         acedInitGet(0, "Yes No");
         return acedGetKword("Delete? [Yes/No]: ", o.text);
       },
       RTNORM, "Delete? [Yes/No]: n\n", [](const Outcome& o) { EXPECT_STREQ(o.text, "No"); }},
      {"not a keyword, then Enter", {"maybe", ""},
       [](Outcome& o) {
         acedInitGet(0, "Yes No");
         return acedGetKword("Delete? [Yes/No]: ", o.text);
       },
       RTNONE, "Delete? [Yes/No]: maybe\nInvalid option keyword.\nDelete? [Yes/No]:\n",
       [](const Outcome& o) { EXPECT_STREQ(o.text, ""); }},
      {"a local keyword hands out its global name", {"j"},
       [](Outcome& o) {
         acedInitGet(0, "Ja Nein _Yes No");
         return acedGetKword("Weiter? [Ja/Nein]: ", o.text);
       },
       RTNORM, "Weiter? [Ja/Nein]: j\n", [](const Outcome& o) { EXPECT_STREQ(o.text, "Yes"); }},
      {"RSG_OTHER takes any text", {"M6 thread"},
       [](Outcome& o) {
         acedInitGet(RSG_OTHER, nullptr);
         int code = acedGetReal("Size: ", &o.number);
         acedGetInput(o.text);
         return code;
       },
       RTKWORD, "Size: M6 thread\n", [](const Outcome& o) { EXPECT_STREQ(o.text, "M6 thread"); }},
      {"the end of the input cancels", {},
       [](Outcome& o) { return acedGetReal("Scale: ", &o.number); }, RTCAN, "Scale:\n",
       nullptr},
      {"a corner needs its base", {},
       [](Outcome& o) { return acedGetCorner(nullptr, "Other corner: ", o.point); }, RTERROR,
       "", nullptr},
      {"a string cut to the buffer", {"abcdefgh"},
       [](Outcome& o) { return acedGetString(1, "Text: ", o.text, 6); }, RTINPUTTRUNCATED,
       "Text: abcdefgh\n", [](const Outcome& o) { EXPECT_STREQ(o.text, "abcde"); }},
  };
}

TEST(InputCalls, AnswerAsTheClassicInterfaceDoes) {
  for (const CallCase& c : callCases()) {
    test::EditorSession session;
    session.feed(c.lines);
    Outcome outcome;
    EXPECT_EQ(c.call(outcome), c.code) << c.name;
    EXPECT_EQ(session.transcript(), c.transcript) << c.name;
    if (c.check)
      c.check(outcome);
  }
}

TEST(InputCalls, OptionsHoldForOneCallOnly) {
  test::EditorSession session;
  session.feed({""});
  acedInitGet(RSG_NONULL, "Undo");
  ads_real value = 0;
  EXPECT_EQ(acedGetReal("A: ", &value), RTCAN) << "Enter refused, then the input ended";
  session.take();
  inputEndState() = {};  // a new run
  session.feed({""});
  EXPECT_EQ(acedGetReal("B: ", &value), RTNONE) << "the second call has no RSG_NONULL";
}

TEST(InputCalls, PointsAreUserCoordinatesAndSetTheLastPoint) {
  test::EditorSession session;
  // The UCS: origin at world (100, 50), X axis along world Y.
  AcGeMatrix3d ucs;
  ucs.setCoordSystem({100, 50, 0}, AcGeVector3d::kYAxis, -AcGeVector3d::kXAxis,
                     AcGeVector3d::kZAxis);
  session.document().setUcs(ucs);
  session.feed({"10,0", "*100,60", "@0,1"});
  ads_point p;
  ASSERT_EQ(acedGetPoint(nullptr, "P: ", p), RTNORM);
  EXPECT_NEAR(p[0], 10, 1e-9);
  EXPECT_NEAR(p[1], 0, 1e-9);
  EXPECT_TRUE(session.document().lastPoint().isEqualTo({100, 60, 0}))
      << "UCS 10,0 is world 100,60: the last point is kept in world coordinates";
  ASSERT_EQ(acedGetPoint(nullptr, "P: ", p), RTNORM);
  EXPECT_NEAR(p[0], 10, 1e-9) << "\"*\" gives world coordinates, answered in the UCS";
  EXPECT_NEAR(p[1], 0, 1e-9);
  ASSERT_EQ(acedGetPoint(nullptr, "P: ", p), RTNORM);
  EXPECT_NEAR(p[0], 10, 1e-9) << "relative offsets run along the UCS axes";
  EXPECT_NEAR(p[1], 1, 1e-9);
}

// A source that looks at the display while a prompt waits for its line.
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

TEST(InputCalls, ARubberBandShowsWhileAPromptFromABasePointWaits) {
  test::EditorSession session;
  session.document().setUcs(AcGeMatrix3d::translation({5, 0, 0}));
  std::vector<std::optional<RubberBand>> seen;
  currentInput().push(std::make_unique<ProbingSource>(
      std::vector<std::string>{"1,1", "2,2", "3,3"},
      [&] { seen.push_back(displayStateOf(session.document()).rubberBand); }));
  ads_point base = {1, 1, 0}, p;
  ASSERT_EQ(acedGetPoint(nullptr, "A: ", p), RTNORM);
  ASSERT_EQ(acedGetPoint(base, "B: ", p), RTNORM);
  acedInitGet(RSG_DASH, nullptr);
  ASSERT_EQ(acedGetCorner(base, "C: ", p), RTNORM);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_FALSE(seen[0]) << "no base point, no rubber band";
  ASSERT_TRUE(seen[1]);
  EXPECT_TRUE(seen[1]->base.isEqualTo({6, 1, 0})) << "the base in world coordinates";
  EXPECT_FALSE(seen[1]->rectangle);
  ASSERT_TRUE(seen[2]);
  EXPECT_TRUE(seen[2]->rectangle) << "a corner prompt drags a window";
  EXPECT_TRUE(seen[2]->dashed);
  EXPECT_FALSE(displayStateOf(session.document()).rubberBand) << "gone once answered";
}

}  // namespace
}  // namespace zek
