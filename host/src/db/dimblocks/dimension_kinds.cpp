// Each modelled dimension kind hands its points, in its plane, to its
// geometry: linear (rotated, aligned), ordinate, radius and diameter; and
// the kinds whose text hangs on a point move that point with the text.
#include "db_dimension.h"

#include <cmath>
#include <optional>

#include "db/dimblocks/dim_block_writer.h"
#include "db/dimblocks/linear_geometry.h"
#include "db/dimblocks/ordinate_geometry.h"
#include "db/dimblocks/radial_geometry.h"
#include "db/annotations/annotation_filing.h"
#include "zek/dim_vars.h"

namespace {

zek::DimPlane planeOf(const AcGeVector3d& normal, const AcGePoint3d& definitionPoint) {
  return {normal, zek::worldToOcs(normal, definitionPoint).z};
}

// The text position a user set, in the plane; none for a default position.
std::optional<AcGePoint2d> userTextOf(const AcDbDimension& dimension) {
  if (dimension.isUsingDefaultTextPosition())
    return std::nullopt;
  AcGePoint3d ocs = dimension.filedTextPosition();
  return AcGePoint2d(ocs.x, ocs.y);
}

// The input of the linear geometry: the points in the dimension's plane and
// the direction measured along (none: along the extension line points, as the
// aligned kind measures).
zek::LinearInput linearInputOf(const zek::DimPlane& plane, const AcGePoint3d& xLine1,
                               const AcGePoint3d& xLine2, const AcGePoint3d& dimLinePoint,
                               std::optional<double> rotation, double oblique,
                               double textRotation) {
  zek::LinearInput in;
  in.xLine1 = zek::worldToPlane(plane, xLine1);
  in.xLine2 = zek::worldToPlane(plane, xLine2);
  in.dimLinePoint = zek::worldToPlane(plane, dimLinePoint);
  in.rotation = rotation ? *rotation : (in.xLine2 - in.xLine1).angle();
  in.oblique = oblique;
  in.textRotation = textRotation;
  return in;
}

AcGePoint2d filedText(const AcDbDimension& dimension) {
  AcGePoint3d ocs = dimension.filedTextPosition();
  return {ocs.x, ocs.y};
}

}  // namespace

// ---- Linear -----------------------------------------------------------------

bool AcDbRotatedDimension::displayGeometry(const zek::DimVars& vars, std::string_view text,
                                           zek::DimGeometry& geometry) const {
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::LinearInput in = linearInputOf(plane, xLine1_, xLine2_, definitionPoint(), rotation_,
                                      oblique_, textRotation());
  in.userText = userTextOf(*this);
  geometry = zek::linearGeometry(in, vars, text);
  return true;
}

// With DIMTMOVE 0 the dimension line follows its text.
void AcDbRotatedDimension::textPositionSet(const zek::DimVars& vars) {
  if (vars.dimtmove != 0)
    return;
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::LinearInput in = linearInputOf(plane, xLine1_, xLine2_, definitionPoint(), rotation_,
                                      oblique_, textRotation());
  AcGePoint2d line = zek::linearDimLinePointForText(in, filedText(*this), vars, displayText(vars));
  setDefinitionPoint(zek::planeToWorld(plane, line));
}

bool AcDbAlignedDimension::displayGeometry(const zek::DimVars& vars, std::string_view text,
                                           zek::DimGeometry& geometry) const {
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::LinearInput in = linearInputOf(plane, xLine1_, xLine2_, definitionPoint(), std::nullopt,
                                      oblique_, textRotation());
  in.userText = userTextOf(*this);
  geometry = zek::linearGeometry(in, vars, text);
  return true;
}

void AcDbAlignedDimension::textPositionSet(const zek::DimVars& vars) {
  if (vars.dimtmove != 0)
    return;
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::LinearInput in = linearInputOf(plane, xLine1_, xLine2_, definitionPoint(), std::nullopt,
                                      oblique_, textRotation());
  AcGePoint2d line = zek::linearDimLinePointForText(in, filedText(*this), vars, displayText(vars));
  setDefinitionPoint(zek::planeToWorld(plane, line));
}

// ---- Ordinate -----------------------------------------------------------------

bool AcDbOrdinateDimension::displayGeometry(const zek::DimVars& vars, std::string_view text,
                                            zek::DimGeometry& geometry) const {
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::OrdinateInput in;
  in.origin = zek::worldToPlane(plane, definitionPoint());
  in.feature = zek::worldToPlane(plane, definingPoint_);
  in.leaderEnd = zek::worldToPlane(plane, leaderEnd_);
  in.usesXAxis = typeFlag(64);
  in.userText = userTextOf(*this);
  in.textRotation = textRotation();
  geometry = zek::ordinateGeometry(in, vars, text);
  return true;
}

// The leader end follows the text: see ordinateLeaderEndForText.
void AcDbOrdinateDimension::textPositionSet(const zek::DimVars& vars) {
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::OrdinateInput in;
  in.origin = zek::worldToPlane(plane, definitionPoint());
  in.feature = zek::worldToPlane(plane, definingPoint_);
  in.leaderEnd = zek::worldToPlane(plane, leaderEnd_);
  in.usesXAxis = typeFlag(64);
  in.textRotation = textRotation();
  AcGePoint2d end = zek::ordinateLeaderEndForText(in, filedText(*this), vars, displayText(vars));
  leaderEnd_ = zek::planeToWorld(plane, end);
}

// ---- Radius and diameter -------------------------------------------------------

bool AcDbRadialDimension::displayGeometry(const zek::DimVars& vars, std::string_view text,
                                          zek::DimGeometry& geometry) const {
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::RadialInput in;
  in.center = zek::worldToPlane(plane, definitionPoint());
  in.chordPoint = zek::worldToPlane(plane, chordPoint_);
  in.leaderLength = leaderLength_;
  in.userText = userTextOf(*this);
  in.textRotation = textRotation();
  geometry = zek::radialGeometry(in, vars, text);
  return true;
}

bool AcDbDiametricDimension::displayGeometry(const zek::DimVars& vars, std::string_view text,
                                             zek::DimGeometry& geometry) const {
  zek::DimPlane plane = planeOf(normal(), definitionPoint());
  zek::RadialInput in;
  in.chordPoint = zek::worldToPlane(plane, chordPoint_);
  in.farChordPoint = zek::worldToPlane(plane, definitionPoint());
  in.leaderLength = leaderLength_;
  in.userText = userTextOf(*this);
  in.textRotation = textRotation();
  geometry = zek::radialGeometry(in, vars, text);
  return true;
}
