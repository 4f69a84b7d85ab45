// System variables: defaults, refusals, where values live, computed values.
#include "editor/vars/sysvars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "aced_vars.h"
#include "db/header_variables.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

// A variable's value as text for comparisons: "3", "2.5", "(1600,1000)", "\"0\"".
std::string shown(const char* name) {
  resbuf rb{};
  if (acedGetVar(name, &rb) != RTNORM)
    return "<error>";
  char text[96];
  switch (rb.restype) {
    case RTSHORT:
      return "short " + std::to_string(rb.resval.rint);
    case RTREAL:
      std::snprintf(text, sizeof text, "real %g", rb.resval.rreal);
      return text;
    case RTPOINT:
      std::snprintf(text, sizeof text, "2d (%g,%g)", rb.resval.rpoint[0], rb.resval.rpoint[1]);
      return text;
    case RT3DPOINT:
      std::snprintf(text, sizeof text, "3d (%g,%g,%g)", rb.resval.rpoint[0], rb.resval.rpoint[1],
                    rb.resval.rpoint[2]);
      return text;
    case RTSTR: {
      std::string s = std::string("text \"") + rb.resval.rstring + "\"";
      acutDelString(rb.resval.rstring);
      return s;
    }
    default:
      return "<type " + std::to_string(rb.restype) + ">";
  }
}

resbuf shortValue(int v) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(v);
  return rb;
}
resbuf longValue(int v) {
  resbuf rb{};
  rb.restype = RTLONG;
  rb.resval.rlong = v;
  return rb;
}
resbuf realValue(double v) {
  resbuf rb{};
  rb.restype = RTREAL;
  rb.resval.rreal = v;
  return rb;
}
resbuf pointValue(short type, double x, double y, double z = 0.0) {
  resbuf rb{};
  rb.restype = type;
  rb.resval.rpoint[0] = x;
  rb.resval.rpoint[1] = y;
  rb.resval.rpoint[2] = z;
  return rb;
}
resbuf textValue(const char* text) {
  resbuf rb{};
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<char*>(text);
  return rb;
}

class SysvarsTest : public ::testing::Test {
protected:
  void SetUp() override { resetSessionSysvars(); }
  void TearDown() override { resetSessionSysvars(); }
  test::EditorSession session;
};

struct DefaultCase {
  const char* name;
  const char* value;
};
constexpr DefaultCase kDefaults[] = {
    {"OSMODE", "short 0"},            // session: no snaps in a fresh host
    {"ORTHOMODE", "short 0"},         // header variable absent from the template
    {"CMDECHO", "short 1"},
    {"PICKBOX", "short 3"},           // pixels
    {"PICKFIRST", "short 1"},
    {"CLAYER", "text \"0\""},
    {"TEXTSIZE", "real 2.5"},
    {"TEXTSTYLE", "text \"Standard\""},
    {"CELTYPE", "text \"ByLayer\""},
    {"CECOLOR", "text \"BYLAYER\""},  // $CECOLOR 256 shown by name
    {"LUNITS", "short 2"},
    {"LUPREC", "short 4"},
    {"AUNITS", "short 0"},
    {"INSUNITS", "short 4"},          // millimetres in the template
    {"MEASUREMENT", "short 1"},
    {"LTSCALE", "real 1"},
    {"LIMMAX", "2d (420,297)"},
    {"EXTMIN", "3d (0,0,0)"},
    {"SCREENSIZE", "2d (1600,1000)"},  // a 2D point in pixels
    {"VIEWSIZE", "real 297"},
    {"VIEWCTR", "3d (0,0,0)"},
    {"UCSXDIR", "3d (1,0,0)"},
    {"UCSYDIR", "3d (0,1,0)"},
    {"WORLDUCS", "short 1"},
    {"DIMSTYLE", "text \"Standard\""},
    {"UNDOCTL", "short 5"},
    {"TILEMODE", "short 1"},
};

TEST_F(SysvarsTest, NewDrawingHasTheTableDefaults) {
  for (const auto& c : kDefaults)
    EXPECT_EQ(shown(c.name), c.value) << c.name;
}

TEST_F(SysvarsTest, NamesAreCaseInsensitive) {
  EXPECT_EQ(shown("pickbox"), "short 3");
  EXPECT_EQ(shown("ViewSize"), "real 297");
  resbuf on = shortValue(1);
  EXPECT_EQ(acedSetVar("orthomode", &on), RTNORM);
  EXPECT_EQ(shown("ORTHOMODE"), "short 1");
}

