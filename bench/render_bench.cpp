// zek-render-bench: drawing generated sheets of plates (tools/plategen) of
// 10,000, 100,000 and 1,000,000 entities to PNG (and SVG) through the
// renderer, the whole sheet in the picture. Prints the median, minimum and
// maximum of the runs, the time per entity and its ratio to the decade
// before; the goal is the 1,000,000-entity sheet to PNG in under 2 s. A
// program to run by hand, never a test.
//   zek-render-bench [--entities 10000,100000,1000000] [--repeat N] [--size WxH]
//                    [--folder DIR] [--svg]
// On a drawing file: the whole drawing to a 2000 x 1500 PNG in a temporary
// folder (removed after), timed N times (default 5).
//   zek-render-bench --drawing FILE.dxf [--repeat N] [--record RECORDFILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "db_database.h"
#include "drawing_bench.h"
#include "editor/document.h"
#include "plate_generator.h"
#include "render.h"
#include "size_list.h"
#include "zek/dxf_io.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Settings {
  std::vector<std::size_t> counts = {10000, 100000, 1000000};
  int repeat = 5;
  int width = 1600;
  int height = 1200;
  std::string folder = "/tmp/zek-render-bench";
  bool svg = false;
};

struct Timing {
  double median = 0.0;
  double min = 0.0;
  double max = 0.0;
};

Timing timeRuns(int repeat, const std::function<bool()>& run, bool& ok) {
  std::vector<double> seconds;
  ok = true;
  for (int i = 0; i < repeat && ok; ++i) {
    const auto start = Clock::now();
    ok = run();
    seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(seconds.begin(), seconds.end());
  return {seconds[seconds.size() / 2], seconds.front(), seconds.back()};
}

// The sheet of `count` entities, generated once into the folder.
std::string sheetFile(const Settings& settings, std::size_t count) {
  const std::string path = settings.folder + "/sheet-" + std::to_string(count) + ".dxf";
  if (!std::filesystem::exists(path)) {
    zek::plategen::PlateOptions options;
    options.entities = count;
    if (!zek::plategen::writePlatesFile(options, path))
      return {};
  }
  return path;
}

bool parse(int argc, char** argv, Settings& s) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--svg") {
      s.svg = true;
    } else if (option == "--entities" && hasValue) {
      s.counts = zek::bench::parseCounts(argv[++i]);
    } else if (option == "--repeat" && hasValue) {
      s.repeat = std::max(1, std::atoi(argv[++i]));
    } else if (option == "--size" && hasValue) {
      if (std::sscanf(argv[++i], "%dx%d", &s.width, &s.height) != 2)
        return false;
    } else if (option == "--folder" && hasValue) {
      s.folder = argv[++i];
    } else {
      return false;
    }
  }
  return !s.counts.empty();
}

// A new folder of its own under the system's temporary folder, or empty.
std::string makeTemporaryFolder() {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error)
    return {};
  std::string pattern = (base / "zek-render-bench-XXXXXX").string();
  return mkdtemp(pattern.data()) ? pattern : std::string();
}

// The drawing mode: the whole drawing (its extents and margin) rendered N
// times to a 2000 x 1500 PNG, the file written each time.
int benchDrawing(const zek::bench::DrawingBenchSettings& settings, zek::bench::BenchDrawing& drawing) {
  const std::string folder = makeTemporaryFolder();
  if (folder.empty()) {
    std::fprintf(stderr, "zek-render-bench: cannot make a temporary folder for the picture\n");
    return 1;
  }
  const std::uint64_t size = drawing.entities.size();
  const zek::Document document(std::move(drawing.database), drawing.path);
  zek::render::RenderOptions options;
  options.width = 2000;
  options.height = 1500;
  const std::string png = folder + "/drawing.png";
  zek::render::RenderResult result;
  auto runs = zek::bench::timeRuns(settings.repeat, [&] {
    result = zek::render::renderDocument(document, png, zek::render::ImageFormat::Png, options);
    return result.ok;
  });
  std::error_code error;
  const std::uintmax_t bytes = runs ? std::filesystem::file_size(png, error) : 0;
  std::filesystem::remove_all(folder, error);
  if (!runs) {
    std::fprintf(stderr, "zek-render-bench: %s: rendering failed: %s\n", drawing.path.c_str(),
                 result.error.c_str());
    return 1;
  }
  zek::bench::DrawingFigure figure{.operation = "render png", .size = size,
                                   .elements = static_cast<std::uint64_t>(result.entitiesDrawn),
                                   .elementName = "drawn", .bytes = bytes, .seconds = *runs};
  if (size >= 1000000)
    figure.goalSeconds = 2.0;
  return zek::bench::reportFigure(settings, figure) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (zek::bench::wantsDrawingMode(argc, argv))
    return zek::bench::runDrawingMode(argc, argv, "zek-render-bench", benchDrawing);
  Settings settings;
  if (!parse(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: zek-render-bench [--entities 10000,100000,1000000] [--repeat N] "
                 "[--size WxH] [--folder DIR] [--svg]\n");
    return 2;
  }
  std::filesystem::create_directories(settings.folder);
  std::printf("%10s | %9s %9s %9s %9s %7s | %9s\n", "entities", "png ms", "min", "max",
              "us/ent", "ratio", "svg ms");
  double lastPerEntity = 0.0;
  bool allOk = true;
  for (const std::size_t count : settings.counts) {
    const std::string sheet = sheetFile(settings, count);
    if (sheet.empty()) {
      std::fprintf(stderr, "zek-render-bench: cannot write the %zu-entity sheet\n", count);
      return 1;
    }
    auto read = zek::readDxfFile(sheet);
    if (!read.ok()) {
      std::fprintf(stderr, "zek-render-bench: %s\n", read.failure().describe().c_str());
      return 1;
    }
    zek::Document document(std::move(read.value()), sheet);
    zek::render::RenderOptions options;
    options.width = settings.width;
    options.height = settings.height;
    const std::string png = settings.folder + "/sheet-" + std::to_string(count) + ".png";
    bool ok = false;
    const Timing t = timeRuns(settings.repeat, [&] {
      return zek::render::renderDocument(document, png, zek::render::ImageFormat::Png, options).ok;
    }, ok);
    double svgSeconds = 0.0;
    if (ok && settings.svg) {
      const std::string svg = settings.folder + "/sheet-" + std::to_string(count) + ".svg";
      svgSeconds = timeRuns(1, [&] {
        return zek::render::renderDocument(document, svg, zek::render::ImageFormat::Svg, options).ok;
      }, ok).median;
    }
    if (!ok) {
      std::fprintf(stderr, "zek-render-bench: rendering the %zu-entity sheet failed\n", count);
      allOk = false;
      continue;
    }
    const double perEntity = 1e6 * t.median / static_cast<double>(count);
    const std::string ratio =
        lastPerEntity > 0 ? std::to_string(perEntity / lastPerEntity).substr(0, 5) : "-";
    std::printf("%10zu | %9.1f %9.1f %9.1f %9.3f %7s | %9s%s\n", count, 1e3 * t.median,
                1e3 * t.min, 1e3 * t.max, perEntity, ratio.c_str(),
                settings.svg ? std::to_string(static_cast<int>(1e3 * svgSeconds)).c_str() : "-",
                count == 1000000 ? (t.median < 2.0 ? "   goal < 2 s: met" : "   goal < 2 s: NOT met")
                                 : "");
    std::fflush(stdout);
    lastPerEntity = perEntity;
  }
  return allOk ? 0 : 1;
}
