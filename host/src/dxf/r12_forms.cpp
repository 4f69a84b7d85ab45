// The R12 forms of LWPOLYLINE, ELLIPSE, SPLINE, MTEXT and LEADER entities,
// written group by group, or only counted for the file's handle seed.
#include "dxf/r12_forms.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string_view>

#include "db_block.h"
#include "db_curves.h"
#include "db_leader.h"
#include "db_polyline.h"
#include "db_text.h"
#include "dxf/r12_chords.h"
#include "zek/text_metrics.h"

namespace zek::dxf {
namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;

// The entity counts as open for read while its form is built, as its
// accessors require.
class ReadOpening {
public:
  explicit ReadOpening(const AcDbObject& object) : object_(const_cast<AcDbObject&>(object)) {
    object_.markOpened(AcDb::kForRead);
  }
  ~ReadOpening() { object_.markClosed(); }
  ReadOpening(const ReadOpening&) = delete;
  ReadOpening& operator=(const ReadOpening&) = delete;

private:
  AcDbObject& object_;
};

bool isWorldZ(const AcGeVector3d& normal) {
  return std::abs(normal.x) < 1e-12 && std::abs(normal.y) < 1e-12 && normal.z > 0.0;
}

AcGeVector3d unitNormal(const AcGeVector3d& normal) {
  return normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
}

// Writes the parts of one R12 form, each opening with the source entity's
// handle (the first part) or a new one, and its layer, linetype, colour,
// linetype scale, visibility and paper-space groups; the source's XDATA
// ends the first part. Without a sink nothing is written and no handle is
// reserved: the writer only counts the new handles the parts would take.
class FormWriter {
public:
  FormWriter(DatabaseCore& core, const AcDbEntity& source, TagSink* sink, DxfOutFiler* filer)
      : core_(core), source_(source), sink_(sink), filer_(filer) {}

  void begin(const char* type) {
    endHead();
    std::uint64_t handle = source_.handle().value();
    if (parts_++ > 0) {
      ++newHandles_;
      if (sink_ == nullptr)
        return;
      handle = core_.nextHandle();
      core_.reserveHandle(handle);
    }
    if (sink_ == nullptr)
      return;
    sink_->writeRaw(0, type);
    sink_->writeHandle(5, handle);
    writeCommonGroups();
  }
  void integer(int code, long long value) {
    if (sink_) sink_->writeInt(code, value);
  }
  void real(int code, double value) {
    if (sink_) sink_->writeDouble(code, value);
  }
  void point(int code, const AcGePoint3d& p) {
    if (sink_) sink_->writePoint(code, p.x, p.y, p.z);
  }
  void vector(int code, const AcGeVector3d& v) {
    if (sink_) sink_->writePoint(code, v.x, v.y, v.z);
  }
  void text(int code, std::string_view value) {
    if (sink_) sink_->writeString(code, value);
  }
  // Group 7 as a TEXT files it: left out for the drawing's standard style,
  // which readers take when it is absent, so the form reads back and saves
  // as the very same groups.
  void textStyle(AcDbObjectId style) {
    if (style.isNull() || style == core_.standardTextStyle)
      return;
    const std::string name = recordNameOf(style);
    if (!name.empty())
      text(7, name);
  }
  // Ends the form: the XDATA, when the first part is the only one.
  void finish() { endHead(); }
  std::uint64_t newHandles() const { return newHandles_; }

private:
  void writeCommonGroups() {
    if (source_.isInPaperSpace())
      sink_->writeInt(67, 1);
    AcDbObjectId layer = source_.layerId();
    sink_->writeString(8, layer.isNull() ? std::string("0") : recordNameOf(layer));
    AcDbObjectId linetype = source_.linetypeId();
    if (!linetype.isNull() && linetype != core_.byLayerLinetype)
      sink_->writeString(6, recordNameOf(linetype));
    if (source_.colorIndex() != 256)
      sink_->writeInt(62, source_.colorIndex());
    if (source_.linetypeScale() != 1.0)
      sink_->writeDouble(48, source_.linetypeScale());
    if (source_.visibility() == AcDb::kInvisible)
      sink_->writeInt(60, 1);
  }
  void endHead() {
    if (parts_ == 0 || headEnded_)
      return;
    headEnded_ = true;
    if (sink_ == nullptr || filer_ == nullptr)
      return;
    if (const ObjectExtras* e = source_.extras(); e && !e->xdata.empty())
      filer_->writeKept(e->xdata);
  }

