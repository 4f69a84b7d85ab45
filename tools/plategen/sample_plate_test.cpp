// Tests of the sample drawings (the die plate alone, with its stripper plate,
// and alone with its codes on the holes), read back from the written text with
// the tests' own group reader: the outlines, the counts by layer, holes inside
// the outline and clear of each other, of the openings, the pocket and the
// cooling channels, the labels a hole table reads and the rule it takes them
// by, the rows it must find, the layers of the shipped standard, the title
// texts, and the shipped files against what the generator writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "labelled_holes.h"
#include "plate_drawing.h"
#include "plate_generator.h"
#include "test_dxf_groups.h"

namespace zek::plategen {
namespace {

using namespace test;

// The die plate alone, with its stripper plate, and alone with its codes on
// the holes for the hole table.
enum class Drawing { Plate, Pair, Table };
constexpr Drawing kDrawings[] = {Drawing::Plate, Drawing::Pair, Drawing::Table};

const char* nameOf(Drawing d) {
  switch (d) {
    case Drawing::Plate: return "plate.dxf";
    case Drawing::Pair: return "plates-pair.dxf";
    case Drawing::Table: return "plate-table.dxf";
  }
  return "";
}

bool hasStripper(Drawing d) { return d == Drawing::Pair; }

std::optional<DrawingSummary> write(Drawing d, std::ostream& out) {
  switch (d) {
    case Drawing::Plate: return writeSamplePlate(out);
    case Drawing::Pair: return writeSamplePair(out);
    case Drawing::Table: return writeSampleTablePlate(out);
  }
  return std::nullopt;
}

std::string textOf(Drawing d, DrawingSummary* summary = nullptr) {
  std::ostringstream out;
  auto s = write(d, out);
  EXPECT_TRUE(s.has_value()) << nameOf(d);
  if (s && summary)
    *summary = *s;
  return out.str();
}

std::vector<Entity> entitiesOf(Drawing d) { return recordsOf(groupsOf(textOf(d)), "ENTITIES"); }

std::string layerOf(const Entity& e) {
  const Group* g = find(e, 8);
  return g ? g->value : "";
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// --- Geometry of what was read ------------------------------------------------

struct Point {
  double x = 0;
  double y = 0;
};

struct Segment {
  Point a;
  Point b;
};

double distance(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); }

double distance(Point p, const Segment& s) {
  double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  double length2 = dx * dx + dy * dy;
  double t = length2 == 0 ? 0 : ((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / length2;
  t = std::clamp(t, 0.0, 1.0);
  return distance(p, Point{s.a.x + t * dx, s.a.y + t * dy});
}

// An arc as chords of at most one degree, counter-clockwise for a positive sweep.
void appendArc(std::vector<Segment>& out, Point centre, double r, double start, double sweep) {
  int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) * 180 / std::numbers::pi)));
  Point prev{centre.x + r * std::cos(start), centre.y + r * std::sin(start)};
  for (int i = 1; i <= steps; ++i) {
    double a = start + sweep * i / steps;
    Point next{centre.x + r * std::cos(a), centre.y + r * std::sin(a)};
    out.push_back({prev, next});
    prev = next;
  }
}

struct Vertex {
  double x = 0;
  double y = 0;
  double bulge = 0;
};

std::vector<Vertex> verticesOf(const Entity& e) {
  std::vector<Vertex> vertices;
  for (const Group& g : e.groups) {
    double v = std::strtod(g.value.c_str(), nullptr);
    if (g.code == 10)
      vertices.push_back({v, 0, 0});
    else if (g.code == 20 && !vertices.empty())
      vertices.back().y = v;
    else if (g.code == 42 && !vertices.empty())
      vertices.back().bulge = v;
  }
  return vertices;
}

// A bulged polyline segment: the included angle is 4 atan(bulge), the centre
// left of the chord for a positive bulge.
void appendBulge(std::vector<Segment>& out, Point p, Point q, double bulge) {
  if (bulge == 0) {
    out.push_back({p, q});
    return;
  }
  double theta = 4 * std::atan(bulge), chord = distance(p, q);
  double r = chord / (2 * std::abs(std::sin(theta / 2)));
  double h = chord / 2 / std::tan(theta / 2);
  Point left{-(q.y - p.y) / chord, (q.x - p.x) / chord};
  Point centre{(p.x + q.x) / 2 + left.x * h, (p.y + q.y) / 2 + left.y * h};
  appendArc(out, centre, r, std::atan2(p.y - centre.y, p.x - centre.x), theta);
}

// The drawn path of a LINE, ARC, CIRCLE or LWPOLYLINE as straight pieces.
std::vector<Segment> segmentsOf(const Entity& e) {
  std::vector<Segment> out;
  const double degree = std::numbers::pi / 180;
  Point at{realOf(e, 10), realOf(e, 20)};
  if (e.type == "LINE") {
    out.push_back({at, {realOf(e, 11), realOf(e, 21)}});
  } else if (e.type == "CIRCLE") {
    appendArc(out, at, realOf(e, 40), 0, 2 * std::numbers::pi);
  } else if (e.type == "ARC") {
    double sweep = std::fmod(realOf(e, 51) - realOf(e, 50) + 360.0, 360.0);
    appendArc(out, at, realOf(e, 40), realOf(e, 50) * degree, sweep * degree);
  } else if (e.type == "LWPOLYLINE") {
    std::vector<Vertex> v = verticesOf(e);
    bool closed = (std::atoi(find(e, 70)->value.c_str()) & 1) != 0;
    for (std::size_t i = 0; i + (closed ? 0 : 1) < v.size(); ++i) {
      const Vertex& p = v[i];
      const Vertex& q = v[(i + 1) % v.size()];
      appendBulge(out, {p.x, p.y}, {q.x, q.y}, p.bulge);
    }
  }
  return out;
}

