// Area shapes from kept groups: the corners of SOLID, TRACE and 3DFACE, and
// the boundary paths of HATCH, carried from their plane (OCS) into world
// coordinates.
#include "area_shapes.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstring>

#include "db/kept_object.h"
#include "group_reader.h"
#include "hatch_boundary.h"
#include "hatch_outline.h"

namespace zek::render {
namespace {

using Polyline3d = std::vector<AcGePoint3d>;

// The corners of a SOLID, TRACE or 3DFACE (10..13 x, 20..23 y, 30..33 z),
// the extrusion (210) and the flags (70), each group taken where it first
// appears: these codes mean one thing each in these records.
struct Corners {
  std::array<AcGePoint3d, 4> points;
  std::array<unsigned, 4> found{};  // bits: 1 x, 2 y, 4 z
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  long long flags = 0;

  bool hasCorner(std::size_t i) const { return (found[i] & 3u) == 3u; }
  bool hasPart(std::size_t i) const { return found[i] != 0; }
};

void takeCornerValue(Corners& corners, int code, double value) {
  auto axis = static_cast<unsigned>(code / 10 - 1);
  auto corner = static_cast<std::size_t>(code % 10);
  unsigned bit = 1u << axis;
  if ((corners.found[corner] & bit) == 0) {
    corners.points[corner][axis] = value;
    corners.found[corner] |= bit;
  }
}

Corners readCorners(GroupReader& groups) {
  Corners corners;
  AcGeVector3d normal;
  unsigned normalFound = 0;
  bool flagsFound = false;
  while (!groups.atEnd()) {
    int code = groups.code();
    double value = 0.0;
    if (code == 70 && !flagsFound && groups.takeInteger(70, corners.flags)) {
      flagsFound = true;
      continue;
    }
    if (readReal(groups.text(), value)) {
      if (code >= 10 && code <= 33 && code % 10 <= 3) {
        takeCornerValue(corners, code, value);
      } else if (code == 210 || code == 220 || code == 230) {
        auto axis = static_cast<unsigned>(code / 10 - 21);
        if ((normalFound & (1u << axis)) == 0)
          normal[axis] = value;
        normalFound |= 1u << axis;
      }
    }
    groups.skip();
  }
  if (normalFound == 7u)
    corners.normal = normal;
  return corners;
}

// Corners 0, 1 and 2 must be there; a missing fourth is the third (a
// triangle), a fourth with only some of its coordinates is damage.
bool completeCorners(Corners& corners) {
  for (std::size_t i = 0; i < 3; ++i)
    if (!corners.hasCorner(i))
      return false;
  if (!corners.hasPart(3))
    corners.points[3] = corners.points[2];
  return corners.hasCorner(3) || !corners.hasPart(3);
}

// Values far beyond any drawing (1e300) can still overflow on the way into
// the world: such a point is damage, never a coordinate for the picture.
bool isFinite(const AcGePoint3d& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

bool allFinite(const Polyline3d& points) {
  for (const AcGePoint3d& p : points)
    if (!isFinite(p))
      return false;
  return true;
}

void appendDistinct(Polyline3d& points, const AcGePoint3d& p) {
  if (points.empty() || !(points.back() == p))
    points.push_back(p);
}

// Drops a last point equal to the first: the closing chord is implied.
void dropClosingPoint(Polyline3d& loop) {
  while (loop.size() > 1 && loop.back() == loop.front())
    loop.pop_back();
}

std::optional<AreaShape> singleLoop(Polyline3d loop, bool filled) {
  dropClosingPoint(loop);
  if (loop.size() < 2 || !allFinite(loop))
    return std::nullopt;
  AreaShape shape;
  shape.loops.push_back(std::move(loop));
  shape.filled = filled;
  return shape;
}

// SOLID and TRACE: corners in their plane, drawn in the order 0, 1, 3, 2.
std::optional<AreaShape> solidShape(const KeptEntity& entity) {
  GroupReader groups(entity);
  Corners corners = readCorners(groups);
  if (!completeCorners(corners))
    return std::nullopt;
  AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(corners.normal);
  Polyline3d loop;
  for (std::size_t i : {0u, 1u, 3u, 2u})
    appendDistinct(loop, toWorld * corners.points[i]);
  return singleLoop(std::move(loop), true);
}

// 3DFACE: world corners; flag bit k hides the edge from corner k to the
// next. Edges of no length (the fourth corner repeating the third) hide
// nothing: a triangle with its three edges shown is a whole loop.
std::optional<AreaShape> faceShape(const KeptEntity& entity) {
  GroupReader groups(entity);
  Corners corners = readCorners(groups);
  if (!completeCorners(corners))
    return std::nullopt;
  const auto& p = corners.points;
  std::array<bool, 4> shown{};
  std::array<bool, 4> degenerate{};
  bool allShown = true;
  for (std::size_t k = 0; k < 4; ++k) {
    degenerate[k] = p[k] == p[(k + 1) % 4];
    shown[k] = (corners.flags & (1ll << k)) == 0;
    allShown = allShown && (shown[k] || degenerate[k]);
  }
  if (allShown) {
    Polyline3d loop;
    for (const AcGePoint3d& corner : p)
      appendDistinct(loop, corner);
    return singleLoop(std::move(loop), false);
  }

  // Chains of shown edges, starting after a hidden one so none is cut in two.
  std::size_t first = 0;
  while (shown[first] || degenerate[first])
    ++first;
  AreaShape shape;
  Polyline3d chain;
  for (std::size_t step = 1; step <= 4; ++step) {
    std::size_t k = (first + step) % 4;
    if (degenerate[k])
      continue;
    if (!shown[k]) {
      if (chain.size() >= 2)
        shape.open.push_back(std::move(chain));
      chain.clear();
      continue;
    }
    appendDistinct(chain, p[k]);
    appendDistinct(chain, p[(k + 1) % 4]);
  }
  if (chain.size() >= 2)
    shape.open.push_back(std::move(chain));
  for (const Polyline3d& run : shape.open)
    if (!allFinite(run))
      return std::nullopt;
  if (shape.open.empty())
    return std::nullopt;  // every edge hidden: nothing to draw
  return shape;
}

bool isSolidPattern(const std::string& name) {
  static const char kSolid[] = "SOLID";
  if (name.size() != std::strlen(kSolid))
    return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(name[i])) != kSolid[i])
      return false;
  return true;
}

std::optional<AreaShape> hatchShape(const KeptEntity& entity, double chordTolerance) {
  GroupReader groups(entity);
  HatchBoundary hatch;
  if (!readHatchBoundary(groups, hatch))
    return std::nullopt;
  AreaShape shape;
  shape.filled = hatch.solidFill || isSolidPattern(hatch.patternName);
  shape.damaged = hatch.damaged;
  AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(hatch.normal);
  for (const BoundaryPath& path : hatch.paths) {
    Outline outline = pathOutline(path, chordTolerance);
    if (outline.size() < 2) {
      shape.damaged = true;  // a path that encloses nothing
      continue;
    }
    Polyline3d loop;
    loop.reserve(outline.size());
    for (const AcGePoint2d& q : outline)
      loop.push_back(toWorld * AcGePoint3d(q.x, q.y, hatch.elevation));
    if (!allFinite(loop)) {
      shape.damaged = true;
      continue;
    }
    shape.loops.push_back(std::move(loop));
  }
  if (shape.loops.empty())
    return std::nullopt;
  return shape;
}

}  // namespace

std::optional<AreaShape> areaShapeOf(const KeptEntity& entity, double chordTolerance) {
  const char* type = entity.dxfTypeName();
  if (std::strcmp(type, "HATCH") == 0)
    return hatchShape(entity, chordTolerance);
  if (std::strcmp(type, "SOLID") == 0 || std::strcmp(type, "TRACE") == 0)
    return solidShape(entity);
  if (std::strcmp(type, "3DFACE") == 0)
    return faceShape(entity);
  return std::nullopt;
}

}  // namespace zek::render
