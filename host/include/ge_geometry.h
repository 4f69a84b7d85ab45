// The classic geometry interface in one include: tolerances, points, vectors,
// matrices, and the arrays of points and vectors the interface hands out.
#pragma once

#include "ac_array.h"
#include "ge_matrix.h"
#include "ge_point.h"
#include "ge_tol.h"
#include "ge_vector.h"

using AcGePoint2dArray = AcArray<AcGePoint2d>;
using AcGePoint3dArray = AcArray<AcGePoint3d>;
using AcGeVector2dArray = AcArray<AcGeVector2d>;
using AcGeVector3dArray = AcArray<AcGeVector3d>;
using AcGeDoubleArray = AcArray<double>;
