// The baseline scan: chunks, lines, std::from_chars on every code line.
#include "baseline_reader.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

namespace zek::bench {

namespace {

constexpr std::size_t kChunk = 1 << 20;

std::string_view trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
    line.remove_suffix(1);
  while (!line.empty() && line.front() == ' ')
    line.remove_prefix(1);
  return line;
}

// Follows the sections so entities can be counted: a 0 group opens a record,
// "SECTION" then "2 NAME" says which section we are in.
class GroupCounter {
public:
  explicit GroupCounter(BaselineScan& scan) : scan_(scan) {}

  [[nodiscard]] bool line(std::string_view text) {
    if (expectCode_) {
      std::string_view digits = trimmed(text);
      auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code_);
      expectCode_ = false;
      return ec == std::errc() && end == digits.data() + digits.size();
    }
    expectCode_ = true;
    ++scan_.groups;
    if (code_ == 0) {
      std::string_view value = trimmed(text);
      afterSection_ = value == "SECTION";
      if (value == "ENDSEC")
        inEntities_ = false;
      else if (inEntities_)
        ++scan_.entities;
    } else if (code_ == 2 && afterSection_) {
      inEntities_ = trimmed(text) == "ENTITIES";
      afterSection_ = false;
    }
    return true;
  }

private:
  BaselineScan& scan_;
  bool expectCode_ = true;
  int code_ = 0;
  bool afterSection_ = false;
  bool inEntities_ = false;
};

}  // namespace

BaselineScan scanGroups(const std::string& path) {
  BaselineScan scan;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file)
    return scan;
  GroupCounter counter(scan);
  std::vector<char> buffer(kChunk);
  std::string carry;  // a line cut by the end of a chunk
  for (;;) {
    std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
    if (got == 0)
      break;
    std::string_view chunk(buffer.data(), got);
    std::size_t start = 0;
    for (std::size_t nl = chunk.find('\n'); nl != std::string_view::npos;
         nl = chunk.find('\n', start)) {
      std::string_view piece = chunk.substr(start, nl - start);
      bool good;
      if (carry.empty()) {
        good = counter.line(piece);
      } else {
        carry.append(piece);
        good = counter.line(carry);
        carry.clear();
      }
      if (!good)
        return scan;
      start = nl + 1;
    }
    carry.append(chunk.substr(start));
  }
  if (!carry.empty() && !counter.line(carry))
    return scan;
  scan.ok = std::ferror(file.get()) == 0;
  return scan;
}

}  // namespace zek::bench
