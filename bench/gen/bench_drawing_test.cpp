// The benchmark drawings read back by plategen's group reader and by our own
// reader: exact model-space counts, the version's header and group layout,
// the ordinate dimensions with their blocks, the same bytes for the same seed.
#include "bench_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "db/database_core.h"
#include "db_database.h"
#include "db_dimension.h"
#include "ordinate_dimensions.h"
#include "test_dxf_groups.h"
#include "zek/dxf_io.h"

namespace zek::benchgen {
namespace {

namespace pt = plategen::test;

std::string drawingText(const BenchOptions& options, BenchSummary* summary = nullptr) {
  std::ostringstream out;
  auto written = writeBenchDrawing(options, out);
  EXPECT_TRUE(written.has_value());
  if (summary != nullptr && written)
    *summary = *written;
  return out.str();
}

std::string headerValue(const std::vector<pt::Group>& groups, const std::string& name) {
  for (std::size_t i = 0; i + 1 < groups.size(); ++i)
    if (groups[i].code == 9 && groups[i].value == name)
      return groups[i + 1].value;
  return "";
}

std::set<std::string> sectionNames(const std::vector<pt::Group>& groups) {
  std::set<std::string> names;
  for (std::size_t i = 1; i < groups.size(); ++i)
    if (groups[i].code == 2 && groups[i - 1].code == 0 && groups[i - 1].value == "SECTION")
      names.insert(groups[i].value);
  return names;
}

// The model-space entities: ENTITIES records less the parts of R12 polylines.
std::map<std::string, std::uint64_t> modelSpaceCounts(const std::vector<pt::Entity>& records) {
  std::map<std::string, std::uint64_t> counts;
  for (const pt::Entity& e : records)
    if (e.type != "VERTEX" && e.type != "SEQEND")
      ++counts[e.type];
  return counts;
}

std::uint64_t total(const std::map<std::string, std::uint64_t>& counts) {
  std::uint64_t sum = 0;
  for (const auto& [type, n] : counts)
    sum += n;
  return sum;
}

struct Case {
  std::uint64_t entities;
  DxfVersion version;
};

std::string caseName(const testing::TestParamInfo<Case>& info) {
  return std::string(versionName(info.param.version)) + "_" + std::to_string(info.param.entities);
}

class BenchDrawing : public testing::TestWithParam<Case> {};

// Under 20 entities a plate has no dimensions; 40 and 179 are the plate
// budget's edges; 10,000 spans many plates.
INSTANTIATE_TEST_SUITE_P(SizesAndVersions, BenchDrawing,
                         testing::Values(Case{0, DxfVersion::R2004}, Case{1, DxfVersion::R12},
                                         Case{19, DxfVersion::R2004}, Case{20, DxfVersion::R12},
                                         Case{40, DxfVersion::R2004}, Case{179, DxfVersion::R12},
                                         Case{1000, DxfVersion::R2004},
                                         Case{1000, DxfVersion::R12},
                                         Case{10000, DxfVersion::R2004},
                                         Case{10000, DxfVersion::R12}),
                         caseName);

TEST_P(BenchDrawing, HoldsExactlyTheEntitiesAskedForInTheVersionsLayout) {
  const Case c = GetParam();
  BenchSummary summary;
  std::string text = drawingText({c.entities, c.version, 7}, &summary);
  auto groups = pt::groupsOf(text);
  auto records = pt::recordsOf(groups, "ENTITIES");
  auto counts = modelSpaceCounts(records);
  bool r12 = c.version == DxfVersion::R12;

  EXPECT_EQ(total(counts), c.entities);
  EXPECT_EQ(summary.drawing.entities, c.entities);
  EXPECT_EQ(summary.drawing.bytes, text.size());
  EXPECT_EQ(counts["DIMENSION"], summary.dimensions);
  EXPECT_EQ(counts[r12 ? "POLYLINE" : "LWPOLYLINE"],
            summary.drawing.of(plategen::EntityType::LwPolyline));
  EXPECT_EQ(counts["LINE"], summary.drawing.of(plategen::EntityType::Line));
  EXPECT_EQ(counts["TEXT"], summary.drawing.of(plategen::EntityType::Text));
  if (c.entities >= 1000) {
    EXPECT_GE(summary.dimensions, c.entities / 60) << "a few dimensions on every plate";
  }

  EXPECT_EQ(headerValue(groups, "$ACADVER"), acadVer(c.version));
  EXPECT_EQ(headerValue(groups, "$DWGCODEPAGE"), "ANSI_1252");
  for (unsigned char ch : text)
    ASSERT_LT(ch, 0x80) << "all generated text is ASCII, so it is the same in ANSI_1252";

  std::set<std::string> sections = sectionNames(groups);
  EXPECT_EQ(sections.count("OBJECTS"), r12 ? 0u : 1u);
  EXPECT_EQ(sections.count("CLASSES"), r12 ? 0u : 1u);
  bool hasBlockRecords = text.find("\n  0\nTABLE\n  2\nBLOCK_RECORD\n") != std::string::npos;
  EXPECT_EQ(hasBlockRecords, !r12);
  if (r12) {
    EXPECT_EQ(counts.count("LWPOLYLINE"), 0u);
    EXPECT_EQ(headerValue(groups, "$HANDLING"), "0");
    for (const pt::Group& g : groups) {
      ASSERT_NE(g.code, 100) << "R12 has no subclass markers (" << g.value << ")";
      ASSERT_NE(g.code, 330) << "R12 has no owner handles";
    }
  } else {
    EXPECT_EQ(pt::headerHandSeed(groups), summary.drawing.handSeed);
  }
}

TEST_P(BenchDrawing, EveryPolylineVertexRunEndsInSeqend) {
  const Case c = GetParam();
  auto records = pt::recordsOf(pt::groupsOf(drawingText({c.entities, c.version, 3})), "ENTITIES");
  bool inPolyline = false;
  std::size_t vertices = 0;
  for (const pt::Entity& e : records) {
    if (e.type == "VERTEX") {
      ASSERT_TRUE(inPolyline) << "a VERTEX outside a POLYLINE";
      ++vertices;
    } else if (e.type == "SEQEND") {
      ASSERT_TRUE(inPolyline);
      EXPECT_GE(vertices, 4u) << "slots and pockets have four or eight vertices";
      inPolyline = false;
    } else {
      ASSERT_FALSE(inPolyline) << e.type << " before the SEQEND of a POLYLINE";
      inPolyline = e.type == "POLYLINE";
      vertices = 0;
      if (inPolyline) {
        ASSERT_NE(pt::find(e, 66), nullptr) << "a POLYLINE says vertices follow";
        EXPECT_EQ(pt::find(e, 66)->value, "1");
      }
    }
  }
  EXPECT_FALSE(inPolyline);
}

TEST_P(BenchDrawing, EachDimensionIsAnOrdinateWithABlockOfItsOwn) {
  const Case c = GetParam();
  bool r12 = c.version == DxfVersion::R12;
  auto groups = pt::groupsOf(drawingText({c.entities, c.version, 5}));
  std::map<std::string, int> blockEntities;  // *D block name -> entities inside
  std::string current;
  for (const pt::Entity& b : pt::recordsOf(groups, "BLOCKS")) {
    if (b.type == "BLOCK") {
      const pt::Group* name = pt::find(b, 2);
      ASSERT_NE(name, nullptr);
      current = name->value;
      if (current.starts_with("*D")) {
        EXPECT_EQ(pt::find(b, 70)->value, "1") << "dimension blocks are anonymous";
        blockEntities[current] = 0;
      }
    } else if (b.type == "ENDBLK") {
      current.clear();
    } else if (current.starts_with("*D")) {
      ++blockEntities[current];
    }
  }
  std::set<std::string> referenced;
  for (const pt::Entity& e : pt::recordsOf(groups, "ENTITIES")) {
    if (e.type != "DIMENSION")
      continue;
    const pt::Group* type = pt::find(e, 70);
    ASSERT_NE(type, nullptr);
    int flags = std::atoi(type->value.c_str());
    EXPECT_EQ(flags & 7, 6) << "ordinate";
    EXPECT_EQ((flags & 32) != 0, !r12) << "block of this dimension alone, from R13 on";
    EXPECT_EQ(flags & 128, 0) << "text at the style's place";
    EXPECT_EQ(pt::find(e, 8)->value, "DIM");
    std::string block = pt::find(e, 2)->value;
    EXPECT_TRUE(referenced.insert(block).second) << block << " shared";
    ASSERT_EQ(blockEntities.count(block), 1u) << block << " not in BLOCKS";
    EXPECT_EQ(blockEntities[block], static_cast<int>(kEntitiesPerDimensionBlock));
    // The feature point is a hole centre or corner: the datum lies below and
    // left of it in the plate's axes, so the measurement is positive.
    if (!r12) {
      EXPECT_GT(pt::realOf(e, 42), 0.0);
    }
  }
  EXPECT_EQ(referenced.size(), blockEntities.size()) << "every dimension block used once";
}

TEST(BenchDrawingMeasurement, TextHasTwoDecimalsAtMost) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{46.5, "46.5"}, {120.0, "120"}, {33.005001, "33.01"}, {0.004, "0"},
               {15.256, "15.26"}, {7.1, "7.1"}};
  for (const auto& c : cases)
    EXPECT_EQ(measurementText(c.value), c.text) << c.value;
}

