// Angles, coordinate systems, elliptic-arc extents, quadrature and the
// crossing tests the curve entities share.
#include "db/curves/curve_math.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "zek/arc_math.h"

namespace zek::curve {

namespace {

constexpr double kDegreesToRadians = kPi / 180.0;

// The angle t brought into the arc starting at t0: its distance from t0 in
// [0, 2π), compared with the sweep.
bool onSweep(double t, double t0, double sweep) {
  if (sweep >= kTwoPi)
    return true;
  return zek::normalizeAngle(t - t0) <= sweep;
}

}  // namespace

double radiansFromDxfDegrees(double degrees) {
  // Whole turns come off in degrees, where fmod is exact: 370° reads as
  // exactly the radians of 10°, −90° as those of 270°.
  double d = std::fmod(degrees, 360.0);
  if (d < 0.0)
    d += 360.0;
  if (d >= 360.0)
    d = 0.0;
  return zek::normalizeAngle(d * kDegreesToRadians);
}

double dxfDegreesFromRadians(double radians) {
  const double plain = radians / kDegreesToRadians;
  char text[40];
  for (int digits = 12; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, plain);
    const double candidate = std::strtod(text, nullptr);
    if (radiansFromDxfDegrees(candidate) == radians)
      return candidate;
  }
  return plain;
}

bool isWorldZ(const AcGeVector3d& normal) {
  return normal.x == 0.0 && normal.y == 0.0 && normal.z == 1.0;
}

AcGePoint3d ocsToWcs(const AcGePoint3d& point, const AcGeVector3d& normal) {
  if (isWorldZ(normal))
    return point;
  return AcGeMatrix3d::planeToWorld(normal) * point;
}

AcGePoint3d wcsToOcs(const AcGePoint3d& point, const AcGeVector3d& normal) {
  if (isWorldZ(normal))
    return point;
  return AcGeMatrix3d::worldToPlane(normal) * point;
}

AcGeVector3d ocsToWcs(const AcGeVector3d& vector, const AcGeVector3d& normal) {
  if (isWorldZ(normal))
    return vector;
  return AcGeMatrix3d::planeToWorld(normal) * vector;
}

bool unitNormal(const AcGeVector3d& vector, AcGeVector3d& unit) {
  const double length = vector.length();
  if (!(length > 0.0) || !std::isfinite(length))
    return false;
  unit = vector / length;
  return true;
}

void addEllipticArcExtents(AcDbExtents& box, const AcGePoint3d& centre,
                           const AcGeVector3d& major, const AcGeVector3d& minor, double t0,
                           double sweep) {
  const auto at = [&](double t) { return centre + major * std::cos(t) + minor * std::sin(t); };
  const AcGePoint3d start = at(t0);
  const AcGePoint3d end = at(t0 + std::min(sweep, kTwoPi));
  double lo[3], hi[3];
  for (unsigned k = 0; k < 3; ++k) {
    lo[k] = std::min(start[k], end[k]);
    hi[k] = std::max(start[k], end[k]);
    // Along axis k the curve is centre_k + R·cos(t − φ): its extremes lie at
    // φ and φ + π, at exactly centre_k ± R.
    const double radius = std::hypot(major[k], minor[k]);
    if (radius == 0.0)
      continue;
    const double phi = std::atan2(minor[k], major[k]);
    if (onSweep(phi, t0, sweep))
      hi[k] = std::max(hi[k], centre[k] + radius);
    if (onSweep(phi + kPi, t0, sweep))
      lo[k] = std::min(lo[k], centre[k] - radius);
  }
  box.addPoint(AcGePoint3d(lo[0], lo[1], lo[2]));
  box.addPoint(AcGePoint3d(hi[0], hi[1], hi[2]));
}

void addExtrusion(AcDbExtents& box, const AcGeVector3d& extrusion) {
  if (!box.isValid() || extrusion.isZeroLength())
    return;
  const AcGePoint3d low = box.minPoint(), high = box.maxPoint();
  box.addPoint(low + extrusion);
  box.addPoint(high + extrusion);
}

namespace {

constexpr int kOrder = 16;

struct GaussRule {
  double node[kOrder];
  double weight[kOrder];
};

// Nodes are the roots of the Legendre polynomial P16, found by Newton's
// method from the usual cosine estimates.
GaussRule buildRule() {
  GaussRule rule{};
  for (int i = 0; i < kOrder; ++i) {
    double x = std::cos(kPi * (i + 0.75) / (kOrder + 0.5));
    double derivative = 1.0;
    for (int iteration = 0; iteration < 100; ++iteration) {
      double p0 = 1.0, p1 = x;
      for (int j = 2; j <= kOrder; ++j) {
        const double p2 = ((2.0 * j - 1.0) * x * p1 - (j - 1.0) * p0) / j;
        p0 = p1;
        p1 = p2;
      }
      derivative = kOrder * (x * p1 - p0) / (x * x - 1.0);
      const double step = p1 / derivative;
      x -= step;
      if (std::fabs(step) < 1e-17)
        break;
    }
    rule.node[i] = x;
    rule.weight[i] = 2.0 / ((1.0 - x * x) * derivative * derivative);
  }
  return rule;
}

const GaussRule& gaussRule() {
  static const GaussRule rule = buildRule();
  return rule;
}

double gaussOn(const std::function<double(double)>& f, double a, double b) {
  const GaussRule& rule = gaussRule();
  const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
  double sum = 0.0;
  for (int i = 0; i < kOrder; ++i)
    sum += rule.weight[i] * f(mid + half * rule.node[i]);
  return sum * half;
}

double adaptive(const std::function<double(double)>& f, double a, double b, double whole,
                double absTol, int depth) {
  const double mid = 0.5 * (a + b);
  const double left = gaussOn(f, a, mid);
  const double right = gaussOn(f, mid, b);
  if (depth >= 30 || std::fabs(left + right - whole) <= absTol)
    return left + right;
  return adaptive(f, a, mid, left, absTol, depth + 1) +
         adaptive(f, mid, b, right, absTol, depth + 1);
}

}  // namespace

