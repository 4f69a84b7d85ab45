// zek-island-bench: the island sweep (sweepIslands of modules/zekislands) on
// 10,000, 100,000 and 1,000,000 boxes of plates drawn side by side in three
// rows, each plate with its outline edges, corner arcs, holes and a pocket.
// Prints the time per decade and the time per box against the decade
// before (about 1.2 to 1.25 for n log n); a program to run by hand, never a
// test.
//   zek-island-bench [--boxes 10000,100000,1000000] [--repeat N]
#include "size_list.h"
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

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


}  // namespace

int main(int argc, char** argv) {
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
