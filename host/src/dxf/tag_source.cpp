// Tag reading: a chunk buffer that keeps the current group whole (compacting
// or growing it when a group runs past its end), a line scanner for ASCII
// DXF and a value decoder for binary DXF.
#include "dxf/tag_source.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sys/stat.h>

#include "dxf/group_codes.h"
#include "dxf/number_text.h"

namespace zek::dxf {
namespace {

constexpr std::string_view kUtf8Bom("\xEF\xBB\xBF");
constexpr std::size_t kMinChunkSize = 64;
constexpr std::size_t kMaxQuoted = 40;

bool isSpace(char c) { return c == ' ' || c == '\t'; }

// Blank lines, and the ^Z of old DOS files, may follow the last tag.
bool isBlank(char c) { return isSpace(c) || c == '\r' || c == '\n' || c == '\x1a'; }

std::string_view trimSpaces(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isSpace(text[first]))
    ++first;
  while (last > first && isSpace(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}

// Found text in a message: quoted, control characters shown as '?', and cut
// short when it is long (a line of binary junk must not flood the transcript).
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text.substr(0, kMaxQuoted))
    out.push_back((c >= 0 && c < 0x20) || c == 0x7F ? '?' : c);
  if (text.size() > kMaxQuoted)
    out.append("...");
  out.push_back('"');
  return out;
}

std::string missingValue(int code) {
  return "expected a value for group code " + std::to_string(code) +
         ", found the end of the file";
}

std::string codeOutOfRange(std::string_view found) {
  return "expected a group code from " + std::to_string(kMinGroupCode) + " to " +
         std::to_string(kMaxGroupCode) + ", found " + std::string(found);
}

enum class CodeLine { Ok, NotInteger, OutOfRange };

// Reads a group-code line ("  0", " 10 ", "1001\r"); `text` is the line
// without its LF, trimmed to what was found for messages.
CodeLine parseCode(std::string_view& text, int& code) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isSpace(text[first]))
    ++first;
  while (last > first && (isSpace(text[last - 1]) || text[last - 1] == '\r'))
    --last;
  text = text.substr(first, last - first);
  if (text.empty())
    return CodeLine::NotInteger;
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (i == text.size())
    return CodeLine::NotInteger;
  int value = 0;
  for (; i < text.size(); ++i) {
    const unsigned digit = static_cast<unsigned>(text[i] - '0');
    if (digit > 9)
      return CodeLine::NotInteger;
    if (value < 100000)
      value = value * 10 + static_cast<int>(digit);
  }
  code = text[0] == '-' ? -value : value;
  return code < kMinGroupCode || code > kMaxGroupCode ? CodeLine::OutOfRange : CodeLine::Ok;
}

}  // namespace

TagSource::TagSource(std::string name, std::FILE* file, std::size_t chunkSize)
    : name_(std::move(name)), file_(file) {
  if (file_)
    buffer_.resize(std::max(chunkSize, kMinChunkSize));
}

TagSource::~TagSource() {
  if (file_)
    std::fclose(file_);
}

Result<std::unique_ptr<TagSource>> TagSource::openFile(const std::string& path,
                                                       std::size_t chunkSize) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    return Failure{path, 0, "cannot open: " + std::string(std::strerror(errno))};
  std::unique_ptr<TagSource> source(new TagSource(path, file, chunkSize));
  struct stat status {};
  if (::fstat(fileno(file), &status) == 0 && status.st_size > 0)
    source->fileSize_ = static_cast<std::size_t>(status.st_size);
  source->start();
  if (source->error_)
    return *source->error_;
  return source;
}

std::unique_ptr<TagSource> TagSource::fromString(std::string text, std::string name) {
  std::unique_ptr<TagSource> source(new TagSource(std::move(name), nullptr, 0));
  source->buffer_ = std::move(text);
  source->end_ = source->buffer_.size();
  source->fileSize_ = source->end_;
  source->eof_ = true;
  source->start();
  return source;
}

// Looks at the start of the file: the binary sentinel, or a UTF-8 BOM.
void TagSource::start() {
  if (file_ && !readMore())
    return;
  const std::string_view head(buffer_.data(), end_);
  if (head.starts_with(kBinaryDxfSentinel)) {
    binary_ = true;
    pos_ = kBinaryDxfSentinel.size();
    // R12 files open with a 1-byte code 0 before "SECTION", later ones
    // with a 2-byte code.
    twoByteCodes_ = !head.substr(pos_).starts_with(std::string_view("\0SECTION", 8));
  } else if (head.starts_with(kUtf8Bom)) {
    pos_ = kUtf8Bom.size();
  }
}