TEST_F(SysvarsTest, UnknownNamesAnswerError) {
  resbuf rb{};
  EXPECT_EQ(acedGetVar("NOSUCHVAR", &rb), RTERROR);
  EXPECT_EQ(acedGetVar("", &rb), RTERROR);
  EXPECT_EQ(acedGetVar(nullptr, &rb), RTERROR);
  resbuf one = shortValue(1);
  EXPECT_EQ(acedSetVar("NOSUCHVAR", &one), RTERROR);
  EXPECT_EQ(acedSetVar("OSMODE", nullptr), RTERROR);
}

struct SetCase {
  const char* row;
  const char* name;
  resbuf value;
  SysvarRefusal refusal;
  const char* after;  // the value read back ("" when refused: unchanged)
};

TEST_F(SysvarsTest, SetChecksTypeRangeAndReadOnly) {
  test::addLayer(session.db(), "Holes");
  AcDbObjectId frozen = test::addLayer(session.db(), "Frozen");
  {
    test::Opened<AcDbLayerTableRecord> layer(frozen, AcDb::kForWrite);
    ASSERT_EQ(layer->setIsFrozen(true), Acad::eOk);
  }
  const SetCase cases[] = {
      {"short in range", "ORTHOMODE", shortValue(1), SysvarRefusal::None, "short 1"},
      {"short above range", "ORTHOMODE", shortValue(2), SysvarRefusal::OutOfRange, ""},
      {"real for an integer", "ORTHOMODE", realValue(1.0), SysvarRefusal::WrongType, ""},
      {"long within short range", "OSMODE", longValue(4133), SysvarRefusal::None, "short 4133"},
      {"long beyond short range", "OSMODE", longValue(70000), SysvarRefusal::OutOfRange, ""},
      {"negative snap mode", "OSMODE", shortValue(-1), SysvarRefusal::OutOfRange, ""},
      {"pick box limit", "PICKBOX", shortValue(51), SysvarRefusal::OutOfRange, ""},
      {"linear units 0", "LUNITS", shortValue(0), SysvarRefusal::OutOfRange, ""},
      {"linear units 6", "LUNITS", shortValue(6), SysvarRefusal::OutOfRange, ""},
      {"precision 8", "LUPREC", shortValue(8), SysvarRefusal::None, "short 8"},
      {"zero text size", "TEXTSIZE", realValue(0.0), SysvarRefusal::NotPositive, ""},
      {"negative text size", "TEXTSIZE", realValue(-2.0), SysvarRefusal::NotPositive, ""},
      {"NaN text size", "TEXTSIZE", realValue(std::nan("")), SysvarRefusal::OutOfRange, ""},
      {"integer for a real", "TEXTSIZE", shortValue(3), SysvarRefusal::None, "real 3"},
      {"text for a real", "TEXTSIZE", textValue("3"), SysvarRefusal::WrongType, ""},
      {"layer by other case", "CLAYER", textValue("holes"), SysvarRefusal::None, "text \"Holes\""},
      {"missing layer", "CLAYER", textValue("Nope"), SysvarRefusal::NoSuchLayer, ""},
      {"frozen layer", "CLAYER", textValue("Frozen"), SysvarRefusal::FrozenLayer, ""},
      {"number for a layer", "CLAYER", shortValue(0), SysvarRefusal::WrongType, ""},
      {"missing linetype", "CELTYPE", textValue("DASHED"), SysvarRefusal::NoSuchLinetype, ""},
      {"linetype by other case", "CELTYPE", textValue("continuous"), SysvarRefusal::None,
       "text \"Continuous\""},
      {"missing text style", "TEXTSTYLE", textValue("Gothic"), SysvarRefusal::NoSuchTextStyle, ""},
      {"colour by name", "CECOLOR", textValue("red"), SysvarRefusal::None, "text \"1\""},
      {"colour by number", "CECOLOR", textValue("42"), SysvarRefusal::None, "text \"42\""},
      {"colour BYBLOCK", "CECOLOR", textValue("byblock"), SysvarRefusal::None, "text \"BYBLOCK\""},
      {"colour 256 is no number", "CECOLOR", textValue("256"), SysvarRefusal::BadColor, ""},
      {"colour garbage", "CECOLOR", textValue("1x"), SysvarRefusal::BadColor, ""},
      {"line weight 0.25 mm", "CELWEIGHT", shortValue(25), SysvarRefusal::None, "short 25"},
      {"no such line weight", "CELWEIGHT", shortValue(26), SysvarRefusal::BadLineWeight, ""},
      {"2D limits from a 3D point", "LIMMAX", pointValue(RT3DPOINT, 594, 420, 7),
       SysvarRefusal::None, "2d (594,420)"},
      {"number for a point", "LIMMIN", realValue(1.0), SysvarRefusal::WrongType, ""},
      {"screen size", "SCREENSIZE", pointValue(RTPOINT, 800, 600), SysvarRefusal::ReadOnly, ""},
      {"view size", "VIEWSIZE", realValue(100.0), SysvarRefusal::ReadOnly, ""},
      {"view centre", "VIEWCTR", pointValue(RT3DPOINT, 1, 1, 0), SysvarRefusal::ReadOnly, ""},
      {"drawing folder", "DWGPREFIX", textValue("/tmp/"), SysvarRefusal::ReadOnly, ""},
      {"UCS origin", "UCSORG", pointValue(RT3DPOINT, 1, 1, 0), SysvarRefusal::ReadOnly, ""},
      {"undo control", "UNDOCTL", shortValue(0), SysvarRefusal::ReadOnly, ""},
      {"extents", "EXTMAX", pointValue(RT3DPOINT, 1, 1, 0), SysvarRefusal::ReadOnly, ""},
      {"dimension style", "DIMSTYLE", textValue("Standard"), SysvarRefusal::ReadOnly, ""},
  };
  for (const auto& c : cases) {
    const std::string before = shown(c.name);
    EXPECT_EQ(trySetSysvar(c.name, c.value), c.refusal) << c.row;
    EXPECT_EQ(acedSetVar(c.name, &c.value), c.refusal == SysvarRefusal::None ? RTNORM : RTERROR)
        << c.row;
    EXPECT_EQ(shown(c.name), *c.after ? std::string(c.after) : before) << c.row;
  }
}

