// Areas the host keeps as groups (HATCH, SOLID, TRACE, 3DFACE): their
// outlines, filled or stroked.
#include <algorithm>

#include "core/entity_drawer.h"
#include "core/flattening.h"
#include "db/kept_object.h"
#include "shapes/area_shapes.h"

namespace zek::render {

bool EntityDrawer::drawKept(const KeptEntity& kept, const EntityLook& look,
                            const DrawContext& context) {
  // The kept groups give extents where they hold points: cull on them
  // before reading the outline.
  AcDbExtents extents;
  if (kept.getGeomExtents(extents) == Acad::eOk && extents.isValid() &&
      !canvas_.meetsPicture(deviceBoxOf(extents, context.device)))
    return false;
  const double scale = context.device.lengthScale();
  if (!(scale > 0.0))
    return false;
  const std::optional<AreaShape> shape = areaShapeOf(kept, kChordTolerance / scale);
  if (!shape)
    return false;
  // Visible edges of a face some of whose edges are not.
  bool drawn = false;
  for (const auto& run : shape->open) {
    std::vector<DevicePoint>& points = scratch();
    for (const AcGePoint3d& p : run)
      points.push_back(context.device.point(p));
    drawn = strokeRun(look, context, points, false) || drawn;
  }

  // Every loop on the picture, kept apart for an even-odd fill.
  std::vector<std::vector<DevicePoint>>& loops = keptLoops_;
  loops.resize(shape->loops.size());
  std::size_t used = 0;
  for (const auto& loop : shape->loops) {
    if (loop.size() < 2)
      continue;
    std::vector<DevicePoint>& points = loops[used++];
    points.clear();
    for (const AcGePoint3d& p : loop)
      points.push_back(context.device.point(p));
  }
  if (used == 0)
    return drawn;
  if (!shape->filled) {
    for (std::size_t i = 0; i < used; ++i)
      drawn = strokeRun(look, context, loops[i], true) || drawn;
    return drawn;
  }
  if (used == 1)
    return fillRun(look, loops[0]) || drawn;
  std::vector<const DevicePoint*> starts;
  std::vector<std::size_t> counts;
  for (std::size_t i = 0; i < used; ++i) {
    starts.push_back(loops[i].data());
    counts.push_back(loops[i].size());
  }
  canvas_.fillEvenOdd(styles_.rgbOf(look.colour), starts.data(), counts.data(), used);
  return true;
}

}  // namespace zek::render
