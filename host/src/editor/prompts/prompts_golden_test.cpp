// Golden transcripts of every prompt kind (golden/*.scr), answered, refused
// and cut short by Esc at each answer. The test commands guard OSMODE and
// close what they open on every way out, as module commands must; the Esc
// sweep checks that they do.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_vars.h"
#include "db_curves.h"
#include "db/testing/db_test_support.h"
#include "editor/core/command_table.h"
#include "editor/testing/golden_runner.h"

namespace zek {
namespace {

constexpr const char* kGroup = "ZEKPROMPTTEST";

const char* codeName(int code) {
  switch (code) {
    case RTNORM: return "RTNORM";
    case RTNONE: return "RTNONE";
    case RTCAN: return "RTCAN";
    case RTKWORD: return "RTKWORD";
    case RTERROR: return "RTERROR";
    default: return "?";
  }
}

// OSMODE 0 while the command prompts; the old value on every way out.
class OsmodeGuard {
public:
  OsmodeGuard() {
    resbuf value{};
    saved_ = acedGetVar("OSMODE", &value) == RTNORM;
    old_ = value.resval.rint;
    set(0);
  }
  ~OsmodeGuard() {
    if (saved_)
      set(old_);
  }

private:
  static void set(short mode) {
    resbuf value{};
    value.restype = RTSHORT;
    value.resval.rint = mode;
    (void)acedSetVar("OSMODE", &value);
  }
  bool saved_ = false;
  short old_ = 0;
};

void report(int code, const std::string& value) {
  char keyword[64] = "";
  if (code == RTKWORD)
    (void)acedGetInput(keyword, sizeof keyword);
  acutPrintf("\n%s %s", codeName(code), code == RTKWORD ? keyword : value.c_str());
}

std::string pointText(const ads_point p) {
  char text[96];
  std::snprintf(text, sizeof text, "%g,%g,%g", p[0], p[1], p[2]);
  return text;
}

std::string numberText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

void addCommands() {
  CommandTable& table = CommandTable::instance();
  table.removeGroup(kGroup);
  (void)table.add(kGroup, "ZEKPOINT", "", 0, [] {
    OsmodeGuard guard;
    ads_point first, second;
    acedInitGet(0, "Undo Base");
    int code = acedGetPoint(nullptr, "\nSpecify point or [Undo/Base]: ", first);
    report(code, code == RTNORM ? pointText(first) : "");
    if (code != RTNORM)
      return;
    acedInitGet(RSG_NONULL, nullptr);
    code = acedGetPoint(first, "\nSpecify next point: ", second);
    report(code, code == RTNORM ? pointText(second) : "");
  });
  (void)table.add(kGroup, "ZEKCORNER", "", 0, [] {
    OsmodeGuard guard;
    ads_point first, second;
    if (acedGetPoint(nullptr, "\nFirst corner: ", first) != RTNORM)
      return;
    const int code = acedGetCorner(first, "\nOther corner: ", second);
    report(code, code == RTNORM ? pointText(second) : "");
  });
  (void)table.add(kGroup, "ZEKDIST", "", 0, [] {
    double distance = 0;
    acedInitGet(RSG_NOZERO, nullptr);
    const int code = acedGetDist(nullptr, "\nSpecify distance: ", &distance);
    report(code, numberText(distance));
  });
  (void)table.add(kGroup, "ZEKANGLE", "", 0, [] {
    const ads_point base = {10, 10, 0};
    double angle = 0;
    const int code = acedGetAngle(base, "\nSpecify angle: ", &angle);
    report(code, numberText(angle * 180.0 / 3.14159265358979323846));
  });
  (void)table.add(kGroup, "ZEKREAL", "", 0, [] {
    double value = 0;
    acedInitGet(RSG_NONULL | RSG_NONEG, nullptr);
    const int code = acedGetReal("\nEnter gap: ", &value);
    report(code, numberText(value));
  });
  (void)table.add(kGroup, "ZEKINT", "", 0, [] {
    int value = 0;
    acedInitGet(0, "Auto");
    const int code = acedGetInt("\nEnter count or [Auto] <1>: ", &value);
    report(code, std::to_string(value));
  });
  (void)table.add(kGroup, "ZEKSTRING", "", 0, [] {
    char word[133] = "", line[133] = "";
    int code = acedGetString(0, "\nEnter name: ", word);
    report(code, std::string("[") + word + "]");
    if (code != RTNORM)
      return;
    code = acedGetString(1, "\nEnter note: ", line);
    report(code, std::string("[") + line + "]");
  });
  (void)table.add(kGroup, "ZEKKWORD", "", 0, [] {
    char keyword[133] = "";
    acedInitGet(0, "Ja Nein _Yes No");
    const int code = acedGetKword("\nWeiter? [Ja/Nein] <Ja>: ", keyword);
    report(code, keyword);
  });
  // Opens a line for write while it asks, and closes it on every way out.
  (void)table.add(kGroup, "ZEKOPEN", "", 0, [] {
    AcDbObjectId id = test::appendToModelSpace(*acdbCurDwg(), new AcDbLine({0, 0, 0}, {1, 0, 0}));
    AcDbLine* line = nullptr;
    if (acdbOpenObject(line, id, AcDb::kForWrite) != Acad::eOk)
      return;
    ads_point end;
    const int code = acedGetPoint(nullptr, "\nNew end point: ", end);
    if (code == RTNORM)
      (void)line->setEndPoint({end[0], end[1], end[2]});
    (void)line->close();
    report(code, code == RTNORM ? pointText(end) : "");
  });
}

TEST(PromptsGolden, EveryPromptKindAnsweredRefusedAndCancelled) {
  addCommands();
  EXPECT_GT(test::runGoldenFolder(ZEK_SOURCE_DIR "/host/src/editor/prompts/golden"), 0);
  CommandTable::instance().removeGroup(kGroup);
}

}  // namespace
}  // namespace zek
