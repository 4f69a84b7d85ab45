// Writing DXF text: group codes right-aligned in three columns, each code and
// value on its own line, through a large buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zek::dxf {

class TextEncoder;

class TagSink {
public:
  static constexpr std::size_t kBufferSize = 1u << 20;

  // Hands each full buffer to `write`, which answers false when the bytes
  // could not be written (the save's file step; see safe_save.h).
  using ByteWriter = std::function<bool(std::string_view bytes)>;
  explicit TagSink(ByteWriter write);
  // Appends to a string (tests and writeDxfString).
  explicit TagSink(std::string& out);
  // Flushes what is still buffered; call finish() to learn whether it went.
  ~TagSink();
  TagSink(const TagSink&) = delete;
  TagSink& operator=(const TagSink&) = delete;

  // The encoder for writeString; without one, text is written as UTF-8.
  void setEncoder(const TextEncoder* encoder) { encoder_ = encoder; }

  // Text is written as one line: a line break in a value is written as "^J"
  // ("^M" for a carriage return), DXF's caret form.
  void writeString(int code, std::string_view utf8);    // encoded for the file
  void writeRaw(int code, std::string_view text);       // as is
  void writeDouble(int code, double value);             // shortest exact text
  void writeInt(int code, long long value);
  void writeHandle(int code, std::uint64_t value);      // upper-case hex
  void writePoint(int code, double x, double y);        // codes code, code + 10
  void writePoint(int code, double x, double y, double z);  // ... and code + 20

  // Flushes the buffer; false when anything failed to be written.
  [[nodiscard]] bool finish();
  [[nodiscard]] bool failed() const { return failed_; }
  // Bytes written so far, buffered ones included.
  [[nodiscard]] std::size_t bytesWritten() const { return flushed_ + used_; }

private:
  char* room(std::size_t bytes);  // at least `bytes` free in the buffer
  void flush();
  static char* putCode(char* at, int code);

  ByteWriter write_;
  std::string* out_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  std::size_t flushed_ = 0;
  bool failed_ = false;
  const TextEncoder* encoder_ = nullptr;
  std::string encoded_;
};

}  // namespace zek::dxf
