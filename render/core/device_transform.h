// The affine map from an entity's coordinates to picture pixels: the block
// transformations it sits under, then the plan view (z dropped), then the
// picture frame. Affine maps carry ellipses to ellipses, so every circle,
// arc and ellipse is drawn from its device centre and two device axes.
#pragma once

#include <cmath>

#include "core/picture_frame.h"
#include "ge_geometry.h"

namespace zek::render {

struct DevicePoint {
  double x = 0.0;
  double y = 0.0;
};

// device = M · (x, y, z, 1), two rows of four.
class DeviceTransform {
public:
  DeviceTransform() = default;
  // World coordinates straight onto the picture.
  explicit DeviceTransform(const PictureFrame& frame);

  // This map applied after `inner` (block coordinates to world coordinates).
  DeviceTransform after(const AcGeMatrix3d& inner) const;

  DevicePoint point(double x, double y, double z = 0.0) const {
    return {m_[0][0] * x + m_[0][1] * y + m_[0][2] * z + m_[0][3],
            m_[1][0] * x + m_[1][1] * y + m_[1][2] * z + m_[1][3]};
  }
  DevicePoint point(const AcGePoint3d& p) const { return point(p.x, p.y, p.z); }
  // A direction (no translation).
  DevicePoint vector(const AcGeVector3d& v) const {
    return {m_[0][0] * v.x + m_[0][1] * v.y + m_[0][2] * v.z,
            m_[1][0] * v.x + m_[1][1] * v.y + m_[1][2] * v.z};
  }
  // How many pixels a unit length becomes: the square root of the area
  // factor of the XY part (lengths along a skewed axis differ, dash
  // patterns and chord tolerances take this mean).
  double lengthScale() const { return std::sqrt(std::fabs(m_[0][0] * m_[1][1] - m_[0][1] * m_[1][0])); }
  // The largest stretch of the XY part.
  double maxStretch() const;
  // The entries as cairo wants them for text in the XY plane at height z.
  void cairoEntries(double z, double& xx, double& yx, double& xy, double& yy, double& x0,
                    double& y0) const;

private:
  double m_[2][4] = {{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}};
};

}  // namespace zek::render
