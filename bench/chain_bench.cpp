// zek-chain-bench: the chain builder (segments into the end-node map, bridges
// disabled, chains walked, overlapped points purged, everything freed) on
// sheets of plate outlines of 10,000, 100,000 and 1,000,000 elements.
// Prints the time of each step, the time per element and its ratio to the
// decade before; a program to run by hand, never a test.
//   zek-chain-bench [--elements 10000,100000,1000000] [--rows N] [--repeat N]
// (without --rows: plates in three rows, then in a square grid; --rows 0 is
// the grid alone)
// On a drawing file: the builder fed with every line, arc and lightweight
// polyline of model space, as a command feeds it, timed N times (default 5).
//   zek-chain-bench --drawing FILE.dxf [--repeat N] [--record RECORDFILE]
#include "drawing_bench.h"
#include "size_list.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <memory>
#include <malloc.h>
#include <string>
#include <vector>

#include "chains/chain_purge.h"
#include "chains/chain_selection.h"
#include "chains/chain_shapes.h"
#include "chains/end_node_map.h"
#include "db_core.h"
#include "db_curves.h"
#include "db_polyline.h"

namespace {

using Clock = std::chrono::steady_clock;
using zek::ChainList;
using zek::EndNodeMap;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct SegmentInput {
  AcGePoint3d start, end;
  AcDbObjectId id;
};

struct PolylineInput {
  std::vector<AcGePoint2d> vertices;
  AcDbObjectId id;
};

// The entities of a sheet in drawing order, with ids that name no object.
struct Sheet {
  std::deque<zek::ObjectStub> stubs;  // ids point into it: it never moves what it holds
  std::vector<SegmentInput> segments;
  std::vector<PolylineInput> polylines;
  std::size_t elements = 0;  // segments plus polyline edges
};

// A repeatable spread of small gaps: ends meet within ±0.02, as drafters'
// ends meet, inside the builder's 0.05.
class Jitter {
public:
  double next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return (static_cast<double>(state_ >> 11) / 9007199254740992.0 - 0.5) * 0.04;
  }

private:
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

class SheetMaker {
public:
  explicit SheetMaker(Sheet& sheet) : sheet_(sheet) {}

  // One plate in its cell: a 160 x 110 outline with 5-unit chamfers, its
  // bottom edge drawn in two pieces with a rib standing on the joint (a T),
  // two slots (two lines, two end arcs) and an L-shaped pocket polyline.
  // The outline's pieces go in out of order, some drawn backwards.
  void addPlate(double ox, double oy) {
    const double c = 5.0;
    const double outline[10][4] = {
        {c, 0, 80, 0},          {80, 0, 160 - c, 0},     {160 - c, 0, 160, c},
        {160, c, 160, 110 - c}, {160, 110 - c, 160 - c, 110}, {160 - c, 110, c, 110},
        {c, 110, 0, 110 - c},   {0, 110 - c, 0, c},      {0, c, c, 0},
        {80, 0, 80, 30}};
    const int order[10] = {0, 5, 2, 7, 4, 9, 1, 6, 3, 8};
    for (int k = 0; k < 10; ++k) {
      const double* s = outline[order[k]];
      if (k % 3 == 1)
        segment(ox + s[2], oy + s[3], ox + s[0], oy + s[1]);
      else
        segment(ox + s[0], oy + s[1], ox + s[2], oy + s[3]);
    }
    slot(ox + 40, oy + 80);
    slot(ox + 120, oy + 80);
    pocket(ox + 30, oy + 20);
  }

private:
  AcDbObjectId nextId() {
    sheet_.stubs.push_back(zek::ObjectStub{nullptr, nullptr, sheet_.stubs.size() + 1, false});
    return AcDbObjectId(&sheet_.stubs.back());
  }
  void segment(double x1, double y1, double x2, double y2) {
    sheet_.segments.push_back({AcGePoint3d(x1 + jitter_.next(), y1 + jitter_.next(), 0),
                               AcGePoint3d(x2 + jitter_.next(), y2 + jitter_.next(), 0), nextId()});
    ++sheet_.elements;
  }
  // A 30-long slot of radius 5 round (cx, cy): its arcs go in by their ends.
  void slot(double cx, double cy) {
    segment(cx - 15, cy - 5, cx + 15, cy - 5);
    segment(cx + 15, cy - 5, cx + 15, cy + 5);  // the right arc
    segment(cx + 15, cy + 5, cx - 15, cy + 5);
    segment(cx - 15, cy + 5, cx - 15, cy - 5);  // the left arc
  }
  void pocket(double x, double y) {
    PolylineInput polyline;
    polyline.vertices = {{x, y}, {x + 40, y}, {x + 40, y + 15}, {x + 20, y + 15},
                         {x + 20, y + 30}, {x, y + 30}};
    polyline.id = nextId();
    sheet_.elements += polyline.vertices.size();
    sheet_.polylines.push_back(std::move(polyline));
  }

