// Curves as runs of chords in pixels, half a pixel at most off the curve:
// elliptic arcs (circles, arcs, ellipses and bulges, through any block
// transformation) from their device centre and axes, and other curves
// (splines) through the host's own evaluation, subdivided where they bend.
#pragma once

#include <vector>

#include "core/canvas.h"
#include "core/device_transform.h"

class AcDbCurve;

namespace zek::render {

// The largest distance a chord may leave its curve, in pixels.
constexpr double kChordTolerance = 0.5;
// No curve is cut into more chords than this (a huge arc mostly off the picture).
constexpr int kMaxChords = 4096;

// How many chords an arc of that radius (pixels) and sweep (radians) needs.
int chordCountFor(double radius, double sweep);

// The longest semi-axis of the ellipse centre + cos t·u + sin t·v.
double ellipseRadius(const DevicePoint& u, const DevicePoint& v);
// The box of the whole ellipse.
DeviceBox ellipseBox(const DevicePoint& centre, const DevicePoint& u, const DevicePoint& v);

// Appends the points of centre + cos t·u + sin t·v for t running from t0 to
// t1 (either way round), both ends included unless `includeStart` is false.
void appendEllipticArc(std::vector<DevicePoint>& out, const DevicePoint& centre,
                       const DevicePoint& u, const DevicePoint& v, double t0, double t1,
                       bool includeStart = true);

// Appends points of the curve from parameter t0 to t1 under the transform,
// starting from `pieces` equal steps and halving each where its middle
// lies farther than the tolerance from the chord. Points the curve cannot
// answer are left out.
void appendCurve(std::vector<DevicePoint>& out, const AcDbCurve& curve, double t0, double t1,
                 const DeviceTransform& transform, int pieces);

}  // namespace zek::render
