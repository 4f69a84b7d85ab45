// NURBS evaluation (basis functions and their derivatives, de Boor), spans,
// lengths, extents, nearest points, and the interpolating cubic of fit points.
#include "db/curves/nurbs.h"

#include <algorithm>
#include <cmath>

#include "db/curves/curve_math.h"

namespace zek::curve {

namespace {

constexpr int kMaxDegree = 32;

// The basis functions N[k−q .. k] of degree q at u in knot span k (the
// triangle of de Boor's recurrence, as in the NURBS literature's BasisFuns).
void basisFunctions(const std::vector<double>& knots, int k, double u, int q, double* n) {
  double left[kMaxDegree + 1], right[kMaxDegree + 1];
  n[0] = 1.0;
  for (int j = 1; j <= q; ++j) {
    left[j] = u - knots[k + 1 - j];
    right[j] = knots[k + j] - u;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      const double temp = n[r] / (right[r + 1] + left[j - r]);
      n[r] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    n[j] = saved;
  }
}

}  // namespace

bool Nurbs::isValid() const {
  const std::size_t n = points.size();
  if (degree < 1 || degree > kMaxDegree || n < static_cast<std::size_t>(degree) + 1)
    return false;
  if (knots.size() != n + degree + 1)
    return false;
  for (std::size_t i = 1; i < knots.size(); ++i)
    if (!(knots[i] >= knots[i - 1]))
      return false;
  if (!(knots[degree] < knots[n]))
    return false;
  if (!weights.empty()) {
    if (weights.size() != n)
      return false;
    for (double w : weights)
      if (!(w > 0.0))
        return false;
  }
  return true;
}

AcGePoint3d Nurbs::pointAt(double u, AcGeVector3d* derivative) const {
  const int n = static_cast<int>(points.size());
  const int p = degree;
  u = std::clamp(u, startParam(), endParam());
  // The span k with knots[k] ≤ u < knots[k+1]; at the end of the range the
  // last non-empty span.
  int k = static_cast<int>(std::upper_bound(knots.begin() + p, knots.begin() + n, u) -
                           knots.begin()) - 1;
  k = std::clamp(k, p, n - 1);
  while (k > p && knots[k] == knots[k + 1])
    --k;

  double basis[kMaxDegree + 1], lower[kMaxDegree + 1];
  basisFunctions(knots, k, u, p, basis);
  if (derivative)
    basisFunctions(knots, k, u, p - 1, lower);

  AcGeVector3d a, da;
  double w = 0.0, dw = 0.0;
  for (int j = 0; j <= p; ++j) {
    const int i = k - p + j;
    const double weight = weights.empty() ? 1.0 : weights[i];
    a += points[i].asVector() * (basis[j] * weight);
    w += basis[j] * weight;
    if (derivative) {
      // N'(i,p) = p·(N(i,p−1)/(u[i+p]−u[i]) − N(i+1,p−1)/(u[i+p+1]−u[i+1])),
      // where N(m,p−1) is lower[m − (k−p+1)] for m in k−p+1 .. k.
      double d = 0.0;
      const double span1 = knots[i + p] - knots[i];
      const double span2 = knots[i + p + 1] - knots[i + 1];
      if (j >= 1 && span1 > 0.0)
        d += lower[j - 1] / span1;
      if (j <= p - 1 && span2 > 0.0)
        d -= lower[j] / span2;
      d *= p;
      da += points[i].asVector() * (d * weight);
      dw += d * weight;
    }
  }
  const AcGeVector3d c = a / w;
  if (derivative)
    *derivative = (da - c * dw) / w;
  return AcGePoint3d::kOrigin + c;
}

std::vector<double> Nurbs::breakpoints() const {
  std::vector<double> result;
  const double lo = startParam(), hi = endParam();
  result.push_back(lo);
  for (double k : knots)
    if (k > result.back() && k < hi)
      result.push_back(k);
  result.push_back(hi);
  return result;
}

double Nurbs::length(double u0, double u1) const {
  const auto speed = [this](double u) {
    AcGeVector3d d;
    pointAt(u, &d);
    return d.length();
  };
  double total = 0.0;
  const std::vector<double> breaks = breakpoints();
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
    const double a = std::max(breaks[i], u0), b = std::min(breaks[i + 1], u1);
    if (a < b)
      total += integrate(speed, a, b);
  }
  return total;
}

double Nurbs::paramAtLength(double dist) const {
  const std::vector<double> breaks = breakpoints();
  double done = 0.0;
  for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
    const double piece = length(breaks[i], breaks[i + 1]);
    if (done + piece >= dist || i + 2 == breaks.size()) {
      const double a = breaks[i];
      return invertLength([&](double u) { return length(a, u); },
                          [this](double u) {
                            AcGeVector3d d;
                            pointAt(u, &d);
                            return d.length();
                          },
                          a, breaks[i + 1], dist - done);
    }
    done += piece;
  }
  return endParam();
}

namespace {
constexpr int kSamplesPerSpan = 16;
}  // namespace

