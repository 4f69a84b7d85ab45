// The selection of a placement run read entity by entity.
#include "placement/plate_intake.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <unordered_set>

#include "aced_output.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_extents.h"
#include "db_polyline.h"
#include "db_text.h"
#include "guards/opened_entity.h"
#include "layers/layer_digits.h"

namespace zek::adxy1 {

namespace {

// Lines and arcs with ends closer than this join no chain.
constexpr double kShortestSegment = 0.03;

std::string upperCased(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string blockNameOf(AcDbObjectId block) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk)
    return {};
  const char* name = nullptr;
  std::string answer;
  if (record->getName(name) == Acad::eOk && name != nullptr)
    answer = name;
  (void)record->close();
  return answer;
}

void addFeatures(const std::vector<FeaturePoint>& features, int decimals, RunCollections& c) {
  for (const FeaturePoint& f : features) {
    OrdinateCollection& target = f.axis == Axis::X ? c.outlineX : c.outlineY;
    target.add(f.value, f.perp, f.radius, decimals);
  }
}

void addExtents(GeometryIndex& index, const AcDbEntity& entity) {
  AcDbExtents extents;
  if (entity.getGeomExtents(extents) != Acad::eOk)
    return;
  index.addBox(extents.minPoint().x, extents.minPoint().y, extents.maxPoint().x,
               extents.maxPoint().y);
}

// Polyline vertices in world coordinates with their bulges.
std::vector<PolylineVertex> verticesOf(const AcDbPolyline& polyline) {
  std::vector<PolylineVertex> vertices;
  for (unsigned int i = 0; i < polyline.numVerts(); ++i) {
    AcGePoint3d point;
    double bulge = 0.0;
    if (polyline.getPointAt(i, point) != Acad::eOk || polyline.getBulgeAt(i, bulge) != Acad::eOk)
      continue;
    vertices.push_back({point.x, point.y, bulge});
  }
  return vertices;
}

class Collector {
public:
  Collector(const IntakeRules& rules, PlateIntake& intake) : rules_(rules), intake_(intake) {}

