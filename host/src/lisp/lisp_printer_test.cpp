// AutoLISP's printed form: reals, texts, lists, dotted pairs, association
// pairs of group codes, names, and damaged lists.
#include "lisp/lisp_printer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lisp/owned_resbuf.h"

namespace zek {
namespace {

struct RealCase {
  double value;
  const char* text;
};
const RealCase kRealCases[] = {
    {0.0, "0.0"},
    {-0.0, "0.0"},              // never "-0.0"
    {1.0, "1.0"},               // at least one decimal
    {231.49, "231.49"},
    {0.01, "0.01"},
    {-2.5, "-2.5"},
    {100000.0, "100000.0"},     // six digits still print whole
    {3.14159265, "3.14159"},    // six significant digits
    {12.3456789, "12.3457"},
    {0.1 + 0.2, "0.3"},
    {1234567.0, "1.23457e+06"}, // past six digits: an exponent
    {999999.7, "1.0e+06"},      // rounds up into an exponent, still with a decimal
    {1e15, "1.0e+15"},
    {0.00001, "1.0e-05"},
    {std::numeric_limits<double>::infinity(), "1.#INF"},
};

TEST(LispPrinter, PrintsRealsWithSixSignificantDigitsAndADecimal) {
  for (const RealCase& c : kRealCases)
    EXPECT_EQ(lispRealText(c.value), c.text) << c.value;
}

struct TextCase {
  const char* text;
  const char* printed;
};
const TextCase kTextCases[] = {
    {"G1", R"("G1")"},
    {"a\"b", R"("a\"b")"},
    {"c\\d", R"("c\\d")"},
    {"two\nlines\tand\r\x1b", R"("two\nlines\tand\r\e")"},
    {"\x01", R"("\001")"},
    {"\xe7\x9b\xb4\xe5\xbe\x84", "\"\xe7\x9b\xb4\xe5\xbe\x84\""},  // UTF-8 stays as it is
    {"", R"("")"},
};

TEST(LispPrinter, QuotesTextsWithAutoLispEscapes) {
  for (const TextCase& c : kTextCases)
    EXPECT_EQ(lispQuotedText(c.text), c.printed) << c.printed;
}

struct ListCase {
  const char* what;
  resbuf* values;  // released by the test
  const char* valuesText;
  const char* listText;
};

TEST(LispPrinter, PrintsValuesListsAndPairs) {
  const double point3[3] = {231.49, 0.01, 0.0};
  const double point2[3] = {1.0, 2.0, 0.0};
  const double start[3] = {1.0, 2.0, 0.0};
  const ads_name entity = {0x1f2a, 1};
  const ads_name set = {2, 0};
  const ListCase cases[] = {
      {"atoms", acutBuildList(RTSHORT, 1, RTREAL, 0.01, RTSTR, "x", RTLONG, 40000, RTNONE),
       R"(1 0.01 "x" 40000)", R"((1 0.01 "x" 40000))"},
      {"3D point", acutBuildList(RT3DPOINT, point3, RTNONE), "(231.49 0.01 0.0)",
       "((231.49 0.01 0.0))"},
      {"2D point", acutBuildList(RTPOINT, point2, RTNONE), "(1.0 2.0)", "((1.0 2.0))"},
      {"nil and T", acutBuildList(RTNIL, RTT, RTNONE), "nil T", "(nil T)"},
      {"dotted pair", acutBuildList(RTLB, RTSHORT, 8, RTSTR, "0", RTDOTE, RTNONE),
       R"((8 . "0"))", R"(((8 . "0")))"},
      {"nested lists, the empty one nil",
       acutBuildList(RTLB, RTLB, RTSHORT, 1, RTSHORT, 2, RTLE, RTLB, RTLE, RTLE, RTNONE),
       "((1 2) nil)", "(((1 2) nil))"},
      {"group codes as association pairs",
       acutBuildList(RTDXF0, "LINE", 8, "0", 10, start, 40, 2.5, 62, 1, RTNONE),
       R"((0 . "LINE") (8 . "0") (10 1.0 2.0 0.0) (40 . 2.5) (62 . 1))",
       R"(((0 . "LINE") (8 . "0") (10 1.0 2.0 0.0) (40 . 2.5) (62 . 1)))"},
      {"an entity name group", acutBuildList(-1, entity, RTNONE), "(-1 . <Entity name: 1f2a>)",
       "((-1 . <Entity name: 1f2a>))"},
      {"names", acutBuildList(RTENAME, entity, RTPICKS, set, RTNONE),
       "<Entity name: 1f2a> <Selection set: 2>", "(<Entity name: 1f2a> <Selection set: 2>)"},
      {"a list end too many", acutBuildList(RTLE, RTSHORT, 1, RTNONE), "1", "(1)"},
      {"a list never closed", acutBuildList(RTLB, RTSHORT, 1, RTNONE), "(1)", "((1))"},
      {"a dotted end with one item", acutBuildList(RTLB, RTSHORT, 1, RTDOTE, RTNONE), "(1)",
       "((1))"},
      {"void prints nothing", acutBuildList(RTVOID, RTNONE), "", "nil"},
      {"no values", nullptr, "", "nil"},
  };
  for (const ListCase& c : cases) {
    OwnedResbuf values(c.values);
    EXPECT_EQ(lispValuesText(values.get()), c.valuesText) << c.what;
    EXPECT_EQ(lispListText(values.get()), c.listText) << c.what;
  }
}

}  // namespace
}  // namespace zek
