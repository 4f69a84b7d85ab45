// AcGePoint2d and AcGePoint3d: positions, with the arithmetic against vectors,
// distances, comparisons and transformations of the classic geometry
// interface. Equality (== and !=) is exact; isEqualTo compares within a
// tolerance.
#pragma once

#include <cmath>

#include "ge_tol.h"
#include "ge_vector.h"

class AcGeMatrix2d;
class AcGeMatrix3d;

class AcGePoint2d {
public:
  constexpr AcGePoint2d() = default;
  constexpr AcGePoint2d(double xValue, double yValue) : x(xValue), y(yValue) {}

  static const AcGePoint2d kOrigin;

  AcGePoint2d& set(double xValue, double yValue) { x = xValue; y = yValue; return *this; }

  AcGePoint2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGePoint2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d operator-(const AcGePoint2d& p) const { return {x - p.x, y - p.y}; }
  AcGePoint2d& operator+=(const AcGeVector2d& v) { x += v.x; y += v.y; return *this; }
  AcGePoint2d& operator-=(const AcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  // Scaling about the origin.
  AcGePoint2d operator*(double s) const { return {x * s, y * s}; }
  AcGePoint2d operator/(double s) const { return {x / s, y / s}; }
  double operator[](unsigned int i) const { return i == 0 ? x : y; }
  double& operator[](unsigned int i) { return i == 0 ? x : y; }

  // Exact comparison, component by component.
  bool operator==(const AcGePoint2d& p) const { return x == p.x && y == p.y; }
  bool operator!=(const AcGePoint2d& p) const { return !(*this == p); }
  // The points lie no farther apart than tol.equalPoint().
  bool isEqualTo(const AcGePoint2d& p, const AcGeTol& tol = AcGeContext::gTol) const {
    return distanceTo(p) <= tol.equalPoint();
  }

  double distanceTo(const AcGePoint2d& p) const { return std::hypot(x - p.x, y - p.y); }
  AcGeVector2d asVector() const { return {x, y}; }

  // Turns the point counter-clockwise by angle (radians) about wrtPoint.
  AcGePoint2d& rotateBy(double angle, const AcGePoint2d& wrtPoint = kOrigin);
  // Moves the point to wrtPoint + factor × (point − wrtPoint).
  AcGePoint2d& scaleBy(double factor, const AcGePoint2d& wrtPoint = kOrigin);
  AcGePoint2d& transformBy(const AcGeMatrix2d& m);

  double x = 0.0;
  double y = 0.0;
};

inline AcGePoint2d operator*(double s, const AcGePoint2d& p) { return p * s; }

class AcGePoint3d {
public:
  constexpr AcGePoint3d() = default;
  constexpr AcGePoint3d(double xValue, double yValue, double zValue)
      : x(xValue), y(yValue), z(zValue) {}

  static const AcGePoint3d kOrigin;

  AcGePoint3d& set(double xValue, double yValue, double zValue) {
    x = xValue; y = yValue; z = zValue;
    return *this;
  }

  AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  AcGePoint3d& operator+=(const AcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  AcGePoint3d& operator-=(const AcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  // Scaling about the origin.
  AcGePoint3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGePoint3d operator/(double s) const { return {x / s, y / s, z / s}; }
  double operator[](unsigned int i) const { return i == 0 ? x : i == 1 ? y : z; }
  double& operator[](unsigned int i) { return i == 0 ? x : i == 1 ? y : z; }

  // Exact comparison, component by component.
  bool operator==(const AcGePoint3d& p) const { return x == p.x && y == p.y && z == p.z; }
  bool operator!=(const AcGePoint3d& p) const { return !(*this == p); }
  // The points lie no farther apart than tol.equalPoint().
  bool isEqualTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const {
    return distanceTo(p) <= tol.equalPoint();
  }

  double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }
  AcGeVector3d asVector() const { return {x, y, z}; }
  // The xy part: the point as seen in the XY plane.
  AcGePoint2d convert2d() const { return {x, y}; }

  // Turns the point by angle (radians) about the axis through wrtPoint,
  // counter-clockwise as seen from the axis' tip (right-hand rule).
  AcGePoint3d& rotateBy(double angle, const AcGeVector3d& axis,
                        const AcGePoint3d& wrtPoint = kOrigin);
  // Moves the point to wrtPoint + factor × (point − wrtPoint).
  AcGePoint3d& scaleBy(double factor, const AcGePoint3d& wrtPoint = kOrigin);
  AcGePoint3d& transformBy(const AcGeMatrix3d& m);

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline AcGePoint3d operator*(double s, const AcGePoint3d& p) { return p * s; }