std::vector<Segment> segmentsOnLayer(const std::vector<Entity>& entities, const std::string& layer,
                                     const std::string& type = "") {
  std::vector<Segment> out;
  for (const Entity& e : entities)
    if (layerOf(e) == layer && (type.empty() || e.type == type)) {
      std::vector<Segment> s = segmentsOf(e);
      out.insert(out.end(), s.begin(), s.end());
    }
  return out;
}

// Inside the closed paths made of `segments`: a ray to the right crosses an
// odd number of them. Disjoint paths count together (inside any one).
bool isInside(Point p, const std::vector<Segment>& segments) {
  bool inside = false;
  for (const Segment& s : segments)
    if ((s.a.y > p.y) != (s.b.y > p.y)) {
      double x = s.a.x + (p.y - s.a.y) * (s.b.x - s.a.x) / (s.b.y - s.a.y);
      if (x > p.x)
        inside = !inside;
    }
  return inside;
}

double clearance(Point p, const std::vector<Segment>& segments) {
  double nearest = 1e300;
  for (const Segment& s : segments)
    nearest = std::min(nearest, distance(p, s));
  return nearest;
}

// --- Holes and their labels ---------------------------------------------------

// The circles of one centre on a hole layer (a counterbore has two) and the
// thread arc of a tapped hole.
struct ReadHole {
  Point centre;
  std::string layer;
  std::vector<double> circleDiameters;  // ascending
  double threadDiameter = 0;
  double threadSweep = 0;               // degrees
  std::string label;

  [[nodiscard]] double outerRadius() const {
    return std::max(circleDiameters.back(), threadDiameter) / 2;
  }
  [[nodiscard]] std::string where() const {
    std::ostringstream out;
    out << layer << " hole at " << centre.x << "," << centre.y;
    return out.str();
  }
};

bool isHoleLayer(const std::string& layer) {
  return (layer.rfind("HOLE-", 0) == 0 && !endsWith(layer, "-DIM") &&
          !endsWith(layer, "-CENTER") && layer != "HOLE-WATER") ||
         layer == "WIRE-START";
}

ReadHole* holeAt(std::vector<ReadHole>& holes, Point p) {
  for (ReadHole& h : holes)
    if (distance(h.centre, p) < 1e-9)
      return &h;
  return nullptr;
}

// The holes of a drawing, each with the label nearest to it; a label beside
// no hole, or nearer to another hole than to its own, fails the test.
std::vector<ReadHole> holesOf(const std::vector<Entity>& entities, const std::string& what) {
  std::vector<ReadHole> holes;
  for (const Entity& e : entities) {
    Point at{realOf(e, 10), realOf(e, 20)};
    if (e.type != "CIRCLE" || !isHoleLayer(layerOf(e)))
      continue;
    ReadHole* hole = holeAt(holes, at);
    if (!hole) {
      holes.push_back({at, layerOf(e), {}, 0, 0, ""});
      hole = &holes.back();
    }
    EXPECT_EQ(hole->layer, layerOf(e)) << what << ": circles of one hole on two layers";
    hole->circleDiameters.push_back(2 * realOf(e, 40));
    std::sort(hole->circleDiameters.begin(), hole->circleDiameters.end());
  }
  for (const Entity& e : entities) {
    if (e.type != "ARC" || layerOf(e) != "THREAD")
      continue;
    ReadHole* hole = holeAt(holes, {realOf(e, 10), realOf(e, 20)});
    EXPECT_NE(hole, nullptr) << what << ": a thread arc without its tap drill circle";
    if (!hole)
      continue;
    hole->threadDiameter = 2 * realOf(e, 40);
    hole->threadSweep = std::fmod(realOf(e, 51) - realOf(e, 50) + 360.0, 360.0);
  }
  for (const Entity& e : entities) {
    if (e.type != "TEXT" || !endsWith(layerOf(e), "-DIM"))
      continue;
    Point at{realOf(e, 10), realOf(e, 20)};
    auto nearest = std::min_element(holes.begin(), holes.end(), [&](const auto& a, const auto& b) {
      return distance(a.centre, at) < distance(b.centre, at);
    });
    EXPECT_NE(nearest, holes.end()) << what << ": a label and no holes";
    if (nearest == holes.end())
      break;
    EXPECT_LT(distance(nearest->centre, at), nearest->outerRadius() + 6.0)
        << what << ": label \"" << find(e, 1)->value << "\" beside no hole";
    EXPECT_EQ(nearest->label, "") << what << ": " << nearest->where() << " labelled twice";
    nearest->label = find(e, 1)->value;
  }
  return holes;
}

