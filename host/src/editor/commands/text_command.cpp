// TEXT: a start point, the height (TEXTSIZE), the rotation and the text.
#include <cmath>
#include <memory>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "db_symtab.h"
#include "db_text.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/document.h"

namespace zek {

namespace {
// The rotation TEXT offers next, per drawing.
struct TextDefaults {
  double rotation = 0.0;
};

std::string styleName(AcDbDatabase& db) {
  AcDbTextStyleTableRecord* style = nullptr;
  if (acdbOpenObject(style, db.textstyle(), AcDb::kForRead) != Acad::eOk)
    return "Standard";
  std::string name = style->name();
  (void)style->close();
  return name;
}
}  // namespace

void textCommand() {
  AcDbDatabase& db = *commandDocument().database();
  double height = realVariable("TEXTSIZE", db.textsize());
  acutPrintf("\nCurrent text style:  \"%s\"  Text height:  %s", styleName(db).c_str(),
             distanceText(height).c_str());
  ads_point start;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, "\nSpecify start point of text: ", start) != RTNORM)
    return;
  acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
  double given = height;
  int code = acedGetDist(start, ("\nSpecify height " + defaultText(height) + ": ").c_str(), &given);
  if (code == RTCAN)
    return;
  if (code == RTNORM) {
    height = given;
    if (!setRealVariable("TEXTSIZE", height))
      (void)db.setTextsize(height);
  }
  TextDefaults& defaults = commandDocument().state<TextDefaults>();
  double rotation = defaults.rotation;
  code = acedGetAngle(start,
                      ("\nSpecify rotation angle of text <" + angleText(rotation) + ">: ").c_str(),
                      &rotation);
  if (code == RTCAN)
    return;
  if (code != RTNORM)
    rotation = defaults.rotation;
  char text[1024] = "";
  if (acedGetString(1, "\nEnter text: ", text, sizeof text) != RTNORM || text[0] == '\0')
    return;
  defaults.rotation = rotation;
  const AcGeVector3d normal = ucsNormal();
  auto entity = std::make_unique<AcDbText>(ucsToWorld({start[0], start[1], start[2]}), text,
                                           db.textstyle(), height,
                                           planeAngleOf({std::cos(rotation), std::sin(rotation), 0},
                                                        normal));
  if (entity->setNormal(normal) != Acad::eOk)
    return;
  appendEntity(std::move(entity));
}

}  // namespace zek
