// The plate generator's DXF text writer: group lines into a large buffer.
#include "dxf_text_writer.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zek::plategen {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;

// Appends the shortest round-trip text of `value`, with ".0" where the
// shortest form would read as an integer: DXF readers expect a real there.
void appendReal(std::string& out, double value) {
  char digits[32];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  if (ec != std::errc())
    end = digits;  // cannot happen for 32 characters; write nothing rather than garbage
  std::string_view text(digits, static_cast<std::size_t>(end - digits));
  out.append(text);
  if (std::isfinite(value) && text.find_first_of(".e") == std::string_view::npos)
    out.append(".0");
}

void appendHandle(std::string& out, std::uint64_t value) {
  char digits[20];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, 16);
  if (ec != std::errc())
    end = digits;
  for (char* c = digits; c != end; ++c)
    out.push_back(*c >= 'a' && *c <= 'f' ? static_cast<char>(*c - 'a' + 'A') : *c);
}

}  // namespace

DxfTextWriter::DxfTextWriter(std::ostream& out) : out_(out) { buffer_.reserve(kFlushAt + 4096); }

DxfTextWriter::~DxfTextWriter() {
  if (!buffer_.empty())
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
}

void DxfTextWriter::code(int value) {
  char digits[12];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  if (ec != std::errc())
    end = digits;
  for (auto width = end - digits; width < 3; ++width)
    buffer_.push_back(' ');
  buffer_.append(digits, end);
  buffer_.push_back('\n');
}

void DxfTextWriter::flushIfFull() {
  if (buffer_.size() < kFlushAt)
    return;
  out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  flushed_ += buffer_.size();
  buffer_.clear();
}

void DxfTextWriter::text(int code, std::string_view value) {
  this->code(code);
  buffer_.append(value);
  buffer_.push_back('\n');
  flushIfFull();
}

void DxfTextWriter::integer(int code, long long value) {
  this->code(code);
  char digits[24];
  auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
  if (ec != std::errc())
    end = digits;
  buffer_.append(digits, end);
  buffer_.push_back('\n');
  flushIfFull();
}

void DxfTextWriter::real(int code, double value) {
  this->code(code);
  appendReal(buffer_, value);
  buffer_.push_back('\n');
  flushIfFull();
}

void DxfTextWriter::handle(int code, std::uint64_t value) {
  this->code(code);
  appendHandle(buffer_, value);
  buffer_.push_back('\n');
  flushIfFull();
}

void DxfTextWriter::point(int code, double x, double y, double z) {
  real(code, x);
  real(code + 10, y);
  real(code + 20, z);
}

void DxfTextWriter::point2(int code, double x, double y) {
  real(code, x);
  real(code + 10, y);
}

void DxfTextWriter::verbatim(std::string_view lines) {
  buffer_.append(lines);
  flushIfFull();
}

bool DxfTextWriter::finish() {
  if (!buffer_.empty()) {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    flushed_ += buffer_.size();
    buffer_.clear();
  }
  out_.flush();
  return static_cast<bool>(out_);
}

std::string realText(double value) {
  std::string out;
  appendReal(out, value);
  return out;
}

std::string handleText(std::uint64_t value) {
  std::string out;
  appendHandle(out, value);
  return out;
}

}  // namespace zek::plategen