// The codes of the shipped layer standard, name to code (the first record wins).
std::map<std::string, int> standardLayerCodes() {
  std::map<std::string, int> codes;
  std::ifstream in(std::string(ZEK_DATA_DIR) + "/zeklayer0.dat");
  EXPECT_TRUE(in.good()) << ZEK_DATA_DIR << "/zeklayer0.dat";
  std::string word, name;
  bool inLayers = false;
  while (in >> word) {
    if (!inLayers) {
      inLayers = word == "[LAYERS]";
    } else if (name.empty()) {
      name = word;
    } else {
      codes.emplace(name, static_cast<int>(std::strtol(word.c_str(), nullptr, 0)));
      name.clear();
    }
  }
  return codes;
}

// --- The tests -----------------------------------------------------------------

TEST(SamplePlate, IsOneDiePlateOf71HolesAndThePairTwoPlatesOf98) {
  struct SizeCase {
    Drawing drawing;
    std::uint64_t plates;
    std::size_t holes;
  };
  constexpr SizeCase kCases[] = {
      {Drawing::Plate, 1, 71}, {Drawing::Pair, 2, 98}, {Drawing::Table, 1, 71}};
  for (const SizeCase& c : kCases) {
    DrawingSummary summary;
    std::string text = textOf(c.drawing, &summary);
    EXPECT_LT(text.size(), 100u * 1024) << nameOf(c.drawing) << ": ships with the program";
    EXPECT_EQ(summary.bytes, text.size()) << nameOf(c.drawing);
    EXPECT_EQ(summary.plates, c.plates) << nameOf(c.drawing);
    auto entities = recordsOf(groupsOf(text), "ENTITIES");
    EXPECT_EQ(summary.entities, entities.size()) << nameOf(c.drawing);
    EXPECT_EQ(holesOf(entities, nameOf(c.drawing)).size(), c.holes) << nameOf(c.drawing);
  }
}

// Each plate's outline: eight lines closing on themselves, the four edges and
// four 45-degree chamfers; the stripper lies 30 mm right of the die plate,
// level with its middle; each plate has its datum at its lower-left corner.
TEST(SamplePlate, OutlinesAreClosedRectanglesWithChamferedCorners) {
  struct Outline {
    double minX, minY, maxX, maxY, chamfer;
  };
  const std::vector<Outline> die = {{0, 0, 400, 300, 5}};
  const std::vector<Outline> pair = {{0, 0, 400, 300, 5}, {430, 50, 750, 250, 3}};
  for (Drawing d : kDrawings) {
    const std::vector<Outline>& expected = !hasStripper(d) ? die : pair;
    auto entities = entitiesOf(d);
    std::vector<Segment> lines = segmentsOnLayer(entities, "OUTLINE");
    std::vector<Segment> datum = segmentsOnLayer(entities, "DATUM");
    ASSERT_EQ(lines.size(), 8 * expected.size()) << nameOf(d) << ": OUTLINE lines";
    for (const Outline& o : expected) {
      std::vector<Segment> own;
      for (const Segment& s : lines)
        if (std::min(s.a.x, s.b.x) >= o.minX && std::max(s.a.x, s.b.x) <= o.maxX)
          own.push_back(s);
      ASSERT_EQ(own.size(), 8u) << nameOf(d) << ": outline from x " << o.minX;
      int chamfers = 0;
      for (const Segment& s : own) {
        double dx = std::abs(s.b.x - s.a.x), dy = std::abs(s.b.y - s.a.y);
        if (dx != 0 && dy != 0) {
          EXPECT_NEAR(dx, o.chamfer, 1e-9) << nameOf(d) << ": chamfer leg";
          EXPECT_NEAR(dy, o.chamfer, 1e-9) << nameOf(d) << ": chamfer leg";
          ++chamfers;
        }
        for (Point end : {s.a, s.b}) {
          EXPECT_TRUE(end.x >= o.minX && end.x <= o.maxX && end.y >= o.minY && end.y <= o.maxY)
              << nameOf(d) << ": outline point " << end.x << "," << end.y << " off the plate";
          auto meets = std::count_if(own.begin(), own.end(), [&](const Segment& t) {
            return distance(t.a, end) < 1e-9 || distance(t.b, end) < 1e-9;
          });
          EXPECT_EQ(meets, 2) << nameOf(d) << ": outline open at " << end.x << "," << end.y;
        }
      }
      EXPECT_EQ(chamfers, 4) << nameOf(d) << ": outline from x " << o.minX;
      bool reachesCorners = std::any_of(own.begin(), own.end(), [&](const Segment& s) {
        return s.a.y == o.minY && s.b.y == o.minY && std::max(s.a.x, s.b.x) == o.maxX - o.chamfer;
      });
      EXPECT_TRUE(reachesCorners) << nameOf(d) << ": bottom edge of the plate from x " << o.minX;
      // The datum lines meet at the plate's theoretical corner, clear of its outline.
      int meetAtDatum = 0;
      for (const Segment& s : datum) {
        meetAtDatum += distance(s.b, Point{o.minX, o.minY}) < 1e-9;
        EXPECT_GT(std::min(clearance(s.a, own), clearance(s.b, own)), 1.0)
            << nameOf(d) << ": a datum line touches the outline";
      }
      EXPECT_EQ(meetAtDatum, 2) << nameOf(d) << ": datum of the plate from x " << o.minX;
    }
  }
}