TEST(BenchDrawingDimensions, MeasureHolesFromTheDatumCorner) {
  plategen::PlateContent content = plategen::plateContent(11, 120);
  auto dims = plateDimensions(content, dimensionsFor(120));
  ASSERT_EQ(dims.size(), 4u);
  for (std::size_t i = 0; i < dims.size(); ++i) {
    const OrdinateDimension& d = dims[i];
    EXPECT_EQ(d.xType, i % 2 == 0) << "x and y in pairs";
    EXPECT_EQ(d.measurement, d.xType ? d.feature.x : d.feature.y);
    EXPECT_GT(d.feature.x, 0.0);
    EXPECT_LT(d.feature.x, content.width);
    EXPECT_GT(d.feature.y, 0.0);
    EXPECT_LT(d.feature.y, content.height);
    // The leader ends outside the plate, past the edge the ordinate is read from.
    if (d.xType) {
      EXPECT_EQ(d.leaderEnd.x, d.feature.x);
      EXPECT_LT(d.leaderEnd.y, 0.0);
    } else {
      EXPECT_EQ(d.leaderEnd.y, d.feature.y);
      EXPECT_LT(d.leaderEnd.x, 0.0);
    }
  }
  EXPECT_EQ(dims[0].feature.x, dims[1].feature.x) << "a pair dimensions one hole";
  EXPECT_NE(dims[0].feature.x, dims[2].feature.x) << "the pairs take different holes";
}

