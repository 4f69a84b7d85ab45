// A closed polyline from an outline, appended to model space.
#include "outline_writer.h"

#include <memory>

#include "db_block.h"
#include "db_database.h"
#include "db_polyline.h"
#include "guards/opened_entity.h"

namespace zek {

namespace {

// The new polyline with the outline's vertices, closed, in its plane.
Acad::ErrorStatus buildPolyline(AcDbPolyline& polyline, const Outline& outline,
                                const OutlinePlacement& placement) {
  for (const OutlineVertex& vertex : outline) {
    const Acad::ErrorStatus added = polyline.addVertexAt(
        polyline.numVerts(), AcGePoint2d(vertex.x, vertex.y), vertex.bulge);
    if (added != Acad::eOk)
      return added;
  }
  polyline.setClosed(true);
  if (const Acad::ErrorStatus normal = polyline.setNormal(placement.normal); normal != Acad::eOk)
    return normal;
  polyline.setElevation(placement.elevation);
  polyline.setDatabaseDefaults();
  if (placement.propertiesFrom.isNull())
    return Acad::eOk;
  OpenedEntity source(placement.propertiesFrom, AcDb::kForRead);
  if (source.status() != Acad::eOk)
    return Acad::eOk;  // the source went: the current properties stay
  return polyline.setPropertiesFrom(source.get());
}

}  // namespace

Acad::ErrorStatus appendOutline(const Outline& outline, const OutlinePlacement& placement) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr)
    return Acad::eNoDatabase;
  auto polyline = std::make_unique<AcDbPolyline>();
  if (const Acad::ErrorStatus built = buildPolyline(*polyline, outline, placement);
      built != Acad::eOk)
    return built;

  AcDbBlockTableRecord* modelSpace = nullptr;
  const Acad::ErrorStatus opened = acdbOpenObject(modelSpace, db->modelSpaceId(), AcDb::kForWrite);
  if (opened != Acad::eOk)
    return opened;
  AcDbObjectId id;
  const Acad::ErrorStatus appended = modelSpace->appendAcDbEntity(id, polyline.get());
  (void)modelSpace->close();
  if (appended != Acad::eOk)
    return appended;
  return polyline.release()->close();  // the drawing owns it now
}

}  // namespace zek
