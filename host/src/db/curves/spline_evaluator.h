// The curve an AcDbSpline stands for, ready to evaluate: its control data
// as a NURBS, or, for a spline filed with fit points only, the cubic
// through them.
#pragma once

#include <vector>

#include "db/curves/nurbs.h"

namespace zek::curve {

struct SplineCurve {
  Nurbs nurbs;
  bool valid = false;    // false: the data describe no curve (queries fail)
  bool fromFit = false;  // built through the fit points
};

// Control data win when they describe a curve; weights count when there is
// one per control point.
SplineCurve buildSplineCurve(int degree, const std::vector<double>& knots,
                             const std::vector<double>& weights,
                             const std::vector<AcGePoint3d>& controlPoints,
                             const std::vector<AcGePoint3d>& fitPoints,
                             const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);

}  // namespace zek::curve