  DatabaseCore& core_;
  const AcDbEntity& source_;
  TagSink* sink_;
  DxfOutFiler* filer_;
  int parts_ = 0;
  bool headEnded_ = false;
  std::uint64_t newHandles_ = 0;
};

// A POLYLINE through world points: a 2D polyline in the OCS of the normal
// when the points lie in one plane perpendicular to it (within 1e-9 of the
// curve's size), else a 3D polyline (flag 8, vertices flagged 32).
void writePointPolyline(FormWriter& out, const std::vector<AcGePoint3d>& points, bool closed,
                        const AcGeVector3d& normal, double size) {
  const AcGeVector3d n = unitNormal(normal);
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(n);
  std::vector<AcGePoint3d> local;
  local.reserve(points.size());
  for (const AcGePoint3d& p : points)
    local.push_back(toPlane * p);
  auto [low, high] = std::minmax_element(local.begin(), local.end(),
                                         [](const AcGePoint3d& a, const AcGePoint3d& b) { return a.z < b.z; });
  const bool planar = high->z - low->z <= 1e-9 * std::max(1.0, size);
  const double elevation = planar ? local.front().z : 0.0;

  out.begin("POLYLINE");
  out.integer(66, 1);
  out.point(10, AcGePoint3d(0.0, 0.0, elevation));
  out.integer(70, (closed ? 1 : 0) | (planar ? 0 : 8));
  if (planar && !isWorldZ(n))
    out.vector(210, n);
  for (std::size_t i = 0; i < points.size(); ++i) {
    out.begin("VERTEX");
    if (planar) {
      out.point(10, AcGePoint3d(local[i].x, local[i].y, elevation));
    } else {
      out.point(10, points[i]);
      out.integer(70, 32);
    }
  }
  out.begin("SEQEND");
}

// LWPOLYLINE: the heavy polyline of the same vertices, bulges and widths.
const char* writeLightweight(const AcDbPolyline& polyline, FormWriter& out) {
  const unsigned int count = polyline.numVerts();
  if (count == 0)
    return nullptr;  // a polyline without vertices has no R12 form
  const double elevation = polyline.elevation();
  out.begin("POLYLINE");
  out.integer(66, 1);
  out.point(10, AcGePoint3d(0.0, 0.0, elevation));
  if (polyline.thickness() != 0.0)
    out.real(39, polyline.thickness());
  out.integer(70, (polyline.isClosed() ? 1 : 0) | (polyline.hasPlinegen() ? 128 : 0));
  double constant = 0.0;
  if (polyline.getConstantWidth(constant) == Acad::eOk && constant != 0.0) {
    out.real(40, constant);
    out.real(41, constant);
  }
  const AcGeVector3d normal = polyline.normal();
  if (!isWorldZ(unitNormal(normal)))
    out.vector(210, normal);
  // Widths go on every vertex once any segment has one: readers differ in
  // whether a vertex without them takes the default widths.
  const bool widths = polyline.hasWidth();
  for (unsigned int i = 0; i < count; ++i) {
    AcGePoint2d at;
    double bulge = 0.0, start = 0.0, end = 0.0;
    if (polyline.getPointAt(i, at) != Acad::eOk || polyline.getBulgeAt(i, bulge) != Acad::eOk ||
        polyline.getWidthsAt(i, start, end) != Acad::eOk)
      continue;  // cannot happen for an index below numVerts
    out.begin("VERTEX");
    out.point(10, AcGePoint3d(at.x, at.y, elevation));
    if (widths) {
      out.real(40, start);
      out.real(41, end);
    }
    if (bulge != 0.0)
      out.real(42, bulge);
  }
  out.begin("SEQEND");
  return "POLYLINE";
}

// An ellipse of ratio 1: a CIRCLE, or an ARC from the angle of its start
// point to that of its end point in the OCS of its normal.
const char* writeCircular(const AcDbEllipse& ellipse, FormWriter& out) {
  const AcGeVector3d n = unitNormal(ellipse.normal());
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(n);
  const AcGePoint3d centre = toPlane * ellipse.center();
  const bool closed = ellipse.isClosed();
  out.begin(closed ? "CIRCLE" : "ARC");
  out.point(10, centre);
  out.real(40, ellipse.majorAxis().length());
  if (!isWorldZ(n))
    out.vector(210, n);
  if (!closed) {
    AcGePoint3d start, end;
    if (ellipse.getStartPoint(start) == Acad::eOk && ellipse.getEndPoint(end) == Acad::eOk) {
      auto angleOf = [&](const AcGePoint3d& world) {
        const AcGeVector3d v = toPlane * world - centre;
        const double degrees = std::atan2(v.y, v.x) * kDegrees;
        return degrees < 0.0 ? degrees + 360.0 : degrees;
      };
      out.real(50, angleOf(start));
      out.real(51, angleOf(end));
    }
  }
  return closed ? "CIRCLE" : "ARC";
}

// ELLIPSE: chords at equal parameter steps (see ellipseChordPoints).
const char* writeEllipse(const AcDbEllipse& ellipse, FormWriter& out) {
  if (ellipse.majorAxis().length() > 0.0 && std::abs(ellipse.radiusRatio() - 1.0) <= 1e-9)
    return writeCircular(ellipse, out);
  std::vector<AcGePoint3d> points;
  if (!ellipseChordPoints(ellipse, points))
    return nullptr;
  writePointPolyline(out, points, ellipse.isClosed(), ellipse.normal(),
                     ellipse.majorAxis().length());
  return "POLYLINE";
}

// SPLINE: chords through points of getPointAtParam, breaking at its knots
// (see curveChordPoints).
const char* writeSpline(const AcDbSpline& spline, FormWriter& out) {
  AcDbExtents extents;
  double size = 0.0;
  if (spline.getGeomExtents(extents) == Acad::eOk && extents.isValid())
    size = (extents.maxPoint() - extents.minPoint()).length() / 2.0;
  std::vector<AcGePoint3d> points;
  if (!curveChordPoints(spline, splineBreaks(spline), size, points))
    return nullptr;
  writePointPolyline(out, points, spline.isClosed(), spline.normal(), size);
  return "POLYLINE";
}

// LEADER: a POLYLINE of its vertices (the arrow head is not drawn).
const char* writeLeader(const AcDbLeader& leader, FormWriter& out) {
  const int count = leader.numVertices();
  if (count < 2)
    return nullptr;
  std::vector<AcGePoint3d> points;
  AcDbExtents box;
  for (int i = 0; i < count; ++i) {
    points.push_back(leader.vertexAt(i));
    box.addPoint(points.back());
  }
  writePointPolyline(out, points, false, leader.normal(),
                     (box.maxPoint() - box.minPoint()).length() / 2.0);
  return "POLYLINE";
}

// MTEXT: one TEXT per line, placed as the lines of the MTEXT's box lie. The
// box is one height plus one pitch (5/3 × height × spacing factor) per
// further line high; the attachment's row puts the location at its top,
// middle or bottom, its column at the start, centre or end of every line.
// Each line becomes a baseline TEXT one height below the box top plus one
// pitch per line before it, aligned Left (72 = 0), Center (1) or Right (2)
// by the column, its alignment point (11) on the location's column; group
// 10 is where the line starts by the text metrics model. Empty lines are
// left out (a text without any visible line keeps one empty TEXT). Inline
// formatting (fonts, colours, heights inside the text) is dropped.
const char* writeMText(const AcDbMText& mtext, FormWriter& out) {
  const std::vector<std::string> lines = mtextLines(mtext.contentsConst());
  const double height = mtext.textHeight();
  const double pitch = kMTextLinePitch * height * mtext.lineSpacingFactor();
  const int attachment = std::clamp(static_cast<int>(mtext.attachment()), 1, 9);
  const int column = (attachment - 1) % 3;
  const int row = (attachment - 1) / 3;
  const double boxHeight = height + pitch * static_cast<double>(lines.size() - 1);
  const AcGeVector3d n = unitNormal(mtext.normal());
  const AcGeVector3d along = mtext.direction();
  const AcGeVector3d up = n.crossProduct(along).normal();
  const AcGePoint3d top = mtext.location() + up * (boxHeight * row / 2.0);
  const AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(n);
  const double rotation = mtext.rotation();
  const bool anyVisible =
      std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); });
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (lines[k].empty() && (anyVisible || k > 0))
      continue;
    const AcGePoint3d anchor = top - up * (height + pitch * static_cast<double>(k));
    const double advance = textAdvance(lines[k], height, 1.0);
    out.begin("TEXT");
    out.point(10, toPlane * (anchor - along * (advance * column / 2.0)));
    out.real(40, height);
    out.text(1, lines[k]);
    if (rotation != 0.0)
      out.real(50, rotation * kDegrees);
    out.textStyle(mtext.textStyle());
    if (column != 0) {
      out.integer(72, column);
      out.point(11, toPlane * anchor);
    }
    if (!isWorldZ(n))
      out.vector(210, n);
  }
  return "TEXT";
}

