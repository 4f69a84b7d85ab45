// Shared helpers of the built-in commands.
#include "editor/commands/command_support.h"

#include <cassert>
#include <cmath>
#include <cstdio>

#include "aced_select.h"
#include "aced_vars.h"
#include "ads.h"
#include "db_block.h"
#include "db_polyline.h"
#include "editor/document.h"

namespace zek {

Document& commandDocument() {
  Document* document = currentDocument();
  assert(document != nullptr && "commands run in a document");
  return *document;
}

AcGePoint3d ucsToWorld(const AcGePoint3d& ucs) { return commandDocument().ucsToWorld() * ucs; }
AcGePoint3d worldToUcs(const AcGePoint3d& world) { return commandDocument().worldToUcs() * world; }

AcGeVector3d ucsNormal() {
  AcGeVector3d z = commandDocument().ucsToWorld() * AcGeVector3d::kZAxis;
  return z.normal();
}

// A number the converter refuses (a text too long for its buffer, or LUNITS
// or LUPREC out of range in the drawing) still shows, in plain decimals.
std::string distanceText(double value) {
  char text[kZekRealTextSize] = "";
  if (acdbRToS(value, -1, -1, text) == RTNORM)
    return text;
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

// Likewise an angle the converter refuses shows in whole degrees.
std::string angleText(double radians) {
  char text[kZekRealTextSize] = "";
  if (acdbAngToS(radians, -1, -1, text) == RTNORM)
    return text;
  double degrees = radians * 180.0 / 3.14159265358979323846;
  degrees = std::fmod(degrees, 360.0);
  if (degrees < 0)
    degrees += 360.0;
  std::snprintf(text, sizeof text, "%.0f", degrees);
  return text;
}

std::string defaultText(double value) { return "<" + distanceText(value) + ">"; }

int shortVariable(const char* name, int fallback) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM)
    return fallback;
  if (value.restype == RTSHORT)
    return value.resval.rint;
  if (value.restype == RTLONG)
    return value.resval.rlong;
  if (value.restype == RTSTR)
    acutDelString(value.resval.rstring);
  return fallback;
}

double realVariable(const char* name, double fallback) {
  resbuf value{};
  if (acedGetVar(name, &value) != RTNORM)
    return fallback;
  if (value.restype == RTREAL)
    return value.resval.rreal;
  if (value.restype == RTSHORT)
    return value.resval.rint;
  if (value.restype == RTSTR)
    acutDelString(value.resval.rstring);
  return fallback;
}

bool setShortVariable(const char* name, int value) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(value);
  return acedSetVar(name, &rb) == RTNORM;
}

bool setRealVariable(const char* name, double value) {
  resbuf rb{};
  rb.restype = RTREAL;
  rb.resval.rreal = value;
  return acedSetVar(name, &rb) == RTNORM;
}

std::optional<std::vector<AcDbObjectId>> selectObjects() {
  ads_name set;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, set) != RTNORM)
    return std::nullopt;
  std::vector<AcDbObjectId> ids;
  ads_int32 length = 0;
  if (acedSSLength(set, &length) == RTNORM) {
    for (ads_int32 i = 0; i < length; ++i) {
      ads_name entity;
      AcDbObjectId id;
      if (acedSSName(set, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk)
        ids.push_back(id);
    }
  }
  acedSSFree(set);
  return ids;
}

// The pick-first set is made from a scratch set, freed afterwards (both
// calls answer RTERROR only for an unknown set, and this one was just made).
void setPickfirst(const std::vector<AcDbObjectId>& ids) {
  ads_name set;
  if (acedSSAdd(nullptr, nullptr, set) != RTNORM)
    return;
  for (const AcDbObjectId& id : ids) {
    ads_name entity;
    ads_name same;
    // An entity the set refuses (erased meanwhile) is simply left out: the
    // others still become the pick-first set, and there is no one to tell.
    if (acdbGetAdsName(entity, id) == Acad::eOk)
      (void)acedSSAdd(entity, set, same);
  }
  acedSSSetFirst(set, nullptr);
  acedSSFree(set);
}

AcDbObjectId appendEntity(std::unique_ptr<AcDbEntity> entity) {
  AcDbDatabase* db = commandDocument().database();
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk)
    return AcDbObjectId::kNull;
  entity->setDatabaseDefaults(db);
  AcDbObjectId id;
  const Acad::ErrorStatus es = space->appendAcDbEntity(id, entity.get());
  (void)space->close();
  if (es != Acad::eOk)
    return AcDbObjectId::kNull;
  (void)entity.release()->close();
  return id;
}

AcDbObjectId appendPolyline(const std::vector<AcGePoint3d>& ucsPoints, bool closed,
                            const std::vector<std::pair<double, double>>& widths) {
  const AcGeVector3d normal = ucsNormal();
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal);
  auto polyline = std::make_unique<AcDbPolyline>();
  for (std::size_t i = 0; i < ucsPoints.size(); ++i) {
    const AcGePoint3d inPlane = toPlane * ucsToWorld(ucsPoints[i]);
    if (i == 0)
      polyline->setElevation(inPlane.z);
    const double start = i < widths.size() ? widths[i].first : 0.0;
    const double end = i < widths.size() ? widths[i].second : 0.0;
    if (polyline->addVertexAt(static_cast<unsigned int>(i), inPlane.convert2d(), 0.0, start,
                              end) != Acad::eOk)
      return AcDbObjectId::kNull;
  }
  if (polyline->setNormal(normal) != Acad::eOk)
    return AcDbObjectId::kNull;
  polyline->setClosed(closed);
  return appendEntity(std::move(polyline));
}

double planeAngleOf(const AcGeVector3d& ucsDirection, const AcGeVector3d& normal) {
  const AcGeVector3d world = commandDocument().ucsToWorld() * ucsDirection;
  const AcGeVector3d inPlane = AcGeMatrix3d::worldToPlane(normal) * world;
  double angle = std::atan2(inPlane.y, inPlane.x);
  return angle < 0.0 ? angle + 2.0 * 3.14159265358979323846 : angle;
}

bool eraseEntity(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk)
    return false;
  const bool erased = entity->erase() == Acad::eOk;
  (void)entity->close();
  return erased;
}

}  // namespace zek
