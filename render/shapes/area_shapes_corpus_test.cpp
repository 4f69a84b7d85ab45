// Every HATCH, SOLID, TRACE and 3DFACE of the sample drawings (model space,
// paper space and block definitions): each gives a shape, undamaged, or
// nothing for a reason the groups show (a hatch with no paths, a face with
// every edge hidden); and each loop lies within the box of the entity's
// own points (getGeomExtents, in the entity's plane) — grown, for curved
// boundaries, by how far their curves can reach beyond those points.
#include "area_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "db/kept_object.h"
#include "db/testing/db_test_support.h"
#include "db_block.h"
#include "db_symtab.h"
#include "group_reader.h"
#include "zek/dxf_io.h"

namespace zek::render {
namespace {

namespace fs = std::filesystem;

std::vector<const KeptGroup*> groupsOf(const KeptEntity& entity) {
  std::vector<const KeptGroup*> groups;
  if (const ObjectExtras* extras = entity.extras())
    for (const KeptSection& section : extras->kept)
      for (const KeptGroup& g : section.groups)
        groups.push_back(&g);
  return groups;
}

double valueOf(const KeptGroup& g) {
  double value = 0.0;
  return readReal(g.text, value) ? value : 0.0;
}

// The first value of a code (HATCH path count 91, face flags 70 and the
// extrusion groups each appear once in their records).
std::optional<double> firstValue(const std::vector<const KeptGroup*>& groups, int code) {
  for (const KeptGroup* g : groups)
    if (g->code == code)
      return valueOf(*g);
  return std::nullopt;
}

// How far a hatch's curves can reach beyond the points its groups hold: an
// arc's radius (40) from its centre, an ellipse's major axis (11/21 then the
// ratio 40) from its centre, and a bulge arc max(1, |bulge|) half chords
// from its chord's middle (a chord at most the box's diagonal).
double reachBeyondPoints(const std::vector<const KeptGroup*>& groups, double diagonal) {
  double reach = 0.0, largestBulge = 0.0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    int code = groups[i]->code;
    if (code == 40)
      reach = std::max(reach, std::fabs(valueOf(*groups[i])));
    if (code == 42)
      largestBulge = std::max(largestBulge, std::fabs(valueOf(*groups[i])));
    if (code == 11 && i + 2 < groups.size() && groups[i + 1]->code == 21 && groups[i + 2]->code == 40)
      reach = std::max(reach, std::hypot(valueOf(*groups[i]), valueOf(*groups[i + 1])));
  }
  if (largestBulge > 0.0)
    reach += std::max(1.0, largestBulge) * diagonal / 2.0;
  return reach;
}

struct Tally {
  int shapes = 0;
  int nothingByDesign = 0;
  int loops = 0;
  int tightChecks = 0;  // entities checked against their points' box itself
};

std::vector<fs::path> sampleDrawings(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (entry.is_regular_file() && ext == ".dxf")
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

class CorpusAreas {
public:
  void judge(const KeptEntity& entity, const std::string& where) {
    std::string type = entity.dxfTypeName();
    std::vector<const KeptGroup*> groups = groupsOf(entity);
    AcDbExtents box;
    bool hasBox = entity.getGeomExtents(box) == Acad::eOk;
    double diagonal = hasBox ? box.maxPoint().distanceTo(box.minPoint()) : 0.0;
    std::optional<AreaShape> shape = areaShapeOf(entity, std::max(1e-6, diagonal * 1e-3));
    Tally& tally = tallies_[type];
    if (!shape) {
      bool noPaths = type == "HATCH" && firstValue(groups, 91).value_or(0) == 0;
      bool allHidden = type == "3DFACE" && (static_cast<long>(firstValue(groups, 70).value_or(0)) & 15) == 15;
      EXPECT_TRUE(noPaths || allHidden) << where << ": no shape, and the groups show no reason";
      ++tally.nothingByDesign;
      return;
    }
    ++tally.shapes;
    EXPECT_FALSE(shape->damaged) << where << ": a drawing from another program read as damaged";
    ASSERT_TRUE(hasBox) << where << ": a shape from groups that give no extents";
    AcGeVector3d normal(firstValue(groups, 210).value_or(0), firstValue(groups, 220).value_or(0),
                        firstValue(groups, 230).value_or(1));
    AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal);
    double reach = type == "HATCH" ? reachBeyondPoints(groups, diagonal) : 0.0;
    tally.tightChecks += reach == 0.0 ? 1 : 0;
    double slack = reach + 1e-9 * (1.0 + diagonal + (box.maxPoint() - AcGePoint3d::kOrigin).length());
    for (const auto* lists : {&shape->loops, &shape->open})
      for (const std::vector<AcGePoint3d>& loop : *lists) {
        ++tally.loops;
        EXPECT_GE(loop.size(), 2u) << where;
        for (const AcGePoint3d& world : loop) {
          AcGePoint3d p = toPlane * world;
          bool inside = true;
          for (unsigned axis = 0; axis < 3; ++axis)
            inside = inside && p[axis] >= box.minPoint()[axis] - slack &&
                     p[axis] <= box.maxPoint()[axis] + slack;
          EXPECT_TRUE(inside) << where << ": (" << p.x << "," << p.y << "," << p.z
                              << ") outside the box of its points, reach " << reach;
          if (!inside)
            return;  // one message an entity
        }
      }
  }

  void print() const {
    std::printf("area shapes of the sample drawings:\n");
    for (const auto& [type, t] : tallies_)
      std::printf("  %-7s %5d shapes (%d checked against their points' box itself), %d loops, "
                  "%d nothing by design\n",
                  type.c_str(), t.shapes, t.tightChecks, t.loops, t.nothingByDesign);
  }
  int shapes(const char* type) const {
    auto found = tallies_.find(type);
    return found == tallies_.end() ? 0 : found->second.shapes;
  }

private:
  std::map<std::string, Tally> tallies_;
};

bool isAreaType(const char* type) {
  for (const char* t : {"HATCH", "SOLID", "TRACE", "3DFACE"})
    if (std::strcmp(t, type) == 0)
      return true;
  return false;
}

void judgeDrawing(AcDbDatabase& db, const std::string& file, CorpusAreas& areas) {
  zek::test::Opened<AcDbBlockTable> blocks(db.blockTableId());
  if (!blocks)
    return;
  for (AcDbObjectId recordId : blocks->recordIds()) {
    zek::test::Opened<AcDbBlockTableRecord> record(recordId);
    if (!record)
      continue;
    for (AcDbObjectId id : record->entityIds()) {
      zek::test::Opened<AcDbEntity> entity(id);
      auto* kept = entity ? KeptEntity::cast(entity.get()) : nullptr;
      if (kept != nullptr && isAreaType(kept->dxfTypeName()))
        areas.judge(*kept, file + " " + kept->dxfTypeName() + " #" + id.handle().ascii());
    }
  }
}

TEST(AreaShapesCorpus, EveryAreaOfTheSamplesHasItsShape) {
  fs::path dir = ZEK_SAMPLES_DIR;
  if (!fs::is_directory(dir)) {
    const char* require = std::getenv("ZEK_REQUIRE_SAMPLES");
    if (require != nullptr && std::string(require) == "1")
      FAIL() << "the sample drawings are required but " << dir << " is not there";
    GTEST_SKIP() << "no sample drawings at " << dir;
  }
  CorpusAreas areas;
  for (const fs::path& file : sampleDrawings(dir)) {
    auto read = readDxfFile(file.string());
    if (!read.ok())
      continue;  // the reader's own tests judge the files it refuses
    judgeDrawing(*read.value(), file.filename().string(), areas);
  }
  areas.print();
  EXPECT_GT(areas.shapes("HATCH"), 0) << "the samples hold hatches";
  EXPECT_GT(areas.shapes("SOLID"), 0) << "the samples hold solids";
  EXPECT_GT(areas.shapes("3DFACE"), 0) << "the samples hold faces";
}

}  // namespace
}  // namespace zek::render