  void collect(AcDbObjectId id, const AcDbEntity& entity) {
    if (!intake_.firstLayer)
      intake_.firstLayer = entity.layer();
    if (const auto* circle = AcDbCircle::cast(&entity))
      return collectCircle(*circle);
    if (const auto* reference = AcDbBlockReference::cast(&entity))
      return collectBlockReference(*reference);
    if (const auto* line = AcDbLine::cast(&entity))
      return collectLine(id, *line);
    if (const auto* arc = AcDbArc::cast(&entity))
      return collectArc(id, *arc);
    if (const auto* polyline = AcDbPolyline::cast(&entity))
      return collectPolyline(*polyline);
    if (AcDbText::cast(&entity) != nullptr || AcDbMText::cast(&entity) != nullptr)
      return addExtents(intake_.index, entity);
    if (const auto* spline = AcDbSpline::cast(&entity))
      return collectSpline(id, *spline);
  }

private:
  void collectCircle(const AcDbCircle& circle) {
    const AcGePoint3d centre = circle.center();
    const double radius = circle.radius();
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y) || !std::isfinite(radius))
      return;  // a damaged circle is no hole
    const int decimals = isWireCutLayer(circle.layerId(), circle.layer())
                             ? rules_.settings.wireCutDecimals
                             : rules_.settings.millingDecimals;
    intake_.collections.holesX.add(centre.x, centre.y, radius, decimals);
    intake_.collections.holesY.add(centre.y, centre.x, radius, decimals);
    intake_.index.addCircle(centre.x, centre.y, radius);
  }

  void collectBlockReference(const AcDbBlockReference& reference) {
    if (isHoleBlock(reference.blockTableRecord())) {
      const AcGePoint3d at = reference.position();
      const int decimals = rules_.settings.millingDecimals;
      intake_.collections.holesX.add(at.x, at.y, kHoleBlockRadius, decimals);
      intake_.collections.holesY.add(at.y, at.x, kHoleBlockRadius, decimals);
    }
    addExtents(intake_.index, reference);
  }

  void collectLine(AcDbObjectId id, const AcDbLine& line) {
    const AcGePoint3d a = line.startPoint();
    const AcGePoint3d b = line.endPoint();
    intake_.index.addSegment(a.x, a.y, b.x, b.y);
    if (a.distanceTo(b) > kShortestSegment) {
      intake_.nodes.addSegment(a, b, id);
      intake_.segments[id] = {OutlineSegment::Kind::Line, a.x, a.y, b.x, b.y};
    }
  }

  void collectArc(AcDbObjectId id, const AcDbArc& arc) {
    const AcGePoint3d c = arc.center();
    intake_.index.addArc(c.x, c.y, arc.radius(), arc.startAngle(), arc.endAngle());
    AcGePoint3d a, b;
    if (arc.getStartPoint(a) != Acad::eOk || arc.getEndPoint(b) != Acad::eOk)
      return;
    if (a.distanceTo(b) > kShortestSegment) {
      intake_.nodes.addSegment(a, b, id);
      OutlineSegment segment{OutlineSegment::Kind::Arc, a.x, a.y, b.x, b.y};
      segment.cx = c.x, segment.cy = c.y, segment.radius = arc.radius();
      segment.start = arc.startAngle(), segment.end = arc.endAngle();
      intake_.segments[id] = segment;
    }
  }

  void collectPolyline(const AcDbPolyline& polyline) {
    const std::vector<PolylineVertex> vertices = verticesOf(polyline);
    const std::size_t n = vertices.size();
    if (n == 0)
      return;
    const bool closed = polyline.isClosed();
    double perimeter = 0.0;
    const std::size_t segments = closed ? n : n - 1;
    for (std::size_t i = 0; i < segments; ++i) {
      const PolylineVertex& p = vertices[i];
      const PolylineVertex& q = vertices[(i + 1) % n];
      perimeter += std::hypot(q.x - p.x, q.y - p.y);
      // A bulged segment keeps its arc in the index, so that no text is
      // placed on the part of it away from the chord.
      if (std::fabs(p.bulge) >= 0.0001 && (p.x != q.x || p.y != q.y)) {
        const BulgeArc arc = arcOfBulge(p.x, p.y, q.x, q.y, p.bulge);
        intake_.index.addArc(arc.cx, arc.cy, arc.radius, arc.start, arc.end);
      } else {
        intake_.index.addSegment(p.x, p.y, q.x, q.y);
      }
    }
    if (n == 1)
      intake_.index.addBox(vertices[0].x, vertices[0].y, vertices[0].x, vertices[0].y);
    if (perimeter > intake_.longestPolylinePerimeter) {
      intake_.longestPolylinePerimeter = perimeter;
      intake_.longestPolyline = vertices;
    }
  }

  void collectSpline(AcDbObjectId id, const AcDbSpline& spline) {
    AcGePoint3d a, b;
    if (spline.getStartPoint(a) != Acad::eOk || spline.getEndPoint(b) != Acad::eOk)
      return;
    intake_.nodes.addSegment(a, b, id);
    intake_.segments[id] = {OutlineSegment::Kind::Spline, a.x, a.y, b.x, b.y};
  }

  bool isWireCutLayer(AcDbObjectId layer, const std::string& name) {
    auto cached = wireCut_.find(layer);
    if (cached != wireCut_.end())
      return cached->second;
    const std::optional<int> code = layerCodeOfName(rules_.layers, name);
    const bool wireCut = code && tensDigitOf(*code) == 1;
    wireCut_.emplace(layer, wireCut);
    return wireCut;
  }

  bool isHoleBlock(AcDbObjectId block) {
    auto cached = holeBlock_.find(block);
    if (cached != holeBlock_.end())
      return cached->second;
    const std::string name = upperCased(blockNameOf(block));
    const bool hole = name.size() >= 4 && name.compare(0, 3, "ZEK") == 0;
    holeBlock_.emplace(block, hole);
    return hole;
  }

  const IntakeRules& rules_;
  PlateIntake& intake_;
  std::unordered_map<AcDbObjectId, bool> wireCut_;
  std::unordered_map<AcDbObjectId, bool> holeBlock_;
};

}  // namespace

std::optional<int> layerCodeOfName(const LayerCodeTable& table, const std::string& name) {
  return table.layerCodeOf(upperCased(name));
}

void collectPlate(const std::vector<AcDbObjectId>& ids, const IntakeRules& rules,
                  PlateIntake& intake) {
  Collector collector(rules, intake);
  intake.index.reserve(ids.size() * 40);
  for (AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk) {
      acutPrintf("_LAYER_LOCKED_");
      ++intake.lockedCount;
      continue;
    }
    collector.collect(id, *entity.get());
  }
}