  Sheet& sheet_;
  Jitter jitter_;
};

// Plates in cells of 200 x 150 until the sheet has `elements`: side by side
// in `rows` rows, or with rows 0 in a square grid.
void makeSheet(Sheet& sheet, std::size_t elements, std::size_t rows) {
  constexpr std::size_t kPerPlate = 24;
  const std::size_t plates = (elements + kPerPlate - 1) / kPerPlate;
  SheetMaker maker(sheet);
  const auto square = static_cast<std::size_t>(std::max(1.0, std::ceil(std::sqrt(double(plates)))));
  const std::size_t columns = rows == 0 ? square : std::max<std::size_t>(1, (plates + rows - 1) / rows);
  for (std::size_t p = 0; p < plates; ++p)
    maker.addPlate(200.0 * double(p % columns), 150.0 * double(p / columns));
}

struct Figures {
  double enter = 0.0, walk = 0.0, purge = 0.0, free = 0.0, total = 0.0;
  std::size_t chains = 0;
};

// One run of the builder over the sheet, every step timed; freeing the map
// and the list is part of a command's cost.
Figures runBuilder(const Sheet& sheet) {
  Figures figures;
  const auto start = Clock::now();
  auto* nodes = new EndNodeMap;
  auto* list = new ChainList;
  for (const SegmentInput& s : sheet.segments)
    nodes->addSegment(s.start, s.end, s.id);
  for (const PolylineInput& p : sheet.polylines)
    zek::addPolylineChain(*list, p.vertices, true, p.id);
  figures.enter = secondsSince(start);
  auto step = Clock::now();
  nodes->disableJunctionBridges();
  nodes->collectChains(*list);
  figures.walk = secondsSince(step);
  step = Clock::now();
  zek::purgeChains(*list);
  figures.purge = secondsSince(step);
  figures.chains = list->size();
  step = Clock::now();
  delete nodes;
  delete list;
  figures.free = secondsSince(step);
  figures.total = secondsSince(start);
  return figures;
}


// One table: every count on sheets of the layout, its time per element and
// the ratio to the count before.
void runLayout(const std::vector<std::size_t>& counts, std::size_t rows, int repeat) {
  if (rows == 0)
    std::printf("plates in a square grid\n");
  else
    std::printf("plates side by side in %zu rows\n", rows);
  std::printf("%10s %9s %8s | %8s %8s %8s %8s %9s | %10s %6s\n", "elements", "segments", "chains",
              "enter s", "walk s", "purge s", "free s", "total s", "us/element", "ratio");
  double previousPerElement = 0.0;
  for (std::size_t count : counts) {
    Sheet sheet;
    makeSheet(sheet, count, rows);
    Figures best;
    for (int r = 0; r < repeat; ++r) {
      const Figures run = runBuilder(sheet);
      if (r == 0 || run.total < best.total)
        best = run;
    }
    const double perElement = 1e6 * best.total / double(sheet.elements);
    char ratio[16] = "-";
    if (previousPerElement > 0.0)
      std::snprintf(ratio, sizeof ratio, "%.2f", perElement / previousPerElement);
    std::printf("%10zu %9zu %8zu | %8.4f %8.4f %8.4f %8.4f %9.4f | %10.3f %6s\n", sheet.elements,
                sheet.segments.size(), best.chains, best.enter, best.walk, best.purge, best.free,
                best.total, perElement, ratio);
    std::fflush(stdout);
    previousPerElement = perElement;
  }
}

// The lines, arcs and lightweight polylines of the drawing, in drawing
// order, as a selection filtered to them hands them over, and their edges:
// one a line or arc, one per vertex pair of a polyline (and the closing one).
std::vector<AcDbObjectId> chainEntitiesOf(const std::vector<AcDbObjectId>& entities, std::uint64_t& edges) {
  std::vector<AcDbObjectId> taken;
  edges = 0;
  for (AcDbObjectId id : entities) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk)
      continue;  // what does not open is not selected either
    std::uint64_t entityEdges = 0;
    if (AcDbLine::cast(entity) || AcDbArc::cast(entity)) {
      entityEdges = 1;
    } else if (auto* polyline = AcDbPolyline::cast(entity)) {
      const unsigned int vertices = polyline->numVerts();
      entityEdges = vertices == 0 ? 0 : polyline->isClosed() ? vertices : vertices - 1;
    }
    (void)entity->close();  // a read open always closes
    if (entityEdges == 0)
      continue;
    edges += entityEdges;
    taken.push_back(id);
  }
  return taken;
}