// Entities by layer and type, counted by hand from the die set's drawing:
// the die plate (71 holes, three openings, a pocket, two channels) and the
// stripper (27 holes, the same openings).
struct LayerCount {
  const char* layer;
  const char* type;
  int plate;
  int pair;
};
constexpr LayerCount kLayerCounts[] = {
    {"OUTLINE", "LINE", 8, 16},          // four edges, four chamfers a plate
    {"CENTER", "LINE", 2, 4},            // the plate's centre lines
    {"DATUM", "LINE", 2, 4},             // the datum cross
    {"WIRE-CUT", "LWPOLYLINE", 2, 4},    // the rectangle and the L
    {"WIRE-CUT", "LINE", 2, 4},          // the obround's sides...
    {"WIRE-CUT", "ARC", 2, 4},           // ...and ends
    {"MILL-FRONT", "LWPOLYLINE", 1, 1},  // the die plate's pocket
    {"HOLE-WATER", "LINE", 8, 8},        // two channels: two walls and the drill point
    {"HOLE-GUIDE", "CIRCLE", 8, 12},     // 4 A1 and 4 A2; the stripper's 4 A2
    {"HOLE-GUIDE-CENTER", "LINE", 16, 24},
    {"HOLE-GUIDE-DIM", "TEXT", 8, 12},
    {"HOLE-CBORE", "CIRCLE", 32, 32},    // 16 screws, two circles each
    {"HOLE-CBORE-DIM", "TEXT", 16, 16},
    {"HOLE-TAP", "CIRCLE", 10, 16},      // 6 C1 and 4 C2; the stripper's 6 C2
    {"THREAD", "ARC", 10, 16},
    {"HOLE-TAP-DIM", "TEXT", 10, 16},
    {"HOLE-DOWEL", "CIRCLE", 4, 4},
    {"HOLE-DOWEL-CENTER", "LINE", 8, 8},
    {"HOLE-DOWEL-DIM", "TEXT", 4, 4},
    {"HOLE-EJECT", "CIRCLE", 8, 8},
    {"HOLE-EJECT-DIM", "TEXT", 8, 8},
    {"HOLE-DRILL", "CIRCLE", 18, 32},    // 14 F1 and 4 F2; the stripper's 14 F1
    {"HOLE-DRILL-BACK", "CIRCLE", 4, 4},
    {"HOLE-DRILL-DIM", "TEXT", 22, 36},  // the labels of HOLE-DRILL and HOLE-DRILL-BACK
    {"WIRE-START", "CIRCLE", 3, 6},
    {"WIRE-DIM", "TEXT", 3, 6},
    {"TEXT", "TEXT", 5, 9},              // name, material, thickness, note; the pocket depth
};

TEST(SamplePlate, CountsEntitiesByLayerAndType) {
  for (Drawing d : kDrawings) {
    std::map<std::string, int> expected, found;
    for (const LayerCount& c : kLayerCounts)
      expected[std::string(c.layer) + " " + c.type] = !hasStripper(d) ? c.plate : c.pair;
    for (const Entity& e : entitiesOf(d))
      ++found[layerOf(e) + " " + e.type];
    EXPECT_EQ(found, expected) << nameOf(d);
  }
}

// Every hole lies inside its plate's outline, outside the openings (its wire
// start hole inside one), the pocket and the cooling channels, with a wall of
// at least 3 mm to each of them and to every other hole.
TEST(SamplePlate, HolesLieInsideTheOutlineAndClearOfEachOtherAndOfTheCuts) {
  constexpr double kMinWall = 3.0;
  for (Drawing d : kDrawings) {
    auto entities = entitiesOf(d);
    auto holes = holesOf(entities, nameOf(d));
    auto outline = segmentsOnLayer(entities, "OUTLINE");
    auto openings = segmentsOnLayer(entities, "WIRE-CUT");
    auto pockets = segmentsOnLayer(entities, "MILL-FRONT");
    auto channels = segmentsOnLayer(entities, "HOLE-WATER");
    ASSERT_FALSE(holes.empty() || outline.empty() || openings.empty() || pockets.empty() ||
                 channels.empty())
        << nameOf(d);
    for (const ReadHole& h : holes) {
      const double r = h.outerRadius();
      const bool isStart = h.layer == "WIRE-START";
      EXPECT_TRUE(isInside(h.centre, outline)) << nameOf(d) << ": " << h.where();
      EXPECT_GE(clearance(h.centre, outline) - r, kMinWall) << nameOf(d) << ": " << h.where();
      EXPECT_EQ(isInside(h.centre, openings), isStart) << nameOf(d) << ": " << h.where();
      EXPECT_GE(clearance(h.centre, openings) - r, kMinWall) << nameOf(d) << ": " << h.where();
      EXPECT_FALSE(isInside(h.centre, pockets)) << nameOf(d) << ": " << h.where();
      EXPECT_GE(clearance(h.centre, pockets) - r, kMinWall) << nameOf(d) << ": " << h.where();
      EXPECT_GE(clearance(h.centre, channels) - r, kMinWall) << nameOf(d) << ": " << h.where();
    }
    for (std::size_t i = 0; i < holes.size(); ++i)
      for (std::size_t j = i + 1; j < holes.size(); ++j) {
        double wall = distance(holes[i].centre, holes[j].centre) - holes[i].outerRadius() -
                      holes[j].outerRadius();
        EXPECT_GE(wall, kMinWall) << nameOf(d) << ": " << holes[i].where() << " and "
                                  << holes[j].where();
      }
  }
}