// Makes room behind the current group (which starts at pos_) and reads the
// next chunk; false on a read error.
bool TagSource::readMore() {
  if (pos_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
    bufferOffset_ += pos_;
    end_ -= pos_;
    pos_ = 0;
  }
  if (end_ == buffer_.size())
    buffer_.resize(buffer_.size() * 2);  // one group larger than the buffer
  const std::size_t wanted = buffer_.size() - end_;
  const std::size_t got = std::fread(buffer_.data() + end_, 1, wanted, file_);
  end_ += got;
  if (got < wanted) {
    if (std::ferror(file_)) {
      error_ = Failure{name_, 0, "cannot read: " + std::string(std::strerror(errno))};
      done_ = true;
      return false;
    }
    eof_ = true;
  }
  return true;
}

bool TagSource::nextGroup(std::vector<RawTag>& tags) {
  for (;;) {
    tags.clear();
    if (done_)
      return false;
    const Scan scan = binary_ ? scanBinaryGroup(tags) : scanTextGroup(tags);
    if (scan == Scan::Group)
      return true;
    if (scan != Scan::NeedMore) {
      tags.clear();
      return false;
    }
    if (!readMore())
      return false;
  }
}

TagSource::Scan TagSource::fail(long line, std::string message, bool lineIsOffset) {
  error_ = Failure{name_, line, std::move(message), lineIsOffset};
  done_ = true;
  return Scan::Error;
}

TagSource::Scan TagSource::atEndOfData(bool haveTags) {
  pos_ = end_;
  done_ = true;
  return haveTags ? Scan::Group : Scan::End;
}

// Whether nothing but blank lines follow `from`; `needMore` when the buffer
// ends before that is known.
bool TagSource::restIsBlank(std::size_t from, bool& needMore) const {
  for (std::size_t i = from; i < end_; ++i)
    if (!isBlank(buffer_[i]))
      return false;
  needMore = !eof_;
  return eof_;
}

// Scans one group of an ASCII file from pos_. Nothing is committed until the
// group is complete, so that a NeedMore rescans it after the refill.
TagSource::Scan TagSource::scanTextGroup(std::vector<RawTag>& tags) {
  const char* data = buffer_.data();
  std::size_t p = pos_;
  long line = line_;
  bool haveZero = false;
  for (;;) {
    if (p >= end_) {
      if (!eof_)
        return Scan::NeedMore;
      line_ = line;
      return atEndOfData(!tags.empty());
    }
    const char* codeEnd = static_cast<const char*>(std::memchr(data + p, '\n', end_ - p));
    if (!codeEnd) {
      if (!eof_)
        return Scan::NeedMore;
      codeEnd = data + end_;  // the last line may lack its newline
    }
    std::string_view codeText(data + p, static_cast<std::size_t>(codeEnd - (data + p)));
    int code = 0;
    const CodeLine parsed = parseCode(codeText, code);
    if (parsed != CodeLine::Ok) {
      bool needMore = false;
      if (restIsBlank(p, needMore)) {
        line_ = line;
        return atEndOfData(!tags.empty());
      }
      if (needMore)
        return Scan::NeedMore;
      if (parsed == CodeLine::OutOfRange)
        return fail(line, codeOutOfRange(quoted(codeText)));
      return fail(line, "expected a group code (an integer), found " + quoted(codeText));
    }
    if (code == 0 && haveZero) {
      pos_ = p;  // the next group starts here
      line_ = line;
      return Scan::Group;
    }
    const std::size_t valueStart = static_cast<std::size_t>(codeEnd - data) + 1;
    if (valueStart >= end_) {
      if (!eof_)
        return Scan::NeedMore;
      return fail(line + 1, missingValue(code));
    }
    const char* valueBegin = data + valueStart;
    const char* valueEnd =
        static_cast<const char*>(std::memchr(valueBegin, '\n', end_ - valueStart));
    std::size_t next;
    if (valueEnd) {
      next = static_cast<std::size_t>(valueEnd - data) + 1;
    } else {
      if (!eof_)
        return Scan::NeedMore;
      valueEnd = data + end_;
      next = end_;
    }
    if (valueEnd > valueBegin && valueEnd[-1] == '\r')
      --valueEnd;
    std::string_view value(valueBegin, static_cast<std::size_t>(valueEnd - valueBegin));
    if (!keepsSpaces(code))
      value = trimSpaces(value);
    tags.push_back(RawTag{code, value, line + 1});
    haveZero |= code == 0;
    p = next;
    line += 2;
  }
}

namespace {

std::uint64_t littleEndian(const unsigned char* bytes, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;)
    value = value << 8 | bytes[i];
  return value;
}

