// The corpus oracle: every dimension a sample drawing brings with its own
// block is drawn again by the host and compared with that block. The match
// rate is printed per dimension kind and per producing program; ordinate
// and linear dimensions whose blocks a CAD host made must match at least
// 90 %. Producers are taken from the file names (see the corpus's
// SOURCES.md); blocks that another program made inside a CAD host's file
// (the "*CAXBLOCK" blocks) count under that program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "db/annotations/annotation_filing.h"
#include "db/database_core.h"
#include "db/dimblocks/leader_layout.h"
#include "db/dimblocks/oracle_compare.h"
#include "db/testing/db_test_support.h"
#include "db_block.h"
#include "db_database.h"
#include "db_dimension.h"
#include "db_leader.h"
#include "db_symtab.h"
#include "db_text.h"
#include "zek/dim_vars.h"
#include "zek/dxf_io.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

const char* kindName(int kind) {
  static const char* kNames[] = {"linear", "aligned", "angular", "diameter", "radius",
                                 "angular 3-point", "ordinate", "?"};
  return kNames[kind & 7];
}

// "r2018-acad-ts1-all-dims.dxf" was written by "acad"; "*CAXBLOCK" blocks in
// a file a CAD host saved later are another program's.
std::string producerOf(const fs::path& file, const std::string& blockName) {
  if (blockName.rfind("*CAXBLOCK", 0) == 0)
    return "caxblock";
  std::string name = file.filename().string();
  std::size_t first = name.find('-');
  std::size_t second = first == std::string::npos ? first : name.find('-', first + 1);
  if (second == std::string::npos)
    return "unknown";
  return name.substr(first + 1, second - first - 1);
}

std::vector<fs::path> sampleFiles(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const fs::path& folder : {dir, dir / "binary"}) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
      if (entry.is_regular_file() && entry.path().extension() == ".dxf")
        files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<AcDbObjectId> dimensionsOf(AcDbDatabase& db) {
  std::vector<AcDbObjectId> found;
  auto* blocks = peekObject<AcDbBlockTable>(db.blockTableId());
  for (AcDbObjectId blockId : blocks ? blocks->recordIds() : std::vector<AcDbObjectId>{})
    if (auto* block = peekObject<AcDbBlockTableRecord>(blockId))
      for (AcDbObjectId id : block->entityIds())
        if (peekObject<AcDbDimension>(id) != nullptr && !id.isErased())
          found.push_back(id);
  return found;
}

// The dimensions of an R12 file that name no style (group 3): their
// variables are not in the file (a CAD host saving a newer drawing as R12
// leaves them out), so their blocks cannot be judged.
std::set<std::string> unstyledR12Dimensions(const fs::path& file, const AcDbDatabase& db) {
  std::set<std::string> handles;
  if (db.originalFileVersion() > AcDb::kDHL_1009)
    return handles;
  std::ifstream in(file, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const test::DxfObject& o : test::dxfObjects(text))
    if (o.type == "DIMENSION" && test::valuesOf(o.groups, 3).empty())
      for (const std::string& h : test::valuesOf(o.groups, 5))
        handles.insert(h);
  return handles;
}

struct Tally {
  int matched = 0;
  int total = 0;
  double rate() const { return total ? 100.0 * matched / total : 100.0; }
};

struct Outcome {
  std::string producer;
  int kind = 0;
  std::string why;  // empty: matched
};

// Draws one dimension again; nullopt when it brings no block to compare
// with. The lines are drawn round the text where the file has it (its
// group 11), so that the text metrics model's estimate of the width shows
// once and not twice; where the text goes by default is judged on its own.
std::optional<Outcome> judge(const fs::path& file, AcDbObjectId id) {
  test::Opened<AcDbDimension> d(id, AcDb::kForWrite);
  if (!d)
    return std::nullopt;
  AcDbObjectId blockId = d->dimBlockId();
  test::FileBlock fileBlock = test::readFileBlock(blockId);
  if (fileBlock.lines.empty() && fileBlock.texts.empty() && fileBlock.solids.empty())
    return std::nullopt;
  Outcome outcome{producerOf(file, d->dimBlockName()), d->dimensionKind(), {}};
  if (!isZAxis(d->normal())) {
    outcome.why = "not in the XY plane";
    return outcome;
  }
  DimVars vars = dimVarsOf(*d.get());
  std::string shown = d->displayText(vars);
  DimGeometry placed;
  if (!d->displayGeometry(vars, shown, placed)) {
    outcome.why = "a kind the host does not draw";
    return outcome;
  }
  bool byDefault = d->isUsingDefaultTextPosition();
  (void)d->useSetTextPosition();
  DimGeometry made;
  (void)d->displayGeometry(vars, shown, made);
  if (shown.empty())
    made.text.reset();
  DimSizes sizes = dimSizesOf(vars);
  test::Tolerances tolerances{0.02 * sizes.scale, 0.5 * sizes.text};
  outcome.why = test::compareWithFile(made, fileBlock, tolerances);
  if (outcome.why.empty() && byDefault && placed.text && !fileBlock.texts.empty() &&
      placed.text->position.distanceTo(fileBlock.texts.front().position) > tolerances.loose)
    outcome.why = "the default text position is off by " +
                  std::to_string(placed.text->position.distanceTo(fileBlock.texts.front().position));
  return outcome;
}