TEST_F(SysvarsTest, HeaderVariablesAreSavedWithTheDrawing) {
  resbuf size = realValue(3.5);
  ASSERT_EQ(acedSetVar("TEXTSIZE", &size), RTNORM);
  EXPECT_EQ(session.db().header().real("$TEXTSIZE"), 3.5);
  resbuf ortho = shortValue(1);
  ASSERT_EQ(acedSetVar("ORTHOMODE", &ortho), RTNORM);
  EXPECT_EQ(session.db().header().integer("$ORTHOMODE"), 1);
  resbuf red = textValue("RED");
  ASSERT_EQ(acedSetVar("CECOLOR", &red), RTNORM);
  EXPECT_EQ(session.db().header().integer("$CECOLOR"), 1);  // filed as the ACI number
  // The session and document variables have no header variable.
  resbuf snap = shortValue(32);
  ASSERT_EQ(acedSetVar("OSMODE", &snap), RTNORM);
  EXPECT_FALSE(session.db().header().has("$OSMODE"));
}

TEST_F(SysvarsTest, SessionVariablesSpanDocumentsDocumentOnesDoNot) {
  Document& first = session.document();
  resbuf snap = shortValue(32);
  resbuf quiet = shortValue(0);
  ASSERT_EQ(acedSetVar("OSMODE", &snap), RTNORM);
  ASSERT_EQ(acedSetVar("CMDECHO", &quiet), RTNORM);
  DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  EXPECT_EQ(shown("OSMODE"), "short 32");  // the host's, as the drafter left it
  EXPECT_EQ(shown("CMDECHO"), "short 1");  // the new document's own
  DocumentManager::instance().activate(&first);
  EXPECT_EQ(shown("CMDECHO"), "short 0");
}

TEST_F(SysvarsTest, DrawingVariablesNeedADocument) {
  DocumentManager::instance().closeAll();
  resbuf rb{};
  EXPECT_EQ(acedGetVar("CLAYER", &rb), RTERROR);
  EXPECT_EQ(acedGetVar("CMDECHO", &rb), RTERROR);
  EXPECT_EQ(acedGetVar("PICKBOX", &rb), RTNORM);  // the host's own
  resbuf one = shortValue(1);
  EXPECT_EQ(trySetSysvar("ORTHOMODE", one), SysvarRefusal::NoDocument);
}

