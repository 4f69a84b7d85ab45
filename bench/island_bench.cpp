// zek-island-bench: the island sweep (sweepIslands of modules/zekislands) on
// 10,000, 100,000 and 1,000,000 boxes of plates drawn side by side in three
// rows, each plate with its outline edges, corner arcs, holes and a pocket.
// Prints the time per decade and the time per box against the decade
// before (about 1.2 to 1.25 for n log n); a program to run by hand, never a
// test.
//   zek-island-bench [--boxes 10000,100000,1000000] [--repeat N]
// On a drawing file: the sweep over the boxes of model space's geometry, as
// the island search collects them, timed N times (default 5).
//   zek-island-bench --drawing FILE.dxf [--repeat N] [--record RECORDFILE]
#include "drawing_bench.h"
#include "size_list.h"
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "db/database_core.h"
#include "db_curves.h"
#include "db_polyline.h"
#include "island_sweep.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRows = 3;

// A small linear congruential generator: the same sheet on every run.
class Sequence {
public:
  double next(double low, double high) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const double unit = static_cast<double>(state_ >> 11) / 9007199254740992.0;
    return low + unit * (high - low);
  }

private:
  std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

void addBox(std::vector<zek::Box>& boxes, double minX, double minY, double maxX, double maxY) {
  boxes.push_back(zek::widenedBox(minX, minY, maxX, maxY));
}

// One plate of width w and height h at (x, y): four edges, four corner
// arcs of radius 5, a grid of holes and a pocket of four edges; about 50
// boxes in drawing order.
void addPlate(std::vector<zek::Box>& boxes, Sequence& random, double x, double y, double w, double h) {
  const double r = 5.0;
  addBox(boxes, x + r, y, x + w - r, y);          // bottom edge
  addBox(boxes, x + w, y + r, x + w, y + h - r);  // right edge
  addBox(boxes, x + r, y + h, x + w - r, y + h);  // top edge
  addBox(boxes, x, y + r, x, y + h - r);          // left edge
  addBox(boxes, x, y, x + r, y + r);              // corner arcs
  addBox(boxes, x + w - r, y, x + w, y + r);
  addBox(boxes, x + w - r, y + h - r, x + w, y + h);
  addBox(boxes, x, y + h - r, x + r, y + h);
  for (int column = 0; column < 6; ++column) {
    for (int row = 0; row < 6; ++row) {
      const double cx = x + w * (column + 1) / 7.0, cy = y + h * (row + 1) / 7.0;
      const double radius = random.next(1.0, 4.0);
      addBox(boxes, cx - radius, cy - radius, cx + radius, cy + radius);
    }
  }
  const double px = x + w * 0.3, py = y + h * 0.4, pw = w * 0.4, ph = h * 0.2;
  addBox(boxes, px, py, px + pw, py);
  addBox(boxes, px + pw, py, px + pw, py + ph);
  addBox(boxes, px, py + ph, px + pw, py + ph);
  addBox(boxes, px, py, px, py + ph);
}

// Plates in three rows, column after column, until `count` boxes are made.
std::vector<zek::Box> makeSheet(std::size_t count, std::size_t& plates) {
  std::vector<zek::Box> boxes;
  boxes.reserve(count + 64);
  Sequence random;
  plates = 0;
  double x = 0.0;
  while (boxes.size() < count) {
    double widest = 0.0;
    for (int row = 0; row < kRows && boxes.size() < count; ++row) {
      const double w = random.next(120.0, 300.0), h = random.next(100.0, 250.0);
      addPlate(boxes, random, x, row * 300.0, w, h);
      widest = std::max(widest, w);
      ++plates;
    }
    x += widest + random.next(20.0, 60.0);
  }
  boxes.resize(count);
  return boxes;
}

// The fastest of `repeat` sweeps, in seconds, and the islands it found.
double timeSweep(const std::vector<zek::Box>& boxes, bool keepMembers, int repeat, std::size_t& islands) {
  double best = 0.0;
  for (int i = 0; i < repeat; ++i) {
    const auto start = Clock::now();
    const std::vector<zek::Island> found = zek::sweepIslands(boxes, keepMembers);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    islands = found.size();
    if (i == 0 || seconds < best)
      best = seconds;
  }
  return best;
}


