// zek-select-bench: crossing-window selection (acedSSGet "C") on drawings of
// 10,000, 100,000 and 1,000,000 entities held in memory, a grid of plates'
// holes and edges. Prints the spatial index's build time and the time per
// query for small and large windows; a program to run by hand, never a test.
//   zek-select-bench [--entities 10000,100000,1000000] [--queries N]
// On a drawing file: the index build and a crossing window over about 1 % of
// the drawing's extents in its middle, each timed N times (default 5).
//   zek-select-bench --drawing FILE.dxf [--repeat N] [--record RECORDFILE]
#include "drawing_bench.h"
#include "size_list.h"
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "aced_select.h"
#include "db/database_core.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "editor/document.h"
#include "editor/select/selection_query.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Cells of 10 × 10 units, each with a hole (a circle of radius 3) and an edge
// (a line along the cell's bottom): `entities` entities in a square grid.
void fillGrid(AcDbDatabase& db, std::size_t entities, std::size_t& side) {
  side = static_cast<std::size_t>(std::ceil(std::sqrt(static_cast<double>(entities) / 2.0)));
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForWrite) != Acad::eOk)
    return;
  space->reserveEntities(entities);
  std::size_t made = 0;
  for (std::size_t row = 0; row < side && made < entities; ++row) {
    for (std::size_t column = 0; column < side && made < entities; ++column) {
      double x = 10.0 * static_cast<double>(column), y = 10.0 * static_cast<double>(row);
      auto circle = std::make_unique<AcDbCircle>(AcGePoint3d(x + 5, y + 5, 0), AcGeVector3d::kZAxis, 3.0);
      if (space->appendAcDbEntity(circle.get()) == Acad::eOk)
        (void)circle.release()->close();
      ++made;
      if (made == entities)
        break;
      auto line = std::make_unique<AcDbLine>(AcGePoint3d(x, y, 0), AcGePoint3d(x + 8, y, 0));
      if (space->appendAcDbEntity(line.get()) == Acad::eOk)
        (void)line.release()->close();
      ++made;
    }
  }
  (void)space->close();
}

struct QueryFigures {
  double millisecondsPerQuery = 0.0;
  double foundPerQuery = 0.0;
};

// Crossing windows of `size` × `size` units at places spread over the grid.
QueryFigures timeQueries(double size, double extent, int queries) {
  double found = 0.0;
  auto start = Clock::now();
  for (int q = 0; q < queries; ++q) {
    // A spread of window positions that is the same on every run.
    double fx = std::fmod(0.618033988749895 * (q + 1), 1.0), fy = std::fmod(0.754877666246693 * (q + 1), 1.0);
    double x = fx * (extent - size), y = fy * (extent - size);
    const ads_point a = {x, y, 0}, b = {x + size, y + size, 0};
    ads_name ss;
    if (acedSSGet("C", a, b, nullptr, ss) == RTNORM) {
      ads_int32 length = 0;
      if (acedSSLength(ss, &length) == RTNORM)
        found += length;
      (void)acedSSFree(ss);
    }
  }
  QueryFigures figures;
  figures.millisecondsPerQuery = 1000.0 * secondsSince(start) / queries;
  figures.foundPerQuery = found / queries;
  return figures;
}

