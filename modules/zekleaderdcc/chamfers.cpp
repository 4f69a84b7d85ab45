// Chamfer lines, quadrants, leader ends and notes (see chamfers.h).
#include "chamfers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace zek {
namespace {

constexpr std::array<double, 4> kChamferDirections = {0.785398, 2.35619, 3.92699, 5.49779};
constexpr double kDirectionWindow = 0.01;
// The outward diagonals of quadrants 1 to 4, and the half width of each
// quadrant's window around them.
constexpr std::array<double, 4> kQuadrantDiagonals = {0.7854, 2.3562, 3.927, 5.4978};
constexpr double kQuadrantWindow = 0.7;

double directionOf(const AcGePoint3d& from, const AcGePoint3d& to) {
  const double angle = std::atan2(to.y - from.y, to.x - from.x);
  return angle < 0.0 ? angle + 2.0 * std::numbers::pi : angle;
}

AcGePoint3d polar(const AcGePoint3d& from, double angle, double distance) {
  return {from.x + distance * std::cos(angle), from.y + distance * std::sin(angle), from.z};
}

}  // namespace

bool isChamferDirection(double angle) {
  return std::any_of(kChamferDirections.begin(), kChamferDirections.end(),
                     [angle](double d) { return std::fabs(angle - d) < kDirectionWindow; });
}

int chamferQuadrant(double angle) {
  for (std::size_t i = 0; i < kQuadrantDiagonals.size(); ++i)
    if (std::fabs(angle - kQuadrantDiagonals[i]) < kQuadrantWindow)
      return static_cast<int>(i) + 1;
  return kNoQuadrant;
}

bool chamferOf(const AcGePoint3d& start, const AcGePoint3d& end, ChamferRecord& chamfer) {
  if (start.x == end.x && start.y == end.y)
    return false;  // a piece of no length has no direction
  if (!isChamferDirection(directionOf(start, end)))
    return false;
  chamfer.mid = {(start.x + end.x) / 2.0, (start.y + end.y) / 2.0, (start.z + end.z) / 2.0};
  chamfer.size = start.distanceTo(end) * kChamferLegPerLength;
  return true;
}

std::vector<ChamferRecord> polylineChamfers(const std::vector<AcGePoint3d>& vertices,
                                            const std::vector<double>& bulges, bool closed) {
  std::vector<ChamferRecord> found;
  const std::size_t count = vertices.size();
  if (count < 2)
    return found;
  const std::size_t segments = closed ? count : count - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    const double bulge = i < bulges.size() ? bulges[i] : 0.0;
    if (std::fabs(bulge) >= kStraightBulge)
      continue;  // an arc segment is no chamfer
    ChamferRecord chamfer;
    if (chamferOf(vertices[i], vertices[(i + 1) % count], chamfer))
      found.push_back(chamfer);
  }
  return found;
}

std::vector<LeaderPlan> planLeaders(const std::vector<ChamferRecord>& chamfers,
                                    const AcGePoint3d& centre, double run) {
  std::vector<LeaderPlan> plans;
  double minX = std::numeric_limits<double>::max(), minY = minX;
  double maxX = std::numeric_limits<double>::lowest(), maxY = maxX;
  for (const ChamferRecord& chamfer : chamfers) {
    const int quadrant = chamferQuadrant(directionOf(centre, chamfer.mid));
    if (quadrant == kNoQuadrant)
      continue;  // no outward diagonal: this chamfer stays unlabelled
    const AcGePoint3d end =
        polar(chamfer.mid, kQuadrantDiagonals[static_cast<std::size_t>(quadrant - 1)], run);
    minX = std::min(minX, end.x);
    minY = std::min(minY, end.y);
    maxX = std::max(maxX, end.x);
    maxY = std::max(maxY, end.y);
    plans.push_back({chamfer.mid, end, chamfer.size, quadrant});
  }
  for (LeaderPlan& plan : plans) {
    const bool right = plan.quadrant == 1 || plan.quadrant == 4;
    const bool top = plan.quadrant == 1 || plan.quadrant == 2;
    plan.end.x = right ? maxX : minX;
    plan.end.y = top ? maxY : minY;
  }
  return plans;
}

std::string chamferNote(const std::string& sizeText) {
  std::string note = "C" + sizeText;
  if (note.size() > 3 && note.back() == '0') {
    const bool twoZeros = note[note.size() - 2] == '0';
    note.erase(note.size() - (twoZeros ? 2 : 1));
  }
  return note;
}

bool leavesOutBackLayer(bool drawingHasBoth, const std::vector<ViewLayer>& layers) {
  if (!drawingHasBoth)
    return false;
  const auto on = [&layers](ViewLayer layer) {
    return std::count(layers.begin(), layers.end(), layer);
  };
  return on(ViewLayer::Other) == 0 && on(ViewLayer::Front) > 0 && on(ViewLayer::Back) > 0;
}

}  // namespace zek
