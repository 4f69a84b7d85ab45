// DIM* system variables over the header: types, values, range and type
// refusals, DIMSTYLE read-only, the current values, restoring a style.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "db/dimvars/dimvars_test_support.h"
#include "zek/dim_vars.h"

namespace zek {
namespace {

resbuf realValue(double v) {
  resbuf rb{};
  rb.restype = RTREAL;
  rb.resval.rreal = v;
  return rb;
}

resbuf shortValue(short v) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = v;
  return rb;
}

resbuf textValue(const char* v) {
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<char*>(v);
  return rb;
}

// The value as text for comparing: reals as "%g", shorts as numbers, texts quoted.
std::string shown(const resbuf& rb) {
  char buffer[64];
  switch (rb.restype) {
    case RTREAL: std::snprintf(buffer, sizeof buffer, "real %g", rb.resval.rreal); return buffer;
    case RTSHORT: return "short " + std::to_string(rb.resval.rint);
    case RTSTR: return std::string("text \"") + (rb.resval.rstring ? rb.resval.rstring : "") + "\"";
    default: return "type " + std::to_string(rb.restype);
  }
}

std::string current(const AcDbDatabase& db, const char* name) {
  resbuf rb{};
  if (getDimSysvar(db, name, rb) != RTNORM)
    return "error";
  std::string text = shown(rb);
  if (rb.restype == RTSTR)
    acutDelString(rb.resval.rstring);
  return text;
}

TEST(DimSysvars, ANewDrawingAnswersItsStandardValues) {
  AcDbDatabase db;
  struct Row { const char* name; const char* value; };
  const Row rows[] = {
      {"DIMTXT", "real 2.5"},       {"DIMASZ", "real 2.5"},      {"DIMGAP", "real 0.625"},
      {"DIMDEC", "short 2"},        {"DIMZIN", "short 0"},       {"$dimtad", "short 1"},
      {"DIMCLRD", "short 0"},       {"DIMLWD", "short -2"},      {"DIMDSEP", "text \".\""},
      {"DIMPOST", "text \"\""},     {"DIMBLK", "text \"\""},     {"DIMTXSTY", "text \"Standard\""},
      {"DIMSTYLE", "text \"Standard\""}, {"DIMFOO", "error"},    {"TEXTSIZE", "error"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(current(db, r.name), r.value) << r.name;
}

struct SetCase {
  const char* why;
  const char* name;
  resbuf value;
  int answer;
  const char* after;  // what the variable reads then
};

TEST(DimSysvars, SetAcceptsTheVariablesRangeAndType) {
  const SetCase cases[] = {
      {"DIMDEC 8", "DIMDEC", shortValue(8), RTNORM, "short 8"},
      {"DIMDEC 9 is out of range", "DIMDEC", shortValue(9), RTERROR, "short 2"},
      {"DIMDEC -1", "DIMDEC", shortValue(-1), RTERROR, "short 2"},
      {"DIMDEC given a real", "DIMDEC", realValue(3.0), RTERROR, "short 2"},
      {"DIMZIN 15", "DIMZIN", shortValue(15), RTNORM, "short 15"},
      {"DIMZIN 16", "DIMZIN", shortValue(16), RTERROR, "short 0"},
      {"DIMTAD 4", "DIMTAD", shortValue(4), RTNORM, "short 4"},
      {"DIMTAD 5", "DIMTAD", shortValue(5), RTERROR, "short 1"},
      {"DIMLUNIT 0", "DIMLUNIT", shortValue(0), RTERROR, "short 2"},
      {"DIMLUNIT 6", "DIMLUNIT", shortValue(6), RTNORM, "short 6"},
      {"DIMLUNIT 7", "DIMLUNIT", shortValue(7), RTERROR, "short 2"},
      {"DIMSCALE 0", "DIMSCALE", realValue(0.0), RTNORM, "real 0"},
      {"DIMSCALE -1", "DIMSCALE", realValue(-1.0), RTERROR, "real 1"},
      {"DIMTXT -0.1", "DIMTXT", realValue(-0.1), RTERROR, "real 2.5"},
      {"DIMTXT given an integer", "DIMTXT", shortValue(3), RTNORM, "real 3"},
      {"DIMTXT given a text", "DIMTXT", textValue("3"), RTERROR, "real 2.5"},
      {"DIMGAP negative boxes the text", "DIMGAP", realValue(-0.5), RTNORM, "real -0.5"},
      {"DIMLFAC 0", "DIMLFAC", realValue(0.0), RTERROR, "real 1"},
      {"DIMCLRD 256 BYLAYER", "DIMCLRD", shortValue(256), RTNORM, "short 256"},
      {"DIMCLRD 257", "DIMCLRD", shortValue(257), RTERROR, "short 0"},
      {"DIMLWD 25", "DIMLWD", shortValue(25), RTNORM, "short 25"},
      {"DIMLWD 26 is no lineweight", "DIMLWD", shortValue(26), RTERROR, "short -2"},
      {"DIMDSEP a comma", "DIMDSEP", textValue(","), RTNORM, "text \",\""},
      {"DIMDSEP two characters", "DIMDSEP", textValue(",,"), RTERROR, "text \".\""},
      {"DIMDSEP empty", "DIMDSEP", textValue(""), RTERROR, "text \".\""},
      {"DIMDSEP a character code", "DIMDSEP", shortValue(44), RTERROR, "text \".\""},
      {"DIMPOST", "DIMPOST", textValue("<> mm"), RTNORM, "text \"<> mm\""},
      {"DIMPOST given a number", "DIMPOST", shortValue(1), RTERROR, "text \"\""},
      {"DIMTXSTY naming no text style", "DIMTXSTY", textValue("NoSuch"), RTERROR,
       "text \"Standard\""},
      {"DIMBLK by name", "DIMBLK", textValue("_DOT"), RTNORM, "text \"_DOT\""},
      {"DIMBLK . is the default arrow", "DIMBLK", textValue("."), RTNORM, "text \"\""},
      {"DIMSTYLE is read-only", "DIMSTYLE", textValue("ISO-25"), RTERROR, "text \"Standard\""},
      {"no such variable", "DIMFOO", shortValue(1), RTERROR, "error"},
  };
  for (const SetCase& c : cases) {
    AcDbDatabase db;
    EXPECT_EQ(setDimSysvar(db, c.name, c.value), c.answer) << c.why;
    EXPECT_EQ(current(db, c.name), c.after) << c.why;
  }
}

TEST(DimSysvars, SetFilesTheHeaderVariableWithItsGroupCode) {
  AcDbDatabase db;
  ASSERT_EQ(setDimSysvar(db, "DIMDSEP", textValue(",")), RTNORM);
  ASSERT_EQ(setDimSysvar(db, "$DIMTXT", realValue(3.5)), RTNORM);
  ASSERT_EQ(setDimSysvar(db, "DIMPOST", textValue("<> mm")), RTNORM);
  test::Groups header = test::parseGroups(test::writeDxf(db));
  auto valueAfter = [&](const char* variable) {
    for (std::size_t i = 0; i + 1 < header.size(); ++i)
      if (header[i] == test::Group{9, variable})
        return header[i + 1];
    return test::Group{0, "missing"};
  };
  EXPECT_EQ(valueAfter("$DIMDSEP"), (test::Group{70, "44"}));
  EXPECT_EQ(valueAfter("$DIMTXT"), (test::Group{40, "3.5"}));
  EXPECT_EQ(valueAfter("$DIMPOST"), (test::Group{1, "<> mm"}));
}

TEST(DimSysvars, CurrentValuesAreTheHeadersOverTheStyle) {
  AcDbDatabase db;
  ASSERT_EQ(setDimSysvar(db, "DIMDEC", shortValue(3)), RTNORM);
  DimVars now = currentDimVars(db);
  EXPECT_EQ(now.dimdec, 3) << "the header";
  EXPECT_EQ(now.dimtxt, 2.5) << "STANDARD's";
  // A drawing whose header lacks the variables answers its style's values.
  auto file = test::readDxf(test::r2018Drawing(
      "0\nDIMSTYLE\n105\n27\n330\nA\n100\nAcDbSymbolTableRecord\n100\nAcDbDimStyleTableRecord\n"
      "2\nStandard\n70\n0\n140\n3.5\n340\n11\n"));
  ASSERT_TRUE(file);
  EXPECT_EQ(currentDimVars(*file).dimtxt, 3.5);
  EXPECT_EQ(currentDimVars(*file).dimdec, 4) << "unfiled: the format's default";
}

TEST(DimSysvars, RestoringAStyleCopiesItsValuesIntoTheHeader) {
  AcDbDatabase db;
  AcDbObjectId iso = test::recordNamed(db.dimStyleTableId(), "ISO-25");
  ASSERT_EQ(restoreDimStyle(db, iso), Acad::eOk);
  EXPECT_EQ(current(db, "DIMSTYLE"), "text \"ISO-25\"");
  EXPECT_EQ(current(db, "DIMZIN"), "short 8");
  EXPECT_EQ(current(db, "DIMDSEP"), "text \",\"");
  EXPECT_EQ(current(db, "DIMALTD"), "short 3");
  EXPECT_EQ(current(db, "DIMTXT"), "real 2.5");
  EXPECT_EQ(restoreDimStyle(db, db.layerZero()), Acad::eInvalidInput) << "not a dimension style";
}

}  // namespace
}  // namespace zek
