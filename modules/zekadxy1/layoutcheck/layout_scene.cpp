// Reading model space for the layout check: each entity opened for read
// and turned into the pieces the check tests, block references through
// their block's parts.
#include "layoutcheck/layout_scene.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

#include "db/annotations/annotation_filing.h"
#include "db/dimblocks/dim_block_writer.h"
#include "db/dimblocks/dim_geometry.h"
#include "db/dimblocks/leader_layout.h"
#include "db_block.h"
#include "db_blockref.h"
#include "db_curves.h"
#include "db_database.h"
#include "db_dimension.h"
#include "db_leader.h"
#include "db_polyline.h"
#include "db_text.h"
#include "guards/opened_entity.h"
#include "zek/dim_vars.h"
#include "zek/text_metrics.h"

namespace zek::adxy1 {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Curves drawn as chords take one every 3 degrees of turn.
constexpr double kChordTurn = 3.0 * std::numbers::pi / 180.0;
// Blocks nest at most this deep (a block holding itself stops here).
constexpr int kMaxBlockDepth = 16;

AcGePoint2d xy(const AcGePoint3d& p) {
  return {p.x, p.y};
}

// The entity ids of a block, read with the record closed again at once.
std::vector<AcDbObjectId> entityIdsOf(AcDbObjectId block) {
  AcDbBlockTableRecord* record = nullptr;
  if (acdbOpenObject(record, block, AcDb::kForRead) != Acad::eOk || record == nullptr)
    return {};
  std::vector<AcDbObjectId> ids = record->entityIds();
  (void)record->close();
  return ids;
}

std::string typeOf(const AcDbEntity& entity) {
  const char* name = entity.isA()->dxfName();
  return name != nullptr && *name != '\0' ? name : entity.isA()->name();
}

// A block name of at least four characters that begins with "ZEK" (case
// ignored) marks a hole block.
bool isHoleBlockName(const std::string& name) {
  if (name.size() < 4)
    return false;
  for (std::size_t i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != "ZEK"[i])
      return false;
  return true;
}

// The point a dimension's plane is taken at (its group 10).
AcGePoint3d definitionPointOf(const AcDbDimension& dimension) {
  if (auto* ordinate = AcDbOrdinateDimension::cast(&dimension))
    return ordinate->origin();
  if (auto* rotated = AcDbRotatedDimension::cast(&dimension))
    return rotated->dimLinePoint();
  if (auto* aligned = AcDbAlignedDimension::cast(&dimension))
    return aligned->dimLinePoint();
  if (auto* radius = AcDbRadialDimension::cast(&dimension))
    return radius->center();
  if (auto* diameter = AcDbDiametricDimension::cast(&dimension))
    return diameter->farChordPoint();
  return AcGePoint3d::kOrigin;
}

// A matrix that keeps the XY plane and circles circles: arcs stay arcs.
bool keepsArcs(const AcGeMatrix3d& m) {
  constexpr double kFlat = 1e-12;
  return std::fabs(m(2, 0)) < kFlat && std::fabs(m(2, 1)) < kFlat && std::fabs(m(0, 2)) < kFlat &&
         std::fabs(m(1, 2)) < kFlat && m.isUniScaledOrtho();
}

class SceneReader {
public:
  SceneReader(LayoutScene& scene, const LayoutCheckOptions& options)
      : scene_(scene), options_(options) {}

  void readModelSpace(AcDbDatabase& db) {
    for (AcDbObjectId id : entityIdsOf(db.modelSpaceId())) {
      OpenedEntity entity(id, AcDb::kForRead);
      if (entity.status() != Acad::eOk || entity->visibility() == AcDb::kInvisible)
        continue;
      if (auto* ordinate = entity.as<AcDbOrdinateDimension>()) {
        addOrdinateDimension(*ordinate);
        continue;
      }
      owner_ = static_cast<std::uint32_t>(scene_.owners.size());
      scene_.owners.push_back({entity->handle(), typeOf(*entity.get())});
      addHole(*entity.get());
      addGeometry(*entity.get(), 0);
    }
  }

private:
  AcGePoint2d place(const AcGePoint3d& p) const {
    if (!placed_)
      return xy(p);
    AcGePoint3d moved = p;
    return xy(moved.transformBy(xform_));
  }

