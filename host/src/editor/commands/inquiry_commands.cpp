// LIST, ID and DIST: what an entity is, where a point lies, how far apart
// two points are. Coordinates in the UCS, numbers in LUNITS/LUPREC.
#include <cmath>
#include <cstdio>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "db_curves.h"
#include "db_dimension.h"
#include "db_polyline.h"
#include "db_symtab.h"
#include "db_text.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "zek/dim_vars.h"

namespace zek {

namespace {

std::string padded(const std::string& text, int width = 9) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%*s", width, text.c_str());
  return buffer;
}

// "X=   1.0000  Y=   2.0000  Z=   0.0000" of a world point, in the UCS.
std::string coordinates(const AcGePoint3d& world) {
  const AcGePoint3d p = worldToUcs(world);
  return "X=" + padded(distanceText(p.x)) + "  Y=" + padded(distanceText(p.y)) + "  Z=" +
         padded(distanceText(p.z));
}

void printLabelled(const char* label, const std::string& value) {
  acutPrintf("\n%*s %s", 24, label, value.c_str());
}

std::string nameOf(AcDbObjectId id) {
  AcDbSymbolTableRecord* record = nullptr;
  if (acdbOpenObject(record, id, AcDb::kForRead) != Acad::eOk)
    return std::string();
  std::string name = record->name();
  (void)record->close();
  return name;
}

void listHeader(const AcDbEntity& entity) {
  std::string type = entity.dxfTypeName();
  acutPrintf("\n%*s      Layer: \"%s\"", 22, type.c_str(), entity.layer().c_str());
  acutPrintf("\n%*sSpace: Model space", 28, "");
  if (!entity.color().isByLayer()) {
    acutPrintf("\n%*sColor: %s", 28, "",
               entity.color().isByBlock() ? "BYBLOCK"
                                          : std::to_string(entity.colorIndex()).c_str());
  }
  if (entity.linetypeId() != entity.database()->byLayerLinetype() && !entity.linetypeId().isNull())
    acutPrintf("\n%*sLinetype: \"%s\"", 28, "", nameOf(entity.linetypeId()).c_str());
  acutPrintf("\n%*sHandle = %s", 19, "", entity.handle().ascii().c_str());
}

void listLine(const AcDbLine& line) {
  printLabelled("from point,", coordinates(line.startPoint()));
  printLabelled("to point,", coordinates(line.endPoint()));
  const AcGeVector3d delta = worldToUcs(line.endPoint()) - worldToUcs(line.startPoint());
  acutPrintf("\n%*sLength =%s,  Angle in XY Plane = %s", 10, "",
             padded(distanceText(delta.length())).c_str(),
             angleText(std::atan2(delta.y, delta.x)).c_str());
  acutPrintf("\n%*sDelta X =%s, Delta Y =%s, Delta Z =%s", 18, "",
             padded(distanceText(delta.x)).c_str(), padded(distanceText(delta.y)).c_str(),
             padded(distanceText(delta.z)).c_str());
}

void listCircle(const AcDbCircle& circle) {
  printLabelled("center point,", coordinates(circle.center()));
  printLabelled("radius", distanceText(circle.radius()));
  printLabelled("circumference", distanceText(circle.circumference()));
  printLabelled("area", distanceText(3.14159265358979323846 * circle.radius() * circle.radius()));
}

void listArc(const AcDbArc& arc) {
  printLabelled("center point,", coordinates(arc.center()));
  printLabelled("radius", distanceText(arc.radius()));
  printLabelled("start angle", angleText(arc.startAngle()));
  printLabelled("end angle", angleText(arc.endAngle()));
  printLabelled("length", distanceText(arc.length()));
}

void listPolyline(const AcDbPolyline& polyline) {
  printLabelled(polyline.isClosed() ? "Closed" : "Open", "");
  double constant = 0.0;
  const bool isConstant = polyline.getConstantWidth(constant) == Acad::eOk;
  if (isConstant)
    printLabelled("Constant width", distanceText(constant));
  double area = 0.0;
  if (polyline.getArea(area) == Acad::eOk)
    printLabelled("area", distanceText(area));
  double lastParam = 0.0, length = 0.0;
  if (polyline.getEndParam(lastParam) == Acad::eOk &&
      polyline.getDistAtParam(lastParam, length) == Acad::eOk)
    printLabelled(polyline.isClosed() ? "perimeter" : "length", distanceText(length));
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint3d point;
    if (polyline.getPointAt(i, point) == Acad::eOk)
      printLabelled("at point", coordinates(point));
    double start = 0.0, end = 0.0;
    if (!isConstant && polyline.getWidthsAt(i, start, end) == Acad::eOk) {
      printLabelled("starting width", distanceText(start));
      printLabelled("ending width", distanceText(end));
    }
  }
}

