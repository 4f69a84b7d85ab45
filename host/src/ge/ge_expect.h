// Test helpers of host_ge_tests: printing geometry in failure messages and
// comparing points, vectors and matrices against hand-computed values.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "db_extents.h"
#include "ge_geometry.h"

inline std::ostream& operator<<(std::ostream& os, const AcGePoint2d& p) {
  return os << "(" << p.x << ", " << p.y << ")";
}
inline std::ostream& operator<<(std::ostream& os, const AcGeVector2d& v) {
  return os << "<" << v.x << ", " << v.y << ">";
}
inline std::ostream& operator<<(std::ostream& os, const AcGePoint3d& p) {
  return os << "(" << p.x << ", " << p.y << ", " << p.z << ")";
}
inline std::ostream& operator<<(std::ostream& os, const AcGeVector3d& v) {
  return os << "<" << v.x << ", " << v.y << ", " << v.z << ">";
}

namespace zek::test {

// Hand values carry about ten digits; computed ones differ in the last bits.
constexpr double kNear = 1e-9;

inline bool near(double a, double b, double tol = kNear) { return std::fabs(a - b) <= tol; }

template <typename T>
::testing::AssertionResult nearXyz(const T& actual, const T& expected, double tol = kNear) {
  if (near(actual.x, expected.x, tol) && near(actual.y, expected.y, tol) &&
      near(actual.z, expected.z, tol))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " expected " << expected;
}

template <typename T>
::testing::AssertionResult nearXy(const T& actual, const T& expected, double tol = kNear) {
  if (near(actual.x, expected.x, tol) && near(actual.y, expected.y, tol))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " expected " << expected;
}

inline ::testing::AssertionResult nearBox(const AcDbExtents& actual, const AcGePoint3d& min,
                                          const AcGePoint3d& max, double tol = kNear) {
  if (nearXyz(actual.minPoint(), min, tol) && nearXyz(actual.maxPoint(), max, tol))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "box " << actual.minPoint() << "-" << actual.maxPoint()
                                       << " expected " << min << "-" << max;
}

// Every entry of the matrix against the expected rows.
template <typename M, int N>
::testing::AssertionResult nearEntries(const M& actual, const double (&expected)[N][N],
                                       double tol = kNear) {
  for (int r = 0; r < N; ++r)
    for (int c = 0; c < N; ++c)
      if (!near(actual.entry[r][c], expected[r][c], tol))
        return ::testing::AssertionFailure()
               << "entry[" << r << "][" << c << "] = " << actual.entry[r][c] << " expected "
               << expected[r][c];
  return ::testing::AssertionSuccess();
}

}  // namespace zek::test