  void addHole(const AcDbEntity& entity) {
    AcGePoint3d centre;
    if (auto* circle = AcDbCircle::cast(&entity))
      centre = circle->center();
    else if (auto* reference = AcDbBlockReference::cast(&entity);
             reference && options_.holeBlocks && isHoleBlockName(reference->blockName()))
      centre = reference->position();
    else
      return;
    if (const auto& window = options_.holeWindow;
        window && (centre.x < window->minPoint().x || centre.x > window->maxPoint().x ||
                   centre.y < window->minPoint().y || centre.y > window->maxPoint().y))
      return;
    scene_.holes.push_back({entity.handle(), xy(centre)});
  }

  void addOrdinateDimension(const AcDbOrdinateDimension& dimension) {
    SceneDimension record;
    record.handle = dimension.handle();
    record.usesXAxis = dimension.isUsingXAxis();
    record.feature = xy(dimension.definingPoint());
    record.marked = dimension.colorIndex() == options_.markedColour;
    const auto index = static_cast<std::uint32_t>(scene_.dimensions.size());
    const zek::DimVars vars = zek::dimVarsOf(dimension);
    const std::string shown = dimension.displayText(vars);
    zek::DimGeometry geometry;
    if (dimension.displayGeometry(vars, shown, geometry)) {
      const zek::DimPlane plane{dimension.normal(),
                                zek::worldToOcs(dimension.normal(), dimension.origin()).z};
      for (const zek::DimLine& line : geometry.lines)
        scene_.leaders.push_back({place(zek::planeToWorld(plane, line.start)),
                                  place(zek::planeToWorld(plane, line.end)), index});
      if (geometry.text && !shown.empty()) {
        record.hasText = true;
        record.box = textRectOf(plane, *geometry.text);
        record.textHeight = geometry.text->height;
      }
    }
    scene_.dimensions.push_back(record);
  }

  TextRect textRectOf(const zek::DimPlane& plane, const zek::DimText& text) const {
    TextRect inPlane;
    inPlane.centre = text.position;
    inPlane.along = AcGeVector2d(std::cos(text.rotation), std::sin(text.rotation));
    inPlane.halfWidth = text.width / 2.0;
    inPlane.halfHeight = text.boxHeight / 2.0;
    std::array<AcGePoint2d, 4> corners = cornersOf(inPlane);
    for (AcGePoint2d& corner : corners)
      corner = place(zek::planeToWorld(plane, corner));
    return rectFromCorners(corners);
  }

  void addGeometry(const AcDbEntity& entity, int depth) {
    if (auto* line = AcDbLine::cast(&entity)) {
      addSegment(line->startPoint(), line->endPoint());
    } else if (auto* circle = AcDbCircle::cast(&entity)) {
      if (isZAxis(circle->normal()))
        addArc(circle->center(), circle->radius(), 0.0, kTwoPi);
      else
        addChords(*circle, std::ceil(kTwoPi / kChordTurn));
    } else if (auto* arc = AcDbArc::cast(&entity)) {
      if (isZAxis(arc->normal()))
        addArc(arc->center(), arc->radius(), arc->startAngle(), arc->totalAngle());
      else
        addChords(*arc, std::ceil(arc->totalAngle() / kChordTurn) + 1);
    } else if (auto* polyline = AcDbPolyline::cast(&entity)) {
      addPolyline(*polyline);
    } else if (auto* ellipse = AcDbEllipse::cast(&entity)) {
      addChords(*ellipse,
                std::ceil(std::fabs(ellipse->endParam() - ellipse->startParam()) / kChordTurn) + 1);
    } else if (auto* spline = AcDbSpline::cast(&entity)) {
      addChords(*spline, std::max(32, 8 * spline->numControlPoints()));
    } else if (auto* curve = AcDbCurve::cast(&entity)) {
      double start = 0.0, end = 0.0;
      const bool known =
          curve->getStartParam(start) == Acad::eOk && curve->getEndParam(end) == Acad::eOk;
      addChords(*curve, known ? std::max(16.0, 16.0 * (end - start)) : 64.0);
    } else if (auto* attribute = AcDbAttribute::cast(&entity)) {
      if (!attribute->isInvisible())
        addTextBox(zek::textBoxCorners(attribute->boxFields()));
    } else if (auto* definition = AcDbAttributeDefinition::cast(&entity)) {
      // Shown by its tag in model space; in a block it only seeds the
      // references' attributes.
      if (depth == 0 && !definition->isInvisible())
        addTextBox(zek::textBoxCorners(definition->boxFields()));
    } else if (auto* text = AcDbText::cast(&entity)) {
      addTextBox(zek::textBoxCorners(text->boxFields()));
    } else if (auto* mtext = AcDbMText::cast(&entity)) {
      addMText(*mtext);
    } else if (auto* dimension = AcDbDimension::cast(&entity)) {
      addDimensionParts(*dimension);
    } else if (auto* leader = AcDbLeader::cast(&entity)) {
      addLeader(*leader);
    } else if (auto* reference = AcDbBlockReference::cast(&entity)) {
      addBlockParts(*reference, depth);
    } else if (!AcDbPoint::cast(&entity)) {
      addExtentsBox(entity);
    }
  }

