// The zek program's answer lines: the scripts and -c texts in command-line
// order, then the terminal or standard input, read as one stream. Every
// document reads them through a source of its own that forwards here, so a
// drawing that NEW or OPEN makes current goes on with the same input.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/input.h"
#include "zek/result.h"

namespace zek {

class ProgramInput {
public:
  ProgramInput() = default;
  ~ProgramInput();
  ProgramInput(const ProgramInput&) = delete;
  ProgramInput& operator=(const ProgramInput&) = delete;

  // Appends a source; sources are read in the order added, each to its end.
  void add(std::unique_ptr<InputSource> source);
  std::optional<std::string> nextLine();
  // Where the last line came from, and whether it is echoed.
  std::string whereLastLine() const;
  bool echoes() const;

  // From now on every document opened reads this input (the first one
  // included, when it is opened after this call); until this input is gone.
  void feedEveryNewDocument();

private:
  std::vector<std::unique_ptr<InputSource>> sources_;
  std::size_t current_ = 0;
  const InputSource* last_ = nullptr;
};

// A script file's text: read whole, a UTF-8 byte order mark dropped. A file
// that cannot be read, or is not UTF-8, answers why ("job.scr:3: ...").
Result<std::string> readScriptFile(const std::string& path);

// The lines of a -c text: a newline ends a line, a last newline ends the
// last line ("LINE\n0,0\n" is two lines, "" one empty line, an Enter).
std::vector<std::string> textLines(const std::string& text);

// Answer lines read from a stream as they are needed (standard input that is
// no terminal): script rules (";" comments, "\r\n" endings, a byte order mark
// on the first line dropped), named "NAME:LINE" in messages.
class StreamScriptSource : public InputSource {
public:
  StreamScriptSource(std::FILE* stream, std::string name)
      : stream_(stream), name_(std::move(name)) {}
  std::optional<std::string> nextLine() override;
  std::string whereLastLine() const override;

private:
  std::FILE* stream_;
  std::string name_;
  int lineNumber_ = 0;
  bool ended_ = false;
};

}  // namespace zek