// Builds the form of one entity through the writer: the note's form name,
// or nullptr when the entity has none. Every form decides that (and
// evaluates its curve) before its first part, so nullptr means nothing was
// written.
const char* buildForm(const AcDbEntity& entity, FormWriter& out) {
  ReadOpening opening(entity);
  const char* form = nullptr;
  if (const auto* polyline = AcDbPolyline::cast(&entity))
    form = writeLightweight(*polyline, out);
  else if (const auto* ellipse = AcDbEllipse::cast(&entity))
    form = writeEllipse(*ellipse, out);
  else if (const auto* spline = AcDbSpline::cast(&entity))
    form = writeSpline(*spline, out);
  else if (const auto* mtext = AcDbMText::cast(&entity))
    form = writeMText(*mtext, out);
  else if (const auto* leader = AcDbLeader::cast(&entity))
    form = writeLeader(*leader, out);
  out.finish();
  return form;
}

}  // namespace

bool writeR12Form(const AcDbEntity& entity, DatabaseCore& core, TagSink& sink, DxfOutFiler& filer,
                  std::vector<std::string>* notes) {
  FormWriter out(core, entity, &sink, &filer);
  const char* form = buildForm(entity, out);
  if (form == nullptr)
    return false;
  if (notes != nullptr)
    tallyNote(*notes, std::string(entity.dxfTypeName()) + " written as " + form + " for R12");
  return true;
}

