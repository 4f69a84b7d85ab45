// The layout of a placement run: which targets carry a dimension, where each
// text sits along its leader, jogs for long leaders and crowded texts, and
// the centre lines through aligned holes.
#pragma once

#include <vector>

#include "placement/geometry_index.h"
#include "placement/ordinate_model.h"

namespace zek::adxy1 {

struct LayoutInputs {
  LayoutSizes sizes;
  PlateBounds bounds;          // of the drawn geometry
  AcGePoint2d zero;
  double leaderLimit = 50.0;   // leaderFactor × H: longer leaders are jogged
  double outsideDistance = 25.0;  // outsideFactor × H
  double centreGap = 50.0;
  bool centreLines = true;
  int holeDecimals = 2;        // text widths of the hole collections
  int outlineDecimals = 2;     // and of the outline collections
};

// A centre line along an ordinate: x = value from y = from to y = to for an
// X group, y = value from x = from to x = to for a Y group.
struct CentreLineRun {
  Axis axis;
  double value;
  double from;
  double to;
};

// The four collections of a run; outline holds the outline and profile
// features.
struct RunCollections {
  OrdinateCollection holesX{Axis::X};
  OrdinateCollection holesY{Axis::Y};
  OrdinateCollection outlineX{Axis::X};
  OrdinateCollection outlineY{Axis::Y};
};

// Lays out every collection (finished) against the index, which holds the
// drawn geometry. Answers the centre lines to draw (none when
// inputs.centreLines is off).
std::vector<CentreLineRun> layOutOrdinates(RunCollections& collections, GeometryIndex& index,
                                           const LayoutInputs& inputs);

// The pieces, for tests.
double estimatedTextWidth(double value, double zeroOrdinate, int decimals, double textHeight);
void numberRuns(OrdinateGroup& group, double centreGap);
std::vector<CentreLineRun> centreLinesOf(const OrdinateCollection& holes);

}  // namespace zek::adxy1
