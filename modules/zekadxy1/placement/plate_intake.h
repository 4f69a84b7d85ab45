// Collecting a placement run's selection: hole targets, the free-room index
// of everything drawn, the outline candidates and ZEKXY6's profiles.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "chains/end_node_map.h"
#include "placement/geometry_index.h"
#include "placement/ordinate_layout.h"
#include "placement/outline_features.h"
#include "settings/ordinate_settings.h"

namespace zek::adxy1 {

// A line, arc or spline entered into the chain builder, kept by its id so
// the outline's features can be read off its segments.
struct OutlineSegment {
  enum class Kind { Line, Arc, Spline } kind = Kind::Line;
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;  // end points
  double cx = 0.0, cy = 0.0, radius = 0.0, start = 0.0, end = 0.0;  // arcs
};

struct PlateIntake {
  explicit PlateIntake(double cellSize) : index(cellSize) {}

  RunCollections collections;
  GeometryIndex index;
  EndNodeMap nodes;
  std::unordered_map<AcDbObjectId, OutlineSegment> segments;
  std::vector<PolylineVertex> longestPolyline;
  double longestPolylinePerimeter = -1.0;
  std::optional<std::string> firstLayer;  // of the first entity of the selection
  int lockedCount = 0;
};

struct IntakeRules {
  const OrdinateSettings& settings;
  const LayerCodeTable& layers;
};

// The code of a layer: its name upper-cased, looked up in the table.
std::optional<int> layerCodeOfName(const LayerCodeTable& table, const std::string& name);

// Step through the selection in order: every entity that opens for read is
// collected; one that will not prints "_LAYER_LOCKED_".
void collectPlate(const std::vector<AcDbObjectId>& ids, const IntakeRules& rules,
                  PlateIntake& intake);

// The outline: the longest chain of the collected segments, or the longest
// polyline when it is at least as long; its features go into the outline
// collections. Answers the outline's bounds (its points and the extremes of
// its arcs), none when the selection has no outline.
std::optional<PlateBounds> collectOutline(PlateIntake& intake, int decimals);

// ZEKXY6's profiles: lines, arcs and lightweight polylines, each on its own.
void collectProfiles(const std::vector<AcDbObjectId>& ids, int decimals, PlateIntake& intake);

// The features of a chain of collected segments, for tests.
void addChainFeatures(const Chain& chain,
                      const std::unordered_map<AcDbObjectId, OutlineSegment>& segments,
                      std::vector<FeaturePoint>& out);
double chainPerimeter(const Chain& chain);

}  // namespace zek::adxy1
