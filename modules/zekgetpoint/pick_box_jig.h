// PickBoxJig: the drag that shows a box of a known size at the cursor until
// the drafter picks a point.
#pragma once

#include "aced_jig.h"
#include "db_polyline.h"
#include "pick_box.h"

namespace zek {

// Drags a closed four-vertex polyline, drawn from world-coordinate cursor
// points. The polyline is the jig's own: never added to the drawing, deleted
// with the jig.
class PickBoxJig : public AcEdJig {
public:
  PickBoxJig(double width, double height, bool centred);

  DragStatus sampler() override;
  Adesk::Boolean update() override;
  AcDbEntity* entity() const override;

  // The last accepted cursor point (world; the origin until a sample is
  // accepted).
  const AcGePoint3d& lastPoint() const { return cursor_; }

private:
  AcGePoint3d cursor_{0.0, 0.0, 0.0};
  bool centred_;
  PickBoxExtents extents_;
  mutable AcDbPolyline box_;
};

}  // namespace zek
