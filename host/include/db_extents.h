// AcDbExtents: an axis-aligned box in world coordinates, as entities and
// databases answer their extents. A new box is empty (min = +huge,
// max = −huge) and grows with every point or box added to it.
#pragma once

#include "acad_status.h"
#include "ge_geometry.h"

class AcDbExtents {
public:
  // The empty box: adding the first point makes it that point.
  AcDbExtents();
  // The box with these corners, taken as given (isValid() tells whether
  // min ≤ max on every axis).
  AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : min_(min), max_(max) {}

  const AcGePoint3d& minPoint() const { return min_; }
  const AcGePoint3d& maxPoint() const { return max_; }
  // Sets both corners: eOk, or eInvalidExtents (the box unchanged) when min
  // lies above max on some axis. A box of one point (min = max) is valid.
  [[nodiscard]] Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);

  // Grows the box to hold the point.
  void addPoint(const AcGePoint3d& point);
  // Grows the box to hold the other box; an empty one adds nothing.
  void addExt(const AcDbExtents& other);
  // Grows the box to hold itself moved by vec: a positive component moves
  // that axis' maximum, a negative one its minimum. An empty box stays empty.
  void expandBy(const AcGeVector3d& vec);
  // The box holding the eight corners of this box transformed; an empty box
  // stays empty.
  void transformBy(const AcGeMatrix3d& matrix);

  // Our additions.
  // min ≤ max on every axis: false for the empty box.
  bool isValid() const;
  // The point lies inside or on the boundary; the empty box holds nothing.
  bool contains(const AcGePoint3d& point) const;
  // The boxes share at least one point (touching counts); an empty box
  // meets nothing.
  bool intersects(const AcDbExtents& other) const;

private:
  AcGePoint3d min_;
  AcGePoint3d max_;
};
