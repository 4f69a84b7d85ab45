// The program's input stream, the sources each document reads it through,
// script files and -c texts.
#include "program_input.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "editor/document.h"

namespace zek {

namespace {

ProgramInput*& feedingInput() {
  static ProgramInput* input = nullptr;
  return input;
}

// One document's way into the program's input.
class DocumentSource : public InputSource {
public:
  explicit DocumentSource(ProgramInput& input) : input_(input) {}
  std::optional<std::string> nextLine() override { return input_.nextLine(); }
  std::string whereLastLine() const override { return input_.whereLastLine(); }
  bool echoes() const override { return input_.echoes(); }

private:
  ProgramInput& input_;
};

// Gives a newly opened document the program's input, at the bottom of its
// input stack.
void feedDocument(Document& document) {
  ProgramInput* input = feedingInput();
  if (input == nullptr)
    return;
  DocumentManager& manager = DocumentManager::instance();
  Document* current = manager.curDocument();
  if (current != &document)
    manager.activate(&document);
  currentInput().push(std::make_unique<DocumentSource>(*input));
  if (current != &document)
    manager.activate(current);
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The number of continuation bytes a UTF-8 lead byte announces, or -1 for a
// byte that cannot start a character.
int continuationBytes(unsigned char lead) {
  if (lead < 0x80)
    return 0;
  if ((lead >> 5) == 0x6)
    return 1;
  if ((lead >> 4) == 0xE)
    return 2;
  if ((lead >> 3) == 0x1E)
    return 3;
  return -1;
}

// Where the first byte that is not UTF-8 sits, or npos when all are.
std::size_t firstByteNotUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const int follow = continuationBytes(static_cast<unsigned char>(text[i]));
    if (follow < 0 || i + static_cast<std::size_t>(follow) >= text.size())
      return i;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(follow); ++k)
      if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
        return i;
    i += static_cast<std::size_t>(follow) + 1;
  }
  return std::string::npos;
}

}  // namespace

ProgramInput::~ProgramInput() {
  if (feedingInput() == this)
    feedingInput() = nullptr;
}

void ProgramInput::add(std::unique_ptr<InputSource> source) { sources_.push_back(std::move(source)); }

std::optional<std::string> ProgramInput::nextLine() {
  while (current_ < sources_.size()) {
    InputSource& source = *sources_[current_];
    if (auto line = source.nextLine()) {
      last_ = &source;
      return line;
    }
    ++current_;  // this source is done: the next one goes on
  }
  return std::nullopt;
}

std::string ProgramInput::whereLastLine() const {
  return last_ != nullptr ? last_->whereLastLine() : std::string("the input");
}

bool ProgramInput::echoes() const { return last_ == nullptr || last_->echoes(); }

void ProgramInput::feedEveryNewDocument() {
  static const bool listening = (DocumentManager::instance().addOpenListener(feedDocument), true);
  (void)listening;
  feedingInput() = this;
}

Result<std::string> readScriptFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file)
    return Failure{path, 0, std::string("cannot read the script: ") + std::strerror(errno)};
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad())
    return Failure{path, 0, std::string("cannot read the script: ") + std::strerror(errno)};
  std::string script = text.str();
  if (script.rfind(kByteOrderMark, 0) == 0)
    script.erase(0, kByteOrderMark.size());
  if (std::size_t bad = firstByteNotUtf8(script); bad != std::string::npos) {
    const long line = 1 + std::count(script.begin(), script.begin() + static_cast<long>(bad), '\n');
    char found[48];
    std::snprintf(found, sizeof found, "expected UTF-8 text, found byte 0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(script[bad])));
    return Failure{path, line, found};
  }
  return script;
}

std::vector<std::string> textLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      if (start < text.size() || lines.empty())
        lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::optional<std::string> StreamScriptSource::nextLine() {
  while (!ended_) {
    std::string line;
    int c = 0;
    while ((c = std::fgetc(stream_)) != EOF && c != '\n')
      line += static_cast<char>(c);
    if (c == EOF && line.empty()) {
      ended_ = true;
      break;
    }
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (lineNumber_ == 1 && line.rfind(kByteOrderMark, 0) == 0)
      line.erase(0, kByteOrderMark.size());
    if (!line.empty() && line.front() == ';')
      continue;  // a comment
    return line;
  }
  return std::nullopt;
}

std::string StreamScriptSource::whereLastLine() const {
  return name_ + ":" + std::to_string(lineNumber_);
}

}  // namespace zek