// The drawing mode: each run enters the entities (each opened for read),
// disables the bridges, walks the chains, purges them and frees the map and
// the list, as a command's chain building does from its selection.
int benchDrawing(const zek::bench::DrawingBenchSettings& settings, zek::bench::BenchDrawing& drawing) {
  std::uint64_t edges = 0;
  const std::vector<AcDbObjectId> taken = chainEntitiesOf(drawing.entities, edges);
  if (taken.empty()) {
    std::fprintf(stderr, "zek-chain-bench: %s: model space has no line, arc or lightweight polyline\n",
                 drawing.path.c_str());
    return 1;
  }
  std::size_t chains = 0;
  int failed = 0;
  const zek::ChainInputs inputs;  // lines and arcs as segments, polylines as chains
  auto runs = zek::bench::timeRuns(settings.repeat, [&] {
    auto nodes = std::make_unique<EndNodeMap>();
    auto list = std::make_unique<ChainList>();
    const zek::ChainIntake intake = zek::collectEntities(taken, inputs, *nodes, *list);
    nodes->disableJunctionBridges();
    nodes->collectChains(*list);
    zek::purgeChains(*list);
    chains = list->size();
    failed = intake.failed;
    return intake.segments + intake.chains > 0;
  });  // the map and the list are freed inside each run
  if (!runs) {
    std::fprintf(stderr, "zek-chain-bench: %s: no entity entered the chain builder\n", drawing.path.c_str());
    return 1;
  }
  std::printf("%zu entities taken, %zu chains built", taken.size(), chains);
  if (failed > 0)
    std::printf(", %d that did not open or read", failed);
  std::printf("\n");
  const bool recorded = zek::bench::reportFigure(
      settings, {.operation = "chain builder", .size = drawing.entities.size(), .elements = edges,
                 .elementName = "edges", .seconds = *runs});
  return recorded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (zek::bench::wantsDrawingMode(argc, argv))
    return zek::bench::runDrawingMode(argc, argv, "zek-chain-bench", benchDrawing);
  // Freed memory stays with the process, so every count is timed on memory
  // it has touched before, as in a host that has been running: otherwise the
  // large counts alone would pay the kernel's zeroing of fresh pages on every
  // run, and the small ones only on the first.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  std::vector<std::size_t> counts = {10000, 100000, 1000000};
  std::vector<std::size_t> layouts = {3, 0};  // three rows, then a square grid
  int repeat = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--elements")
      counts = zek::bench::parseCounts(argv[i + 1]);
    else if (option == "--rows")
      layouts = {static_cast<std::size_t>(std::strtoull(argv[i + 1], nullptr, 10))};
    else if (option == "--repeat")
      repeat = std::max(1, std::atoi(argv[i + 1]));
    else {
      std::fprintf(stderr, "usage: zek-chain-bench [--elements 10000,100000,1000000] [--rows N] [--repeat N]\n");
      return 2;
    }
  }
  for (std::size_t rows : layouts)
    runLayout(counts, rows, repeat);
  return 0;
}