TEST(BenchDrawingDimensions, FallBackOnTheFarCornerWithoutHoles) {
  plategen::PlateContent content;
  content.width = 100;
  content.height = 80;
  auto dims = plateDimensions(content, 2);
  ASSERT_EQ(dims.size(), 2u);
  EXPECT_EQ(dims[0].measurement, 100.0);
  EXPECT_EQ(dims[1].measurement, 80.0);
}

TEST(BenchDrawingSeed, SameSeedSameBytesOtherSeedOtherDrawing) {
  for (DxfVersion version : {DxfVersion::R2004, DxfVersion::R12}) {
    std::string a = drawingText({3000, version, 42});
    EXPECT_EQ(a, drawingText({3000, version, 42})) << versionName(version);
    EXPECT_NE(a, drawingText({3000, version, 43})) << versionName(version);
  }
}

// Plates alternate between rounded and chamfered corners: every outline
// corner is an arc of the corner radius (5 or 8) or a 45° line of that
// radius's diagonal, and both kinds are drawn, half the plates each.
TEST(BenchDrawingOutlines, PlatesAlternateRoundedAndChamferedCorners) {
  for (DxfVersion version : {DxfVersion::R2004, DxfVersion::R12}) {
    BenchSummary summary;
    const auto groups = pt::groupsOf(drawingText({10000, version, 5}, &summary));
    std::uint64_t arcs = 0, chamfers = 0;
    for (const pt::Entity& e : pt::recordsOf(groups, "ENTITIES")) {
      std::map<int, std::string> value;
      for (const pt::Group& g : e.groups)
        value.emplace(g.code, g.value);
      if (value[8] != "OUTLINE")
        continue;
      if (e.type == "ARC") {
        const double r = std::stod(value[40]);
        EXPECT_TRUE(r == 5.0 || r == 8.0) << r;
        ++arcs;
      } else if (e.type == "LINE") {
        const double length = std::hypot(std::stod(value[11]) - std::stod(value[10]),
                                         std::stod(value[21]) - std::stod(value[20]));
        if (std::abs(length - 5.0 * std::sqrt(2.0)) < 1e-9 ||
            std::abs(length - 8.0 * std::sqrt(2.0)) < 1e-9)
          ++chamfers;
      }
    }
    const std::uint64_t plates = summary.drawing.plates;
    EXPECT_EQ(arcs + chamfers, 4 * plates) << versionName(version);
    EXPECT_EQ(chamfers, 4 * (plates / 2)) << versionName(version) << ": every other plate";
  }
}

