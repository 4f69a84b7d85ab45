// The tag writer: codes and values are formatted straight into the buffer.
#include "dxf/tag_sink.h"

#include <cstring>
#include <utility>

#include "dxf/number_text.h"
#include "dxf/text_codec.h"

namespace zek::dxf {
namespace {

// A code line is at most "-1071"-like: five characters and its newline.
constexpr std::size_t kCodeLineMax = 8;

}  // namespace

TagSink::TagSink(ByteWriter write) : write_(std::move(write)), buffer_(new char[kBufferSize]) {}

TagSink::TagSink(std::string& out) : out_(&out), buffer_(new char[kBufferSize]) {}

TagSink::~TagSink() { flush(); }

void TagSink::flush() {
  if (used_ == 0)
    return;
  if (out_) {
    out_->append(buffer_.get(), used_);
  } else if (!failed_ && !write_(std::string_view(buffer_.get(), used_))) {
    failed_ = true;
  }
  flushed_ += used_;
  used_ = 0;
}

char* TagSink::room(std::size_t bytes) {
  if (kBufferSize - used_ < bytes)
    flush();
  return buffer_.get() + used_;
}

// Right-aligned in three columns: "  0", " 10", "100"; wider codes as they are.
char* TagSink::putCode(char* at, int code) {
  if (code >= 0 && code < 10) {
    at[0] = ' ';
    at[1] = ' ';
    at[2] = static_cast<char>('0' + code);
    at[3] = '\n';
    return at + 4;
  }
  if (code >= 10 && code < 100) {
    at[0] = ' ';
    at[1] = static_cast<char>('0' + code / 10);
    at[2] = static_cast<char>('0' + code % 10);
    at[3] = '\n';
    return at + 4;
  }
  char digits[kNumberTextMax];
  const std::size_t length = formatInteger(code, digits);
  for (std::size_t pad = length; pad < 3; ++pad)
    *at++ = ' ';
  std::memcpy(at, digits, length);
  at[length] = '\n';
  return at + length + 1;
}

// A value with a line break in it (a binary file's string, a text set by a
// module) would end its line early and break the file: the breaks are
// written in DXF's caret form, "^J" for a line feed and "^M" for a return.
static std::string caretEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\n')
      escaped += "^J";
    else if (c == '\r')
      escaped += "^M";
    else
      escaped += c;
  }
  return escaped;
}

void TagSink::writeRaw(int code, std::string_view text) {
  if (text.find_first_of("\r\n") != std::string_view::npos) {
    writeRaw(code, caretEscaped(text));
    return;
  }
  const std::size_t needed = kCodeLineMax + text.size() + 1;
  if (needed > kBufferSize) {  // a value larger than the buffer goes out on its own
    char* at = room(kCodeLineMax);
    used_ = static_cast<std::size_t>(putCode(at, code) - buffer_.get());
    flush();
    if (out_)
      out_->append(text);
    else if (!failed_ && !write_(text))
      failed_ = true;
    flushed_ += text.size();
    char* end = room(1);
    *end = '\n';
    ++used_;
    return;
  }
  char* at = putCode(room(needed), code);
  std::memcpy(at, text.data(), text.size());
  at[text.size()] = '\n';
  used_ = static_cast<std::size_t>(at + text.size() + 1 - buffer_.get());
}

void TagSink::writeString(int code, std::string_view utf8) {
  if (!encoder_) {
    writeRaw(code, utf8);
    return;
  }
  encoder_->encode(utf8, encoded_);
  writeRaw(code, encoded_);
}

void TagSink::writeDouble(int code, double value) {
  char* at = putCode(room(kCodeLineMax + kNumberTextMax + 1), code);
  at += formatDouble(value, at);
  *at++ = '\n';
  used_ = static_cast<std::size_t>(at - buffer_.get());
}

void TagSink::writeInt(int code, long long value) {
  char* at = putCode(room(kCodeLineMax + kNumberTextMax + 1), code);
  at += formatInteger(value, at);
  *at++ = '\n';
  used_ = static_cast<std::size_t>(at - buffer_.get());
}

void TagSink::writeHandle(int code, std::uint64_t value) {
  char* at = putCode(room(kCodeLineMax + kNumberTextMax + 1), code);
  at += formatHandle(value, at);
  *at++ = '\n';
  used_ = static_cast<std::size_t>(at - buffer_.get());
}

void TagSink::writePoint(int code, double x, double y) {
  writeDouble(code, x);
  writeDouble(code + 10, y);
}

void TagSink::writePoint(int code, double x, double y, double z) {
  writeDouble(code, x);
  writeDouble(code + 10, y);
  writeDouble(code + 20, z);
}

bool TagSink::finish() {
  flush();
  return !failed_;
}

}  // namespace zek::dxf
