// Chords of curves for their R12 forms: the points of a polyline that keeps
// within the chord error of an ellipse or of any curve of the plug-in
// interface (splines).
#pragma once

#include <vector>

#include "db_curves.h"

namespace zek::dxf {

// A chord strays from its curve by no more than this share of the curve's
// size (an ellipse's major radius, half the diagonal of a spline's extents)
// and never more than kMaxChordError drawing units.
constexpr double kChordShare = 1e-4;
constexpr double kMaxChordError = 0.01;
// Very large ellipses stop at this many chords: their error then grows past
// 0.01 units (never past the 0.01 % share).
constexpr int kMaxEllipseChords = 720;
// Refining a curve stops at this many points.
constexpr std::size_t kMaxCurvePoints = 4096;

// The chord error allowed for a curve of that size.
[[nodiscard]] double chordTolerance(double size);

// The points of an ellipse (open for read) from its start to its end at
// equal parameter steps; a closed ellipse leaves out its end (the closing
// chord returns to the first point). False when it cannot be evaluated.
[[nodiscard]] bool ellipseChordPoints(const AcDbEllipse& ellipse, std::vector<AcGePoint3d>& points);

// The points of a curve (open for read) through getPointAtParam over the
// parameters from the first break to the last: each interval between
// breaks (knots of a spline, where it may bend sharply) in four equal steps
// first, each step halved while a point at a quarter, half or three
// quarters of it lies farther than chordTolerance(size) from its chord.
// The breaks are points of the result. A closed curve leaves out its end.
// False for fewer than two increasing breaks or a curve that cannot be
// evaluated.
[[nodiscard]] bool curveChordPoints(const AcDbCurve& curve, const std::vector<double>& breaks,
                                    double size, std::vector<AcGePoint3d>& points);

// The breaks of a spline (open for read): the ends of its parameter range
// and the distinct knots inside it (control data), or the parameters of its
// fit points (fit data only: the chord length along them); while there are
// fewer than kMinSplineSpans intervals, every one is halved. Empty when the
// spline has no parameter range.
constexpr std::size_t kMinSplineSpans = 8;
[[nodiscard]] std::vector<double> splineBreaks(const AcDbSpline& spline);

}  // namespace zek::dxf