void listText(const AcDbText& text) {
  printLabelled("Style =", "\"" + nameOf(text.textStyle()) + "\"");
  printLabelled("start point,", coordinates(text.position()));
  printLabelled("height", distanceText(text.height()));
  printLabelled("text", text.textStringConst());
  printLabelled("rotation angle", angleText(text.rotation()));
}

void listMText(const AcDbMText& mtext) {
  printLabelled("Location:", coordinates(mtext.location()));
  printLabelled("Text height:", distanceText(mtext.textHeight()));
  printLabelled("Contents:", mtext.contentsConst());
}

// An ordinate dimension: its axis, its points, its own text (the override,
// "<>" standing for the measurement) and the text it shows.
void listOrdinateDimension(const AcDbOrdinateDimension& dimension) {
  printLabelled("ordinate", dimension.isUsingXAxis() ? "X" : "Y");
  printLabelled("origin point,", coordinates(dimension.origin()));
  printLabelled("defining point,", coordinates(dimension.definingPoint()));
  printLabelled("leader end point,", coordinates(dimension.leaderEndPoint()));
  printLabelled("text position,", coordinates(dimension.textPosition()));
  printLabelled("text override", "\"" + std::string(dimension.dimensionTextConst()) + "\"");
  printLabelled("shown text", "\"" + dimension.displayText(dimVarsOf(dimension)) + "\"");
}

void listEntity(const AcDbEntity& entity) {
  listHeader(entity);
  if (auto* line = AcDbLine::cast(&entity)) {
    listLine(*line);
  } else if (auto* circle = AcDbCircle::cast(&entity)) {
    listCircle(*circle);
  } else if (auto* arc = AcDbArc::cast(&entity)) {
    listArc(*arc);
  } else if (auto* polyline = AcDbPolyline::cast(&entity)) {
    listPolyline(*polyline);
  } else if (auto* text = AcDbText::cast(&entity)) {
    listText(*text);
  } else if (auto* mtext = AcDbMText::cast(&entity)) {
    listMText(*mtext);
  } else if (auto* ordinate = AcDbOrdinateDimension::cast(&entity)) {
    listOrdinateDimension(*ordinate);
  } else {
    AcDbExtents extents;
    if (entity.getGeomExtents(extents) == Acad::eOk) {
      printLabelled("Lower left corner:", coordinates(extents.minPoint()));
      printLabelled("Upper right corner:", coordinates(extents.maxPoint()));
    }
  }
}

}  // namespace

void listCommand() {
  auto ids = selectObjects();
  if (!ids)
    return;
  for (const AcDbObjectId& id : *ids) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk)
      continue;
    listEntity(*entity);
    (void)entity->close();
  }
}

void idCommand() {
  ads_point point;
  if (acedGetPoint(nullptr, "\nSpecify point: ", point) != RTNORM)
    return;
  acutPrintf("\nX = %s     Y = %s     Z = %s", distanceText(point[0]).c_str(),
             distanceText(point[1]).c_str(), distanceText(point[2]).c_str());
}

void distCommand() {
  ads_point first, second;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(nullptr, "\nSpecify first point: ", first) != RTNORM)
    return;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(first, "\nSpecify second point: ", second) != RTNORM)
    return;
  const double dx = second[0] - first[0], dy = second[1] - first[1], dz = second[2] - first[2];
  const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
  acutPrintf("\nDistance = %s,  Angle in XY Plane = %s,  Angle from XY Plane = %s",
             distanceText(length).c_str(), angleText(std::atan2(dy, dx)).c_str(),
             angleText(std::atan2(dz, std::hypot(dx, dy))).c_str());
  acutPrintf("\nDelta X = %s,  Delta Y = %s,  Delta Z = %s", distanceText(dx).c_str(),
             distanceText(dy).c_str(), distanceText(dz).c_str());
}

}  // namespace zek
