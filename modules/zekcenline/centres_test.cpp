// Merging centres and the geometry of the crosses, without a drawing.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "centre_cross.h"
#include "centres.h"

namespace zek {
namespace {

// Layer ids numbered 1, 2, ... (their handles), naming no object.
class NumberedIds {
public:
  AcDbObjectId operator()(int number) {
    while (stubs_.size() < static_cast<std::size_t>(number))
      stubs_.push_back(ObjectStub{nullptr, nullptr, stubs_.size() + 1, false});
    return AcDbObjectId(&stubs_[static_cast<std::size_t>(number) - 1]);
  }

private:
  std::deque<ObjectStub> stubs_;
};

// One curve of a case: its kind, layer number, centre and radius.
struct Curve {
  CurveKind kind;
  int layer;
  double x, y, z, radius;
};
constexpr CurveKind C = CurveKind::Circle;
constexpr CurveKind A = CurveKind::Arc;

// "L1 (0,0,0) r8 | L2 ...": each record with its layer's number.
std::string describe(const CentreList& centres) {
  std::string text;
  char record[128];
  for (const CentreRecord& c : centres) {
    std::snprintf(record, sizeof record, "%sL%llu (%g,%g,%g) r%g", text.empty() ? "" : " | ",
                  static_cast<unsigned long long>(c.layerId.handle().value()), c.centre.x,
                  c.centre.y, c.centre.z, c.radius);
    text += record;
  }
  return text.empty() ? "none" : text;
}

struct MergeCase {
  const char* name;
  std::vector<Curve> curves;
  CentreLineSettings settings;
  const char* expected;
};

const CentreLineSettings kInitial{};  // arcs included, minimum radius 0.45
const CentreLineSettings kArcsExcluded{.arcsIncluded = false};
const CentreLineSettings kMinRadius2{.minRadius = 2.0};

const MergeCase kMergeCases[] = {
    {"concentric 5 and 8 on one layer give one record of 8",
     {{C, 1, 0, 0, 0, 5}, {C, 1, 0, 0, 0, 8}}, kInitial, "L1 (0,0,0) r8"},
    {"the larger radius stays when the smaller comes second",
     {{C, 1, 0, 0, 0, 8}, {C, 1, 0, 0, 0, 5}}, kInitial, "L1 (0,0,0) r8"},
    {"concentric circles on two layers give two records",
     {{C, 1, 0, 0, 0, 5}, {C, 2, 0, 0, 0, 8}}, kInitial, "L1 (0,0,0) r5 | L2 (0,0,0) r8"},
    {"radius 0.45 is not greater than the minimum: no record",
     {{C, 1, 0, 0, 0, 0.45}}, kInitial, "none"},
    {"radius 0.46 is greater than the minimum", {{C, 1, 0, 0, 0, 0.46}}, kInitial,
     "L1 (0,0,0) r0.46"},
    {"a small circle first adds nothing; the larger one after it is added",
     {{C, 1, 3, 4, 0, 0.3}, {C, 1, 3, 4, 0, 5}}, kInitial, "L1 (3,4,0) r5"},
    {"a small circle inside a recorded one merges and changes nothing",
     {{C, 1, 3, 4, 0, 5}, {C, 1, 3, 4, 0, 0.3}}, kInitial, "L1 (3,4,0) r5"},
    {"arcs count while included", {{A, 1, 0, 0, 0, 6}, {C, 1, 20, 0, 0, 2}}, kInitial,
     "L1 (0,0,0) r6 | L1 (20,0,0) r2"},
    {"arcs are left out while excluded", {{A, 1, 0, 0, 0, 6}, {C, 1, 20, 0, 0, 2}},
     kArcsExcluded, "L1 (20,0,0) r2"},
    {"an included arc enlarges the cross of its circle",
     {{C, 1, 0, 0, 0, 5}, {A, 1, 0, 0, 0, 9}}, kInitial, "L1 (0,0,0) r9"},
    {"an excluded arc does not enlarge the cross of its circle",
     {{C, 1, 0, 0, 0, 5}, {A, 1, 0, 0, 0, 9}}, kArcsExcluded, "L1 (0,0,0) r5"},
    {"records keep the order their centres were first met",
     {{C, 1, 10, 0, 0, 2}, {C, 1, 0, 0, 0, 3}, {C, 2, 10, 0, 0, 1}, {C, 1, 10, 0, 0, 4}},
     kInitial, "L1 (10,0,0) r4 | L1 (0,0,0) r3 | L2 (10,0,0) r1"},
    {"centres equal only within a tolerance are two centres",
     {{C, 1, 0, 0, 0, 5}, {C, 1, 1e-12, 0, 0, 8}}, kInitial,
     "L1 (0,0,0) r5 | L1 (1e-12,0,0) r8"},
    {"centres at another height are another centre",
     {{C, 1, 0, 0, 0, 5}, {C, 1, 0, 0, 2, 8}}, kInitial, "L1 (0,0,0) r5 | L1 (0,0,2) r8"},
    {"a changed minimum radius applies", {{C, 1, 0, 0, 0, 2}, {C, 1, 9, 0, 0, 2.5}}, kMinRadius2,
     "L1 (9,0,0) r2.5"},
    {"no curves, no records", {}, kInitial, "none"},
};

TEST(CentreMerge, OneRecordPerLayerAndCentre) {
  for (const MergeCase& c : kMergeCases) {
    NumberedIds layers;
    std::vector<FoundCurve> found;
    for (const Curve& curve : c.curves)
      found.push_back({curve.kind,
                       {AcGePoint3d(curve.x, curve.y, curve.z), curve.radius, layers(curve.layer)}});
    EXPECT_EQ(describe(centresOf(found, c.settings)), c.expected) << c.name;
  }
}

// "(x,y,z)-(x,y,z) (x,y,z)-(x,y,z)": both lines, six places.
std::string describe(const std::array<CentreLine, 2>& lines) {
  std::string text;
  char line[200];
  for (const CentreLine& l : lines) {
    // + 0.0 writes a negative zero as 0.000000
    std::snprintf(line, sizeof line, "%s(%.6f,%.6f,%.6f)-(%.6f,%.6f,%.6f)", text.empty() ? "" : " ",
                  l.start.x + 0.0, l.start.y + 0.0, l.start.z + 0.0, l.end.x + 0.0,
                  l.end.y + 0.0, l.end.z + 0.0);
    text += line;
  }
  return text;
}

struct CrossCase {
  const char* name;
  double cx, cy, cz, radius, extension, turn;
  const char* expected;
};

// 7 / √2 = 4.9497475, 4 / √2 = 2.8284271; cos 0.002 = 0.999998, sin 0.002 = 0.0019999987.
const CrossCase kCrossCases[] = {
    {"extension 2 at radius 5", 0, 0, 0, 5, 2, 0,
     "(7.000000,0.000000,0.000000)-(-7.000000,0.000000,0.000000) "
     "(0.000000,7.000000,0.000000)-(0.000000,-7.000000,0.000000)"},
    {"turned by π/4", 0, 0, 0, 5, 2, kTurnedCrossAngle,
     "(4.949747,4.949747,0.000000)-(-4.949747,-4.949747,0.000000) "
     "(-4.949747,4.949747,0.000000)-(4.949747,-4.949747,0.000000)"},
    {"off the origin, no extension; the lines lie at z 0", 100, 50, 3, 4, 0, 0,
     "(104.000000,50.000000,0.000000)-(96.000000,50.000000,0.000000) "
     "(100.000000,54.000000,0.000000)-(100.000000,46.000000,0.000000)"},
    {"turned about its own centre", 100, 50, 0, 4, 0, kTurnedCrossAngle,
     "(102.828427,52.828427,0.000000)-(97.171573,47.171573,0.000000) "
     "(97.171573,52.828427,0.000000)-(102.828427,47.171573,0.000000)"},
    {"a turn of 0.001 is no turn", 0, 0, 0, 1000, 0, 0.001,
     "(1000.000000,0.000000,0.000000)-(-1000.000000,0.000000,0.000000) "
     "(0.000000,1000.000000,0.000000)-(0.000000,-1000.000000,0.000000)"},
    {"a turn of 0.002 turns", 0, 0, 0, 1000, 0, 0.002,
     "(999.998000,1.999999,0.000000)-(-999.998000,-1.999999,0.000000) "
     "(-1.999999,999.998000,0.000000)-(1.999999,-999.998000,0.000000)"},
    {"a negative extension shortens the lines", 0, 0, 0, 5, -1, 0,
     "(4.000000,0.000000,0.000000)-(-4.000000,0.000000,0.000000) "
     "(0.000000,4.000000,0.000000)-(0.000000,-4.000000,0.000000)"},
};

TEST(CentreCross, LinesThroughTheCentre) {
  for (const CrossCase& c : kCrossCases) {
    const CentreRecord record{AcGePoint3d(c.cx, c.cy, c.cz), c.radius, AcDbObjectId()};
    EXPECT_EQ(describe(centreCross(record, c.extension, c.turn)), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace zek