std::uint64_t r12FormHandleCount(DatabaseCore& core) {
  std::uint64_t count = 0;
  auto* blocks = peekObject<AcDbBlockTable>(core.blockTable);
  if (blocks == nullptr)
    return 0;
  for (AcDbObjectId blockId : blocks->recordIds()) {
    auto* block = peekObject<AcDbBlockTableRecord>(blockId);
    if (block == nullptr || block->isImplicit() || blockId.isErased())
      continue;
    for (AcDbObjectId id : block->entityIds()) {
      auto* entity = peekObject<AcDbEntity>(id);
      if (entity == nullptr || id.isErased())
        continue;
      FormWriter counter(core, *entity, nullptr, nullptr);
      if (buildForm(*entity, counter) != nullptr)
        count += counter.newHandles();
    }
  }
  return count;
}

void tallyNote(std::vector<std::string>& notes, const std::string& what) {
  for (std::string& note : notes) {
    const std::size_t space = note.find(' ');
    if (space == std::string::npos || note.compare(space + 1, std::string::npos, what) != 0)
      continue;
    char* end = nullptr;
    const long count = std::strtol(note.c_str(), &end, 10);
    if (end != note.c_str() + space)
      continue;  // "N" must be a number
    note = std::to_string(count + 1) + " " + what;
    return;
  }
  notes.push_back("1 " + what);
}

}  // namespace zek::dxf
