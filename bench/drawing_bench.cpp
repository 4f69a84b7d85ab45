// The drawing mode shared by the operation benches: options, reading the
// drawing, repeating and timing, the figures' line and their records.
#include "drawing_bench.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <string_view>
#include <sys/resource.h>

#include "bench_record.h"
#include "db/database_core.h"
#include "db_block.h"
#include "db_database.h"
#include "db_entity.h"
#include "zek/dxf_io.h"

namespace zek::bench {

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A whole decimal number of at least kMinDrawingRepeat, or none.
std::optional<int> repeatOf(std::string_view text) {
  if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    return std::nullopt;
  const int repeat = std::atoi(std::string(text).c_str());
  if (repeat < kMinDrawingRepeat)
    return std::nullopt;
  return repeat;
}

// The peak resident memory of this process so far, in bytes (0 when the
// system does not tell).
std::uint64_t peakResidentBytes() {
  rusage usage{};
  if (getrusage(RUSAGE_SELF, &usage) != 0 || usage.ru_maxrss < 0)
    return 0;
  return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;  // Linux gives kilobytes
}

}  // namespace

bool wantsDrawingMode(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::string_view(argv[i]) == "--drawing")
      return true;
  return false;
}

std::optional<DrawingBenchSettings> parseDrawingSettings(int argc, char** argv, std::string& error) {
  DrawingBenchSettings settings;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option != "--drawing" && option != "--repeat" && option != "--record") {
      error = "unknown option \"" + std::string(option) + "\"";
      return std::nullopt;
    }
    if (i + 1 >= argc) {
      error = std::string(option) + " needs a value";
      return std::nullopt;
    }
    const std::string_view value = argv[++i];
    if (option == "--drawing") {
      settings.drawing = value;
    } else if (option == "--record") {
      continue;  // taken below, with the environment's as the fallback
    } else if (auto repeat = repeatOf(value)) {
      settings.repeat = *repeat;
    } else {
      error = "--repeat takes a whole number of at least " + std::to_string(kMinDrawingRepeat) +
              ", not \"" + std::string(value) + "\"";
      return std::nullopt;
    }
  }
  if (settings.drawing.empty()) {
    error = "--drawing needs a DXF file";
    return std::nullopt;
  }
  settings.recordFile = recordFileFrom(argc, argv);
  return settings;
}

std::optional<BenchDrawing> readBenchDrawing(const std::string& path, std::string& error) {
  auto read = readDxfFile(path);
  if (!read.ok()) {
    error = read.failure().describe();
    return std::nullopt;
  }
  BenchDrawing drawing;
  drawing.path = path;
  drawing.database = std::move(read.value());
  auto* model = peekObject<AcDbBlockTableRecord>(drawing.database->modelSpaceId());
  if (model == nullptr) {
    error = path + ": the drawing has no model space";
    return std::nullopt;
  }
  drawing.entities.reserve(model->entityIds().size());
  for (AcDbObjectId id : model->entityIds())
    if (id.isValid() && !id.isErased())
      drawing.entities.push_back(id);
  return drawing;
}

std::optional<AcDbExtents> worldExtentsOf(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk)
    return std::nullopt;
  AcDbExtents extents;
  const Acad::ErrorStatus status = entity->getGeomExtents(extents);
  (void)entity->close();  // a read open always closes
  if (status != Acad::eOk || !extents.isValid())
    return std::nullopt;
  const AcGePoint3d& low = extents.minPoint();
  const AcGePoint3d& high = extents.maxPoint();
  if (!std::isfinite(low.x) || !std::isfinite(low.y) || !std::isfinite(high.x) || !std::isfinite(high.y))
    return std::nullopt;
  return extents;
}

AcDbExtents drawingExtentsOf(const std::vector<AcDbObjectId>& entities) {
  AcDbExtents all;
  for (AcDbObjectId id : entities)
    if (auto extents = worldExtentsOf(id))
      all.addExt(*extents);
  return all;
}