TEST(DimBlockOracle, CadHostBlocksAreMadeAgain) {
  fs::path dir = ZEK_SAMPLES_DIR;
  const char* require = std::getenv("ZEK_REQUIRE_SAMPLES");
  if (!fs::is_directory(dir)) {
    if (require != nullptr && std::string(require) == "1")
      FAIL() << "the sample drawings are required but " << dir << " is not there";
    GTEST_SKIP() << "no sample drawings at " << dir;
  }
  std::map<std::string, Tally> byKind, byProducer, cadHost;
  std::vector<std::string> mismatches;
  int notJudged = 0;
  for (const fs::path& file : sampleFiles(dir)) {
    auto read = readDxfFile(file.string());
    if (!read.ok())
      continue;  // the reader's own tests judge the files it refuses
    AcDbDatabase& db = *read.value();
    std::set<std::string> unstyled = unstyledR12Dimensions(file, db);
    for (AcDbObjectId id : dimensionsOf(db)) {
      if (unstyled.count(id.handle().ascii()) != 0) {
        ++notJudged;
        continue;
      }
      std::optional<Outcome> outcome = judge(file, id);
      if (!outcome)
        continue;
      bool ok = outcome->why.empty();
      for (Tally* t : {&byKind[kindName(outcome->kind)], &byProducer[outcome->producer]}) {
        t->total += 1;
        t->matched += ok ? 1 : 0;
      }
      if (outcome->producer == "acad") {
        cadHost[kindName(outcome->kind)].total += 1;
        cadHost[kindName(outcome->kind)].matched += ok ? 1 : 0;
      }
      if (!ok)
        mismatches.push_back(file.filename().string() + " #" + id.handle().ascii() + " (" +
                             kindName(outcome->kind) + ", " + outcome->producer +
                             "): " + outcome->why);
    }
  }
  std::printf("dimension blocks made again, by kind:\n");
  for (const auto& [kind, t] : byKind)
    std::printf("  %-16s %3d of %3d  %5.1f %%\n", kind.c_str(), t.matched, t.total, t.rate());
  std::printf("by producing program:\n");
  for (const auto& [producer, t] : byProducer)
    std::printf("  %-16s %3d of %3d  %5.1f %%\n", producer.c_str(), t.matched, t.total, t.rate());
  std::printf("dimensions of CAD host files, by kind:\n");
  for (const auto& [kind, t] : cadHost)
    std::printf("  %-16s %3d of %3d  %5.1f %%\n", kind.c_str(), t.matched, t.total, t.rate());
  std::printf("not judged (R12 dimensions that name no style): %d\n", notJudged);
  std::printf("mismatches:\n");
  for (const std::string& m : mismatches)
    std::printf("  %s\n", m.c_str());
  for (const char* kind : {"linear", "ordinate"}) {
    const Tally& t = cadHost[kind];
    EXPECT_GT(t.total, 0) << kind << ": the corpus holds CAD host blocks of this kind";
    EXPECT_GE(t.rate(), 90.0) << kind << " dimensions of CAD host files: " << t.matched << " of "
                              << t.total;
  }
}

// LEADERs with an MTEXT annotation that CAD hosts placed: the annotation
// sits where placeLeaderAnnotation puts it (attachment, and location within
// half a text height), the leader's vertices as the file has them.
TEST(DimBlockOracle, LeaderAnnotationsSitWhereCadHostsPutThem) {
  fs::path dir = ZEK_SAMPLES_DIR;
  if (!fs::is_directory(dir))
    GTEST_SKIP() << "no sample drawings at " << dir;
  int judged = 0;
  for (const fs::path& file : sampleFiles(dir)) {
    if (producerOf(file, "") != "acad")
      continue;
    auto read = readDxfFile(file.string());
    if (!read.ok())
      continue;
    AcDbDatabase& db = *read.value();
    for (AcDbObjectId id : test::modelSpaceIds(db)) {
      test::Opened<AcDbLeader> leader(id);
      if (!leader || leader->annoType() != AcDbLeader::kMText)
        continue;
      test::Opened<AcDbMText> text(leader->annotationObjId());
      if (!text || leader->numVertices() < 2)
        continue;
      DimVars vars;
      if (auto* style = peekObject<AcDbDimStyleTableRecord>(leader->dimensionStyle()))
        vars = dimVarsOf(*style);
      std::vector<AcGePoint3d> vertices;
      for (int i = 0; i < leader->numVertices(); ++i)
        vertices.push_back(leader->vertexAt(i));
      LeaderPlacement placed = placeLeaderAnnotation(vertices, text->textHeight(), vars);
      std::string where = file.filename().string() + " #" + id.handle().ascii();
      EXPECT_EQ(placed.attachment, text->attachment()) << where;
      EXPECT_LE(placed.textLocation.distanceTo(text->location()), text->textHeight() / 2.0)
          << where << ": placed at " << placed.textLocation.x << ", " << placed.textLocation.y;
      ++judged;
    }
  }
  std::printf("leader annotations judged: %d\n", judged);
  EXPECT_GT(judged, 0) << "the corpus holds leaders with MTEXT from CAD hosts";
}

}  // namespace
}  // namespace zek
