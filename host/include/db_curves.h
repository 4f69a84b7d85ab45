// The curve entities of a drawing: the abstract AcDbCurve with its parameter
// and distance queries, and AcDbLine, AcDbCircle, AcDbArc, AcDbEllipse,
// AcDbSpline, plus the AcDbPoint entity.
//
// Coordinates: lines, ellipses, splines and points hold world coordinates;
// circles and arcs keep their centre in the object coordinate system of
// their normal, as DXF files hold it, and answer world coordinates.
#pragma once

#include <memory>
#include <vector>

#include "db_entity.h"
#include "ge_geometry.h"

// A curve with a parameter running from getStartParam to getEndParam. The
// queries answer eOk, eInvalidInput for a parameter, distance or point off
// the curve, and eNotImplementedYet where a curve has no such query.
class AcDbCurve : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbCurve);

  virtual bool isClosed() const;
  virtual bool isPeriodic() const;
  [[nodiscard]] virtual Acad::ErrorStatus getStartParam(double& param) const;
  [[nodiscard]] virtual Acad::ErrorStatus getEndParam(double& param) const;
  [[nodiscard]] virtual Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
  [[nodiscard]] virtual Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;
  [[nodiscard]] virtual Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const;
  [[nodiscard]] virtual Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                          double& param) const;
  // The length along the curve from its start to the parameter.
  [[nodiscard]] virtual Acad::ErrorStatus getDistAtParam(double param, double& dist) const;
  [[nodiscard]] virtual Acad::ErrorStatus getParamAtDist(double dist, double& param) const;
  [[nodiscard]] virtual Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                         double& dist) const;
  [[nodiscard]] virtual Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const;
  // The point of the curve nearest to givenPoint; with extend, of the curve
  // extended (a line's infinite line, an arc's full circle).
  [[nodiscard]] virtual Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                            AcGePoint3d& pointOnCurve,
                                                            bool extend = false) const;
  // The area the curve encloses together with the chord from its end back
  // to its start.
  [[nodiscard]] virtual Acad::ErrorStatus getArea(double& area) const;
};

class AcDbLine : public AcDbCurve {
public:
  ACRX_DECLARE_MEMBERS(AcDbLine);
  AcDbLine() = default;
  AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : start_(start), end_(end) {}

  AcGePoint3d startPoint() const;
  [[nodiscard]] Acad::ErrorStatus setStartPoint(const AcGePoint3d& point);
  AcGePoint3d endPoint() const;
  [[nodiscard]] Acad::ErrorStatus setEndPoint(const AcGePoint3d& point);
  double thickness() const;
  [[nodiscard]] Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  // eInvalidInput for a zero vector; the normal is kept as a unit vector.
  [[nodiscard]] Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // Parameters run from 0 at the start point to the length at the end point.
  bool isClosed() const override { return false; }
  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // Start, midpoint, end; moving the midpoint moves the line.
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcGePoint3d start_;
  AcGePoint3d end_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
};

namespace zek {
// The plane and size of a circle or an arc as DXF files the AcDbCircle
// section: the centre in the OCS of the normal, radius, thickness.
struct CircleData {
  AcGePoint3d centreOcs;
  double radius = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double thickness = 0.0;
};
}  // namespace zek

class AcDbCircle : public AcDbCurve {
public:
  ACRX_DECLARE_MEMBERS(AcDbCircle);
  AcDbCircle() = default;
  // A negative radius is taken as its magnitude, a zero normal as the Z axis.
  AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);

  // The centre in world coordinates.
  AcGePoint3d center() const;
  [[nodiscard]] Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  // eInvalidInput for a negative or non-finite radius.
  [[nodiscard]] Acad::ErrorStatus setRadius(double radius);
  AcGeVector3d normal() const;
  // Keeps the world centre; eInvalidInput for a zero vector.
  [[nodiscard]] Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const;
  [[nodiscard]] Acad::ErrorStatus setThickness(double thickness);
  double circumference() const;
  double diameter() const { return 2.0 * radius(); }

  // Parameters are angles from the OCS X axis, 0 to 2π.
  bool isClosed() const override { return true; }
  bool isPeriodic() const override { return true; }
  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Rotations, mirrorings, moves and uniform scalings; eNotApplicable for a
  // matrix that would turn the circle into an ellipse.
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // Centre, then the quadrant points at 0, π/2, π, 3π/2. Moving the centre
  // moves the circle; moving a quadrant point sets the radius.
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  zek::CircleData data_;
};

