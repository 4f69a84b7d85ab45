// What the built-in commands share: coordinates between the UCS and the
// world, numbers as the prompts show them, system variables, selections as
// object ids, and new entities appended to model space. The system
// variables and selections are other services of the editor, reached here
// only, so that the commands stay usable while those services are absent.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db_database.h"
#include "db_entity.h"
#include "editor/document.h"
#include "ge_geometry.h"

namespace zek {

// The current document; commands run only while there is one.
Document& commandDocument();

AcGePoint3d ucsToWorld(const AcGePoint3d& ucs);
AcGePoint3d worldToUcs(const AcGePoint3d& world);
// The UCS Z axis in world coordinates (the plane new entities lie in).
AcGeVector3d ucsNormal();

// A distance as prompts show it (LUNITS/LUPREC: "10.0000"), an angle in
// degrees (AUNITS/AUPREC: "45").
std::string distanceText(double value);
std::string angleText(double radians);

// Integer, real and text system variables; the fallback when the variable
// cannot be read. Setting answers whether the variable took the value.
int shortVariable(const char* name, int fallback);
double realVariable(const char* name, double fallback);
bool setShortVariable(const char* name, int value);
bool setRealVariable(const char* name, double value);

// Asks for objects ("Select objects: " until Enter) and answers their ids
// (the selection set is freed); nothing on Enter with nothing selected or Esc.
std::optional<std::vector<AcDbObjectId>> selectObjects();
// Makes the ids the document's pick-first set.
void setPickfirst(const std::vector<AcDbObjectId>& ids);

// Appends a new entity to model space with the drawing's current properties
// (layer, colour, linetype) and closes it; the null id when it could not be
// appended (the entity is then deleted).
AcDbObjectId appendEntity(std::unique_ptr<AcDbEntity> entity);
// Appends a lightweight polyline through UCS points, in the UCS plane;
// widths, when given, hold the start and end width of each vertex's segment.
AcDbObjectId appendPolyline(const std::vector<AcGePoint3d>& ucsPoints, bool closed,
                            const std::vector<std::pair<double, double>>& widths = {});
// The angle in the plane of the normal (its OCS X axis, as arcs and texts
// keep angles) of a direction given in the UCS.
double planeAngleOf(const AcGeVector3d& ucsDirection, const AcGeVector3d& normal);
// Erases an entity (false when it cannot be opened for write).
bool eraseEntity(AcDbObjectId id);

// "Real" in prompt defaults: "<10.0000>".
std::string defaultText(double value);

}  // namespace zek
