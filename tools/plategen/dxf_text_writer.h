// DxfTextWriter: the plate generator's own DXF text writer. It writes group
// codes and values as lines into a buffer handed to a stream in large pieces,
// so a drawing of a million entities never sits in memory as a whole.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace zek::plategen {

class DxfTextWriter {
public:
  explicit DxfTextWriter(std::ostream& out);
  ~DxfTextWriter();
  DxfTextWriter(const DxfTextWriter&) = delete;
  DxfTextWriter& operator=(const DxfTextWriter&) = delete;

  // One group: the code right-aligned in three columns, then the value.
  void text(int code, std::string_view value);
  void integer(int code, long long value);
  // A real as the shortest text that reads back to the same double, always
  // with a decimal point or an exponent ("10.0", "0.41421356237309503").
  void real(int code, double value);
  // A handle as upper-case hexadecimal without leading zeros ("1A2F").
  void handle(int code, std::uint64_t value);
  // The usual point triple: `code`, `code + 10`, `code + 20`.
  void point(int code, double x, double y, double z);
  // A 2D point: `code` and `code + 10`.
  void point2(int code, double x, double y);

  // Appends lines already in group form (a section written elsewhere).
  void verbatim(std::string_view lines);

  // Hands what is buffered to the stream; answers false when the stream failed.
  [[nodiscard]] bool finish();
  // Bytes written so far, buffered ones included.
  [[nodiscard]] std::uint64_t bytesWritten() const { return flushed_ + buffer_.size(); }

private:
  void code(int value);
  void flushIfFull();

  std::ostream& out_;
  std::string buffer_;
  std::uint64_t flushed_ = 0;
};

// The text DxfTextWriter::real writes for `value`.
[[nodiscard]] std::string realText(double value);

// A handle in the form DxfTextWriter::handle writes it.
[[nodiscard]] std::string handleText(std::uint64_t value);

}  // namespace zek::plategen
