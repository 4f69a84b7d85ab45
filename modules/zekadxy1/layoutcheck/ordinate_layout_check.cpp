// The layout check: the texts put in a grid of cells about a text long, the
// drawn geometry cut into pieces a cell long and tested only against the
// texts of the cells it passes, the holes looked up among the sorted
// features of the dimensions.
#include "layoutcheck/ordinate_layout_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>

#include "layoutcheck/layout_grid.h"
#include "layoutcheck/layout_scene.h"

namespace zek::adxy1 {

namespace {

// A piece of geometry is cut into at most this many pieces for the grid.
constexpr double kMostPieces = 100000.0;
// Lines the summary lists at most.
constexpr std::size_t kListedLines = 8;

struct Hit {
  std::uint32_t dimension;
  OverlapKind kind;
  std::uint32_t other;  // a dimension (text-text, text-leader) or an owner
  bool marked;

  auto key() const { return std::tie(dimension, kind, other); }
  bool operator<(const Hit& h) const { return key() < h.key(); }
  bool operator==(const Hit& h) const { return key() == h.key(); }
};

// The part of the segment inside the bounds (Liang-Barsky); false when none.
bool clipToBounds(AcGePoint2d& a, AcGePoint2d& b, const Bounds2d& bounds) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0.0, t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - bounds.minX, bounds.maxX - a.x, a.y - bounds.minY, bounds.maxY - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0)
        return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1)
      return false;
  }
  const AcGePoint2d from = a;
  a = AcGePoint2d(from.x + t0 * dx, from.y + t0 * dy);
  b = AcGePoint2d(from.x + t1 * dx, from.y + t1 * dy);
  return true;
}

