// The drawing mode shared by the operation benches (select, chains, islands,
// render): `<bench> --drawing FILE.dxf [--repeat N] [--record RECORDFILE]`.
// The file is read with our reader (untimed), the bench's operation is timed
// N times over the drawing's model space, one line of figures is printed and,
// with a record file, one BenchRecord appended per operation.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "db_core.h"
#include "db_extents.h"

class AcDbDatabase;

namespace zek::bench {

// Fewer runs give no median worth the name.
constexpr int kMinDrawingRepeat = 5;

struct DrawingBenchSettings {
  std::string drawing;     // the DXF file
  int repeat = kMinDrawingRepeat;
  std::string recordFile;  // empty: nothing appended
};

// Whether the command line asks for the drawing mode (has --drawing).
[[nodiscard]] bool wantsDrawingMode(int argc, char** argv);

// The settings of `--drawing FILE [--repeat N] [--record FILE]`; none, with
// the reason in `error`, for a missing file name, a repeat that is not a
// number of at least kMinDrawingRepeat, or any other option.
[[nodiscard]] std::optional<DrawingBenchSettings> parseDrawingSettings(int argc, char** argv,
                                                                       std::string& error);

// A drawing read for a bench: the database and its model-space entities that
// are not erased, in drawing order.
struct BenchDrawing {
  std::string path;
  std::unique_ptr<AcDbDatabase> database;
  std::vector<AcDbObjectId> entities;
};

// Reads the file with readDxfFile; none, with the reader's message, when it
// cannot be read.
[[nodiscard]] std::optional<BenchDrawing> readBenchDrawing(const std::string& path, std::string& error);

// The entity's world extents, opened for read; none when it does not open,
// has no extents, or they are not finite.
[[nodiscard]] std::optional<AcDbExtents> worldExtentsOf(AcDbObjectId id);

// The box round the extents of every entity that has them; empty (not
// valid) when none has.
[[nodiscard]] AcDbExtents drawingExtentsOf(const std::vector<AcDbObjectId>& entities);

// A window about the middle of `extents` covering `areaShare` of its area
// (0.01: a tenth of its width and of its height). A flat box (a row of
// entities on one line) gives a window of that share of its length and the
// same height, so that it still meets what lies there.
[[nodiscard]] AcDbExtents middleWindow(const AcDbExtents& extents, double areaShare);

struct RunSummary {
  double median = 0.0;  // the middle run, or the mean of the middle two
  double min = 0.0;
  double max = 0.0;
};

// Median, fastest and slowest of the runs' seconds (all zero for none).
[[nodiscard]] RunSummary summarizeRuns(std::vector<double> seconds);

// Times `run` `repeat` times; none as soon as a run answers false.
[[nodiscard]] std::optional<std::vector<double>> timeRuns(int repeat, const std::function<bool()>& run);

// One timed operation of a bench on the drawing.
struct DrawingFigure {
  std::string operation;        // "crossing window", "chain builder", ...
  std::uint64_t size = 0;       // the drawing's model-space entity count
  std::uint64_t elements = 0;   // what the time is per
  std::string elementName;      // "found", "edges", "boxes", "entities"
  std::uint64_t bytes = 0;      // bytes the operation wrote (0: none)
  std::vector<double> seconds;  // every run, in order
  std::optional<double> goalSeconds;  // a median to stay under, where one is set
};

// Prints the figure's line (median, min, max ms, elements, time per element,
// the goal where one is set) and, when the settings name a record file,
// appends its BenchRecord (tool "zek", peak resident memory of this
// process). False, with a message, when the record could not be written.
[[nodiscard]] bool reportFigure(const DrawingBenchSettings& settings, const DrawingFigure& figure);

// The whole drawing mode of a bench: parses the options, reads the drawing,
// prints what was read and hands it to `operations`, which times and reports
// its figures and answers the exit status. Usage and read errors are printed
// with the program's name and answer 2 and 1.
int runDrawingMode(int argc, char** argv, const char* program,
                   const std::function<int(const DrawingBenchSettings&, BenchDrawing&)>& operations);

}  // namespace zek::bench