class AcDbArc : public AcDbCurve {
public:
  ACRX_DECLARE_MEMBERS(AcDbArc);
  AcDbArc() = default;
  // Angles in radians, brought into [0, 2π); the normal is the Z axis.
  AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle);
  AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius,
          double startAngle, double endAngle);

  AcGePoint3d center() const;
  [[nodiscard]] Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  double radius() const;
  [[nodiscard]] Acad::ErrorStatus setRadius(double radius);
  // Angles from the OCS X axis, counter-clockwise about the normal, in [0, 2π).
  double startAngle() const;
  [[nodiscard]] Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const;
  [[nodiscard]] Acad::ErrorStatus setEndAngle(double angle);
  // The counter-clockwise sweep from start to end, in [0, 2π): equal angles
  // sweep nothing (a degenerate arc).
  double totalAngle() const;
  double length() const { return radius() * totalAngle(); }
  AcGeVector3d normal() const;
  [[nodiscard]] Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const;
  [[nodiscard]] Acad::ErrorStatus setThickness(double thickness);

  // Parameters are angles: startAngle to endAngle (plus 2π when smaller).
  bool isClosed() const override { return false; }
  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // Start, midpoint, end, centre. The centre moves the arc; the others make
  // the arc through the three points with the moved one.
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  zek::CircleData data_;
  double startAngle_ = 0.0;
  double endAngle_ = 0.0;
};

// An ellipse or elliptic arc in world coordinates: centre + cos t·major +
// sin t·minor for parameters t from startParam to endParam, the minor axis
// being normal × major × radiusRatio.
class AcDbEllipse : public AcDbCurve {
public:
  ACRX_DECLARE_MEMBERS(AcDbEllipse);
  AcDbEllipse() = default;
  // Angles measured from the major axis (not parameters), as the classic
  // constructor takes them. Bad input leaves the default ellipse.
  AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
              const AcGeVector3d& majorAxis, double radiusRatio, double startAngle = 0.0,
              double endAngle = 6.28318530717958647692);

  AcGePoint3d center() const;
  [[nodiscard]] Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  AcGeVector3d normal() const;
  AcGeVector3d majorAxis() const;
  AcGeVector3d minorAxis() const;
  double radiusRatio() const;
  // eInvalidInput outside (0, 1].
  [[nodiscard]] Acad::ErrorStatus setRadiusRatio(double ratio);
  // Parameters in [0, 2π]; a full ellipse runs from 0 to 2π.
  double startParam() const;
  double endParam() const;
  [[nodiscard]] Acad::ErrorStatus setStartParam(double param);
  [[nodiscard]] Acad::ErrorStatus setEndParam(double param);
  // Angles from the major axis to the end points.
  double startAngle() const;
  double endAngle() const;
  [[nodiscard]] Acad::ErrorStatus setStartAngle(double angle);
  [[nodiscard]] Acad::ErrorStatus setEndAngle(double angle);
  double paramAtAngle(double angle) const;
  double angleAtParam(double param) const;
  // Sets every field; eInvalidInput for a zero or non-perpendicular normal,
  // a zero major axis or a ratio outside (0, 1].
  [[nodiscard]] Acad::ErrorStatus set(const AcGePoint3d& center, const AcGeVector3d& unitNormal,
                                      const AcGeVector3d& majorAxis, double radiusRatio,
                                      double startAngle = 0.0,
                                      double endAngle = 6.28318530717958647692);

  bool isClosed() const override;
  bool isPeriodic() const override { return isClosed(); }
  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  // Lengths by adaptive Gauss–Legendre quadrature of the speed.
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Any affine matrix that keeps the plane a plane: the axes are found again
  // from the transformed conjugate diameters.
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // Centre, then the axis ends at parameters 0, π/2, π, 3π/2. Only the
  // centre moves (the ellipse with it).
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  double sweep() const;
  AcGePoint3d pointAt(double t) const;
  AcGeVector3d derivativeAt(double t) const;

  AcGePoint3d center_;
  AcGeVector3d majorAxis_ = AcGeVector3d::kXAxis;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double radiusRatio_ = 1.0;
  double startParam_ = 0.0;
  double endParam_ = 6.28318530717958647692;
};

namespace zek::curve {
struct SplineCurve;
}  // namespace zek::curve

// A NURBS curve in world coordinates, given by control points (evaluated by
// de Boor's algorithm) or by fit points only (a cubic through them, see the
// folder README).
class AcDbSpline : public AcDbCurve {
public:
  ACRX_DECLARE_MEMBERS(AcDbSpline);
  AcDbSpline() = default;
  // A spline from control data; see setNurbsData.
  AcDbSpline(int degree, bool rational, bool closed, bool periodic,
             const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
             const AcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);

  int degree() const;
  bool isRational() const;
  bool isPlanar() const;
  int numControlPoints() const;
  [[nodiscard]] Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
  [[nodiscard]] Acad::ErrorStatus setControlPointAt(int index, const AcGePoint3d& point);
  double weightAt(int index) const;
  int numKnots() const;
  double knotAt(int index) const;
  int numFitPoints() const;
  [[nodiscard]] Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;
  bool hasFitData() const;
  double fitTolerance() const;
  // Tangents at the first and last fit point (zero vectors when not given).
  AcGeVector3d startTangent() const;
  AcGeVector3d endTangent() const;
  AcGeVector3d normal() const;

