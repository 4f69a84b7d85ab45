// The measurement modes and the result line between child and parent.
#include "bench_modes.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "peers/baseline_reader.h"
#if ZEK_BENCH_HAVE_DIME
#include "peers/dime_peer.h"
#endif
#if ZEK_BENCH_HAVE_DXFLIB
#include "peers/dxflib_peer.h"
#endif
#if ZEK_BENCH_WITH_ZEK
#include "zek_modes.h"
#endif

namespace zek::bench {

namespace {

constexpr std::string_view kResultTag = "zek-bench-result ";

class Stopwatch {
public:
  Stopwatch() : start_(std::chrono::steady_clock::now()) {}
  [[nodiscard]] double seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

private:
  std::chrono::steady_clock::time_point start_;
};

ModeOutcome failed(std::string note) {
  ModeOutcome o;
  o.note = std::move(note);
  return o;
}

ModeOutcome baseline(const std::string& file) {
  Stopwatch watch;
  BaselineScan scan = scanGroups(file);
  ModeOutcome o;
  o.seconds = watch.seconds();
  if (!scan.ok)
    return failed("cannot scan " + file);
  o.ok = true;
  o.entities = scan.entities;
  o.bytes = fileBytes(file);
  return o;
}

// A peer's read mode: the whole read timed, the entities counted afterwards.
template <typename Peer>
ModeOutcome peerRead(const std::string& file, const char* peerName) {
  Peer peer;
  Stopwatch watch;
  bool read = peer.read(file);
  double seconds = watch.seconds();
  if (!read)
    return failed(std::string(peerName) + " cannot read " + file);
  ModeOutcome o;
  o.ok = true;
  o.seconds = seconds;
  o.entities = peer.entityCount();
  o.bytes = fileBytes(file);
  return o;
}

// A peer's write mode: read first, untimed, then the write alone is timed.
template <typename Peer>
ModeOutcome peerWrite(const std::string& file, const std::string& out, const char* peerName) {
  Peer peer;
  if (!peer.read(file))
    return failed(std::string(peerName) + " cannot read " + file);
  std::error_code ignored;
  std::filesystem::remove(out, ignored);
  Stopwatch watch;
  bool written = peer.write(out);
  double seconds = watch.seconds();
  if (!written)
    return failed(std::string(peerName) + " cannot write " + out);
  ModeOutcome o;
  o.ok = true;
  o.seconds = seconds;
  o.entities = peer.entityCount();
  o.bytes = fileBytes(out);
  return o;
}

template <typename T>
bool field(std::string_view line, std::string_view key, T& value) {
  auto at = line.find(key);
  if (at == std::string_view::npos)
    return false;
  const char* begin = line.data() + at + key.size();
  auto [end, ec] = std::from_chars(begin, line.data() + line.size(), value);
  return ec == std::errc() && end != begin;
}

}  // namespace

const std::vector<ModeInfo>& allModes() {
  static const std::vector<ModeInfo> modes = {
      {"baseline", "baseline", ModeKind::Read},  {"zek-read", "zek", ModeKind::Read},
      {"zek-write", "zek", ModeKind::Write},     {"zek-roundtrip", "zek", ModeKind::Check},
      {"dime-read", "dime", ModeKind::Read},     {"dime-write", "dime", ModeKind::Write},
      {"dxflib-read", "dxflib", ModeKind::Read}, {"dxflib-write", "dxflib", ModeKind::Write},
      {"ezdxf-read", "ezdxf", ModeKind::Read},   {"ezdxf-write", "ezdxf", ModeKind::Write},
  };
  return modes;
}

std::optional<std::string> whyNotBuilt(std::string_view mode) {
  if (mode.starts_with("zek-") && !ZEK_BENCH_WITH_ZEK)
    return "not built: configure with -DZEK_BENCH_WITH_ZEK=ON";
  if (mode.starts_with("dime-") && !ZEK_BENCH_HAVE_DIME)
    return "not built: libdime not found";
  if (mode.starts_with("dxflib-") && !ZEK_BENCH_HAVE_DXFLIB)
    return "not built: dxflib not found";
  return std::nullopt;
}

ModeOutcome runMode(std::string_view mode, const std::string& file, const std::string& out) {
  if (auto why = whyNotBuilt(mode))
    return failed(*why);
  if (mode == "baseline")
    return baseline(file);
#if ZEK_BENCH_WITH_ZEK
  if (mode == "zek-read")
    return zekRead(file);
  if (mode == "zek-write")
    return zekWrite(file, out);
  if (mode == "zek-roundtrip")
    return zekRoundTrip(file, out);
#endif
#if ZEK_BENCH_HAVE_DIME
  if (mode == "dime-read")
    return peerRead<DimePeer>(file, "libdime");
  if (mode == "dime-write")
    return peerWrite<DimePeer>(file, out, "libdime");
#endif
#if ZEK_BENCH_HAVE_DXFLIB
  if (mode == "dxflib-read")
    return peerRead<DxflibPeer>(file, "dxflib");
  if (mode == "dxflib-write")
    return peerWrite<DxflibPeer>(file, out, "dxflib");
#endif
  (void)out;
  return failed("unknown mode \"" + std::string(mode) + "\"");
}

std::string resultLine(const ModeOutcome& o) {
  char line[160];
  std::snprintf(line, sizeof line, "ok=%d seconds=%.6f entities=%llu bytes=%llu note=",
                o.ok ? 1 : 0, o.seconds, static_cast<unsigned long long>(o.entities),
                static_cast<unsigned long long>(o.bytes));
  std::string note = o.note;
  for (char& c : note)
    if (c == '\n')
      c = ' ';
  return std::string(kResultTag) + line + note + "\n";
}

std::optional<ModeOutcome> parseResultLine(std::string_view output) {
  auto at = output.rfind(kResultTag);
  if (at == std::string_view::npos)
    return std::nullopt;
  std::string_view line = output.substr(at + kResultTag.size());
  line = line.substr(0, line.find('\n'));
  ModeOutcome o;
  int ok = 0;
  if (!field(line, "ok=", ok) || !field(line, "seconds=", o.seconds) ||
      !field(line, "entities=", o.entities) || !field(line, "bytes=", o.bytes))
    return std::nullopt;
  o.ok = ok == 1;
  if (auto n = line.find("note="); n != std::string_view::npos)
    o.note = std::string(line.substr(n + 5));
  return o;
}

std::vector<std::string> ezdxfCommand(std::string_view mode, const std::string& file,
                                      const std::string& out) {
  // The import stays outside the timed part, as our own start-up does. The
  // write mode reads first, untimed, as the other write modes do.
  static const char* script =
      "import sys, os, time, ezdxf\n"
      "mode, name, out = sys.argv[1], sys.argv[2], sys.argv[3]\n"
      "t = time.perf_counter()\n"
      "doc = ezdxf.readfile(name)\n"
      "s = time.perf_counter() - t\n"
      "n = len(doc.modelspace())\n"
      "size = os.path.getsize(name)\n"
      "if mode == 'ezdxf-write':\n"
      "    t = time.perf_counter()\n"
      "    doc.saveas(out)\n"
      "    s = time.perf_counter() - t\n"
      "    size = os.path.getsize(out)\n"
      "print('zek-bench-result ok=1 seconds=%.6f entities=%d bytes=%d note=' % (s, n, size))\n";
  return {"/usr/bin/python3", "-c", script, std::string(mode), file, out};
}

std::uint64_t fileBytes(const std::string& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  return ec ? 0 : static_cast<std::uint64_t>(size);
}

}  // namespace zek::bench