// Each wire-cut polyline is closed and holds exactly one start hole; the
// obrounds' lines and arcs meet end to end and hold one start hole each.
TEST(SamplePlate, OpeningsAreClosedAndEachHoldsOneStartHole) {
  for (Drawing d : kDrawings) {
    auto entities = entitiesOf(d);
    std::vector<Point> starts;
    for (const ReadHole& h : holesOf(entities, nameOf(d)))
      if (h.layer == "WIRE-START")
        starts.push_back(h.centre);
    auto startsInside = [&](const std::vector<Segment>& path) {
      return std::count_if(starts.begin(), starts.end(),
                           [&](Point p) { return isInside(p, path); });
    };
    int polylines = 0;
    for (const Entity& e : entities) {
      if (e.type != "LWPOLYLINE" || (layerOf(e) != "WIRE-CUT" && layerOf(e) != "MILL-FRONT"))
        continue;
      EXPECT_EQ(find(e, 70)->value, "1") << nameOf(d) << ": " << layerOf(e) << " polyline closed";
      if (layerOf(e) == "WIRE-CUT") {
        ++polylines;
        EXPECT_EQ(startsInside(segmentsOf(e)), 1) << nameOf(d) << ": polyline " << find(e, 5)->value;
      }
    }
    std::vector<Segment> pieces, ends;
    for (const Entity& e : entities)
      if (layerOf(e) == "WIRE-CUT" && (e.type == "LINE" || e.type == "ARC")) {
        auto s = segmentsOf(e);
        pieces.insert(pieces.end(), s.begin(), s.end());
        ends.push_back({s.front().a, s.back().b});
      }
    for (const Segment& piece : ends)
      for (Point end : {piece.a, piece.b}) {
        auto meets = std::count_if(ends.begin(), ends.end(), [&](const Segment& t) {
          return distance(t.a, end) < 1e-9 || distance(t.b, end) < 1e-9;
        });
        EXPECT_EQ(meets, 2) << nameOf(d) << ": obround open at " << end.x << "," << end.y;
      }
    const long obrounds = static_cast<long>(ends.size()) / 4;
    EXPECT_EQ(startsInside(pieces), obrounds) << nameOf(d);
    EXPECT_EQ(static_cast<long>(starts.size()), polylines + obrounds) << nameOf(d);
  }
}

// The hole table's view: each hole carries its code, one code one kind (layer
// and diameters) on both plates, and no two kinds share a diameter. Sizes are
// the die set's standard: ISO 4762 counterbores, coarse-thread tap drills.
struct KindRow {
  const char* label;
  const char* layer;
  double diameter;       // the through, drill or bore circle
  double outerDiameter;  // counterbore circle or thread arc; 0 for none
  int plate;
  int pair;
};
constexpr KindRow kKindRows[] = {
    {"A1", "HOLE-GUIDE", 32, 0, 4, 4},      {"A2", "HOLE-GUIDE", 20, 0, 4, 8},
    {"B1", "HOLE-CBORE", 9, 14, 4, 4},      {"B2", "HOLE-CBORE", 11, 17.5, 8, 8},
    {"B3", "HOLE-CBORE", 13.5, 20, 4, 4},   {"C1", "HOLE-TAP", 5, 6, 6, 6},
    {"C2", "HOLE-TAP", 6.8, 8, 4, 10},      {"D", "HOLE-DOWEL", 10, 0, 4, 4},
    {"E", "HOLE-EJECT", 6.5, 0, 8, 8},      {"F1", "HOLE-DRILL", 5.5, 0, 14, 28},
    {"F2", "HOLE-DRILL", 12, 0, 4, 4},      {"G", "HOLE-DRILL-BACK", 7, 0, 4, 4},
    {"W", "WIRE-START", 3, 0, 3, 6},
};

