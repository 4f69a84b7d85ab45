// AcDbExtents: growing, moving and transforming axis-aligned boxes.
#include "db_extents.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kHuge = std::numeric_limits<double>::max();

}  // namespace

AcDbExtents::AcDbExtents() : min_(kHuge, kHuge, kHuge), max_(-kHuge, -kHuge, -kHuge) {}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max) {
  if (min.x > max.x || min.y > max.y || min.z > max.z)
    return Acad::eInvalidExtents;
  min_ = min;
  max_ = max;
  return Acad::eOk;
}

void AcDbExtents::addPoint(const AcGePoint3d& point) {
  min_.set(std::min(min_.x, point.x), std::min(min_.y, point.y), std::min(min_.z, point.z));
  max_.set(std::max(max_.x, point.x), std::max(max_.y, point.y), std::max(max_.z, point.z));
}

void AcDbExtents::addExt(const AcDbExtents& other) {
  if (!other.isValid())
    return;
  addPoint(other.min_);
  addPoint(other.max_);
}

void AcDbExtents::expandBy(const AcGeVector3d& vec) {
  if (!isValid())
    return;
  const AcGePoint3d movedMin = min_ + vec;
  const AcGePoint3d movedMax = max_ + vec;
  addPoint(movedMin);
  addPoint(movedMax);
}

void AcDbExtents::transformBy(const AcGeMatrix3d& matrix) {
  if (!isValid())
    return;
  AcDbExtents result;
  for (int corner = 0; corner < 8; ++corner) {
    AcGePoint3d p((corner & 1) ? max_.x : min_.x, (corner & 2) ? max_.y : min_.y,
                  (corner & 4) ? max_.z : min_.z);
    result.addPoint(p.transformBy(matrix));
  }
  *this = result;
}

bool AcDbExtents::isValid() const {
  return min_.x <= max_.x && min_.y <= max_.y && min_.z <= max_.z;
}

bool AcDbExtents::contains(const AcGePoint3d& point) const {
  return min_.x <= point.x && point.x <= max_.x && min_.y <= point.y && point.y <= max_.y &&
         min_.z <= point.z && point.z <= max_.z;
}

bool AcDbExtents::intersects(const AcDbExtents& other) const {
  if (!isValid() || !other.isValid())
    return false;
  return min_.x <= other.max_.x && other.min_.x <= max_.x && min_.y <= other.max_.y &&
         other.min_.y <= max_.y && min_.z <= other.max_.z && other.min_.z <= max_.z;
}