  void addSegment(const AcGePoint3d& a, const AcGePoint3d& b) {
    scene_.segments.push_back({place(a), place(b), owner_});
  }

  // An arc in a plane parallel to XY, angles from the X axis.
  void addArc(const AcGePoint3d& centre, double radius, double start, double sweep) {
    if (!(radius > 0.0))
      return;
    sweep = std::clamp(sweep, 0.0, kTwoPi);
    auto at = [&](double angle) {
      return AcGePoint3d(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle),
                         centre.z);
    };
    if (!placed_) {
      scene_.arcs.push_back({{xy(centre), radius, start, sweep}, owner_});
      return;
    }
    if (keepsArcs(xform_)) {
      const AcGePoint2d c = place(centre);
      const bool mirrored = xform_(0, 0) * xform_(1, 1) - xform_(0, 1) * xform_(1, 0) < 0.0;
      const AcGePoint2d from = place(at(mirrored ? start + sweep : start));
      scene_.arcs.push_back({{c, radius * xform_.scale(), (from - c).angle(), sweep}, owner_});
      return;
    }
    const int pieces = std::max(1, static_cast<int>(std::ceil(sweep / kChordTurn)));
    for (int i = 0; i < pieces; ++i)
      addSegment(at(start + sweep * i / pieces), at(start + sweep * (i + 1) / pieces));
  }

  void addPolyline(const AcDbPolyline& polyline) {
    if (!isZAxis(polyline.normal())) {
      double end = 0.0;
      addChords(polyline,
                polyline.getEndParam(end) == Acad::eOk ? 16.0 * std::max(1.0, end) : 64.0);
      return;
    }
    const std::vector<zek::PolylineVertex>& vertices = polyline.vertices();
    const std::size_t count = vertices.size();
    const std::size_t segments = polyline.isClosed() ? count : (count == 0 ? 0 : count - 1);
    const double z = polyline.elevation();
    for (std::size_t i = 0; i < segments; ++i) {
      const zek::PolylineVertex& from = vertices[i];
      const zek::PolylineVertex& to = vertices[(i + 1) % count];
      const ArcPiece arc = arcOfBulge(from.point, to.point, from.bulge);
      if (arc.radius > 0.0)
        addArc(AcGePoint3d(arc.centre.x, arc.centre.y, z), arc.radius, arc.start, arc.sweep);
      else
        addSegment(AcGePoint3d(from.point.x, from.point.y, z),
                   AcGePoint3d(to.point.x, to.point.y, z));
    }
  }

  // A curve as `pieces` chords of equal parameter steps; its extents box
  // when the curve does not answer its points.
  void addChords(const AcDbCurve& curve, double pieces) {
    double start = 0.0, end = 0.0;
    AcGePoint3d previous;
    if (curve.getStartParam(start) != Acad::eOk || curve.getEndParam(end) != Acad::eOk ||
        curve.getPointAtParam(start, previous) != Acad::eOk) {
      addExtentsBox(curve);
      return;
    }
    const int count = std::clamp(static_cast<int>(pieces), 1, 100000);
    for (int i = 1; i <= count; ++i) {
      AcGePoint3d next;
      if (curve.getPointAtParam(start + (end - start) * i / count, next) != Acad::eOk)
        continue;
      addSegment(previous, next);
      previous = next;
    }
  }

  void addTextBox(const zek::TextBox& corners) {
    std::array<AcGePoint2d, 4> placed;
    for (std::size_t i = 0; i < 4; ++i)
      placed[i] = place(corners[i]);
    scene_.texts.push_back({rectFromCorners(placed), owner_});
  }

