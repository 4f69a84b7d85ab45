// AcGeTol and AcGeContext: the tolerances geometric comparisons take, and the
// global default (AcGeContext::gTol) every comparison uses unless given one.
#pragma once

// Two tolerances: equalPoint() bounds the distance at which two points are the
// same point (drawing units), equalVector() bounds the difference of two
// vectors, and the sine or cosine of the angle in parallel and perpendicular
// tests.
class AcGeTol {
public:
  AcGeTol() = default;

  double equalPoint() const { return equalPoint_; }
  double equalVector() const { return equalVector_; }
  void setEqualPoint(double value) { equalPoint_ = value; }
  void setEqualVector(double value) { equalVector_ = value; }

private:
  double equalPoint_ = 1e-10;
  double equalVector_ = 1e-12;
};

struct AcGeContext {
  // The tolerance comparisons use by default. It is process-wide state of the
  // host: a module that changes it changes it for every document.
  static AcGeTol gTol;
};
