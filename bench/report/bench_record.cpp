// The record file of the benchmark suite: one tab-separated line a figure.
#include "bench_record.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace zek::bench {

namespace {

std::vector<std::string_view> fieldsOf(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = line.find(separator, start);
    fields.push_back(line.substr(start, end == std::string_view::npos ? line.npos : end - start));
    if (end == std::string_view::npos)
      return fields;
    start = end + 1;
  }
}

bool readCount(std::string_view text, std::uint64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool readSeconds(std::string_view text, double& value) {
  // from_chars of double is not in every standard library this builds with.
  const std::string copy(text);
  char* end = nullptr;
  value = std::strtod(copy.c_str(), &end);
  return !copy.empty() && end == copy.c_str() + copy.size() && value >= 0.0;
}

}  // namespace

std::string recordLine(const BenchRecord& record) {
  std::string line = record.operation + '\t' + record.tool + '\t' + std::to_string(record.size) +
                     '\t' + std::to_string(record.elements) + '\t' +
                     std::to_string(record.bytes) + '\t' + std::to_string(record.peakBytes) +
                     '\t';
  for (std::size_t i = 0; i < record.seconds.size(); ++i) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", record.seconds[i]);
    if (i > 0)
      line += ',';
    line += text;
  }
  if (!record.note.empty()) {
    std::string note = record.note;
    for (char& c : note)
      if (c == '\t' || c == '\n' || c == '\r')
        c = ' ';
    line += '\t' + note;
  }
  return line;
}

std::optional<BenchRecord> parseRecordLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r')
    line.remove_suffix(1);
  if (line.empty() || line.front() == '#')
    return std::nullopt;
  const auto fields = fieldsOf(line, '\t');
  if (fields.size() < 7 || fields.size() > 8 || fields[0].empty() || fields[1].empty())
    return std::nullopt;
  BenchRecord record;
  record.operation = fields[0];
  record.tool = fields[1];
  if (!readCount(fields[2], record.size) || !readCount(fields[3], record.elements) ||
      !readCount(fields[4], record.bytes) || !readCount(fields[5], record.peakBytes))
    return std::nullopt;
  for (std::string_view item : fieldsOf(fields[6], ',')) {
    if (fields[6].empty())
      break;  // a check without timed runs
    double seconds = 0.0;
    if (!readSeconds(item, seconds))
      return std::nullopt;
    record.seconds.push_back(seconds);
  }
  if (fields.size() == 8)
    record.note = fields[7];
  return record;
}

bool appendRecord(const std::string& path, const BenchRecord& record) {
  const std::string line = recordLine(record) + '\n';
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0)
    return false;
  const ssize_t written = ::write(fd, line.data(), line.size());
  const bool closed = ::close(fd) == 0;
  return written == static_cast<ssize_t>(line.size()) && closed;
}

std::vector<BenchRecord> readRecords(const std::string& path, std::size_t* damaged) {
  std::vector<BenchRecord> records;
  std::size_t bad = 0;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (auto record = parseRecordLine(line))
      records.push_back(std::move(*record));
    else if (!line.empty() && line.front() != '#' && line != "\r")
      ++bad;
  }
  if (damaged)
    *damaged = bad;
  return records;
}

double medianSeconds(std::vector<double> seconds) {
  if (seconds.empty())
    return 0.0;
  std::sort(seconds.begin(), seconds.end());
  const std::size_t middle = seconds.size() / 2;
  return seconds.size() % 2 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2.0;
}

std::string recordFileFrom(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--record") == 0)
      return argv[i + 1];
  const char* fromEnvironment = std::getenv("ZEK_BENCH_RECORD");
  return fromEnvironment ? fromEnvironment : "";
}

}  // namespace zek::bench