TEST(SamplePlate, LabelsEveryHoleWithTheCodeOfItsKind) {
  for (Drawing d : kDrawings) {
    std::map<std::string, int> counted;
    for (const ReadHole& h : holesOf(entitiesOf(d), nameOf(d))) {
      auto row = std::find_if(std::begin(kKindRows), std::end(kKindRows),
                              [&](const KindRow& k) { return h.label == k.label; });
      ASSERT_NE(row, std::end(kKindRows)) << nameOf(d) << ": " << h.where() << " labelled \""
                                          << h.label << "\"";
      ++counted[h.label];
      EXPECT_EQ(h.layer, row->layer) << nameOf(d) << ": " << h.label;
      std::vector<double> circles = {row->diameter};
      const bool tapped = h.layer == "HOLE-TAP";
      if (row->outerDiameter > 0 && !tapped)
        circles.push_back(row->outerDiameter);
      EXPECT_EQ(h.circleDiameters, circles) << nameOf(d) << ": " << h.where();
      EXPECT_EQ(h.threadDiameter, tapped ? row->outerDiameter : 0.0) << nameOf(d) << ": "
                                                                     << h.where();
      if (tapped) {
        EXPECT_EQ(h.threadSweep, 270.0) << nameOf(d) << ": three-quarter thread at " << h.where();
      }
    }
    for (const KindRow& k : kKindRows)
      EXPECT_EQ(counted[k.label], !hasStripper(d) ? k.plate : k.pair)
          << nameOf(d) << ": holes " << k.label;
  }
  for (std::size_t i = 0; i < std::size(kKindRows); ++i)
    for (std::size_t j = i + 1; j < std::size(kKindRows); ++j)
      EXPECT_NE(kKindRows[i].diameter, kKindRows[j].diameter)
          << kKindRows[i].label << " and " << kKindRows[j].label << " share a diameter";
}

// A hole's label stands on its group's dimension layer (the group's code +
// 20 in zeklayer0.dat): HOLE-CBORE-DIM for HOLE-CBORE, HOLE-DRILL-DIM for the
// back-drilled holes too.
TEST(SamplePlate, LabelsStandOnTheDimensionLayerOfTheirGroup) {
  const std::map<std::string, int> codes = standardLayerCodes();
  for (Drawing d : kDrawings) {
    auto entities = entitiesOf(d);
    auto holes = holesOf(entities, nameOf(d));
    for (const Entity& e : entities) {
      if (e.type != "TEXT" || !endsWith(layerOf(e), "-DIM"))
        continue;
      Point at{realOf(e, 10), realOf(e, 20)};
      auto hole = std::min_element(holes.begin(), holes.end(), [&](const auto& a, const auto& b) {
        return distance(a.centre, at) < distance(b.centre, at);
      });
      ASSERT_NE(hole, holes.end());
      ASSERT_TRUE(codes.count(hole->layer) && codes.count(layerOf(e))) << nameOf(d) << ": "
                                                                        << layerOf(e);
      EXPECT_EQ(codes.at(layerOf(e)), codes.at(hole->layer) / 100 * 100 + 20)
          << nameOf(d) << ": label on " << layerOf(e) << " for a hole on " << hole->layer;
    }
  }
}

// Every layer is one of the shipped standard's and holds entities; centre
// lines are CENTER, back holes HIDDEN in the colour of their front layer,
// dimension layers green and no other layer green; the cooling channels, run
// inside the plate, are HIDDEN; everything else is drawn Continuous.
TEST(SamplePlate, LayersFollowTheShippedStandard) {
  const std::map<std::string, int> codes = standardLayerCodes();
  auto groups = groupsOf(textOf(Drawing::Pair));
  std::map<std::string, int> used;
  for (const Entity& e : recordsOf(groups, "ENTITIES"))
    ++used[layerOf(e)];
  std::map<int, int> colourOfCode;
  std::vector<Entity> layers;
  for (const Entity& r : recordsOf(groups, "TABLES"))
    if (r.type == "LAYER" && find(r, 2)->value != "0") {
      layers.push_back(r);
      if (codes.count(find(r, 2)->value))
        colourOfCode[codes.at(find(r, 2)->value)] = std::atoi(find(r, 62)->value.c_str());
    }
  EXPECT_EQ(layers.size(), used.size()) << "layers in the table and layers in use";
  for (const Entity& r : layers) {
    const std::string name = find(r, 2)->value, linetype = find(r, 6)->value;
    const int colour = std::atoi(find(r, 62)->value.c_str());
    ASSERT_TRUE(codes.count(name)) << name << " is not in zeklayer0.dat";
    EXPECT_GT(used[name], 0) << name << " holds nothing";
    const int code = codes.at(name), group = code / 100 * 100, role = code / 10 % 10;
    const bool backHole = role == 1 && group >= 1300;
    const char* expected = role == 3 ? "CENTER"
                           : backHole || name == "HOLE-WATER" ? "HIDDEN"
                                                              : "Continuous";
    EXPECT_EQ(linetype, expected) << name;
    EXPECT_EQ(colour == 3, role == 2) << name << " colour " << colour;
    if (backHole && colourOfCode.count(group)) {
      EXPECT_EQ(colour, colourOfCode[group]) << name << " and its front layer";
    }
  }
}

// The TEXT layer names each plate, its material and thickness, with the
// general note in UTF-8, and the pocket's depth.
TEST(SamplePlate, TextsNameThePlateItsMaterialAndThickness) {
  const std::string note = "\xE6\x9C\xAA\xE6\xB3\xA8\xE5\x80\x92\xE8\xA7\x92" "C0.5";
  const std::vector<std::string> die = {"DIE PLATE 400 x 300 x 40", "MATERIAL SKD11  HRC58-62",
                                        "THICKNESS 40", note, "POCKET DP8"};
  std::vector<std::string> pair = die;
  pair.insert(pair.end(), {"STRIPPER PLATE 320 x 200 x 25", "MATERIAL SKD11  HRC55-58",
                           "THICKNESS 25", note});
  for (Drawing d : kDrawings) {
    std::vector<std::string> expected = !hasStripper(d) ? die : pair, found;
    for (const Entity& e : entitiesOf(d))
      if (layerOf(e) == "TEXT")
        found.push_back(find(e, 1)->value);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, expected) << nameOf(d);
  }
}

