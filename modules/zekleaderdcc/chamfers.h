// Chamfer lines of a plate outline and the leaders that label them: which
// lines are 45-degree chamfers, which corner of the drawing each lies in,
// where its leader ends and what its "C" note reads. No host calls.
#pragma once

#include <string>
#include <vector>

#include "ge_point.h"

namespace zek {

// The leader's diagonal run is the dimension text height times this; the
// multiple starts at 2.0 at every load.
constexpr double kInitialMultiple = 2.0;
// Half the diagonal of a unit square: run = text height × multiple × this.
constexpr double kDiagonalFactor = 1.414213;
// Leg of a 45-degree chamfer per unit of its length.
constexpr double kChamferLegPerLength = 0.7071070623732069;
// A polyline segment is straight when its bulge is below this in magnitude.
constexpr double kStraightBulge = 0.0001;
// Quadrant of a chamfer that lies in none of the four diagonal windows.
constexpr int kNoQuadrant = 5;

// A chamfer found in the drawing: its mid point and leg size, in the order
// found.
struct ChamferRecord {
  AcGePoint3d mid;
  double size = 0.0;
};

// One leader to draw: from the chamfer's mid point to its end on the common
// box, with the chamfer's size.
struct LeaderPlan {
  AcGePoint3d start;
  AcGePoint3d end;
  double size = 0.0;
  int quadrant = kNoQuadrant;
};

// The direction (radians, [0, 2π)) lies within 0.01 rad of one of the four
// diagonals.
bool isChamferDirection(double angle);

// The corner a chamfer lies towards, from the angle (radians, [0, 2π)) of
// the direction from the drawing's centre to the chamfer: 1 to 4 within 0.7
// rad of the diagonals 45°, 135°, 225°, 315°, else kNoQuadrant.
int chamferQuadrant(double angle);

// The chamfer of the straight piece start → end, when it runs along a
// diagonal; mid point in the coordinates of the points given.
bool chamferOf(const AcGePoint3d& start, const AcGePoint3d& end, ChamferRecord& chamfer);

// The chamfers of a polyline's straight segments (bulge below 0.0001 in
// magnitude), vertex 0 onward, and of its closing segment when closed.
// bulges[i] belongs to the segment from vertex i; a missing bulge counts as 0.
std::vector<ChamferRecord> polylineChamfers(const std::vector<AcGePoint3d>& vertices,
                                            const std::vector<double>& bulges, bool closed);

// The leaders of the chamfers around a centre, all in one coordinate
// system: each sent diagonally outward by run from its mid point, then moved
// to the matching corner of the box of those provisional ends. Chamfers of
// no quadrant get no leader and leave the box alone; the others keep their
// order.
std::vector<LeaderPlan> planLeaders(const std::vector<ChamferRecord>& chamfers,
                                    const AcGePoint3d& centre, double run);

// The note of a chamfer from its size written with 3 decimals ("2.000"):
// "C" and the text, with one trailing zero dropped, or two when the one
// before is a zero as well ("C2.0", "C1.25", "C0.5").
std::string chamferNote(const std::string& sizeText);

// Whether the "VF"/"VC" rule holds: the drawing has both layers, every
// selected entity is on one of them and each has at least one. Then the
// entities on "VC" are not searched for chamfers.
enum class ViewLayer { Front, Back, Other };
bool leavesOutBackLayer(bool drawingHasBoth, const std::vector<ViewLayer>& layers);

}  // namespace zek
