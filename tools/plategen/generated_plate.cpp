// The generated die plate: a lattice of hole lines 25 to 40 mm apart, the
// wire-cut openings cut out of it, the guide bushes kept clear, and the hole
// kinds given by where a hole lies (border lines, clusters inside).
#include "generated_plate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "rng.h"

namespace zek::plategen {

namespace {

constexpr double kEdge = 20.0;  // from the outline to the first hole line
constexpr double kChamfer = 5.0;
constexpr double kWall = 3.0;        // least wall between holes, openings and outline
constexpr double kFill = 0.72;       // lattice points that carry a hole
constexpr double kOpeningGap = 5.0;  // an opening's contour beyond its lattice lines
constexpr double kPitches[] = {25.0, 30.0, 30.0, 35.0, 40.0};
constexpr std::uint64_t kMinimumHoles = 16;

struct LatticePoint {
  int column;
  int row;
};

struct Lattice {
  std::vector<double> xs;
  std::vector<double> ys;
  std::vector<std::vector<bool>> taken;  // [row][column]: no hole may go there

  [[nodiscard]] int columns() const { return static_cast<int>(xs.size()); }
  [[nodiscard]] int rows() const { return static_cast<int>(ys.size()); }
  [[nodiscard]] bool isBorder(int column, int row) const {
    return column == 0 || row == 0 || column == columns() - 1 || row == rows() - 1;
  }
  // The inner guide bushes stand one line in from the main ones.
  [[nodiscard]] bool isInnerGuide(int column, int row) const {
    return (column == 2 || column == columns() - 3) && (row == 2 || row == rows() - 3);
  }
  // Places that always carry their hole: the border lines and the inner guides.
  [[nodiscard]] bool isFixed(int column, int row) const {
    return isBorder(column, row) || isInnerGuide(column, row);
  }
};

std::vector<double> holeLines(int count, Rng& rng) {
  std::vector<double> lines{kEdge};
  while (static_cast<int>(lines.size()) < count)
    lines.push_back(lines.back() +
                    kPitches[rng.uniform(0, static_cast<int>(std::size(kPitches)) - 1)]);
  return lines;
}

// The interior clusters of 3 x 3 lattice points each get one kind, weighted
// as a die plate's holes come.
HoleCode clusterKind(std::uint64_t seed, int column, int row) {
  struct Weighted {
    HoleCode code;
    int weight;
  };
  constexpr Weighted kKinds[] = {{HoleCode::E, 20},  {HoleCode::F1, 20}, {HoleCode::C2, 14},
                                 {HoleCode::C1, 10}, {HoleCode::G, 10},  {HoleCode::B1, 8},
                                 {HoleCode::B3, 8},  {HoleCode::F2, 10}};
  Rng rng(partSeed(seed, 1000 + static_cast<std::uint64_t>(column / 3) * 4099 +
                             static_cast<std::uint64_t>(row / 3)));
  int pick = rng.uniform(0, 99);
  for (const Weighted& k : kKinds) {
    if (pick < k.weight)
      return k.code;
    pick -= k.weight;
  }
  return HoleCode::E;
}

// The border lines: counterbored screws, a dowel two places from each corner
// along the ring, every third place a tapped hole.
HoleCode borderKind(const Lattice& lattice, int column, int row) {
  const int lastColumn = lattice.columns() - 1, lastRow = lattice.rows() - 1;
  const bool onSide = column == 0 || column == lastColumn;
  const int along = onSide ? row : column;
  const int last = onSide ? lastRow : lastColumn;
  if (along == 2 || along == last - 2)
    return HoleCode::D;
  return along % 3 == 1 ? HoleCode::C1 : HoleCode::B2;
}

// The guide bushes inside the corners, the last 5 mm off so the die set goes
// together one way only; lattice points too close to them are taken.
void addGuideBushes(PlateLayout& plate, Lattice& lattice) {
  const int c = lattice.columns() - 2, r = lattice.rows() - 2;
  const Point2 bushes[] = {{lattice.xs[1], lattice.ys[1]},
                           {lattice.xs[c], lattice.ys[1]},
                           {lattice.xs[c], lattice.ys[r]},
                           {lattice.xs[1] + 5.0, lattice.ys[r]}};
  const double bush = outerRadius(holeKind(HoleCode::A1));
  for (const Point2& p : bushes) {
    plate.holes.push_back({HoleCode::A1, p.x, p.y});
    for (int row = 0; row < lattice.rows(); ++row)
      for (int column = 0; column < lattice.columns(); ++column) {
        const double d = std::hypot(lattice.xs[column] - p.x, lattice.ys[row] - p.y);
        // The largest hole a lattice point may get is a counterbore of 10.
        if (d < bush + 10.0 + kWall)
          lattice.taken[row][column] = true;
      }
  }
}

// A wire-cut opening over the lattice cells from (column, row), `width` by
// `height` cells: a rounded rectangle, an obround or an L, with its start
// hole; false when it would come near another opening or the border.
bool addOpening(PlateLayout& plate, Lattice& lattice, int shape, int column, int row, int width,
                int height) {
  if (column < 3 || row < 3 || column + width > lattice.columns() - 4 ||
      row + height > lattice.rows() - 4)
    return false;
  for (int r = row - 1; r <= row + height + 1; ++r)
    for (int c = column - 1; c <= column + width + 1; ++c)
      if (lattice.taken[r][c])
        return false;
  for (int r = row; r <= row + height; ++r)
    for (int c = column; c <= column + width; ++c)
      lattice.taken[r][c] = true;
  const double left = lattice.xs[column] - kOpeningGap,
               right = lattice.xs[column + width] + kOpeningGap;
  const double bottom = lattice.ys[row] - kOpeningGap, top = lattice.ys[row + height] + kOpeningGap;
  Contour contour;
  // The start hole on the opening's first hole line, 5 mm in from its
  // contour, so its ordinate is one the plate has anyway.
  const double middle = height % 2 == 0 ? lattice.ys[row + height / 2] : (bottom + top) / 2.0;
  Point2 start{lattice.xs[column], middle};
  if (shape == 1 && right - left > top - bottom) {
    contour.shape = Contour::Shape::Obround;
    contour.centre = {(left + right) / 2.0, (bottom + top) / 2.0};
    contour.length = right - left;
    contour.width = top - bottom;
  } else if (shape == 2 && height >= 2) {
    const double middleX = lattice.xs[column + (width + 1) / 2] - kOpeningGap;
    const double middleY = lattice.ys[row + height / 2] + kOpeningGap;
    contour.corners = {{left, bottom}, {right, bottom},    {right, top},
                       {middleX, top}, {middleX, middleY}, {left, middleY}};
    contour.cornerRadius = 2.0;
    start = {lattice.xs[column], lattice.ys[row]};
  } else {
    contour.corners = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
    contour.cornerRadius = 3.0;
  }
  plate.openings.push_back(contour);
  plate.holes.push_back({HoleCode::W, start.x, start.y});
  return true;
}

void addOpenings(PlateLayout& plate, Lattice& lattice, std::uint64_t holes, Rng& rng) {
  constexpr std::array<std::array<int, 2>, 4> kBlocks = {{{2, 1}, {3, 1}, {2, 2}, {3, 2}}};
  const int wanted = 3 + static_cast<int>(holes / 2500);
  for (int i = 0; i < wanted; ++i) {
    const auto& block = kBlocks[rng.uniform(0, 3)];
    for (int attempt = 0; attempt < 60; ++attempt) {
      const int column = rng.uniform(3, std::max(3, lattice.columns() - 5));
      const int row = rng.uniform(3, std::max(3, lattice.rows() - 5));
      if (addOpening(plate, lattice, i % 3, column, row, block[0], block[1]))
        break;
    }
  }
}

std::vector<LatticePoint> freePoints(const Lattice& lattice, bool fixed) {
  std::vector<LatticePoint> points;
  for (int row = 0; row < lattice.rows(); ++row)
    for (int column = 0; column < lattice.columns(); ++column)
      if (!lattice.taken[row][column] && lattice.isFixed(column, row) == fixed)
        points.push_back({column, row});
  return points;
}

// The title lies 60 mm below the plate, under the room its dimensions take.
void addTitle(PlateLayout& plate) {
  char name[96];
  std::snprintf(name, sizeof name, "DIE PLATE %.0f x %.0f x 40", plate.width, plate.height);
  plate.notes.push_back({0.0, -60.0, 7.0, name});
  plate.notes.push_back({0.0, -70.0, 5.0, "MATERIAL SKD11  HRC58-62"});
  plate.notes.push_back({0.0, -78.0, 5.0, "THICKNESS 40"});
  plate.notes.push_back({0.0, -86.0, 5.0, "未注倒角C0.5"});  // chamfers not shown: C0.5
}

// One attempt on a lattice of `columns` by `rows`; false when it has too few
// free points for the holes asked for.
bool layOut(const HolePlateOptions& options, std::uint64_t holes, int columns, int rows,
            PlateLayout& plate) {
  Rng rng(options.seed);
  Lattice lattice;
  lattice.xs = holeLines(columns, rng);
  lattice.ys = holeLines(rows, rng);
  lattice.taken.assign(rows, std::vector<bool>(columns, false));
  plate = PlateLayout{};
  plate.width = lattice.xs.back() + kEdge;
  plate.height = lattice.ys.back() + kEdge;
  plate.chamfer = kChamfer;
  addGuideBushes(plate, lattice);
  addOpenings(plate, lattice, holes, rng);
  if (plate.holes.size() > holes)
    return false;
  const std::size_t wanted = holes - plate.holes.size();
  // Every free border point and inner guide carries its hole; inside, the
  // empty places fall where the seed puts them.
  std::vector<LatticePoint> chosen = freePoints(lattice, true);
  std::vector<LatticePoint> inside = freePoints(lattice, false);
  for (std::size_t i = inside.size(); i > 1; --i)
    std::swap(inside[i - 1],
              inside[static_cast<std::size_t>(rng.uniform(0, static_cast<int>(i) - 1))]);
  if (chosen.size() + inside.size() < wanted)
    return false;
  chosen.resize(std::min(chosen.size(), wanted));
  chosen.insert(chosen.end(), inside.begin(), inside.begin() + (wanted - chosen.size()));
  std::sort(chosen.begin(), chosen.end(), [](const LatticePoint& a, const LatticePoint& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  });
  for (const LatticePoint& p : chosen) {
    const HoleCode code = lattice.isBorder(p.column, p.row) ? borderKind(lattice, p.column, p.row)
                          : lattice.isInnerGuide(p.column, p.row)
                              ? HoleCode::A2
                              : clusterKind(options.seed, p.column, p.row);
    plate.holes.push_back({code, lattice.xs[p.column], lattice.ys[p.row]});
  }
  addTitle(plate);
  return true;
}

}  // namespace

PlateLayout holePlate(const HolePlateOptions& options) {
  const std::uint64_t holes = std::max(options.holes, kMinimumHoles);
  const double points = static_cast<double>(holes) / kFill;
  int columns = std::max(8, static_cast<int>(std::lround(std::sqrt(points * 4.0 / 3.0))));
  int rows = std::max(8, static_cast<int>(std::lround(points / columns)));
  PlateLayout plate;
  // A lattice too small for the holes (openings and bushes took more than
  // planned) grows by a line at a time, rows and columns in turn.
  for (int grow = 0; !layOut(options, holes, columns, rows, plate); ++grow)
    (grow % 2 == 0 ? rows : columns) += 1;
  return plate;
}

std::optional<DrawingSummary> writeHolePlate(const HolePlateOptions& options, std::ostream& out) {
  return writePlateDrawing({{holePlate(options), {0.0, 0.0}}}, out, options.labels);
}

std::optional<DrawingSummary> writeHolePlateFile(const HolePlateOptions& options,
                                                 const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file)
    return std::nullopt;
  auto summary = writeHolePlate(options, file);
  file.close();
  if (!summary || !file)
    return std::nullopt;
  return summary;
}

}  // namespace zek::plategen
