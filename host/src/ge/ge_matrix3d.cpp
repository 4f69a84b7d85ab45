// AcGeMatrix3d: products, inverse, measures and the elementary
// transformations of space (translation, rotation, scaling, mirroring).
#include "ge_matrix.h"

#include <algorithm>
#include <cstring>

#include "square_matrix.h"

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

namespace {

AcGeVector3d column(const AcGeMatrix3d& m, int c) {
  return {m.entry[0][c], m.entry[1][c], m.entry[2][c]};
}

void setColumn(AcGeMatrix3d& m, int c, const AcGeVector3d& v) {
  m.entry[0][c] = v.x;
  m.entry[1][c] = v.y;
  m.entry[2][c] = v.z;
}

}  // namespace

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
  return *this = AcGeMatrix3d();
}

AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& m) const {
  AcGeMatrix3d product;
  zek::ge::multiply<4>(entry, m.entry, product.entry);
  return product;
}

AcGeMatrix3d& AcGeMatrix3d::preMultBy(const AcGeMatrix3d& left) {
  zek::ge::multiply<4>(left.entry, entry, entry);
  return *this;
}

AcGeMatrix3d& AcGeMatrix3d::postMultBy(const AcGeMatrix3d& right) {
  zek::ge::multiply<4>(entry, right.entry, entry);
  return *this;
}

bool AcGeMatrix3d::operator==(const AcGeMatrix3d& m) const {
  return std::equal(&entry[0][0], &entry[0][0] + 16, &m.entry[0][0]);
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol) const {
  return zek::ge::isEqualTo<4>(entry, m.entry, tol.equalPoint(), tol.equalVector());
}

double AcGeMatrix3d::det() const {
  return zek::ge::determinant<4>(entry);
}

bool AcGeMatrix3d::isSingular(const AcGeTol& tol) const {
  return zek::ge::isSingular<4>(entry, tol.equalVector());
}

AcGeMatrix3d AcGeMatrix3d::inverse() const {
  AcGeMatrix3d result;
  if (!inverse(result, AcGeContext::gTol.equalVector()))
    return kIdentity;
  return result;
}

bool AcGeMatrix3d::inverse(AcGeMatrix3d& result, double tol) const {
  return zek::ge::invert<4>(entry, result.entry, tol);
}

AcGeMatrix3d& AcGeMatrix3d::invert() {
  return *this = inverse();
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& v) {
  setColumn(*this, 3, v);
  return *this;
}

double AcGeMatrix3d::scale() const {
  return std::max({column(*this, 0).length(), column(*this, 1).length(),
                   column(*this, 2).length()});
}

bool AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!zek::ge::isAffine<4>(entry))
    return false;
  const AcGeVector3d cols[3] = {column(*this, 0), column(*this, 1), column(*this, 2)};
  const double len = cols[0].length();
  if (len <= tol.equalVector())
    return false;
  const double eps = tol.equalVector() * len;
  for (int i = 1; i < 3; ++i)
    if (std::fabs(cols[i].length() - len) > eps)
      return false;
  for (int i = 0; i < 3; ++i)
    for (int j = i + 1; j < 3; ++j)
      if (std::fabs(cols[i].dotProduct(cols[j])) > eps * len)
        return false;
  return true;
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis,
                                  AcGeVector3d& yAxis, AcGeVector3d& zAxis) const {
  const AcGeVector3d t = translation();
  origin.set(t.x, t.y, t.z);
  xAxis = column(*this, 0);
  yAxis = column(*this, 1);
  zAxis = column(*this, 2);
}

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis,
                                           const AcGeVector3d& zAxis) {
  setToIdentity();
  setColumn(*this, 0, xAxis);
  setColumn(*this, 1, yAxis);
  setColumn(*this, 2, zAxis);
  return setTranslation(origin.asVector());
}

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& v) {
  AcGeMatrix3d m;
  return m.setTranslation(v);
}

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis,
                                    const AcGePoint3d& center) {
  AcGeMatrix3d m;
  const double len = axis.length();
  if (len == 0.0)
    return m;
  const AcGeVector3d u = axis / len;
  const double c = std::cos(angle);
  const double s = std::sin(angle);
  const double t = 1.0 - c;
  // Rodrigues: R = c·I + s·[u]× + (1 − c)·u·uᵀ.
  m.entry[0][0] = c + t * u.x * u.x;
  m.entry[0][1] = t * u.x * u.y - s * u.z;
  m.entry[0][2] = t * u.x * u.z + s * u.y;
  m.entry[1][0] = t * u.y * u.x + s * u.z;
  m.entry[1][1] = c + t * u.y * u.y;
  m.entry[1][2] = t * u.y * u.z - s * u.x;
  m.entry[2][0] = t * u.z * u.x - s * u.y;
  m.entry[2][1] = t * u.z * u.y + s * u.x;
  m.entry[2][2] = c + t * u.z * u.z;
  // center stays where it is: t = center − R·center.
  AcGeVector3d rotated = center.asVector();
  rotated.transformBy(m);
  return m.setTranslation(center.asVector() - rotated);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double factor, const AcGePoint3d& center) {
  AcGeMatrix3d m;
  for (int i = 0; i < 3; ++i)
    m.entry[i][i] = factor;
  return m.setTranslation(center.asVector() * (1.0 - factor));
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& point) {
  return scaling(-1.0, point);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& p1, const AcGePoint3d& p2) {
  // The plane reflection is the 2D reflection in xy with z passed through.
  const AcGeMatrix2d flat = AcGeMatrix2d::mirroring(p1.convert2d(), p2.convert2d());
  AcGeMatrix3d m;
  for (int r = 0; r < 2; ++r) {
    m.entry[r][0] = flat.entry[r][0];
    m.entry[r][1] = flat.entry[r][1];
    m.entry[r][3] = flat.entry[r][2];
  }
  return m;
}