// The drawing mode: the model-space index built again N times ("selection
// index"), then N crossing selections of the middle window on the built
// index ("crossing window"), as the host answers acedSSGet "C".
int benchDrawing(const zek::bench::DrawingBenchSettings& settings, zek::bench::BenchDrawing& drawing) {
  using zek::bench::DrawingFigure;
  const AcDbExtents extents = zek::bench::drawingExtentsOf(drawing.entities);
  if (!extents.isValid()) {
    std::fprintf(stderr, "zek-select-bench: %s: no entity of model space has extents\n", drawing.path.c_str());
    return 1;
  }
  const AcDbExtents window = zek::bench::middleWindow(extents, 0.01);
  const std::uint64_t size = drawing.entities.size();
  auto& documents = zek::DocumentManager::instance();
  documents.closeAll();
  zek::Document* document = documents.open(std::move(drawing.database), drawing.path);
  zek::ModelSpaceIndex& index = zek::modelSpaceIndexOf(*document);

  auto builds = zek::bench::timeRuns(settings.repeat, [&] {
    index.noteChanged();
    return index.fresh(*document->database()).size() > 0;
  });
  if (!builds) {
    std::fprintf(stderr, "zek-select-bench: %s: the selection index holds no entity\n", drawing.path.c_str());
    return 1;
  }
  bool recorded = zek::bench::reportFigure(settings, {.operation = "selection index", .size = size,
                                                      .elements = size, .elementName = "entities",
                                                      .seconds = *builds});

  const ads_point a = {window.minPoint().x, window.minPoint().y, 0.0};
  const ads_point b = {window.maxPoint().x, window.maxPoint().y, 0.0};
  ads_int32 found = 0;
  auto crossings = zek::bench::timeRuns(settings.repeat, [&] {
    ads_name ss;
    const int answer = acedSSGet("C", a, b, nullptr, ss);
    if (answer != RTNORM) {
      found = 0;
      return answer == RTERROR;  // nothing in the window: still a query answered
    }
    const bool counted = acedSSLength(ss, &found) == RTNORM;
    (void)acedSSFree(ss);
    return counted;
  });
  documents.closeAll();
  if (!crossings) {
    std::fprintf(stderr, "zek-select-bench: %s: the crossing selection failed\n", drawing.path.c_str());
    return 1;
  }
  std::printf("crossing window (%.6g,%.6g)-(%.6g,%.6g) of extents (%.6g,%.6g)-(%.6g,%.6g)\n", a[0], a[1], b[0],
              b[1], extents.minPoint().x, extents.minPoint().y, extents.maxPoint().x, extents.maxPoint().y);
  DrawingFigure crossing{.operation = "crossing window", .size = size,
                         .elements = static_cast<std::uint64_t>(found), .elementName = "found",
                         .seconds = *crossings};
  if (size >= 1000000)
    crossing.goalSeconds = 0.050;
  recorded = zek::bench::reportFigure(settings, crossing) && recorded;
  return recorded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (zek::bench::wantsDrawingMode(argc, argv))
    return zek::bench::runDrawingMode(argc, argv, "zek-select-bench", benchDrawing);
  std::vector<std::size_t> counts = {10000, 100000, 1000000};
  int queries = 200;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string option = argv[i];
    if (option == "--entities")
      counts = zek::bench::parseCounts(argv[i + 1]);
    else if (option == "--queries")
      queries = std::max(1, std::atoi(argv[i + 1]));
    else {
      std::fprintf(stderr, "usage: zek-select-bench [--entities 10000,100000,1000000] [--queries N]\n");
      return 2;
    }
  }
  std::printf("%10s %9s %11s | %14s %8s | %14s %9s | %14s %9s\n", "entities", "fill s", "index s",
              "small ms/query", "found", "large ms/query", "found", "whole ms/query", "found");
  for (std::size_t count : counts) {
    auto& documents = zek::DocumentManager::instance();
    documents.closeAll();
    auto db = std::make_unique<AcDbDatabase>();
    std::size_t side = 0;
    auto start = Clock::now();
    fillGrid(*db, count, side);
    double fill = secondsSince(start);
    zek::Document* document = documents.open(std::move(db), "");
    start = Clock::now();
    (void)zek::modelSpaceIndexOf(*document).fresh(*document->database());
    double build = secondsSince(start);
    double extent = 10.0 * static_cast<double>(side);
    // Small: about six cells, as a drafter's crossing pick over a few holes.
    QueryFigures small = timeQueries(25.0, extent, queries);
    // Large: a hundredth of the sheet's area, a whole plate of a big sheet.
    QueryFigures large = timeQueries(extent / 10.0, extent, std::max(1, queries / 20));
    // The whole sheet: every entity found, the upper bound of a query.
    QueryFigures whole = timeQueries(extent, extent + 1.0, 1);
    std::printf("%10zu %9.3f %11.3f | %14.4f %8.1f | %14.3f %9.0f | %14.1f %9.0f\n", count, fill, build,
                small.millisecondsPerQuery, small.foundPerQuery, large.millisecondsPerQuery,
                large.foundPerQuery, whole.millisecondsPerQuery, whole.foundPerQuery);
    std::fflush(stdout);
    documents.closeAll();
  }
  return 0;
}
