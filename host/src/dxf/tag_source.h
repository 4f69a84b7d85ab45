// The tags of a DXF file, ASCII or binary, read group by group: a code-0 tag
// and the tags after it. The file is read in chunks, never whole.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zek/result.h"

namespace zek::dxf {

// The binary format's fixed header, byte for byte: the first 22 bytes of
// every binary DXF file.
inline constexpr std::string_view kBinaryDxfSentinel(
    "\x41\x75\x74\x6f\x43\x41\x44 Binary DXF\r\n\x1a\0", 22);

// One tag as the file holds it. `value` is text in the form an ASCII file
// holds it, whatever the file: binary values are presented as their text
// (doubles in the shortest form, integers in decimal, binary chunks in
// upper-case hex, booleans "0"/"1"). `line` is the 1-based line of the
// value in an ASCII file (its group code is on the line before) and the byte
// offset of the value in a binary file.
struct RawTag {
  int code;
  std::string_view value;
  long line;
};

class TagSource {
public:
  static constexpr std::size_t kChunkSize = 1u << 20;

  // Opens a DXF file for reading. A missing or unreadable file answers a
  // Failure "cannot open: <reason>". `chunkSize` is how much is read at a
  // time (at least 64 bytes); the buffer grows only for a larger group.
  [[nodiscard]] static Result<std::unique_ptr<TagSource>> openFile(
      const std::string& path, std::size_t chunkSize = kChunkSize);

  // Reads DXF text (or binary DXF bytes) held in memory; `name` stands for
  // the file in messages.
  [[nodiscard]] static std::unique_ptr<TagSource> fromString(std::string text, std::string name);

  ~TagSource();
  TagSource(const TagSource&) = delete;
  TagSource& operator=(const TagSource&) = delete;

  // Whether the file is binary DXF (its lines are then byte offsets).
  [[nodiscard]] bool isBinary() const { return binary_; }
  // The file as named when it was opened.
  [[nodiscard]] const std::string& name() const { return name_; }

  // Reads the next group into `tags`: a code-0 tag and every tag after it up
  // to the next code-0 tag. The first group of a file also holds what comes
  // before its first code-0 tag (999 comments). The views in `tags` stay
  // valid until the next call. Answers false at the end of the input or on
  // an error; error() tells which.
  [[nodiscard]] bool nextGroup(std::vector<RawTag>& tags);

  // Why reading stopped early ("expected a value for group code 10, found
  // the end of the file"), or nothing at a clean end.
  [[nodiscard]] const std::optional<Failure>& error() const { return error_; }

  // The size of the file in bytes (as it was when opened).
  [[nodiscard]] std::size_t fileSize() const { return fileSize_; }

  // Bytes of the file read into groups so far (progress, benchmarks).
  [[nodiscard]] std::size_t bytesConsumed() const { return bufferOffset_ + pos_; }

private:
  enum class Scan { Group, End, NeedMore, Error };
  struct ArenaValue {
    std::size_t tag;
    std::size_t offset;
    std::size_t length;
  };

  TagSource(std::string name, std::FILE* file, std::size_t chunkSize);
  void start();
  [[nodiscard]] bool readMore();
  [[nodiscard]] Scan scanTextGroup(std::vector<RawTag>& tags);
  [[nodiscard]] Scan scanBinaryGroup(std::vector<RawTag>& tags);
  [[nodiscard]] Scan atEndOfData(bool haveTags);
  [[nodiscard]] Scan fail(long line, std::string message, bool lineIsOffset = false);
  [[nodiscard]] bool restIsBlank(std::size_t from, bool& needMore) const;

  std::string name_;
  std::FILE* file_ = nullptr;        // owned; null for text held in memory
  std::string buffer_;               // [0, end_) read, pos_ the next unread byte
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::size_t bufferOffset_ = 0;     // file offset of buffer_[0]
  std::size_t fileSize_ = 0;
  long line_ = 1;                    // line of buffer_[pos_] (ASCII)
  bool eof_ = false;                 // nothing left to read into the buffer
  bool done_ = false;                // the end or an error was met
  bool binary_ = false;
  bool twoByteCodes_ = true;         // binary: R13 and later; R12 has 1-byte codes
  std::optional<Failure> error_;
  std::string arena_;                // binary: value texts of the current group
  std::vector<ArenaValue> arenaValues_;
};

}  // namespace zek::dxf
