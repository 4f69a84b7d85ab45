// Merging centre records: one cross per layer and centre.
#include "centres.h"

#include <algorithm>

namespace zek {

void mergeCentre(CentreList& centres, const CentreRecord& found, double minRadius) {
  auto same = std::find_if(centres.begin(), centres.end(), [&](const CentreRecord& record) {
    return record.layerId == found.layerId && record.centre == found.centre;
  });
  if (same != centres.end()) {
    // Concentric holes on one layer get one cross, sized for the largest.
    same->radius = std::max(same->radius, found.radius);
    return;
  }
  if (found.radius > minRadius)
    centres.push_back(found);
}

CentreList centresOf(std::span<const FoundCurve> found, const CentreLineSettings& settings) {
  CentreList centres;
  for (const FoundCurve& curve : found) {
    // Arcs count only while "Arc included" is on; the setting lives until the module unloads.
    if (curve.kind == CurveKind::Arc && !settings.arcsIncluded)
      continue;
    mergeCentre(centres, curve.centre, settings.minRadius);
  }
  return centres;
}

}  // namespace zek