Bounds2d boundsOf(const AcGePoint2d& a, const AcGePoint2d& b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

int piecesFor(double length, double cell) {
  return static_cast<int>(std::clamp(std::ceil(length / cell), 1.0, kMostPieces));
}

class OverlapFinder {
public:
  OverlapFinder(const LayoutScene& scene, const LayoutCheckOptions& options)
      : scene_(scene), grid_({}, 1.0) {
    boxes_.resize(scene.dimensions.size());
    std::vector<Bounds2d> bounds;
    std::vector<double> sizes;
    for (std::uint32_t i = 0; i < scene.dimensions.size(); ++i) {
      const SceneDimension& d = scene.dimensions[i];
      if (!d.hasText)
        continue;
      boxes_[i] = shrunk(d.box, options.shrinkFactor * d.textHeight);
      if (boxes_[i].isEmpty())
        continue;
      withText_.push_back(i);
      bounds.push_back(adxy1::boundsOf(boxes_[i]));
      sizes.push_back(2.0 * std::max(boxes_[i].halfWidth, boxes_[i].halfHeight));
    }
    double cell = 1.0;
    if (!sizes.empty()) {
      std::nth_element(sizes.begin(), sizes.begin() + sizes.size() / 2, sizes.end());
      cell = sizes[sizes.size() / 2];
    }
    grid_ = BoxGrid(bounds, cell);
    bounds_ = bounds;
  }

  std::vector<Hit> find(bool leaders) {
    if (grid_.isEmpty())
      return {};
    findTextPairs();
    for (const SceneSegment& s : scene_.segments)
      addSegment(s, OverlapKind::TextGeometry, std::numeric_limits<std::uint32_t>::max());
    for (const SceneArc& a : scene_.arcs)
      addArc(a);
    for (const SceneText& t : scene_.texts)
      grid_.forEachMeeting(adxy1::boundsOf(t.box), [&](std::size_t k) {
        if (rectsOverlap(t.box, boxes_[withText_[k]]))
          record(withText_[k], OverlapKind::TextOtherText, t.owner);
      });
    if (leaders)
      for (const SceneSegment& s : scene_.leaders)
        addSegment(s, OverlapKind::TextLeader, s.owner);
    std::sort(hits_.begin(), hits_.end());
    hits_.erase(std::unique(hits_.begin(), hits_.end()), hits_.end());
    return hits_;
  }

private:
  void findTextPairs() {
    for (std::size_t k = 0; k < withText_.size(); ++k)
      grid_.forEachMeeting(bounds_[k], [&](std::size_t j) {
        if (j <= k)
          return;
        const std::uint32_t a = withText_[k], b = withText_[j];
        if (!rectsOverlap(boxes_[a], boxes_[b]))
          return;
        const bool marked = scene_.dimensions[a].marked || scene_.dimensions[b].marked;
        hits_.push_back({a, OverlapKind::TextText, b, marked});
      });
  }

  void record(std::uint32_t dimension, OverlapKind kind, std::uint32_t other) {
    hits_.push_back({dimension, kind, other, scene_.dimensions[dimension].marked});
  }

  // A segment cut into pieces a cell long, inside the grid's bounds; `own`
  // is the dimension a leader belongs to (it never meets its own text).
  void addSegment(const SceneSegment& s, OverlapKind kind, std::uint32_t own) {
    AcGePoint2d a = s.a, b = s.b;
    if (!clipToBounds(a, b, grid_.bounds()))
      return;
    const int pieces = piecesFor(a.distanceTo(b), grid_.cellSize());
    for (int i = 0; i < pieces; ++i) {
      const AcGePoint2d from = a + (b - a) * (static_cast<double>(i) / pieces);
      const AcGePoint2d to = a + (b - a) * (static_cast<double>(i + 1) / pieces);
      grid_.forEachMeeting(boundsOf(from, to), [&](std::size_t k) {
        const std::uint32_t d = withText_[k];
        if (d != own && segmentEntersRect(s.a, s.b, boxes_[d]))
          record(d, kind, s.owner);
      });
    }
  }

  void addArc(const SceneArc& a) {
    if (!adxy1::boundsOf(a.arc).meets(grid_.bounds()))
      return;
    const int pieces = piecesFor(a.arc.radius * a.arc.sweep, grid_.cellSize());
    for (int i = 0; i < pieces; ++i) {
      ArcPiece piece = a.arc;
      piece.start = a.arc.start + a.arc.sweep * i / pieces;
      piece.sweep = a.arc.sweep / pieces;
      grid_.forEachMeeting(adxy1::boundsOf(piece), [&](std::size_t k) {
        if (arcEntersRect(a.arc, boxes_[withText_[k]]))
          record(withText_[k], OverlapKind::TextGeometry, a.owner);
      });
    }
  }

  const LayoutScene& scene_;
  std::vector<TextRect> boxes_;          // shrunk, by dimension
  std::vector<std::uint32_t> withText_;  // grid item -> dimension
  std::vector<Bounds2d> bounds_;         // by grid item
  BoxGrid grid_;
  std::vector<Hit> hits_;
};

bool isCovered(const std::vector<double>& sorted, double value, double tolerance) {
  auto at = std::lower_bound(sorted.begin(), sorted.end(), value - tolerance);
  return at != sorted.end() && *at <= value + tolerance;
}

// The holes with a centre of their own, in drawing order: the circles of a
// counterbore, or a hole block over its circle, share one centre (within the
// tolerance in both axes) and count once, by the first of them.
std::vector<std::size_t> distinctCentres(const std::vector<SceneHole>& holes, double tolerance) {
  std::vector<std::size_t> order(holes.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const AcGePoint2d &p = holes[a].centre, &q = holes[b].centre;
    return p.x != q.x ? p.x < q.x : p.y != q.y ? p.y < q.y : a < b;
  });
  std::vector<bool> repeated(holes.size(), false);
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (repeated[order[k]])
      continue;
    const AcGePoint2d& first = holes[order[k]].centre;
    for (std::size_t j = k + 1; j < order.size() && holes[order[j]].centre.x <= first.x + tolerance;
         ++j)
      if (std::fabs(holes[order[j]].centre.y - first.y) <= tolerance)
        repeated[std::max(order[k], order[j])] = true;
  }
  std::vector<std::size_t> distinct;
  for (std::size_t i = 0; i < holes.size(); ++i)
    if (!repeated[i])
      distinct.push_back(i);
  return distinct;
}

void findMissingOrdinates(const LayoutScene& scene, const LayoutCheckOptions& options,
                          OrdinateLayoutReport& report) {
  std::vector<double> xs, ys;
  for (const SceneDimension& d : scene.dimensions)
    (d.usesXAxis ? xs : ys).push_back(d.usesXAxis ? d.feature.x : d.feature.y);
  std::sort(xs.begin(), xs.end());
  std::sort(ys.begin(), ys.end());
  for (const std::size_t i : distinctCentres(scene.holes, options.coverTolerance)) {
    const SceneHole& hole = scene.holes[i];
    MissingOrdinate missing{hole.handle, hole.centre,
                            !isCovered(xs, hole.centre.x, options.coverTolerance),
                            !isCovered(ys, hole.centre.y, options.coverTolerance)};
    if (missing.missingX || missing.missingY)
      report.missing.push_back(missing);
  }
}

std::string handleText(const AcDbHandle& handle) {
  return "#" + handle.ascii();
}

std::string overlapLine(const LayoutOverlap& o) {
  return "  " + handleText(o.dimension) + " " + overlapKindName(o.kind) +
         (o.marked ? " (marked) " : " ") + o.otherType + " " + handleText(o.other);
}