// --- Codes for the hole table ---------------------------------------------------

// The hole table takes a label for a hole when its insertion point lies no
// farther than 2 radii from the hole's centre, and either less than 1.3 radii
// from it or the point one label height above it does.
bool tableTakes(Point label, double height, Point centre, double radius) {
  const double d = distance(label, centre);
  const double above = distance(Point{label.x, label.y + height}, centre);
  return d <= 2 * radius && (d < 1.3 * radius || above < 1.3 * radius);
}

struct ReadLabel {
  Point at;
  double height = 0;
  std::string text;
};

std::vector<ReadLabel> labelsOf(const std::vector<Entity>& entities) {
  std::vector<ReadLabel> labels;
  for (const Entity& e : entities)
    if (e.type == "TEXT" && endsWith(layerOf(e), "-DIM"))
      labels.push_back({{realOf(e, 10), realOf(e, 20)}, realOf(e, 40), find(e, 1)->value});
  return labels;
}

// Every radius a hole draws: its circles and its thread arc.
std::vector<double> radiiOf(const ReadHole& h) {
  std::vector<double> radii;
  for (double d : h.circleDiameters)
    radii.push_back(d / 2);
  if (h.threadDiameter > 0)
    radii.push_back(h.threadDiameter / 2);
  return radii;
}

// One hole of the kind labelled `label` on a small plate, drawn in `style`.
std::vector<Entity> oneHoleDrawing(const std::string& label, LabelStyle style, Point at) {
  auto kind = std::find_if(holeKinds().begin(), holeKinds().end(),
                           [&](const HoleKind& k) { return label == k.label; });
  EXPECT_NE(kind, holeKinds().end()) << label << " is not in the catalogue";
  PlateLayout plate;
  plate.width = 100;
  plate.height = 80;
  plate.chamfer = 5;
  if (kind != holeKinds().end())
    plate.holes.push_back({kind->code, at.x, at.y});
  std::ostringstream out;
  EXPECT_TRUE(writePlateDrawing({{plate, {0.0, 0.0}}}, out, style).has_value()) << label;
  return recordsOf(groupsOf(out.str()), "ENTITIES");
}

// A code written on its hole, 2.5 high, starts at three quarters of the outer
// radius right of the centre and half its height below: the hole table takes
// it for the through or drill circle (the inner circle of a counterbore) and
// for the outer circle or thread arc alike, for every kind of the catalogue.
TEST(SamplePlate, CodesOnTheHoleMeetTheHoleTablesMatchingRuleForEveryKind) {
  const Point at{43.7, 38.2};
  for (const KindRow& k : kKindRows) {
    auto entities = oneHoleDrawing(k.label, LabelStyle::OnHole, at);
    auto holes = holesOf(entities, k.label);
    auto labels = labelsOf(entities);
    ASSERT_EQ(holes.size(), 1u) << k.label;
    ASSERT_EQ(labels.size(), 1u) << k.label;
    const ReadHole& hole = holes.front();
    const ReadLabel& label = labels.front();
    const double outer = std::max(k.diameter, k.outerDiameter) / 2;
    EXPECT_EQ(label.text, k.label);
    EXPECT_EQ(label.height, 2.5) << k.label;
    EXPECT_NEAR(label.at.x, at.x + 0.75 * outer, 1e-12) << k.label;
    EXPECT_NEAR(label.at.y, at.y - 1.25, 1e-12) << k.label;
    ASSERT_EQ(hole.circleDiameters.front(), k.diameter) << k.label << ": through circle drawn";
    ASSERT_EQ(hole.outerRadius(), outer) << k.label << ": outer circle or thread drawn";
    EXPECT_TRUE(tableTakes(label.at, label.height, hole.centre, k.diameter / 2))
        << k.label << ": through or drill circle, radius " << k.diameter / 2;
    EXPECT_TRUE(tableTakes(label.at, label.height, hole.centre, outer))
        << k.label << ": outer radius " << outer;
  }
}

// Beside the hole, the code of a small hole lies too far for the hole table
// to take it: the reason for codes on the hole.
TEST(SamplePlate, CodesBesideSmallHolesLieTooFarForTheHoleTable) {
  const Point at{43.7, 38.2};
  for (const char* code : {"W", "F1", "C1", "B1"}) {
    auto entities = oneHoleDrawing(code, LabelStyle::BesideHole, at);
    auto holes = holesOf(entities, code);
    auto labels = labelsOf(entities);
    ASSERT_EQ(holes.size(), 1u) << code;
    ASSERT_EQ(labels.size(), 1u) << code;
    EXPECT_EQ(labels.front().height, 3.5) << code;
    EXPECT_FALSE(tableTakes(labels.front().at, labels.front().height, holes.front().centre,
                            holes.front().circleDiameters.front() / 2))
        << code << ": the code beside the through circle";
  }
}

