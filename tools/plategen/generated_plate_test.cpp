// Tests of the generated die plate (--holes N): the hole count, the growth of
// the plate, walls between holes, openings and outline, the hole lines that
// holes share and the room between them, the kinds on their layers, the
// same bytes for the same seed, the file read back and audited, and the codes
// written on the holes for the hole table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "generated_plate.h"
#include "test_dxf_groups.h"

namespace zek::plategen {
namespace {

struct Segment {
  Point2 a;
  Point2 b;
};

double distance(Point2 p, const Segment& s) {
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 == 0 ? 0 : std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2, 0.0, 1.0);
  return std::hypot(p.x - s.a.x - t * dx, p.y - s.a.y - t * dy);
}

void appendArc(std::vector<Segment>& out, Point2 c, double r, double start, double sweep) {
  const int steps =
      std::max(1, static_cast<int>(std::ceil(std::abs(sweep) * 180 / std::numbers::pi)));
  Point2 previous{c.x + r * std::cos(start), c.y + r * std::sin(start)};
  for (int i = 1; i <= steps; ++i) {
    const double a = start + sweep * i / steps;
    const Point2 next{c.x + r * std::cos(a), c.y + r * std::sin(a)};
    out.push_back({previous, next});
    previous = next;
  }
}

// The contour as drawn: rounded corners followed in one-degree steps.
std::vector<Segment> contourSegments(const Contour& c) {
  std::vector<Segment> out;
  if (c.shape == Contour::Shape::Obround) {
    const double r = c.width / 2, half = c.length / 2 - r;
    const Point2 left{c.centre.x - half, c.centre.y}, right{c.centre.x + half, c.centre.y};
    out.push_back({{left.x, left.y - r}, {right.x, right.y - r}});
    out.push_back({{left.x, left.y + r}, {right.x, right.y + r}});
    appendArc(out, right, r, -std::numbers::pi / 2, std::numbers::pi);
    appendArc(out, left, r, std::numbers::pi / 2, std::numbers::pi);
    return out;
  }
  const std::vector<PolyVertex> v = roundedPolygon(c.corners, c.cornerRadius);
  for (std::size_t i = 0; i < v.size(); ++i) {
    const PolyVertex& p = v[i];
    const PolyVertex& q = v[(i + 1) % v.size()];
    if (p.bulge == 0) {
      out.push_back({{p.x, p.y}, {q.x, q.y}});
      continue;
    }
    const double theta = 4 * std::atan(p.bulge), chord = std::hypot(q.x - p.x, q.y - p.y);
    const double r = chord / (2 * std::abs(std::sin(theta / 2)));
    const double h = chord / 2 / std::tan(theta / 2);
    const Point2 left{-(q.y - p.y) / chord, (q.x - p.x) / chord};
    const Point2 centre{(p.x + q.x) / 2 + left.x * h, (p.y + q.y) / 2 + left.y * h};
    appendArc(out, centre, r, std::atan2(p.y - centre.y, p.x - centre.x), theta);
  }
  return out;
}

bool isInside(Point2 p, const std::vector<Segment>& segments) {
  bool inside = false;
  for (const Segment& s : segments)
    if ((s.a.y > p.y) != (s.b.y > p.y) &&
        s.a.x + (p.y - s.a.y) * (s.b.x - s.a.x) / (s.b.y - s.a.y) > p.x)
      inside = !inside;
  return inside;
}

double clearance(Point2 p, const std::vector<Segment>& segments) {
  double nearest = 1e300;
  for (const Segment& s : segments)
    nearest = std::min(nearest, distance(p, s));
  return nearest;
}

std::vector<Segment> outlineOf(const PlateLayout& p) {
  const double w = p.width, h = p.height, c = p.chamfer;
  const Point2 path[] = {{c, 0},     {w - c, 0}, {w, c},     {w, h - c},
                         {w - c, h}, {c, h},     {0, h - c}, {0, c}};
  std::vector<Segment> out;
  for (std::size_t i = 0; i < std::size(path); ++i)
    out.push_back({path[i], path[(i + 1) % std::size(path)]});
  return out;
}

Point2 at(const Hole& h) {
  return {h.x, h.y};
}

TEST(GeneratedPlate, HoldsTheHolesAskedFor) {
  for (std::uint64_t n : {16ull, 17ull, 100ull, 1000ull, 10000ull})
    EXPECT_EQ(holePlate({n, 1}).holes.size(), n) << n << " holes";
  EXPECT_EQ(holePlate({3, 1}).holes.size(), 16u) << "at least 16";
  EXPECT_EQ(holePlate({1000, 7}).holes.size(), 1000u) << "seed 7";
}

TEST(GeneratedPlate, GrowsWithTheSquareRootOfTheHoles) {
  const PlateLayout small = holePlate({1000, 1}), large = holePlate({10000, 1});
  const double areaRatio = (large.width * large.height) / (small.width * small.height);
  EXPECT_GT(areaRatio, 8.0);
  EXPECT_LT(areaRatio, 12.5);
  for (const PlateLayout* p : {&small, &large}) {
    EXPECT_GT(p->width / p->height, 1.1) << "a plate wider than high";
    EXPECT_LT(p->width / p->height, 1.7);
    EXPECT_EQ(p->chamfer, 5.0);
  }
}

// Every hole keeps 3 mm of wall to the outline, to every other hole and to
// every opening; each start hole lies inside its own opening.
TEST(GeneratedPlate, HolesKeepTheirWalls) {
  for (std::uint64_t seed : {1ull, 2ull, 3ull}) {
    const PlateLayout plate = holePlate({1000, seed});
    const std::vector<Segment> outline = outlineOf(plate);
    std::vector<std::vector<Segment>> openings;
    for (const Contour& c : plate.openings)
      openings.push_back(contourSegments(c));
    ASSERT_GE(openings.size(), 3u) << "seed " << seed;
    std::vector<Hole> holes = plate.holes;
    std::sort(holes.begin(), holes.end(), [](const Hole& a, const Hole& b) { return a.x < b.x; });
    int startHoles = 0;
    for (std::size_t i = 0; i < holes.size(); ++i) {
      const Hole& h = holes[i];
      const double r = outerRadius(holeKind(h.code));
      ASSERT_TRUE(isInside(at(h), outline)) << "seed " << seed << " " << h.x << "," << h.y;
      EXPECT_GE(clearance(at(h), outline), r + 3) << h.x << "," << h.y;
      for (std::size_t k = 0; k < openings.size(); ++k) {
        const bool inside = isInside(at(h), openings[k]);
        EXPECT_TRUE(!inside || h.code == HoleCode::W) << h.x << "," << h.y << " in opening " << k;
        startHoles += inside;
        EXPECT_GE(clearance(at(h), openings[k]), r + 3) << h.x << "," << h.y << " opening " << k;
      }
      for (std::size_t j = i + 1; j < holes.size() && holes[j].x - h.x < 40; ++j) {
        const double wall = std::hypot(holes[j].x - h.x, holes[j].y - h.y) - r -
                            outerRadius(holeKind(holes[j].code));
        EXPECT_GE(wall, 3.0) << h.x << "," << h.y << " and " << holes[j].x << "," << holes[j].y;
      }
    }
    EXPECT_EQ(startHoles, static_cast<int>(openings.size())) << "one start hole in each opening";
    EXPECT_EQ(std::count_if(plate.holes.begin(), plate.holes.end(),
                            [](const Hole& h) { return h.code == HoleCode::W; }),
              static_cast<long>(openings.size()));
  }
}

// Most holes share their x with another hole and their y too, and two
// different x (or y) lie at least 1.5 text gaps of the standard style apart
// (4.92 mm), so that neighbouring dimension texts fit side by side.
TEST(GeneratedPlate, HolesShareLinesWithRoomBetween) {
  const PlateLayout plate = holePlate({1000, 1});
  std::map<double, int> xs, ys;
  for (const Hole& h : plate.holes) {
    ++xs[h.x];
    ++ys[h.y];
  }
  int sharingX = 0, sharingY = 0;
  for (const Hole& h : plate.holes) {
    sharingX += xs[h.x] > 1;
    sharingY += ys[h.y] > 1;
  }
  EXPECT_GT(sharingX, 0.95 * plate.holes.size());
  EXPECT_GT(sharingY, 0.95 * plate.holes.size());
  EXPECT_LT(xs.size(), plate.holes.size() / 10) << "holes stand on few lines";
  for (const auto* lines : {&xs, &ys}) {
    double previous = -1e9;
    for (const auto& [value, count] : *lines) {
      EXPECT_GE(value - previous, 4.92) << value;
      previous = value;
    }
  }
}

TEST(GeneratedPlate, UsesEveryKindOfTheCatalogue) {
  const PlateLayout plate = holePlate({1000, 1});
  std::map<HoleCode, int> kinds;
  for (const Hole& h : plate.holes)
    ++kinds[h.code];
  for (const HoleKind& kind : holeKinds())
    EXPECT_GT(kinds[kind.code], 0) << kind.label;
  EXPECT_EQ(kinds[HoleCode::A1], 4) << "four guide bushes";
  EXPECT_EQ(kinds[HoleCode::A2], 4) << "four inner guides";
  EXPECT_EQ(kinds[HoleCode::D], 8) << "a dowel two places from each corner on each border line";
}

TEST(GeneratedPlate, SameSeedSameBytes) {
  auto bytes = [](std::uint64_t holes, std::uint64_t seed) {
    std::ostringstream out;
    EXPECT_TRUE(writeHolePlate({holes, seed}, out).has_value());
    return out.str();
  };
  EXPECT_EQ(bytes(500, 1), bytes(500, 1));
  EXPECT_NE(bytes(500, 1), bytes(500, 2));
  EXPECT_NE(bytes(500, 1), bytes(501, 1));
}

// The file read back with the tests' own group reader: a circle for every
// hole and one more for each counterbore, a thread arc for each tapped hole,
// a label for each hole and four title lines, each on its kind's layers.
TEST(GeneratedPlate, FileHoldsWhatTheLayoutSays) {
  const PlateLayout plate = holePlate({300, 4});
  std::ostringstream out;
  const auto summary = writeHolePlate({300, 4}, out);
  ASSERT_TRUE(summary.has_value());
  std::map<std::string, int> circles, arcs, texts;
  const std::vector<test::Entity> entities = test::recordsOf(test::groupsOf(out.str()), "ENTITIES");
  EXPECT_EQ(entities.size(), summary->entities);
  for (const test::Entity& e : entities) {
    const std::string layer = test::find(e, 8)->value;
    if (e.type == "CIRCLE")
      ++circles[layer];
    else if (e.type == "ARC")
      ++arcs[layer];
    else if (e.type == "TEXT")
      ++texts[layer];
  }
  std::map<std::string, int> wantCircles, wantTexts;
  int tapped = 0;
  for (const Hole& h : plate.holes) {
    const HoleKind& kind = holeKind(h.code);
    wantCircles[kind.layer] += kind.form == HoleForm::Counterbore ? 2 : 1;
    ++wantTexts[kind.labelLayer];
    tapped += kind.form == HoleForm::Tapped;
  }
  wantTexts["TEXT"] = 4;
  EXPECT_EQ(circles, wantCircles);
  EXPECT_EQ(texts, wantTexts);
  EXPECT_EQ(arcs["THREAD"], tapped);
}

// The hole table takes a label for a hole when its insertion point lies no
// farther than 2 radii from the hole's centre, and either less than 1.3 radii
// from it or the point one label height above it does.
bool tableTakes(Point2 label, double height, Point2 centre, double radius) {
  const double d = std::hypot(label.x - centre.x, label.y - centre.y);
  const double above = std::hypot(label.x - centre.x, label.y + height - centre.y);
  return d <= 2 * radius && (d < 1.3 * radius || above < 1.3 * radius);
}

// With the hole table's labels the plate is the same entity for entity, but
// each hole's code (written after its circles, in hole order) stands on the
// hole, 2.5 high, where the table takes it for each radius of its own hole
// and for no radius of any other hole.
TEST(GeneratedPlate, TableLabelsPutEachCodeOnItsOwnHole) {
  const HolePlateOptions beside{300, 4}, onHole{300, 4, LabelStyle::OnHole};
  const PlateLayout plate = holePlate(onHole);
  std::ostringstream besideOut, onHoleOut;
  ASSERT_TRUE(writeHolePlate(beside, besideOut).has_value());
  ASSERT_TRUE(writeHolePlate(onHole, onHoleOut).has_value());
  const auto was = test::recordsOf(test::groupsOf(besideOut.str()), "ENTITIES");
  const auto now = test::recordsOf(test::groupsOf(onHoleOut.str()), "ENTITIES");
  ASSERT_EQ(now.size(), was.size());
  // Radii of each hole, for the neighbours' check.
  std::vector<std::vector<double>> radii;
  for (const Hole& h : plate.holes) {
    const HoleKind& kind = holeKind(h.code);
    radii.push_back({kind.diameter / 2});
    if (kind.outerDiameter > 0)
      radii.back().push_back(kind.outerDiameter / 2);
  }
  std::size_t label = 0;
  for (std::size_t i = 0; i < now.size(); ++i) {
    const std::string layer = test::find(now[i], 8)->value;
    ASSERT_EQ(now[i].type, was[i].type) << "entity " << i;
    ASSERT_EQ(layer, test::find(was[i], 8)->value) << "entity " << i;
    const bool isLabel = now[i].type == "TEXT" && layer.ends_with("-DIM");
    if (!isLabel) {
      EXPECT_EQ(test::realOf(now[i], 10), test::realOf(was[i], 10)) << "entity " << i;
      EXPECT_EQ(test::realOf(now[i], 20), test::realOf(was[i], 20)) << "entity " << i;
      continue;
    }
    ASSERT_LT(label, plate.holes.size()) << "more codes than holes";
    const Hole& hole = plate.holes[label];
    const HoleKind& kind = holeKind(hole.code);
    const Point2 where{test::realOf(now[i], 10), test::realOf(now[i], 20)};
    const double height = test::realOf(now[i], 40);
    EXPECT_EQ(test::find(now[i], 1)->value, kind.label);
    EXPECT_EQ(height, 2.5);
    EXPECT_NEAR(where.x, hole.x + 0.75 * std::max(kind.diameter, kind.outerDiameter) / 2, 1e-9);
    EXPECT_NEAR(where.y, hole.y - 1.25, 1e-9);
    for (std::size_t j = 0; j < plate.holes.size(); ++j) {
      const Point2 centre = at(plate.holes[j]);
      if (std::hypot(centre.x - where.x, centre.y - where.y) > 50)
        continue;  // farther than twice the largest radius
      for (double r : radii[j])
        EXPECT_EQ(tableTakes(where, height, centre, r), j == label)
            << kind.label << " of hole " << label << " and radius " << r << " of hole " << j;
    }
    ++label;
  }
  EXPECT_EQ(label, plate.holes.size()) << "a code for every hole";
}

TEST(GeneratedPlate, EzdxfAuditIsClean) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ezdxf not installed";
  struct AuditCase {
    std::uint64_t holes;
    LabelStyle labels;
  };
  for (const AuditCase c : {AuditCase{100, LabelStyle::BesideHole},
                            AuditCase{1000, LabelStyle::BesideHole},
                            AuditCase{100, LabelStyle::OnHole}}) {
    const std::string path = ::testing::TempDir() + "plategen_holes_" +
                             std::to_string(c.holes) +
                             (c.labels == LabelStyle::OnHole ? "_table" : "") + ".dxf";
    ASSERT_TRUE(writeHolePlateFile({c.holes, 1, c.labels}, path).has_value()) << path;
    const std::string command =
        "/usr/bin/python3 -c \"import ezdxf,sys; a=ezdxf.readfile(sys.argv[1]).audit(); "
        "print(len(a.errors), len(a.fixes))\" " +
        path;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[64] = {};
    const bool got = std::fgets(line, sizeof line, pipe) != nullptr;
    const int status = pclose(pipe);
    EXPECT_TRUE(got && status == 0) << path;
    EXPECT_EQ(std::string(line), "0 0\n") << path << ": errors and fixes";
    std::remove(path.c_str());
  }
}

}  // namespace
}  // namespace zek::plategen