// The values a cancelled command is checked against, in the order of their
// names: each set to a value of its own, so a value read from the wrong
// variable, or a session value taken for a document's, shows.
TEST_F(SysvarsTest, CancelRestoredValuesFollowTheirNames) {
  ASSERT_EQ(kCancelRestoredSysvars.size(), 3u);
  const int values[] = {37, 1, 0};
  for (std::size_t i = 0; i < kCancelRestoredSysvars.size(); ++i)
    ASSERT_EQ(setSysvar(kCancelRestoredSysvars[i], shortValue(values[i])), RTNORM)
        << kCancelRestoredSysvars[i];
  EXPECT_EQ(cancelRestoredSysvarValues(), (std::vector<std::string>{"37", "1", "0"}));
  // Without a document only the session's OSMODE can be read.
  DocumentManager::instance().closeAll();
  EXPECT_EQ(cancelRestoredSysvarValues(), (std::vector<std::string>{"37", "?", "?"}));
}

TEST_F(SysvarsTest, ViewAndLastPointAreInUserCoordinates) {
  Document& doc = session.document();
  doc.view().centre = AcGePoint3d(100, 50, 0);
  doc.view().height = 80;
  // UCS at (10,20) turned 90°: its X axis is the world Y axis.
  AcGeMatrix3d ucs;
  ucs.setCoordSystem(AcGePoint3d(10, 20, 0), AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0),
                     AcGeVector3d(0, 0, 1));
  doc.setUcs(ucs);
  EXPECT_EQ(shown("VIEWCTR"), "3d (30,-90,0)");  // (90,30) from the origin, seen turned
  EXPECT_EQ(shown("VIEWSIZE"), "real 80");
  EXPECT_EQ(shown("UCSORG"), "3d (10,20,0)");      // world coordinates
  EXPECT_EQ(shown("UCSXDIR"), "3d (0,1,0)");
  EXPECT_EQ(shown("UCSYDIR"), "3d (-1,0,0)");
  EXPECT_EQ(shown("WORLDUCS"), "short 0");
  resbuf last = pointValue(RT3DPOINT, 1, 2, 3);
  ASSERT_EQ(acedSetVar("LASTPOINT", &last), RTNORM);
  EXPECT_NEAR(doc.lastPoint().x, 8.0, 1e-12);  // 10 + 0·1 − 1·2
  EXPECT_NEAR(doc.lastPoint().y, 21.0, 1e-12); // 20 + 1·1 + 0·2
  EXPECT_NEAR(doc.lastPoint().z, 3.0, 1e-12);
  EXPECT_EQ(shown("LASTPOINT"), "3d (1,2,3)");
}

TEST_F(SysvarsTest, TheHostSetsWhatModulesMayOnlyRead) {
  resbuf group = shortValue(13);  // on, auto, a group open
  EXPECT_EQ(setSysvar("UNDOCTL", group), RTERROR);
  EXPECT_EQ(setSysvar("UNDOCTL", group, SysvarWriter::Host), RTNORM);
  EXPECT_EQ(shown("UNDOCTL"), "short 13");
  resbuf screen = pointValue(RTPOINT, 800, 600);
  // Values computed from the view change only with the view.
  EXPECT_EQ(setSysvar("SCREENSIZE", screen, SysvarWriter::Host), RTERROR);
}

TEST_F(SysvarsTest, DrawingNameAndFolder) {
  const std::string name = shown("DWGNAME");
  EXPECT_EQ(name.rfind("text \"Drawing", 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 5), ".dxf\"") << "a new drawing's title";
  const std::string folder = shown("DWGPREFIX");
  EXPECT_EQ(folder.substr(folder.size() - 2), "/\"") << "ends in the folder mark";
  session.document().setFileName("/plates/a/plate7.dxf");
  EXPECT_EQ(shown("DWGNAME"), "text \"plate7.dxf\"");
  EXPECT_EQ(shown("DWGPREFIX"), "text \"/plates/a/\"");
}

TEST_F(SysvarsTest, StringsAreTheCallersCopies) {
  resbuf rb{};
  rb.rbnext = reinterpret_cast<resbuf*>(&rb);  // left as it was
  ASSERT_EQ(acedGetVar("CLAYER", &rb), RTNORM);
  ASSERT_EQ(rb.restype, RTSTR);
  EXPECT_EQ(rb.rbnext, &rb);
  rb.resval.rstring[0] = 'X';  // the caller's to change and free
  acutDelString(rb.resval.rstring);
  EXPECT_EQ(shown("CLAYER"), "text \"0\"");
}

}  // namespace
}  // namespace zek