// On the hole table's sample every code is taken for each circle and arc of
// its own hole and for none of any other hole; everything but the codes is
// the sample's, entity for entity.
TEST(SamplePlate, EachCodeOfTheTableSampleMatchesItsOwnHoleAndNoOther) {
  auto entities = entitiesOf(Drawing::Table);
  auto holes = holesOf(entities, nameOf(Drawing::Table));
  auto labels = labelsOf(entities);
  ASSERT_EQ(labels.size(), 71u);
  for (const ReadLabel& label : labels) {
    EXPECT_EQ(label.height, 2.5) << label.text;
    // Its own hole is the nearest one, and carries its code.
    auto own = std::min_element(holes.begin(), holes.end(), [&](const auto& a, const auto& b) {
      return distance(a.centre, label.at) < distance(b.centre, label.at);
    });
    ASSERT_NE(own, holes.end());
    EXPECT_EQ(own->label, label.text) << own->where();
    for (const ReadHole& hole : holes)
      for (double r : radiiOf(hole))
        EXPECT_EQ(tableTakes(label.at, label.height, hole.centre, r), &hole == &*own)
            << "\"" << label.text << "\" at " << label.at.x << "," << label.at.y << " and radius "
            << r << " of the " << hole.where();
  }
  // The other entities are those of the sample, entity for entity.
  auto beside = entitiesOf(Drawing::Plate);
  ASSERT_EQ(beside.size(), entities.size());
  for (std::size_t i = 0; i < entities.size(); ++i) {
    EXPECT_EQ(entities[i].type, beside[i].type) << "entity " << i;
    EXPECT_EQ(layerOf(entities[i]), layerOf(beside[i])) << "entity " << i;
    const bool isLabel = entities[i].type == "TEXT" && endsWith(layerOf(entities[i]), "-DIM");
    if (!isLabel) {
      EXPECT_EQ(realOf(entities[i], 10), realOf(beside[i], 10)) << "entity " << i;
      EXPECT_EQ(realOf(entities[i], 20), realOf(beside[i], 20)) << "entity " << i;
    }
  }
}

// The rows a hole table of each sample plate must find, counted by hand: the
// die plate's 71 holes of 13 codes and the stripper's 27 of 4; each code with
// its kind's standard sizes and layer; and the table sample's file agrees.
TEST(SamplePlate, LabelledHolesGiveTheHoleTablesRows) {
  struct RowsCase {
    const char* plate;
    PlateLayout (*layout)();
    std::map<std::string, int> counts;
    int total;
  };
  const RowsCase cases[] = {
      {"die plate", diePlate,
       {{"A1", 4}, {"A2", 4}, {"B1", 4}, {"B2", 8}, {"B3", 4}, {"C1", 6}, {"C2", 4}, {"D", 4},
        {"E", 8}, {"F1", 14}, {"F2", 4}, {"G", 4}, {"W", 3}},
       71},
      {"stripper plate", stripperPlate, {{"A2", 4}, {"C2", 6}, {"F1", 14}, {"W", 3}}, 27},
  };
  for (const RowsCase& c : cases) {
    const auto rows = labelledHoles(c.layout());
    std::map<std::string, int> counts;
    int total = 0;
    for (const auto& [code, row] : rows) {
      counts[code] = row.count;
      total += row.count;
      auto kind = std::find_if(std::begin(kKindRows), std::end(kKindRows),
                               [&](const KindRow& k) { return code == k.label; });
      ASSERT_NE(kind, std::end(kKindRows)) << c.plate << ": code " << code;
      EXPECT_EQ(row.diameter, kind->diameter) << c.plate << ": " << code;
      EXPECT_EQ(row.outerDiameter, kind->outerDiameter > 0 ? kind->outerDiameter : kind->diameter)
          << c.plate << ": " << code;
      EXPECT_EQ(row.layer, kind->layer) << c.plate << ": " << code;
    }
    EXPECT_EQ(counts, c.counts) << c.plate;
    EXPECT_EQ(total, c.total) << c.plate;
  }
  // The file's holes by code, as read back, give the same rows.
  const auto rows = labelledHoles(diePlate());
  std::map<std::string, int> read;
  for (const ReadHole& hole : holesOf(entitiesOf(Drawing::Table), nameOf(Drawing::Table))) {
    ++read[hole.label];
    ASSERT_TRUE(rows.count(hole.label)) << hole.where() << " labelled \"" << hole.label << "\"";
    EXPECT_EQ(hole.circleDiameters.front(), rows.at(hole.label).diameter) << hole.where();
    EXPECT_EQ(2 * hole.outerRadius(), rows.at(hole.label).outerDiameter) << hole.where();
  }
  for (const auto& [code, row] : rows)
    EXPECT_EQ(read[code], row.count) << code;
}

// The shipped samples are what the generator writes today, byte for byte.
TEST(SamplePlate, ShippedSamplesAreWhatTheGeneratorWrites) {
  for (Drawing d : kDrawings) {
    const std::string path = std::string(ZEK_DATA_DIR) + "/samples/" + nameOf(d);
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << path;
    const std::string shipped{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string written = textOf(d);
    EXPECT_EQ(shipped.size(), written.size()) << path;
    EXPECT_TRUE(shipped == written) << path << " differs from what zek-plategen writes";
  }
}

}  // namespace
}  // namespace zek::plategen
