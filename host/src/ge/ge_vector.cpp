// Measures, normalisation, rotation and transformation of AcGeVector2d and
// AcGeVector3d.
#include "ge_vector.h"

#include <numbers>

#include "ge_matrix.h"

const AcGeVector2d AcGeVector2d::kIdentity(0.0, 0.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);

const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

// ---- AcGeVector2d ----

bool AcGeVector2d::isEqualTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

double AcGeVector2d::angle() const {
  if (x == 0.0 && y == 0.0)
    return 0.0;
  double a = std::atan2(y, x);
  if (a < 0.0)
    a += 2.0 * std::numbers::pi;
  // A tiny negative angle rounds up to 2π itself: that direction is 0.
  return a >= 2.0 * std::numbers::pi ? 0.0 : a;
}

double AcGeVector2d::angleTo(const AcGeVector2d& v) const {
  // atan2 of sine and cosine stays accurate near 0 and π, where acos is not.
  return std::atan2(std::fabs(crossProduct(v)), dotProduct(v));
}

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const {
  AcGeVector2d result(*this);
  return result.normalize(tol);
}

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol) {
  const double len = length();
  if (len > tol.equalVector())
    *this /= len;
  return *this;
}

AcGeVector2d& AcGeVector2d::rotateBy(double angle) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  return set(c * x - s * y, s * x + c * y);
}

AcGeVector2d& AcGeVector2d::transformBy(const AcGeMatrix2d& m) {
  return set(m.entry[0][0] * x + m.entry[0][1] * y, m.entry[1][0] * x + m.entry[1][1] * y);
}

bool AcGeVector2d::isZeroLength(const AcGeTol& tol) const {
  return length() <= tol.equalVector();
}

bool AcGeVector2d::isParallelTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol))
    return false;
  return std::fabs(crossProduct(v)) <= tol.equalVector() * length() * v.length();
}

bool AcGeVector2d::isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol))
    return false;
  return std::fabs(dotProduct(v)) <= tol.equalVector() * length() * v.length();
}

// ---- AcGeVector3d ----

bool AcGeVector3d::isEqualTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

double AcGeVector3d::angleTo(const AcGeVector3d& v) const {
  return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double AcGeVector3d::angleTo(const AcGeVector3d& v, const AcGeVector3d& refVec) const {
  const double unsignedAngle = angleTo(v);
  if (refVec.dotProduct(crossProduct(v)) >= 0.0)
    return unsignedAngle;
  const double a = 2.0 * std::numbers::pi - unsignedAngle;
  return a >= 2.0 * std::numbers::pi ? 0.0 : a;
}

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const {
  AcGeVector3d result(*this);
  return result.normalize(tol);
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol) {
  const double len = length();
  if (len > tol.equalVector())
    *this /= len;
  return *this;
}

AcGeVector3d AcGeVector3d::perpVector() const {
  const double len = length();
  if (len == 0.0)
    return {};
  // The arbitrary-axis rule, scaled to this vector's length: near the Z axis
  // the cross product with Z would be tiny and unstable, so Y is used there.
  constexpr double kArbitraryAxisBound = 1.0 / 64.0;
  const bool nearZ = std::fabs(x) < kArbitraryAxisBound * len &&
                     std::fabs(y) < kArbitraryAxisBound * len;
  const AcGeVector3d axis = nearZ ? kYAxis : kZAxis;
  return axis.crossProduct(*this).normal() * len;
}

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis) {
  return transformBy(AcGeMatrix3d::rotation(angle, axis));
}

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) {
  const auto& e = m.entry;
  return set(e[0][0] * x + e[0][1] * y + e[0][2] * z, e[1][0] * x + e[1][1] * y + e[1][2] * z,
             e[2][0] * x + e[2][1] * y + e[2][2] * z);
}

bool AcGeVector3d::isZeroLength(const AcGeTol& tol) const {
  return length() <= tol.equalVector();
}

bool AcGeVector3d::isParallelTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol))
    return false;
  return crossProduct(v).length() <= tol.equalVector() * length() * v.length();
}

bool AcGeVector3d::isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  return isParallelTo(v, tol) && dotProduct(v) > 0.0;
}

bool AcGeVector3d::isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol))
    return false;
  return std::fabs(dotProduct(v)) <= tol.equalVector() * length() * v.length();
}