double chainPerimeter(const Chain& chain) {
  const std::vector<ChainPoint>& p = chain.points;
  double perimeter = 0.0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const ChainPoint& a = p[i];
    const ChainPoint& b = p[(i + 1) % p.size()];
    perimeter += std::hypot(b.x - a.x, b.y - a.y);
  }
  return perimeter;
}

void addChainFeatures(const Chain& chain,
                      const std::unordered_map<AcDbObjectId, OutlineSegment>& segments,
                      std::vector<FeaturePoint>& out) {
  std::unordered_set<AcDbObjectId> seen;
  for (const ChainPoint& point : chain.points) {
    if (!seen.insert(point.id).second)
      continue;
    auto found = segments.find(point.id);
    if (found == segments.end())
      continue;
    const OutlineSegment& s = found->second;
    switch (s.kind) {
      case OutlineSegment::Kind::Line:
        addStraightEdgeFeatures(s.x0, s.y0, s.x1, s.y1, out);
        break;
      case OutlineSegment::Kind::Arc:
        addArcExtremeFeatures(s.cx, s.cy, s.radius, s.start, s.end, out);
        break;
      case OutlineSegment::Kind::Spline:
        break;  // a curve of its own: no edge ends, no extremes
    }
  }
}

namespace {

void widen(std::optional<PlateBounds>& bounds, double x, double y) {
  if (!bounds) {
    bounds = PlateBounds{x, y, x, y};
    return;
  }
  bounds->minX = std::min(bounds->minX, x), bounds->minY = std::min(bounds->minY, y);
  bounds->maxX = std::max(bounds->maxX, x), bounds->maxY = std::max(bounds->maxY, y);
}

}  // namespace

std::optional<PlateBounds> collectOutline(PlateIntake& intake, int decimals) {
  ChainList chains;
  intake.nodes.disableJunctionBridges();
  intake.nodes.collectChains(chains);
  const Chain* longest = nullptr;
  double longestPerimeter = -1.0;
  for (const Chain& chain : chains) {
    const double perimeter = chainPerimeter(chain);
    if (perimeter > longestPerimeter) {
      longestPerimeter = perimeter;
      longest = &chain;
    }
  }
  std::vector<FeaturePoint> features;
  std::optional<PlateBounds> bounds;
  if (!intake.longestPolyline.empty() && intake.longestPolylinePerimeter >= longestPerimeter) {
    addPolylineFeatures(intake.longestPolyline, features);
    for (const PolylineVertex& v : intake.longestPolyline)
      widen(bounds, v.x, v.y);
  } else if (longest != nullptr) {
    addChainFeatures(*longest, intake.segments, features);
    for (const ChainPoint& p : longest->points)
      widen(bounds, p.x, p.y);
  }
  for (const FeaturePoint& f : features) {
    if (f.axis == Axis::X)
      widen(bounds, f.value, f.perp);
    else
      widen(bounds, f.perp, f.value);
  }
  addFeatures(features, decimals, intake.collections);
  // An outline that encloses nothing (a lone edge) gives no plate.
  if (bounds && (bounds->maxX - bounds->minX <= 0.0 || bounds->maxY - bounds->minY <= 0.0))
    bounds.reset();
  return bounds;
}

void collectProfiles(const std::vector<AcDbObjectId>& ids, int decimals, PlateIntake& intake) {
  std::vector<FeaturePoint> features;
  for (AcDbObjectId id : ids) {
    OpenedEntity entity(id, AcDb::kForRead);
    if (entity.status() != Acad::eOk)
      continue;
    if (const auto* line = entity.as<AcDbLine>()) {
      addStraightEdgeFeatures(line->startPoint().x, line->startPoint().y, line->endPoint().x,
                              line->endPoint().y, features);
    } else if (const auto* arc = entity.as<AcDbArc>()) {
      addArcExtremeFeatures(arc->center().x, arc->center().y, arc->radius(), arc->startAngle(),
                            arc->endAngle(), features);
    } else if (const auto* polyline = entity.as<AcDbPolyline>()) {
      addPolylineFeatures(verticesOf(*polyline), features);
    }
  }
  addFeatures(features, decimals, intake.collections);
}

}  // namespace zek::adxy1
