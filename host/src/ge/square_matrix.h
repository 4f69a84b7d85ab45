// Products, determinants and inverses of small square matrices held as
// double[N][N]: the arithmetic AcGeMatrix2d (N = 3) and AcGeMatrix3d (N = 4)
// share. Internal to the host.
#pragma once

#include <cmath>
#include <cstring>
#include <utility>

namespace zek::ge {

template <int N>
using Square = double[N][N];

// out = a · b; out may be a or b.
template <int N>
void multiply(const Square<N>& a, const Square<N>& b, Square<N>& out) {
  double product[N][N];
  for (int r = 0; r < N; ++r)
    for (int c = 0; c < N; ++c) {
      double sum = 0.0;
      for (int k = 0; k < N; ++k)
        sum += a[r][k] * b[k][c];
      product[r][c] = sum;
    }
  std::memcpy(out, product, sizeof product);
}

// The determinant of the leading n×n block, by elimination with partial
// pivoting.
template <int N>
double determinant(const Square<N>& m, int n = N) {
  double work[N][N];
  std::memcpy(work, m, sizeof work);
  double det = 1.0;
  for (int col = 0; col < n; ++col) {
    int pivot = col;
    for (int r = col + 1; r < n; ++r)
      if (std::fabs(work[r][col]) > std::fabs(work[pivot][col]))
        pivot = r;
    if (work[pivot][col] == 0.0)
      return 0.0;
    if (pivot != col) {
      for (int c = 0; c < n; ++c)
        std::swap(work[pivot][c], work[col][c]);
      det = -det;
    }
    det *= work[col][col];
    for (int r = col + 1; r < n; ++r) {
      const double factor = work[r][col] / work[col][col];
      for (int c = col; c < n; ++c)
        work[r][c] -= factor * work[col][c];
    }
  }
  return det;
}

// An affine matrix: the last row is (0, ..., 0, 1).
template <int N>
bool isAffine(const Square<N>& m) {
  for (int c = 0; c < N - 1; ++c)
    if (m[N - 1][c] != 0.0)
      return false;
  return m[N - 1][N - 1] == 1.0;
}

// Singular at tolerance tol: |det| ≤ tol · (product of the row lengths), a
// measure free of the drawing's scale (by Hadamard's inequality the ratio
// lies in [0, 1]). An affine matrix is judged by its linear block alone, so
// that a large translation does not make a rotation look singular.
template <int N>
bool isSingular(const Square<N>& m, double tol) {
  const int n = isAffine<N>(m) ? N - 1 : N;
  double rowProduct = 1.0;
  for (int r = 0; r < n; ++r) {
    double sum = 0.0;
    for (int c = 0; c < n; ++c)
      sum += m[r][c] * m[r][c];
    if (sum == 0.0)
      return true;
    rowProduct *= std::sqrt(sum);
  }
  return std::fabs(determinant<N>(m, n)) <= tol * rowProduct;
}

// Gauss–Jordan inversion with partial pivoting. Answers false, out untouched,
// when the matrix is singular at tolerance tol.
template <int N>
bool invert(const Square<N>& m, Square<N>& out, double tol) {
  if (isSingular<N>(m, tol))
    return false;
  double work[N][N];
  double inv[N][N] = {};
  std::memcpy(work, m, sizeof work);
  for (int i = 0; i < N; ++i)
    inv[i][i] = 1.0;
  for (int col = 0; col < N; ++col) {
    int pivot = col;
    for (int r = col + 1; r < N; ++r)
      if (std::fabs(work[r][col]) > std::fabs(work[pivot][col]))
        pivot = r;
    if (work[pivot][col] == 0.0)
      return false;
    if (pivot != col)
      for (int c = 0; c < N; ++c) {
        std::swap(work[pivot][c], work[col][c]);
        std::swap(inv[pivot][c], inv[col][c]);
      }
    const double scale = 1.0 / work[col][col];
    for (int c = 0; c < N; ++c) {
      work[col][c] *= scale;
      inv[col][c] *= scale;
    }
    for (int r = 0; r < N; ++r) {
      if (r == col || work[r][col] == 0.0)
        continue;
      const double factor = work[r][col];
      for (int c = 0; c < N; ++c) {
        work[r][c] -= factor * work[col][c];
        inv[r][c] -= factor * inv[col][c];
      }
    }
  }
  std::memcpy(out, inv, sizeof inv);
  return true;
}

// Entry-wise comparison: the translation column (all rows but the last)
// within pointTol, every other entry within vectorTol.
template <int N>
bool isEqualTo(const Square<N>& a, const Square<N>& b, double pointTol, double vectorTol) {
  for (int r = 0; r < N; ++r)
    for (int c = 0; c < N; ++c) {
      const double tol = (c == N - 1 && r < N - 1) ? pointTol : vectorTol;
      if (!(std::fabs(a[r][c] - b[r][c]) <= tol))
        return false;
    }
  return true;
}

}  // namespace zek::ge
