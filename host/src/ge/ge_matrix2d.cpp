// AcGeMatrix2d: products, inverse and the elementary transformations of the
// plane.
#include "ge_matrix.h"

#include <algorithm>
#include <cstring>

#include "square_matrix.h"

const AcGeMatrix2d AcGeMatrix2d::kIdentity;

AcGeMatrix2d& AcGeMatrix2d::setToIdentity() {
  return *this = AcGeMatrix2d();
}

AcGeMatrix2d AcGeMatrix2d::operator*(const AcGeMatrix2d& m) const {
  AcGeMatrix2d product;
  zek::ge::multiply<3>(entry, m.entry, product.entry);
  return product;
}

AcGeMatrix2d& AcGeMatrix2d::preMultBy(const AcGeMatrix2d& left) {
  zek::ge::multiply<3>(left.entry, entry, entry);
  return *this;
}

AcGeMatrix2d& AcGeMatrix2d::postMultBy(const AcGeMatrix2d& right) {
  zek::ge::multiply<3>(entry, right.entry, entry);
  return *this;
}

bool AcGeMatrix2d::operator==(const AcGeMatrix2d& m) const {
  return std::equal(&entry[0][0], &entry[0][0] + 9, &m.entry[0][0]);
}

bool AcGeMatrix2d::isEqualTo(const AcGeMatrix2d& m, const AcGeTol& tol) const {
  return zek::ge::isEqualTo<3>(entry, m.entry, tol.equalPoint(), tol.equalVector());
}

double AcGeMatrix2d::det() const {
  return zek::ge::determinant<3>(entry);
}

bool AcGeMatrix2d::isSingular(const AcGeTol& tol) const {
  return zek::ge::isSingular<3>(entry, tol.equalVector());
}

AcGeMatrix2d AcGeMatrix2d::inverse() const {
  AcGeMatrix2d result;
  if (!inverse(result, AcGeContext::gTol.equalVector()))
    return kIdentity;
  return result;
}

bool AcGeMatrix2d::inverse(AcGeMatrix2d& result, double tol) const {
  return zek::ge::invert<3>(entry, result.entry, tol);
}

AcGeMatrix2d& AcGeMatrix2d::invert() {
  return *this = inverse();
}

AcGeMatrix2d& AcGeMatrix2d::setTranslation(const AcGeVector2d& v) {
  entry[0][2] = v.x;
  entry[1][2] = v.y;
  return *this;
}

double AcGeMatrix2d::scale() const {
  const double col0 = std::hypot(entry[0][0], entry[1][0]);
  const double col1 = std::hypot(entry[0][1], entry[1][1]);
  return std::max(col0, col1);
}

AcGeMatrix2d AcGeMatrix2d::translation(const AcGeVector2d& v) {
  AcGeMatrix2d m;
  return m.setTranslation(v);
}

AcGeMatrix2d AcGeMatrix2d::rotation(double angle, const AcGePoint2d& center) {
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  AcGeMatrix2d m;
  m.entry[0][0] = c;
  m.entry[0][1] = -s;
  m.entry[1][0] = s;
  m.entry[1][1] = c;
  // center stays where it is: t = center − R·center.
  m.entry[0][2] = center.x - (c * center.x - s * center.y);
  m.entry[1][2] = center.y - (s * center.x + c * center.y);
  return m;
}

AcGeMatrix2d AcGeMatrix2d::scaling(double factor, const AcGePoint2d& center) {
  AcGeMatrix2d m;
  m.entry[0][0] = factor;
  m.entry[1][1] = factor;
  m.entry[0][2] = (1.0 - factor) * center.x;
  m.entry[1][2] = (1.0 - factor) * center.y;
  return m;
}

AcGeMatrix2d AcGeMatrix2d::mirroring(const AcGePoint2d& p1, const AcGePoint2d& p2) {
  const AcGeVector2d dir = p2 - p1;
  const double lenSqrd = dir.lengthSqrd();
  AcGeMatrix2d m;
  if (lenSqrd == 0.0)
    return m;
  // Householder reflection across the line's direction d (unit):
  // R = 2·d·dᵀ − I, then t = p1 − R·p1 keeps the line in place.
  const double xx = dir.x * dir.x / lenSqrd;
  const double yy = dir.y * dir.y / lenSqrd;
  const double xy = dir.x * dir.y / lenSqrd;
  m.entry[0][0] = xx - yy;
  m.entry[0][1] = 2.0 * xy;
  m.entry[1][0] = 2.0 * xy;
  m.entry[1][1] = yy - xx;
  m.entry[0][2] = p1.x - (m.entry[0][0] * p1.x + m.entry[0][1] * p1.y);
  m.entry[1][2] = p1.y - (m.entry[1][0] * p1.x + m.entry[1][1] * p1.y);
  return m;
}