AcDbExtents middleWindow(const AcDbExtents& extents, double areaShare) {
  const AcGePoint3d& low = extents.minPoint();
  const AcGePoint3d& high = extents.maxPoint();
  const double width = high.x - low.x, height = high.y - low.y;
  double sideShare = std::sqrt(areaShare);
  // A flat box has no area to take a share of: take the share along its
  // length instead, and the whole of its other side.
  double halfWidth = 0.5 * width * sideShare, halfHeight = 0.5 * height * sideShare;
  if (width <= 0.0 || height <= 0.0) {
    halfWidth = 0.5 * width * areaShare;
    halfHeight = 0.5 * height * areaShare;
  }
  const double middleX = 0.5 * (low.x + high.x), middleY = 0.5 * (low.y + high.y);
  return AcDbExtents(AcGePoint3d(middleX - halfWidth, middleY - halfHeight, low.z),
                     AcGePoint3d(middleX + halfWidth, middleY + halfHeight, high.z));
}

RunSummary summarizeRuns(std::vector<double> seconds) {
  RunSummary summary;
  if (seconds.empty())
    return summary;
  std::sort(seconds.begin(), seconds.end());
  const std::size_t middle = seconds.size() / 2;
  summary.median = seconds.size() % 2 == 1 ? seconds[middle] : 0.5 * (seconds[middle - 1] + seconds[middle]);
  summary.min = seconds.front();
  summary.max = seconds.back();
  return summary;
}

std::optional<std::vector<double>> timeRuns(int repeat, const std::function<bool()>& run) {
  std::vector<double> seconds;
  seconds.reserve(static_cast<std::size_t>(std::max(repeat, 0)));
  for (int i = 0; i < repeat; ++i) {
    const auto start = Clock::now();
    if (!run())
      return std::nullopt;
    seconds.push_back(secondsSince(start));
  }
  return seconds;
}

bool reportFigure(const DrawingBenchSettings& settings, const DrawingFigure& figure) {
  const RunSummary summary = summarizeRuns(figure.seconds);
  const double perElement =
      figure.elements > 0 ? 1e6 * summary.median / static_cast<double>(figure.elements) : 0.0;
  std::string goal;
  if (figure.goalSeconds) {
    char text[64];
    std::snprintf(text, sizeof text, "   goal < %g ms: %s", 1e3 * *figure.goalSeconds,
                  summary.median < *figure.goalSeconds ? "met" : "NOT met");
    goal = text;
  }
  std::printf("%-17s %9llu entities | median %10.3f ms  min %10.3f  max %10.3f | %9llu %-8s %9.4f us each%s\n",
              figure.operation.c_str(), static_cast<unsigned long long>(figure.size),
              1e3 * summary.median, 1e3 * summary.min, 1e3 * summary.max,
              static_cast<unsigned long long>(figure.elements), figure.elementName.c_str(), perElement,
              goal.c_str());
  std::fflush(stdout);
  if (settings.recordFile.empty())
    return true;
  BenchRecord record;
  record.operation = figure.operation;
  record.tool = "zek";
  record.size = figure.size;
  record.elements = figure.elements;
  record.bytes = figure.bytes;
  record.peakBytes = peakResidentBytes();
  record.seconds = figure.seconds;
  if (appendRecord(settings.recordFile, record))
    return true;
  std::fprintf(stderr, "cannot append the \"%s\" figure to the record file %s\n", figure.operation.c_str(),
               settings.recordFile.c_str());
  return false;
}

int runDrawingMode(int argc, char** argv, const char* program,
                   const std::function<int(const DrawingBenchSettings&, BenchDrawing&)>& operations) {
  std::string error;
  const auto settings = parseDrawingSettings(argc, argv, error);
  if (!settings) {
    std::fprintf(stderr, "%s: %s\nusage: %s --drawing FILE.dxf [--repeat N] [--record RECORDFILE]\n", program,
                 error.c_str(), program);
    return 2;
  }
  // Freed memory stays with the process, so that every run works on memory
  // touched before, as in a host that has been running: otherwise each run
  // would pay the system's zeroing of fresh pages for its large blocks.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  const auto start = Clock::now();
  auto drawing = readBenchDrawing(settings->drawing, error);
  if (!drawing) {
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return 1;
  }
  std::printf("%s: %zu model-space entities, read in %.3f s (untimed); %d runs\n", settings->drawing.c_str(),
              drawing->entities.size(), secondsSince(start), settings->repeat);
  std::fflush(stdout);
  return operations(*settings, *drawing);
}

}  // namespace zek::bench
