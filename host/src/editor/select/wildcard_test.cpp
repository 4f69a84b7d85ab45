// Wildcard patterns as CAD hosts read them, one row per rule.
#include "editor/select/wildcard.h"

#include <gtest/gtest.h>

#include "aced_select.h"

namespace zek {
namespace {

struct WildcardCase {
  const char* pattern;
  const char* text;
  bool matches;
  const char* rule;
};

constexpr WildcardCase kCases[] = {
    {"LINE", "LINE", true, "a plain name matches itself"},
    {"LINE", "line", true, "case is ignored"},
    {"line", "LINE", true, "case is ignored in the pattern too"},
    {"LINE", "LINES", false, "a plain name matches the whole text only"},
    {"*", "", true, "* matches the empty text"},
    {"*", "ANYTHING", true, "* matches any text"},
    {"*POLYLINE", "LWPOLYLINE", true, "* before a name"},
    {"*POLYLINE", "POLYLINE", true, "* matching nothing"},
    {"*POLYLINE", "POLYLINES", false, "* before: the end must match"},
    {"H*S", "HOLES", true, "* between"},
    {"H*S", "HS", true, "* between, matching nothing"},
    {"H*L*S", "HXLYLZS", true, "two runs: the last L is found by backtracking"},
    {"?", "A", true, "? one character"},
    {"?", "", false, "? needs a character"},
    {"?", "AB", false, "? exactly one"},
    {"?1", "孔1", true, "? takes one Chinese character, not one byte"},
    {"L#", "L7", true, "# a digit"},
    {"L#", "LA", false, "# not a letter"},
    {"@1", "A1", true, "@ a letter"},
    {"@1", "71", false, "@ not a digit"},
    {"@", "孔", true, "@ takes characters beyond ASCII as letters"},
    {"A.B", "A-B", true, ". a character neither letter nor digit"},
    {"A.B", "AXB", false, ". not a letter"},
    {"A.B", "A1B", false, ". not a digit"},
    {"~HOLES", "TEXT", true, "~ anything but"},
    {"~HOLES", "holes", false, "~ anything but, case ignored"},
    {"~H*", "HOLES", false, "~ with a run"},
    {"[ABC]1", "B1", true, "[...] one of the characters"},
    {"[ABC]1", "D1", false, "[...] none of the others"},
    {"[abc]1", "B1", true, "[...] ignores case"},
    {"[A-C]1", "B1", true, "[A-C] a range"},
    {"[A-C]1", "D1", false, "[A-C] outside the range"},
    {"[~A-C]1", "D1", true, "[~...] none of them"},
    {"[~A-C]1", "A1", false, "[~...] refuses a member"},
    {"[-A]", "-", true, "- first in brackets is itself"},
    {"[]A]", "]", true, "] first in brackets is a member"},
    {"[AB", "[AB", true, "an unclosed [ is itself"},
    {"`*", "*", true, "` makes * itself"},
    {"`*", "A", false, "an escaped * matches only *"},
    {"A`,B", "A,B", true, "an escaped comma does not separate"},
    {"LINE,ARC", "ARC", true, "comma: either alternative"},
    {"LINE,ARC", "CIRCLE", false, "comma: neither alternative"},
    {"[,]", ",", true, "a comma in brackets does not separate"},
    {"~A,B", "B", true, "~ applies to its own alternative only"},
    {"~A,B", "A", false, "~A,B takes everything but A"},
    {"", "", true, "the empty pattern matches the empty text"},
    {"", "A", false, "the empty pattern matches nothing else"},
    {"BYL*,CON*", "ByLayer", true, "the linetype test of the hole table"},
    {"BYL*,CON*", "Continuous", true, "the linetype test of the hole table"},
    {"BYL*,CON*", "CENTER", false, "the linetype test of the hole table"},
};

TEST(Wildcard, MatchesAsCadHostsDo) {
  for (const auto& c : kCases) {
    EXPECT_EQ(Wildcard(c.pattern).matches(c.text), c.matches)
        << c.rule << ": \"" << c.pattern << "\" against \"" << c.text << "\"";
    EXPECT_EQ(acutWcMatch(c.text, c.pattern), c.matches ? RTNORM : RTERROR) << c.rule;
  }
}

TEST(Wildcard, PlainNamesAreKnownAsSuch) {
  EXPECT_TRUE(Wildcard("HOLES").isPlain());
  EXPECT_FALSE(Wildcard("HOLE?").isPlain());
  EXPECT_FALSE(Wildcard("A,B").isPlain());
  EXPECT_FALSE(Wildcard("~A").isPlain());
}

TEST(Wildcard, NullArgumentsAnswerError) {
  EXPECT_EQ(acutWcMatch(nullptr, "*"), RTERROR);
  EXPECT_EQ(acutWcMatch("A", nullptr), RTERROR);
}

TEST(Wildcard, BytesThatAreNoUtf8StandForThemselves) {
  std::string broken = "A\xff";
  EXPECT_TRUE(Wildcard("A?").matches(broken));
  EXPECT_EQ(decodeUtf8("\xe5\xad\x94").size(), 1u) << "one Chinese character";
}

}  // namespace
}  // namespace zek
