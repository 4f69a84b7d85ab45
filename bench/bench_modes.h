// The measurements of zek-bench, each run alone in a child process: what a
// mode does, and the one result line the child prints for the parent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek::bench {

struct ModeOutcome {
  bool ok = false;
  double seconds = 0;          // the timed part only
  std::uint64_t entities = 0;  // entities the reader kept (read modes)
  std::uint64_t bytes = 0;     // bytes read or written
  std::string note;            // why it failed, or what a check found
};

enum class ModeKind { Read, Write, Check };

struct ModeInfo {
  const char* name;  // "dime-read"
  const char* peer;  // "dime", "zek", "ezdxf", "baseline"
  ModeKind kind;
};

// Every mode, in the order the table shows them.
[[nodiscard]] const std::vector<ModeInfo>& allModes();

// Whether this build holds the mode; if not, why not.
[[nodiscard]] std::optional<std::string> whyNotBuilt(std::string_view mode);

// Runs `mode` in this process: reads `file`, and for write modes writes `out`.
[[nodiscard]] ModeOutcome runMode(std::string_view mode, const std::string& file,
                                  const std::string& out);

// The line a child prints: "zek-bench-result ok=1 seconds=... entities=... bytes=... note=...".
[[nodiscard]] std::string resultLine(const ModeOutcome& outcome);
// Finds and reads the result line in a child's output.
[[nodiscard]] std::optional<ModeOutcome> parseResultLine(std::string_view output);

// The ezdxf child of a mode: the peer's own Python reading the file
// ("ezdxf-read") or reading it and saving it as `out` ("ezdxf-write"), the
// read or the save timed inside Python.
[[nodiscard]] std::vector<std::string> ezdxfCommand(std::string_view mode,
                                                    const std::string& file,
                                                    const std::string& out);


// Size of a file in bytes, 0 when it is missing.
[[nodiscard]] std::uint64_t fileBytes(const std::string& path);

}  // namespace zek::bench