  void addMText(const AcDbMText& mtext) {
    zek::MTextBoxFields fields;
    const std::string contents = mtext.contentsConst();
    fields.contents = contents;
    fields.location = mtext.location();
    fields.direction = mtext.direction();
    fields.normal = mtext.normal();
    fields.height = mtext.textHeight();
    fields.referenceWidth = mtext.width();
    fields.attachment = static_cast<int>(mtext.attachment());
    fields.lineSpacingFactor = mtext.lineSpacingFactor();
    addTextBox(zek::mtextBoxCorners(fields));
  }

  // A dimension of another kind: its lines are geometry, its text a text.
  void addDimensionParts(const AcDbDimension& dimension) {
    const zek::DimVars vars = zek::dimVarsOf(dimension);
    const std::string shown = dimension.displayText(vars);
    zek::DimGeometry geometry;
    if (!dimension.displayGeometry(vars, shown, geometry))
      return;  // a kind the host does not draw
    const zek::DimPlane plane{dimension.normal(),
                              zek::worldToOcs(dimension.normal(), definitionPointOf(dimension)).z};
    for (const zek::DimLine& line : geometry.lines)
      addSegment(zek::planeToWorld(plane, line.start), zek::planeToWorld(plane, line.end));
    if (geometry.text && !shown.empty())
      scene_.texts.push_back({textRectOf(plane, *geometry.text), owner_});
  }

  void addLeader(const AcDbLeader& leader) {
    if (leader.numVertices() < 2)
      return;
    const zek::DimGeometry geometry = zek::leaderGeometry(leader);
    const zek::DimPlane plane{leader.normal(),
                              zek::worldToOcs(leader.normal(), leader.vertexAt(0)).z};
    for (const zek::DimLine& line : geometry.lines)
      addSegment(zek::planeToWorld(plane, line.start), zek::planeToWorld(plane, line.end));
  }

  void addBlockParts(const AcDbBlockReference& reference, int depth) {
    if (depth < kMaxBlockDepth && !reference.blockTableRecord().isNull()) {
      const std::vector<AcDbObjectId> parts = entityIdsOf(reference.blockTableRecord());
      const AcGeMatrix3d axes = AcGeMatrix3d::planeToWorld(reference.normal()) *
                                AcGeMatrix3d::rotation(reference.rotation(), AcGeVector3d::kZAxis);
      const int columns = std::max<int>(1, reference.columns());
      const int rows = std::max<int>(1, reference.rows());
      const AcGeMatrix3d outer = xform_;
      const bool outerPlaced = placed_;
      for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
          const AcGeVector3d step = axes * AcGeVector3d(column * reference.columnSpacing(),
                                                        row * reference.rowSpacing(), 0.0);
          xform_ = outer * AcGeMatrix3d::translation(step) * reference.blockTransform();
          placed_ = true;
          for (AcDbObjectId id : parts) {
            OpenedEntity part(id, AcDb::kForRead);
            if (part.status() == Acad::eOk && part->visibility() != AcDb::kInvisible)
              addGeometry(*part.get(), depth + 1);
          }
        }
      xform_ = outer;
      placed_ = outerPlaced;
    }
    for (AcDbObjectId id : reference.attributeIds()) {
      OpenedEntity attribute(id, AcDb::kForRead);
      if (attribute.status() == Acad::eOk)
        addGeometry(*attribute.get(), depth);
    }
  }

  // The four edges of the entity's extents box.
  void addExtentsBox(const AcDbEntity& entity) {
    AcDbExtents extents;
    if (entity.getGeomExtents(extents) != Acad::eOk || !extents.isValid())
      return;
    const AcGePoint3d lo = extents.minPoint(), hi = extents.maxPoint();
    const AcGePoint3d corners[4] = {lo, {hi.x, lo.y, lo.z}, hi, {lo.x, hi.y, lo.z}};
    for (int i = 0; i < 4; ++i)
      addSegment(corners[i], corners[(i + 1) % 4]);
  }

  LayoutScene& scene_;
  const LayoutCheckOptions& options_;
  std::uint32_t owner_ = 0;
  AcGeMatrix3d xform_;   // block coordinates to world while a block's parts are read
  bool placed_ = false;  // xform_ is not the identity
};

}  // namespace

LayoutScene readLayoutScene(AcDbDatabase& db, const LayoutCheckOptions& options) {
  LayoutScene scene;
  SceneReader(scene, options).readModelSpace(db);
  return scene;
}

}  // namespace zek::adxy1
