// Tests of the plate generator: exact entity counts, handles, ownership,
// extents and determinism, read back with a group reader of the test's own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dxf_text_writer.h"
#include "plate_generator.h"
#include "test_dxf_groups.h"

namespace zek::plategen {
namespace {

using namespace test;

std::string plates(std::uint64_t entities, int layers = 20, std::uint64_t seed = 1,
                   DrawingSummary* summary = nullptr) {
  std::ostringstream out;
  auto s = writePlates({entities, layers, seed}, out);
  EXPECT_TRUE(s.has_value()) << entities << " entities";
  if (s && summary)
    *summary = *s;
  return out.str();
}

std::string sample() {
  std::ostringstream out;
  EXPECT_TRUE(writeSamplePlate(out).has_value());
  return out.str();
}

std::string samplePair() {
  std::ostringstream out;
  EXPECT_TRUE(writeSamplePair(out).has_value());
  return out.str();
}

std::string sampleTable() {
  std::ostringstream out;
  EXPECT_TRUE(writeSampleTablePlate(out).has_value());
  return out.str();
}

// Entity counts at the edges of the plate budget: none, fewer than one plate
// outline, exactly one outline, one short plate, one full and a split plate.
struct CountCase {
  std::uint64_t entities;
  int layers;
};
constexpr CountCase kCountCases[] = {
    {0, 20},  {1, 20},   {7, 20},   {8, 20},    {9, 20},    {10, 20},  {39, 20},
    {40, 20}, {179, 20}, {180, 20}, {1000, 1},  {1000, 45}, {10000, 20},
};

TEST(PlateGenerator, WritesExactlyTheEntitiesAskedFor) {
  for (const CountCase& c : kCountCases) {
    DrawingSummary summary;
    auto entities = recordsOf(groupsOf(plates(c.entities, c.layers, 1, &summary)), "ENTITIES");
    EXPECT_EQ(entities.size(), c.entities) << c.entities << " entities, " << c.layers << " layers";
    EXPECT_EQ(summary.entities, c.entities) << c.entities << " entities (summary)";
  }
}

TEST(PlateGenerator, SummaryCountsEachTypeAsWritten) {
  DrawingSummary summary;
  auto entities = recordsOf(groupsOf(plates(5000, 20, 3, &summary)), "ENTITIES");
  std::map<std::string, std::uint64_t> counted;
  for (const Entity& e : entities)
    ++counted[e.type];
  for (EntityType t : {EntityType::Line, EntityType::Circle, EntityType::Arc,
                       EntityType::LwPolyline, EntityType::Text}) {
    EXPECT_EQ(counted[entityTypeName(t)], summary.of(t)) << entityTypeName(t);
    EXPECT_GT(summary.of(t), 0u) << entityTypeName(t) << " missing from the mix";
  }
}

// Every handle (5, and 105 for the dimension style) is unique, not zero and
// below $HANDSEED; every owner (330) names a record of the file.
void expectHandlesSound(const std::string& text, const std::string& what) {
  auto groups = groupsOf(text);
  std::uint64_t seed = headerHandSeed(groups);
  ASSERT_GT(seed, 0u) << what << ": no $HANDSEED";
  std::set<std::uint64_t> handles;
  bool inHeader = true;
  for (const Group& g : groups) {
    if (g.code == 0 && g.value == "ENDSEC")
      inHeader = false;
    if (inHeader || (g.code != 5 && g.code != 105))
      continue;
    std::uint64_t h = hex(g.value);
    EXPECT_NE(h, 0u) << what << ": handle \"" << g.value << "\"";
    EXPECT_LT(h, seed) << what << ": handle " << g.value << " not below $HANDSEED";
    EXPECT_TRUE(handles.insert(h).second) << what << ": handle " << g.value << " used twice";
  }
  for (const Group& g : groups) {
    if (g.code == 330 && g.value != "0") {
      EXPECT_TRUE(handles.count(hex(g.value)))
          << what << ": owner " << g.value << " not in the file";
    }
  }
}

TEST(PlateGenerator, HandlesAreUniqueBelowTheSeedAndOwnersExist) {
  expectHandlesSound(plates(3000), "3000 entities");
  expectHandlesSound(plates(500, 33), "500 entities on 33 layers");
  expectHandlesSound(sample(), "sample");
  expectHandlesSound(samplePair(), "sample pair");
  expectHandlesSound(sampleTable(), "sample for the hole table");
}

// Each entity opens with handle, owner, AcDbEntity and layer, then carries its
// own subclass markers, and its layer is in the LAYER table.
struct MarkerCase {
  const char* type;
  std::vector<std::string> markers;
};

void expectEntitiesWellFormed(const std::string& text, std::size_t layerCount,
                              const std::string& what) {
  const std::vector<MarkerCase> cases = {
      {"LINE", {"AcDbEntity", "AcDbLine"}},
      {"CIRCLE", {"AcDbEntity", "AcDbCircle"}},
      {"ARC", {"AcDbEntity", "AcDbCircle", "AcDbArc"}},
      {"LWPOLYLINE", {"AcDbEntity", "AcDbPolyline"}},
      {"TEXT", {"AcDbEntity", "AcDbText", "AcDbText"}},
  };
  auto groups = groupsOf(text);
  std::set<std::string> layers;
  std::string modelSpace;
  for (const Entity& r : recordsOf(groups, "TABLES")) {
    if (r.type == "LAYER" && find(r, 2))
      layers.insert(find(r, 2)->value);
    if (r.type == "BLOCK_RECORD" && find(r, 2) && find(r, 2)->value == "*Model_Space")
      modelSpace = find(r, 5)->value;
  }
  ASSERT_FALSE(modelSpace.empty()) << what << ": no *Model_Space block record";
  EXPECT_EQ(layers.size(), layerCount) << what << ": layers with \"0\"";
  for (const Entity& e : recordsOf(groups, "ENTITIES")) {
    ASSERT_GE(e.groups.size(), 4u) << what << ": " << e.type;
    EXPECT_EQ(e.groups[0].code, 5) << what << ": " << e.type << ": handle first";
    EXPECT_EQ(e.groups[1].code, 330) << what << ": " << e.type << ": owner second";
    EXPECT_EQ(e.groups[1].value, modelSpace) << what << ": " << e.type << ": owned by *Model_Space";
    const Group* layer = find(e, 8);
    ASSERT_NE(layer, nullptr) << what << ": " << e.type;
    EXPECT_TRUE(layers.count(layer->value))
        << what << ": " << e.type << " on unknown layer " << layer->value;
    auto c = std::find_if(cases.begin(), cases.end(),
                          [&](const MarkerCase& m) { return e.type == m.type; });
    ASSERT_NE(c, cases.end()) << what << ": unexpected entity " << e.type;
    std::vector<std::string> markers;
    for (const Group& g : e.groups)
      if (g.code == 100)
        markers.push_back(g.value);
    EXPECT_EQ(markers, c->markers) << what << ": " << e.type << " handle " << e.groups[0].value;
  }
}

TEST(PlateGenerator, EntitiesCarryHandleOwnerLayerAndSubclassMarkers) {
  for (int layerCount : {1, 20, 26})
    expectEntitiesWellFormed(plates(2000, layerCount, 5), layerCount + 1,
                             std::to_string(layerCount) + " layers");
  // The samples' 25 layers of the shipped standard, besides "0".
  expectEntitiesWellFormed(sample(), 26, "sample");
  expectEntitiesWellFormed(samplePair(), 26, "sample pair");
  expectEntitiesWellFormed(sampleTable(), 26, "sample for the hole table");
}

// A polyline says how many vertices it has (90) and has exactly that many;
// slots carry bulges of +1 and -1 (half circles both ways round).
TEST(PlateGenerator, PolylinesHoldTheirVertexCountAndSlotBulges) {
  std::set<std::string> bulges;
  for (const Entity& e : recordsOf(groupsOf(plates(4000, 20, 9)), "ENTITIES")) {
    if (e.type != "LWPOLYLINE")
      continue;
    long said = find(e, 90) ? std::atol(find(e, 90)->value.c_str()) : -1;
    auto count = [&](int code) {
      return std::count_if(e.groups.begin(), e.groups.end(),
                           [code](const Group& g) { return g.code == code; });
    };
    long xs = count(10), ys = count(20);
    EXPECT_EQ(said, xs) << "LWPOLYLINE " << e.groups[0].value;
    EXPECT_EQ(xs, ys) << "LWPOLYLINE " << e.groups[0].value;
    for (const Group& g : e.groups)
      if (g.code == 42)
        bulges.insert(g.value);
  }
  EXPECT_TRUE(bulges.count("1.0")) << "no counter-clockwise slot end";
  EXPECT_TRUE(bulges.count("-1.0")) << "no clockwise slot end";
  EXPECT_TRUE(bulges.count("0.41421356237309503")) << "no rounded pocket corner (tan 22.5 degrees)";
}

// All points of the entities lie within $EXTMIN..$EXTMAX.
void expectWithinHeaderExtents(const std::string& text, const std::string& what) {
  auto groups = groupsOf(text);
  HeaderExtents ext = headerExtents(groups);
  for (const Entity& e : recordsOf(groups, "ENTITIES"))
    for (const Group& g : e.groups) {
      bool isX = g.code == 10 || g.code == 11, isY = g.code == 20 || g.code == 21;
      if (!isX && !isY)
        continue;
      double v = std::atof(g.value.c_str());
      double lo = isX ? ext.minX : ext.minY, hi = isX ? ext.maxX : ext.maxY;
      EXPECT_TRUE(v >= lo && v <= hi) << what << ": " << e.type << " " << e.groups[0].value
                                      << " group " << g.code << " = " << g.value << " outside "
                                      << lo << ".." << hi;
    }
}

// Turned plates included; and the plates of a sheet do not all sit at the origin.
TEST(PlateGenerator, EntitiesLieWithinTheHeaderExtents) {
  for (std::uint64_t seed : {1u, 2u}) {
    std::string text = plates(6000, 20, seed);
    HeaderExtents ext = headerExtents(groupsOf(text));
    ASSERT_GT(ext.maxX - ext.minX, 1000.0) << "seed " << seed << ": a sheet of many plates";
    ASSERT_GT(ext.maxY - ext.minY, 1000.0) << "seed " << seed;
    expectWithinHeaderExtents(text, "seed " + std::to_string(seed));
  }
  expectWithinHeaderExtents(sample(), "sample");
  expectWithinHeaderExtents(samplePair(), "sample pair");
  expectWithinHeaderExtents(sampleTable(), "sample for the hole table");
}

TEST(PlateGenerator, SameSeedSameBytesOtherSeedOtherDrawing) {
  EXPECT_EQ(plates(2500, 20, 42), plates(2500, 20, 42)) << "seed 42 twice";
  EXPECT_NE(plates(2500, 20, 42), plates(2500, 20, 43)) << "seeds 42 and 43";
  EXPECT_NE(plates(2500, 20, 42), plates(2500, 12, 42)) << "12 and 20 layers";
  EXPECT_EQ(sample(), sample()) << "the sample twice";
  EXPECT_EQ(samplePair(), samplePair()) << "the sample pair twice";
  EXPECT_EQ(sampleTable(), sampleTable()) << "the hole table's sample twice";
  EXPECT_NE(sampleTable(), sample()) << "the same plate labelled on its holes";
}

// About 180 bytes an entity, so benchmark file sizes follow from the count.
TEST(PlateGenerator, AveragesAbout180BytesAnEntity) {
  DrawingSummary summary;
  std::string text = plates(20000, 20, 1, &summary);
  EXPECT_EQ(summary.bytes, text.size());
  double perEntity = static_cast<double>(text.size()) / 20000;
  EXPECT_GT(perEntity, 150.0);
  EXPECT_LT(perEntity, 210.0);
}

struct RealCase {
  double value;
  const char* text;
};
const RealCase kRealCases[] = {
    {10.0, "10.0"},                  // integral reals keep a decimal point
    {0.0, "0.0"},
    {-6.35, "-6.35"},
    {1e20, "1e+20"},                 // the layout limits, as CAD hosts write them
    {0.41421356237309503, "0.41421356237309503"},  // all 17 digits when needed
    {1.0 / 3, "0.3333333333333333"},
    {12345.678, "12345.678"},
};

TEST(DxfTextWriter, WritesRealsAsTheShortestTextThatReadsBack) {
  for (const RealCase& c : kRealCases) {
    EXPECT_EQ(realText(c.value), c.text) << c.text;
    EXPECT_EQ(std::strtod(realText(c.value).c_str(), nullptr), c.value) << c.text;
  }
}

TEST(DxfTextWriter, AlignsGroupCodesAndWritesHandlesInUpperHex) {
  std::ostringstream out;
  DxfTextWriter w(out);
  w.text(0, "LINE");
  w.handle(5, 0x1a2f);
  w.integer(100, -3);
  w.integer(1071, 7);
  w.point2(10, 1.5, 2.0);
  ASSERT_TRUE(w.finish());
  EXPECT_EQ(out.str(), "  0\nLINE\n  5\n1A2F\n100\n-3\n1071\n7\n 10\n1.5\n 20\n2.0\n");
  EXPECT_EQ(w.bytesWritten(), out.str().size());
}

// ezdxf's audit finds nothing to report or fix (skipped where ezdxf is absent).
TEST(PlateGenerator, EzdxfAuditIsClean) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ezdxf not installed";
  const std::string dir = ::testing::TempDir();
  struct AuditCase {
    std::string path;
    std::optional<DrawingSummary> (*write)(const std::string&);
  };
  const AuditCase cases[] = {
      {dir + "plategen_sample.dxf", writeSamplePlateFile},
      {dir + "plategen_sample_pair.dxf", writeSamplePairFile},
      {dir + "plategen_sample_table.dxf", writeSampleTablePlateFile},
      {dir + "plategen_10k.dxf",
       [](const std::string& path) { return writePlatesFile({10000, 20, 1}, path); }},
  };
  for (const AuditCase& c : cases) {
    ASSERT_TRUE(c.write(c.path).has_value()) << c.path;
    std::string command =
        "/usr/bin/python3 -c \"import ezdxf,sys; a=ezdxf.readfile(sys.argv[1]).audit(); "
        "print(len(a.errors), len(a.fixes))\" " + c.path;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char line[64] = {};
    bool got = std::fgets(line, sizeof line, pipe) != nullptr;
    int status = pclose(pipe);
    EXPECT_TRUE(got && status == 0) << c.path;
    EXPECT_EQ(std::string(line), "0 0\n") << c.path << ": errors and fixes";
    std::remove(c.path.c_str());
  }
}

}  // namespace
}  // namespace zek::plategen
