// The zek modes of the benchmark: our own reader and writer through
// zek/dxf_io.h (readDxfFile, writeDxfFile), and the hooks they need from the
// database side. Built only with -DZEK_BENCH_WITH_ZEK=ON.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "bench_modes.h"

class AcDbDatabase;

namespace zek {

// The entities of a drawing's model space (the count the peers report).
// Defined with the database, outside this folder's sources (bench/zek_hooks.cpp
// is picked up by the build when it exists).
[[nodiscard]] std::size_t zekEntityCount(AcDbDatabase& db);

// Compares every double of `before` (the drawing that was written) with the
// same value in `after` (the drawing read back from what we wrote), bit for
// bit. Answers nothing when all agree, else the first difference in a line
// such as "LINE 1A2F group 10: 12.5 written, 12.500000000000002 read back".
// Defined beside zekEntityCount.
[[nodiscard]] std::optional<std::string> zekFirstDoubleDifference(AcDbDatabase& before,
                                                                  AcDbDatabase& after);

}  // namespace zek

namespace zek::bench {

// Times readDxfFile of `file`.
[[nodiscard]] ModeOutcome zekRead(const std::string& file);
// Reads `file` untimed, then times writeDxfFile to `out`.
[[nodiscard]] ModeOutcome zekWrite(const std::string& file, const std::string& out);
// Reads `file`, writes `out`, reads `out` back and compares the doubles
// (zekFirstDoubleDifference); untimed, ok when the round trip is exact.
[[nodiscard]] ModeOutcome zekRoundTrip(const std::string& file, const std::string& out);

}  // namespace zek::bench