TEST(BenchDrawingSeed, VersionsDrawTheSameSheet) {
  BenchSummary r2004, r12;
  drawingText({5000, DxfVersion::R2004, 9}, &r2004);
  drawingText({5000, DxfVersion::R12, 9}, &r12);
  EXPECT_EQ(r2004.drawing.byType, r12.drawing.byType);
  EXPECT_EQ(r2004.dimensions, r12.dimensions);
  EXPECT_EQ(r2004.blockEntities, r12.blockEntities);
  EXPECT_EQ(r2004.blockEntities, r2004.dimensions * kEntitiesPerDimensionBlock);
}

TEST(BenchDrawingSummary, LineNamesCountsByTypeAndTheUncountedBlocks) {
  BenchSummary s;
  drawingText({2000, DxfVersion::R12, 1}, &s);
  std::string line = summaryLine("f.dxf", s);
  EXPECT_NE(line.find("R12 (AC1009), 2000 entities, " + std::to_string(s.drawing.bytes) +
                      " bytes"),
            std::string::npos)
      << line;
  EXPECT_NE(line.find(" POLYLINE " +
                      std::to_string(s.drawing.of(plategen::EntityType::LwPolyline))),
            std::string::npos)
      << line;
  EXPECT_EQ(line.find("LWPOLYLINE"), std::string::npos) << line;
  EXPECT_NE(line.find(" DIMENSION " + std::to_string(s.dimensions) + ";"), std::string::npos)
      << line;
  EXPECT_NE(line.find("not counted"), std::string::npos) << line;
}

std::size_t modelSpaceEntities(AcDbDatabase& db, std::size_t* ordinates,
                               std::size_t* withBlock) {
  auto* model = peekObject<AcDbBlockTableRecord>(db.modelSpaceId());
  if (model == nullptr)
    return 0;
  std::size_t count = 0;
  for (AcDbObjectId id : model->entityIds()) {
    if (!id.isValid() || id.isErased())
      continue;
    ++count;
    AcDbOrdinateDimension* dim = nullptr;
    if (acdbOpenObject(dim, id, AcDb::kForRead) == Acad::eOk) {
      ++*ordinates;
      if (!dim->dimBlockId().isNull())
        ++*withBlock;
      dim->close();
    }
  }
  return count;
}

TEST(BenchDrawingReadBack, OurReaderLoadsBothVersionsWithoutWarnings) {
  for (DxfVersion version : {DxfVersion::R2004, DxfVersion::R12}) {
    BenchSummary summary;
    std::string text = drawingText({4000, version, 2}, &summary);
    std::vector<Failure> warnings;
    DxfReadOptions options;
    options.warnings = &warnings;
    auto read = readDxfString(text, "bench.dxf", options);
    ASSERT_TRUE(read.ok()) << read.failure().describe();
    for (const Failure& w : warnings)
      ADD_FAILURE() << versionName(version) << ": " << w.describe();
    std::size_t ordinates = 0, withBlock = 0;
    EXPECT_EQ(modelSpaceEntities(*read.value(), &ordinates, &withBlock), 4000u)
        << versionName(version);
    EXPECT_EQ(ordinates, summary.dimensions) << versionName(version);
    EXPECT_EQ(withBlock, summary.dimensions) << "each finds its *D block";
  }
}

TEST(BenchDrawingReadBack, EzdxfAuditsBothVersionsClean) {
  if (std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "ezdxf not installed";
  auto dir = std::filesystem::temp_directory_path() /
             ("zek-bench-gen-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  for (DxfVersion version : {DxfVersion::R2004, DxfVersion::R12}) {
    std::string path = (dir / (std::string(versionName(version)) + ".dxf")).string();
    ASSERT_TRUE(writeBenchDrawingFile({3000, version, 4}, path).has_value());
    std::string command =
        "/usr/bin/python3 -c \"import ezdxf,sys; d=ezdxf.readfile(sys.argv[1]); a=d.audit(); "
        "sys.exit(0 if len(a.errors)==0 and d.dxfversion==sys.argv[2] else 1)\" " +
        path + " " + acadVer(version);
    EXPECT_EQ(std::system(command.c_str()), 0) << versionName(version) << ": " << path;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zek::benchgen