double integrate(const std::function<double(double)>& f, double a, double b, double relTol) {
  if (a == b)
    return 0.0;
  const double whole = gaussOn(f, a, b);
  const double absTol = std::max(std::fabs(whole) * relTol, 1e-300);
  return adaptive(f, a, b, whole, absTol, 0);
}

double invertLength(const std::function<double(double)>& lengthTo,
                    const std::function<double(double)>& speed, double lo, double hi,
                    double target) {
  if (target <= 0.0)
    return lo;
  const double total = lengthTo(hi);
  if (target >= total)
    return hi;
  double a = lo, b = hi;
  double u = lo + (hi - lo) * (target / total);
  for (int iteration = 0; iteration < 100; ++iteration) {
    const double error = lengthTo(u) - target;
    if (error > 0.0)
      b = u;
    else
      a = u;
    const double rate = speed(u);
    double next = rate > 0.0 ? u - error / rate : 0.5 * (a + b);
    if (!(next > a && next < b))
      next = 0.5 * (a + b);  // Newton left the bracket: bisect instead
    if (std::fabs(next - u) <= 1e-15 * std::max(1.0, std::fabs(u)) || b - a <= 1e-15 * (hi - lo))
      return next;
    u = next;
  }
  return u;
}

double goldenMinimum(const std::function<double(double)>& f, double a, double b) {
  constexpr double kRatio = 0.6180339887498949;
  double c = b - kRatio * (b - a), d = a + kRatio * (b - a);
  double fc = f(c), fd = f(d);
  for (int iteration = 0; iteration < 200 && b - a > 1e-15 * std::max(1.0, std::fabs(a)); ++iteration) {
    if (fc < fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - kRatio * (b - a);
      fc = f(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + kRatio * (b - a);
      fd = f(d);
    }
  }
  return 0.5 * (a + b);
}

Rect2d rectOf(const AcDbExtents& box) {
  return {box.minPoint().x, box.minPoint().y, box.maxPoint().x, box.maxPoint().y};
}

bool segmentCrossesRect(const AcGePoint2d& p, const AcGePoint2d& q, const Rect2d& rect) {
  if (rect.contains(p) || rect.contains(q))
    return true;
  // Liang–Barsky: clip the parameter range [0, 1] by the four slabs.
  const double dx = q.x - p.x, dy = q.y - p.y;
  double lo = 0.0, hi = 1.0;
  const auto clip = [&](double denom, double num) {
    // Keeps the part where denom·t ≤ num.
    if (denom == 0.0)
      return num >= 0.0;
    const double t = num / denom;
    if (denom > 0.0)
      hi = std::min(hi, t);
    else
      lo = std::max(lo, t);
    return lo <= hi;
  };
  return clip(-dx, p.x - rect.xMin) && clip(dx, rect.xMax - p.x) && clip(-dy, p.y - rect.yMin) &&
         clip(dy, rect.yMax - p.y);
}

bool ellipticArcCrossesRect(const AcGePoint2d& centre, const AcGeVector2d& major,
                            const AcGeVector2d& minor, double t0, double sweep,
                            const Rect2d& rect) {
  const auto at = [&](double t) { return centre + major * std::cos(t) + minor * std::sin(t); };
  if (rect.contains(at(t0)))
    return true;
  // Otherwise the arc enters the rectangle through an edge. Along axis k the
  // curve is centre_k + R·cos(t − φ); an edge at value v is met where
  // cos(t − φ) = (v − centre_k)/R.
  for (unsigned k = 0; k < 2; ++k) {
    const unsigned other = 1 - k;
    const double radius = std::hypot(major[k], minor[k]);
    if (radius == 0.0)
      continue;
    const double phi = std::atan2(minor[k], major[k]);
    const double edges[2] = {k == 0 ? rect.xMin : rect.yMin, k == 0 ? rect.xMax : rect.yMax};
    const double otherLo = other == 0 ? rect.xMin : rect.yMin;
    const double otherHi = other == 0 ? rect.xMax : rect.yMax;
    for (double edge : edges) {
      const double c = (edge - centre[k]) / radius;
      if (c < -1.0 || c > 1.0)
        continue;
      const double alpha = std::acos(c);
      for (double t : {phi + alpha, phi - alpha}) {
        if (!onSweep(t, t0, sweep))
          continue;
        const double v = at(t)[other];
        if (v >= otherLo && v <= otherHi)
          return true;
      }
    }
  }
  return false;
}

AcGePoint3d closestOnSegment(const AcGePoint3d& p, const AcGePoint3d& q,
                             const AcGePoint3d& point, bool extend) {
  const AcGeVector3d d = q - p;
  const double len2 = d.lengthSqrd();
  if (len2 == 0.0)
    return p;
  double t = (point - p).dotProduct(d) / len2;
  if (!extend)
    t = std::clamp(t, 0.0, 1.0);
  return p + d * t;
}

double onCurveTolerance(double magnitude) {
  return std::max(AcGeContext::gTol.equalPoint(), 1e-10 * std::fabs(magnitude));
}

}  // namespace zek::curve