std::string missingLine(const MissingOrdinate& m) {
  char text[160];
  std::snprintf(text, sizeof text, "  hole %s at %.10g,%.10g: no %s", handleText(m.hole).c_str(),
                m.centre.x, m.centre.y,
                m.missingX && m.missingY ? "X and no Y"
                : m.missingX             ? "X"
                                         : "Y");
  return text;
}

}  // namespace

const char* overlapKindName(OverlapKind kind) {
  switch (kind) {
    case OverlapKind::TextText:
      return "text-text";
    case OverlapKind::TextGeometry:
      return "text-geometry";
    case OverlapKind::TextOtherText:
      return "text-other text";
    case OverlapKind::TextLeader:
      return "text-leader";
  }
  return "?";
}

int OrdinateLayoutReport::count(OverlapKind kind, bool marked) const {
  return static_cast<int>(
      std::count_if(overlaps.begin(), overlaps.end(),
                    [&](const LayoutOverlap& o) { return o.kind == kind && o.marked == marked; }));
}

int OrdinateLayoutReport::markedOverlaps() const {
  return static_cast<int>(std::count_if(overlaps.begin(), overlaps.end(),
                                        [](const LayoutOverlap& o) { return o.marked; }));
}

int OrdinateLayoutReport::unmarkedOverlaps() const {
  return static_cast<int>(overlaps.size()) - markedOverlaps();
}

bool OrdinateLayoutReport::passed() const {
  return unmarkedOverlaps() == 0 && missing.empty();
}

std::string OrdinateLayoutReport::summary() const {
  char line[256];
  std::string text;
  std::snprintf(line, sizeof line,
                "layout check: %d ordinate dimensions (%d X, %d Y, %d marked); hole centres: %d\n",
                dimensions, xDimensions, dimensions - xDimensions, markedDimensions, holes);
  text += line;
  for (const bool marked : {false, true}) {
    std::snprintf(line, sizeof line, "%s: %d (%d text-text, %d text-geometry, %d text-other text",
                  marked ? "crowded, marked" : "overlaps",
                  marked ? markedOverlaps() : unmarkedOverlaps(),
                  count(OverlapKind::TextText, marked), count(OverlapKind::TextGeometry, marked),
                  count(OverlapKind::TextOtherText, marked));
    text += line;
    if (leadersChecked)
      text += ", " + std::to_string(count(OverlapKind::TextLeader, marked)) + " text-leader";
    text += ")\n";
  }
  const auto withoutX =
      std::count_if(missing.begin(), missing.end(), [](auto& m) { return m.missingX; });
  const auto withoutY =
      std::count_if(missing.begin(), missing.end(), [](auto& m) { return m.missingY; });
  std::snprintf(line, sizeof line,
                "holes missing an ordinate: %zu (%ld without X, %ld without Y)\n", missing.size(),
                static_cast<long>(withoutX), static_cast<long>(withoutY));
  text += line;
  std::vector<std::string> listed;
  for (const LayoutOverlap& o : overlaps)
    if (!o.marked)
      listed.push_back(overlapLine(o));
  for (const MissingOrdinate& m : missing)
    listed.push_back(missingLine(m));
  for (std::size_t i = 0; i < listed.size() && i < kListedLines; ++i)
    text += listed[i] + "\n";
  if (listed.size() > kListedLines)
    text += "  ... and " + std::to_string(listed.size() - kListedLines) + " more\n";
  text += passed() ? "passed\n" : "FAILED\n";
  return text;
}

OrdinateLayoutReport checkOrdinateLayout(AcDbDatabase& db, const LayoutCheckOptions& options) {
  const LayoutScene scene = readLayoutScene(db, options);
  OrdinateLayoutReport report;
  report.dimensions = static_cast<int>(scene.dimensions.size());
  for (const SceneDimension& d : scene.dimensions) {
    report.xDimensions += d.usesXAxis ? 1 : 0;
    report.markedDimensions += d.marked ? 1 : 0;
  }
  report.holes = static_cast<int>(distinctCentres(scene.holes, options.coverTolerance).size());
  report.leadersChecked = options.leadersAreGeometry;

  for (const Hit& hit : OverlapFinder(scene, options).find(options.leadersAreGeometry)) {
    LayoutOverlap overlap;
    overlap.kind = hit.kind;
    overlap.dimension = scene.dimensions[hit.dimension].handle;
    overlap.marked = hit.marked;
    if (hit.kind == OverlapKind::TextText || hit.kind == OverlapKind::TextLeader) {
      overlap.other = scene.dimensions[hit.other].handle;
      overlap.otherType = "DIMENSION";
    } else {
      overlap.other = scene.owners[hit.other].handle;
      overlap.otherType = scene.owners[hit.other].type;
    }
    report.overlaps.push_back(std::move(overlap));
  }
  findMissingOrdinates(scene, options, report);
  return report;
}

}  // namespace zek::adxy1