// Whether the island search's shipped filter (zekislands.dat) passes the
// entity: the plates' geometry, never texts, dimensions, hatches or blocks.
bool isIslandGeometry(AcDbObjectId id) {
  AcDbEntity* entity = zek::peekObject<AcDbEntity>(id);
  return AcDbLine::cast(entity) || AcDbArc::cast(entity) || AcDbCircle::cast(entity) ||
         AcDbPolyline::cast(entity) || AcDb2dPolyline::cast(entity) || AcDbEllipse::cast(entity) ||
         AcDbSpline::cast(entity);
}

// The boxes the island search sweeps: the widened world extents of each
// entity passing the filter that opens and has finite extents.
std::vector<zek::Box> islandBoxesOf(const std::vector<AcDbObjectId>& entities) {
  std::vector<zek::Box> boxes;
  boxes.reserve(entities.size());
  for (AcDbObjectId id : entities) {
    if (!isIslandGeometry(id))
      continue;
    if (auto extents = zek::bench::worldExtentsOf(id))
      boxes.push_back(zek::widenedBox(extents->minPoint().x, extents->minPoint().y, extents->maxPoint().x,
                                      extents->maxPoint().y));
  }
  return boxes;
}

// The drawing mode: the boxes collected once (untimed), then N sweeps
// without member lists, as ZEKISLANDS sweeps them.
int benchDrawing(const zek::bench::DrawingBenchSettings& settings, zek::bench::BenchDrawing& drawing) {
  const std::vector<zek::Box> boxes = islandBoxesOf(drawing.entities);
  if (boxes.empty()) {
    std::fprintf(stderr, "zek-island-bench: %s: model space has no geometry with extents to sweep\n",
                 drawing.path.c_str());
    return 1;
  }
  std::size_t islands = 0;
  auto runs = zek::bench::timeRuns(settings.repeat, [&] {
    islands = zek::sweepIslands(boxes, false).size();
    return true;
  });
  if (!runs)
    return 1;  // a sweep always answers
  std::printf("%zu boxes, %zu islands\n", boxes.size(), islands);
  const bool recorded = zek::bench::reportFigure(
      settings, {.operation = "island sweep", .size = drawing.entities.size(), .elements = boxes.size(),
                 .elementName = "boxes", .seconds = *runs});
  return recorded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (zek::bench::wantsDrawingMode(argc, argv))
    return zek::bench::runDrawingMode(argc, argv, "zek-island-bench", benchDrawing);
  std::vector<std::size_t> counts = {10000, 100000, 1000000};
  int repeat = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--boxes") {
      counts = zek::bench::parseCounts(argv[i + 1]);
    } else if (option == "--repeat") {
      repeat = std::max(1, std::atoi(argv[i + 1]));
    } else {
      std::fprintf(stderr, "usage: zek-island-bench [--boxes 10000,100000,1000000] [--repeat N]\n");
      return 2;
    }
  }
  std::printf("%10s %8s %8s | %10s %10s %7s | %10s %10s %7s\n", "boxes", "plates", "islands",
              "sweep ms", "ns/box", "ratio", "members ms", "ns/box", "ratio");
  double lastPerBox = 0.0, lastMembersPerBox = 0.0;
  for (const std::size_t count : counts) {
    std::size_t plates = 0, islands = 0, islandsWithMembers = 0;
    const std::vector<zek::Box> boxes = makeSheet(count, plates);
    const double sweep = timeSweep(boxes, false, repeat, islands);
    const double members = timeSweep(boxes, true, repeat, islandsWithMembers);
    const double perBox = 1e9 * sweep / static_cast<double>(count);
    const double membersPerBox = 1e9 * members / static_cast<double>(count);
    std::printf("%10zu %8zu %8zu | %10.3f %10.1f %7s | %10.3f %10.1f %7s\n", count, plates, islands,
                1e3 * sweep, perBox,
                lastPerBox > 0 ? std::to_string(perBox / lastPerBox).substr(0, 5).c_str() : "-",
                1e3 * members, membersPerBox,
                lastMembersPerBox > 0 ? std::to_string(membersPerBox / lastMembersPerBox).substr(0, 5).c_str()
                                      : "-");
    std::fflush(stdout);
    lastPerBox = perBox;
    lastMembersPerBox = membersPerBox;
  }
  return 0;
}
