// Centre records of the circles and arcs a centre-line command collects, and
// their merging: concentric circles on one layer share one cross. No host
// calls; the commands feed it what they read from the drawing.
#pragma once

#include <span>
#include <vector>

#include "db_core.h"
#include "ge_point.h"

namespace zek {

// The settings ZEKCENLINE1 and ZEKCENLINE2 share while the module is loaded.
struct CentreLineSettings {
  bool arcsIncluded = true;
  double minRadius = 0.45;  // a cross needs a radius greater than this
  double extension = 0.0;   // how far each centre line runs beyond the circle
};

// One cross to draw: the centre (world coordinates), the largest radius met
// there on the layer, and the layer of the circle or arc it came from.
struct CentreRecord {
  AcGePoint3d centre;
  double radius = 0.0;
  AcDbObjectId layerId;
};

using CentreList = std::vector<CentreRecord>;

// Merges one circle or arc into the list. A record of the same layer with the
// very same centre (exact equality) keeps the larger radius and nothing is
// added; otherwise a new record goes on the end when the radius is greater
// than minRadius. The list keeps the order in which centres were first met.
void mergeCentre(CentreList& centres, const CentreRecord& found, double minRadius);

// A circle or an arc of the selection, as read from the drawing.
enum class CurveKind { Circle, Arc };
struct FoundCurve {
  CurveKind kind = CurveKind::Circle;
  CentreRecord centre;
};

// The crosses to draw for the curves found, in selection order: every circle,
// the arcs only while arcs are included, merged as mergeCentre does with the
// settings' minimum radius.
CentreList centresOf(std::span<const FoundCurve> found, const CentreLineSettings& settings);

}  // namespace zek