  // Control data: degree 1 or more, knots non-decreasing and as many as
  // control points + degree + 1, weights empty or one per control point
  // (all positive). Answers eInvalidInput otherwise, the spline unchanged.
  [[nodiscard]] Acad::ErrorStatus setNurbsData(int degree, bool rational, bool closed,
                                               bool periodic,
                                               const AcGePoint3dArray& controlPoints,
                                               const AcGeDoubleArray& knots,
                                               const AcGeDoubleArray& weights,
                                               double controlPtTol = 0.0, double knotTol = 0.0);
  [[nodiscard]] Acad::ErrorStatus getNurbsData(int& degree, bool& rational, bool& closed,
                                               bool& periodic, AcGePoint3dArray& controlPoints,
                                               AcGeDoubleArray& knots, AcGeDoubleArray& weights,
                                               double& controlPtTol, double& knotTol) const;
  // Fit data: at least two points; zero tangents mean "not given".
  [[nodiscard]] Acad::ErrorStatus setFitData(const AcGePoint3dArray& fitPoints, int degree,
                                             double fitTolerance,
                                             const AcGeVector3d& startTangent,
                                             const AcGeVector3d& endTangent);
  [[nodiscard]] Acad::ErrorStatus getFitData(AcGePoint3dArray& fitPoints, int& degree,
                                             double& fitTolerance, bool& tangentsExist,
                                             AcGeVector3d& startTangent,
                                             AcGeVector3d& endTangent) const;

  // Parameters: the knot range of the control data, or the chord length
  // of the fit points (0 to the sum of their distances).
  bool isClosed() const override;
  bool isPeriodic() const override;
  [[nodiscard]] Acad::ErrorStatus getStartParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getEndParam(double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point,
                                                  double& param) const override;
  // Lengths by adaptive Gauss–Legendre quadrature, knot span by knot span.
  [[nodiscard]] Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  [[nodiscard]] Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point,
                                                 double& dist) const override;
  [[nodiscard]] Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const override;
  [[nodiscard]] Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint,
                                                    AcGePoint3d& pointOnCurve,
                                                    bool extend = false) const override;
  // The area of a planar spline (with its closing chord), in its plane.
  [[nodiscard]] Acad::ErrorStatus getArea(double& area) const override;

  // The box of the evaluated curve: samples in every knot span, each axis
  // extreme refined to well below 1e-6.
  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // The control points (the fit points for a spline without control data).
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;
  bool crossesBox(const AcDbExtents& box) const override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Groups a file gave that are optional in the format, written back only
  // when read (or set).
  static constexpr unsigned kHasNormal = 1, kHasKnotTol = 2, kHasControlTol = 4,
                            kHasFitTol = 8, kHasStartTangent = 16, kHasEndTangent = 32;

private:
  bool hasControlData() const { return !controlPoints_.empty(); }
  // The curve as evaluated (the control data, or the cubic through the fit
  // points), built on demand and never filed.
  const zek::curve::SplineCurve& evaluator() const;
  void invalidate();

  Adesk::Int16 flags_ = 0;  // group 70: 1 closed, 2 periodic, 4 rational, 8 planar, 16 linear
  Adesk::Int16 degree_ = 3;
  unsigned optional_ = 0;
  std::vector<double> knots_;
  std::vector<double> weights_;  // empty: every weight is 1
  std::vector<AcGePoint3d> controlPoints_;
  std::vector<AcGePoint3d> fitPoints_;
  double knotTol_ = 1e-10;
  double controlTol_ = 1e-10;
  double fitTol_ = 1e-10;
  AcGeVector3d startTangent_;
  AcGeVector3d endTangent_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  mutable std::shared_ptr<const zek::curve::SplineCurve> evaluator_;
};

class AcDbPoint : public AcDbEntity {
public:
  ACRX_DECLARE_MEMBERS(AcDbPoint);
  AcDbPoint() = default;
  explicit AcDbPoint(const AcGePoint3d& position) : position_(position) {}

  AcGePoint3d position() const;
  [[nodiscard]] Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double thickness() const;
  [[nodiscard]] Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  [[nodiscard]] Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The angle of the X axis of the point's display (group 50), in radians.
  double ecsRotation() const;
  [[nodiscard]] Acad::ErrorStatus setEcsRotation(double rotation);

  [[nodiscard]] Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  [[nodiscard]] Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  [[nodiscard]] Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints,
                                                AcDbIntArray& osnapModes,
                                                AcDbIntArray& geomIds) const override;
  using AcDbEntity::getGripPoints;
  [[nodiscard]] Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices,
                                                   const AcGeVector3d& offset) override;

  [[nodiscard]] Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  [[nodiscard]] Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  [[nodiscard]] Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

private:
  AcGePoint3d position_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
  double ecsRotation_ = 0.0;
};

namespace zek {
// Registers the curve classes with the class registry (so that the DXF
// reader finds CIRCLE, LWPOLYLINE, ... by name). Safe to call more than once.
void registerCurveClasses();
}  // namespace zek
