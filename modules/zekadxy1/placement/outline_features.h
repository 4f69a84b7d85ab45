// The outline features that carry ordinates: the ends of vertical and
// horizontal edges and the extreme points that arcs pass.
#pragma once

#include <span>
#include <vector>

#include "placement/ordinate_model.h"

namespace zek::adxy1 {

struct FeaturePoint {
  Axis axis;      // which collection: X ordinates measure x
  double value;   // the measured coordinate
  double perp;    // the other one
  double radius;  // kEdgeEndRadius or kArcExtremeRadius
};

// A straight edge: vertical (x within 0.01) gives X ordinates at both ends,
// horizontal (y within 0.01) Y ordinates at both ends, others nothing.
void addStraightEdgeFeatures(double x0, double y0, double x1, double y1,
                             std::vector<FeaturePoint>& out);

// An arc counter-clockwise from start to end (radians): the top, left,
// bottom and right points it passes, in that order round the circle, tested
// from its start angle.
void addArcExtremeFeatures(double cx, double cy, double radius, double start, double end,
                           std::vector<FeaturePoint>& out);

// A polyline segment from p to q with its bulge: straight below a bulge of
// 0.0001, else an arc.
void addBulgeSegmentFeatures(double px, double py, double qx, double qy, double bulge,
                             std::vector<FeaturePoint>& out);

// The arc of a bulged segment: centre, radius and counter-clockwise angles.
struct BulgeArc {
  double cx, cy, radius, start, end;
};
BulgeArc arcOfBulge(double px, double py, double qx, double qy, double bulge);

struct PolylineVertex {
  double x, y, bulge;
};
// Every segment of a polyline, the one from the last vertex back to the
// first included.
void addPolylineFeatures(std::span<const PolylineVertex> vertices, std::vector<FeaturePoint>& out);

}  // namespace zek::adxy1
