// The affine map from entity coordinates to picture pixels.
#include "core/device_transform.h"

#include <algorithm>

namespace zek::render {

DeviceTransform::DeviceTransform(const PictureFrame& frame) {
  m_[0][0] = frame.scale;
  m_[0][1] = 0.0;
  m_[0][3] = frame.originX;
  m_[1][0] = 0.0;
  m_[1][1] = -frame.scale;
  m_[1][3] = frame.originY;
}

DeviceTransform DeviceTransform::after(const AcGeMatrix3d& inner) const {
  DeviceTransform t;
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 4; ++column) {
      double sum = column == 3 ? m_[row][3] : 0.0;
      for (int k = 0; k < 3; ++k)
        sum += m_[row][k] * inner.entry[k][column];
      t.m_[row][column] = sum;
    }
  return t;
}

double DeviceTransform::maxStretch() const {
  // The larger singular value of the 2×2 XY part.
  const double a = m_[0][0], b = m_[0][1], c = m_[1][0], d = m_[1][1];
  const double s = a * a + b * b + c * c + d * d;
  const double det = a * d - b * c;
  const double disc = std::sqrt(std::max(0.0, s * s / 4.0 - det * det));
  return std::sqrt(s / 2.0 + disc);
}

void DeviceTransform::cairoEntries(double z, double& xx, double& yx, double& xy, double& yy,
                                   double& x0, double& y0) const {
  xx = m_[0][0];
  xy = m_[0][1];
  yx = m_[1][0];
  yy = m_[1][1];
  x0 = m_[0][3] + m_[0][2] * z;
  y0 = m_[1][3] + m_[1][2] * z;
}

}  // namespace zek::render