// A binary double as text. A NaN or infinity, which the text form cannot
// hold, reads as "nan" or "inf": the reader then refuses it as it refuses
// that text in an ASCII file, instead of taking it for 0.
std::size_t formatBinaryDouble(double value, char* out) {
  if (std::isfinite(value))
    return formatDouble(value, out);
  const std::string_view text = std::isnan(value) ? "nan" : value > 0 ? "inf" : "-inf";
  std::memcpy(out, text.data(), text.size());
  return text.size();
}

}  // namespace

// Scans one group of a binary file from pos_, writing numbers and binary
// chunks as text into the arena; strings stay views into the buffer.
TagSource::Scan TagSource::scanBinaryGroup(std::vector<RawTag>& tags) {
  const auto* data = reinterpret_cast<const unsigned char*>(buffer_.data());
  arena_.clear();
  arenaValues_.clear();
  const auto bindArena = [&] {
    for (const ArenaValue& v : arenaValues_)
      tags[v.tag].value = std::string_view(arena_.data() + v.offset, v.length);
  };
  std::size_t p = pos_;
  bool haveZero = false;
  for (;;) {
    if (p >= end_) {
      if (!eof_)
        return Scan::NeedMore;
      bindArena();
      return atEndOfData(!tags.empty());
    }
    const long codeAt = static_cast<long>(bufferOffset_ + p);
    // R12: one byte, 255 escaping a 2-byte code; later: two bytes.
    const std::size_t codeBytes = twoByteCodes_ ? 2 : (data[p] == 255 ? 3 : 1);
    if (end_ - p < codeBytes)
      return eof_ ? fail(codeAt, "expected a group code, found the end of the file", true)
                  : Scan::NeedMore;
    int code;
    if (codeBytes == 1)
      code = data[p];
    else
      code = static_cast<std::int16_t>(littleEndian(data + p + codeBytes - 2, 2));
    if (code < kMinGroupCode || code > kMaxGroupCode)
      return fail(codeAt, codeOutOfRange(std::to_string(code)), true);
    if (code == 0 && haveZero) {
      pos_ = p;
      bindArena();
      return Scan::Group;
    }
    p += codeBytes;
    const std::size_t valueAt = p;
    const long offset = static_cast<long>(bufferOffset_ + valueAt);
    const auto truncated = [&] {
      return eof_ ? fail(offset, missingValue(code), true) : Scan::NeedMore;
    };
    const ValueKind kind = valueKindOf(code);
    if (kind == ValueKind::String || kind == ValueKind::Handle || kind == ValueKind::Comment) {
      const auto* nul = static_cast<const unsigned char*>(std::memchr(data + p, 0, end_ - p));
      if (!nul)
        return truncated();
      std::string_view value(buffer_.data() + p, static_cast<std::size_t>(nul - (data + p)));
      tags.push_back(RawTag{code, keepsSpaces(code) ? value : trimSpaces(value), offset});
      p = static_cast<std::size_t>(nul - data) + 1;
      haveZero |= code == 0;
      continue;
    }
    char text[kNumberTextMax];
    std::size_t length = 0;
    std::size_t size = 0;
    switch (kind) {
      case ValueKind::Double: size = 8; break;
      case ValueKind::Int16: size = 2; break;
      case ValueKind::Int32: size = 4; break;
      case ValueKind::Int64: size = 8; break;
      case ValueKind::Bool: size = 1; break;
      default: size = 1; break;  // Binary: the length byte
    }
    if (end_ - p < size)
      return truncated();
    const std::uint64_t bits = littleEndian(data + p, size);
    const std::size_t textAt = arena_.size();
    if (kind == ValueKind::Binary) {
      const std::size_t count = bits;
      if (end_ - p - 1 < count)
        return truncated();
      static constexpr char kHex[] = "0123456789ABCDEF";
      for (std::size_t i = 0; i < count; ++i) {
        arena_.push_back(kHex[data[p + 1 + i] >> 4]);
        arena_.push_back(kHex[data[p + 1 + i] & 0xF]);
      }
      size += count;
      length = 2 * count;
    } else {
      if (kind == ValueKind::Double)
        length = formatBinaryDouble(std::bit_cast<double>(bits), text);
      else if (kind == ValueKind::Int16)
        length = formatInteger(static_cast<std::int16_t>(bits), text);
      else if (kind == ValueKind::Int32)
        length = formatInteger(static_cast<std::int32_t>(bits), text);
      else if (kind == ValueKind::Int64)
        length = formatInteger(static_cast<long long>(bits), text);
      else
        length = formatInteger(static_cast<long long>(bits), text);  // Bool: the byte itself
      arena_.append(text, length);
    }
    arenaValues_.push_back(ArenaValue{tags.size(), textAt, length});
    tags.push_back(RawTag{code, std::string_view(), offset});
    p += size;
  }
}

}  // namespace zek::dxf
