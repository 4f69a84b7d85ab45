// Reading entity text through the host's reader for the area shape tests,
// and measuring outlines against the curves they flatten.
#include "shapes_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "db/kept_object.h"
#include "db/testing/db_test_support.h"

namespace zek::render::test {

std::string entitiesDxf(const std::string& groupLines) {
  std::ostringstream out;
  out << "0\nSECTION\n2\nENTITIES\n";
  std::istringstream lines(groupLines);
  std::string line;
  while (std::getline(lines, line)) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos)
      continue;
    std::size_t space = line.find(' ', start);
    std::string code = line.substr(start, space - start);
    std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    out << code << '\n' << value << '\n';
  }
  out << "0\nENDSEC\n0\nEOF\n";
  return out.str();
}

std::optional<AreaShape> shapeOfGroups(const std::string& groupLines, double chordTolerance) {
  std::unique_ptr<AcDbDatabase> db = zek::test::readDxf(entitiesDxf(groupLines));
  if (!db)
    return std::nullopt;
  std::vector<AcDbObjectId> ids = zek::test::modelSpaceIds(*db);
  if (ids.size() != 1) {
    ADD_FAILURE() << "expected one entity, the drawing holds " << ids.size();
    return std::nullopt;
  }
  zek::test::Opened<AcDbEntity> entity(ids[0]);
  auto* kept = entity ? KeptEntity::cast(entity.get()) : nullptr;
  if (kept == nullptr) {
    ADD_FAILURE() << "the entity is not kept as groups";
    return std::nullopt;
  }
  return areaShapeOf(*kept, chordTolerance);
}

double distanceToSegment(const AcGePoint2d& p, const AcGePoint2d& a, const AcGePoint2d& b) {
  AcGeVector2d ab = b - a;
  double lengthSquared = ab.lengthSqrd();
  double t = lengthSquared == 0.0 ? 0.0 : std::clamp((p - a).dotProduct(ab) / lengthSquared, 0.0, 1.0);
  return p.distanceTo(a + ab * t);
}

CurveFit fitToCurve(const std::vector<AcGePoint3d>& points, const PlaneCurve& curve) {
  constexpr int kSamplesPerChord = 64;
  CurveFit fit;
  for (std::size_t i = 0; i < points.size(); ++i) {
    AcGePoint2d p(points[i].x, points[i].y);
    fit.farthestOff = std::max(fit.farthestOff, p.distanceTo(curve.pointAt(curve.paramOf(p))));
    if (i + 1 == points.size())
      break;
    AcGePoint2d q(points[i + 1].x, points[i + 1].y);
    double t0 = curve.paramOf(p), t1 = curve.paramOf(q);
    // Angle-like parameters wrap: take the short way round.
    if (std::fabs(t1 - t0) > std::numbers::pi)
      t1 -= 2.0 * std::numbers::pi * std::round((t1 - t0) / (2.0 * std::numbers::pi));
    for (int k = 1; k < kSamplesPerChord; ++k) {
      double t = t0 + (t1 - t0) * k / kSamplesPerChord;
      fit.largestChordGap = std::max(fit.largestChordGap, distanceToSegment(curve.pointAt(t), p, q));
    }
  }
  return fit;
}

}  // namespace zek::render::test