AcDbExtents Nurbs::extents() const {
  AcDbExtents box;
  const std::vector<double> breaks = breakpoints();
  for (std::size_t s = 0; s + 1 < breaks.size(); ++s) {
    const double a = breaks[s], b = breaks[s + 1];
    const double step = (b - a) / kSamplesPerSpan;
    AcGePoint3d samples[kSamplesPerSpan + 1];
    for (int j = 0; j <= kSamplesPerSpan; ++j) {
      samples[j] = pointAt(j == kSamplesPerSpan ? b : a + j * step);
      box.addPoint(samples[j]);
    }
    // A sample above (below) both neighbours has the axis maximum (minimum)
    // of its neighbourhood between them: find it exactly there.
    for (unsigned axis = 0; axis < 3; ++axis) {
      for (int j = 1; j < kSamplesPerSpan; ++j) {
        const double v = samples[j][axis];
        const double before = samples[j - 1][axis], after = samples[j + 1][axis];
        for (double sign : {1.0, -1.0}) {
          if (!(sign * v >= sign * before && sign * v >= sign * after) || (v == before && v == after))
            continue;
          const double u = goldenMinimum(
              [&](double t) { return -sign * pointAt(t)[axis]; }, a + (j - 1) * step,
              a + (j + 1) * step);
          box.addPoint(pointAt(u));
        }
      }
    }
  }
  return box;
}

double Nurbs::closestParam(const AcGePoint3d& p) const {
  const std::vector<double> breaks = breakpoints();
  double bestU = startParam(), bestD = pointAt(bestU).distanceTo(p);
  double bestA = bestU, bestB = bestU;
  for (std::size_t s = 0; s + 1 < breaks.size(); ++s) {
    const double a = breaks[s], b = breaks[s + 1];
    const double step = (b - a) / kSamplesPerSpan;
    for (int j = 0; j <= kSamplesPerSpan; ++j) {
      const double u = j == kSamplesPerSpan ? b : a + j * step;
      const double d = pointAt(u).distanceTo(p);
      if (d < bestD) {
        bestD = d;
        bestU = u;
        bestA = std::max(a, u - step);
        bestB = std::min(b, u + step);
      }
    }
  }
  if (bestB > bestA) {
    const double u = goldenMinimum([&](double t) { return pointAt(t).distanceTo(p); }, bestA, bestB);
    if (pointAt(u).distanceTo(p) < bestD)
      bestU = u;
  }
  return bestU;
}

Nurbs interpolateFitPoints(const std::vector<AcGePoint3d>& fitPoints, int degree,
                           const AcGeVector3d& startTangent, const AcGeVector3d& endTangent) {
  Nurbs curve;
  // Repeated points carry no parameter step: they are dropped.
  std::vector<AcGePoint3d> q;
  for (const AcGePoint3d& p : fitPoints)
    if (q.empty() || p.distanceTo(q.back()) > 0.0)
      q.push_back(p);
  const std::size_t n = q.size();
  if (n < 2)
    return curve;  // invalid: no points to span
  std::vector<double> u(n, 0.0);
  for (std::size_t i = 1; i < n; ++i)
    u[i] = u[i - 1] + q[i].distanceTo(q[i - 1]);

  if (degree <= 1) {
    curve.degree = 1;
    curve.points = q;
    curve.knots.push_back(u[0]);
    curve.knots.insert(curve.knots.end(), u.begin(), u.end());
    curve.knots.push_back(u[n - 1]);
    return curve;
  }

  // First derivatives m[i] at the fit points of the C2 cubic: a tridiagonal
  // system (interior rows from the continuity of the second derivative, end
  // rows from the tangent given or from a zero second derivative), solved
  // by forward elimination and back substitution.
  std::vector<double> h(n - 1);
  for (std::size_t i = 0; i + 1 < n; ++i)
    h[i] = u[i + 1] - u[i];
  std::vector<double> lower(n, 0.0), diag(n, 0.0), upper(n, 0.0);
  std::vector<AcGeVector3d> rhs(n);
  AcGeVector3d t0, t1;
  const bool clampStart = unitNormal(startTangent, t0);
  const bool clampEnd = unitNormal(endTangent, t1);
  if (clampStart) {
    diag[0] = 1.0;
    rhs[0] = t0;
  } else {
    diag[0] = 2.0;
    upper[0] = 1.0;
    rhs[0] = (q[1] - q[0]) * (3.0 / h[0]);
  }
  for (std::size_t i = 1; i + 1 < n; ++i) {
    lower[i] = h[i];
    diag[i] = 2.0 * (h[i - 1] + h[i]);
    upper[i] = h[i - 1];
    rhs[i] = (q[i] - q[i - 1]) * (3.0 * h[i] / h[i - 1]) +
             (q[i + 1] - q[i]) * (3.0 * h[i - 1] / h[i]);
  }
  if (clampEnd) {
    diag[n - 1] = 1.0;
    lower[n - 1] = 0.0;
    rhs[n - 1] = t1;
  } else {
    lower[n - 1] = 1.0;
    diag[n - 1] = 2.0;
    rhs[n - 1] = (q[n - 1] - q[n - 2]) * (3.0 / h[n - 2]);
  }
  for (std::size_t i = 1; i < n; ++i) {
    const double factor = lower[i] / diag[i - 1];
    diag[i] -= factor * upper[i - 1];
    rhs[i] -= rhs[i - 1] * factor;
  }
  std::vector<AcGeVector3d> m(n);
  m[n - 1] = rhs[n - 1] / diag[n - 1];
  for (std::size_t i = n - 1; i-- > 0;)
    m[i] = (rhs[i] - m[i + 1] * upper[i]) / diag[i];

  // Each piece as a Bézier segment: Q[i], Q[i] + h·m[i]/3, Q[i+1] − h·m[i+1]/3, Q[i+1].
  curve.degree = 3;
  curve.knots.assign(4, u[0]);
  curve.points.push_back(q[0]);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    curve.points.push_back(q[i] + m[i] * (h[i] / 3.0));
    curve.points.push_back(q[i + 1] - m[i + 1] * (h[i] / 3.0));
    curve.points.push_back(q[i + 1]);
    curve.knots.insert(curve.knots.end(), i + 2 < n ? 3 : 4, u[i + 1]);
  }
  return curve;
}

}  // namespace zek::curve
