// Answer sources, the input stack and promptForLine.
#include "editor/input.h"

#include <algorithm>

#include "editor/document.h"
#include "editor/transcript.h"

namespace zek {

std::optional<std::string> LineListSource::nextLine() {
  if (next_ >= lines_.size())
    return std::nullopt;
  return lines_[next_++];
}

std::string LineListSource::whereLastLine() const {
  return name_ + (lines_.size() > 1 ? " line " + std::to_string(next_) : std::string());
}

ScriptSource::ScriptSource(std::string text, std::string fileName)
    : text_(std::move(text)), fileName_(std::move(fileName)) {}

std::optional<std::string> ScriptSource::nextLine() {
  while (offset_ < text_.size()) {
    std::size_t end = text_.find('\n', offset_);
    if (end == std::string::npos)
      end = text_.size();
    std::string line = text_.substr(offset_, end - offset_);
    offset_ = end + 1;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty() && line.front() == ';')
      continue;  // a comment
    return line;
  }
  return std::nullopt;
}

std::string ScriptSource::whereLastLine() const {
  return fileName_ + ":" + std::to_string(lineNumber_);
}

void InputStack::takeSourcesOf(InputStack& other) {
  for (auto& source : other.sources_)
    sources_.push_back(std::move(source));
  other.sources_.clear();
  if (lastWhere_.empty())
    lastWhere_ = other.lastWhere_;
}

void InputStack::popTo(std::size_t depth) {
  while (sources_.size() > depth)
    sources_.pop_back();
}

std::optional<std::string> InputStack::nextLine(bool& echoes) {
  while (!sources_.empty()) {
    InputSource& top = *sources_.back();
    if (auto line = top.nextLine()) {
      echoes = top.echoes();
      lastWhere_ = top.whereLastLine();
      return line;
    }
    if (sources_.size() == 1)
      return std::nullopt;  // the run's own source stays for the end report
    sources_.pop_back();
  }
  return std::nullopt;
}

std::optional<std::string> InputStack::nextLineBelow(std::size_t depth, bool& echoes) {
  for (std::size_t i = std::min(depth, sources_.size()); i > 0; --i) {
    InputSource& source = *sources_[i - 1];
    if (auto line = source.nextLine()) {
      echoes = source.echoes();
      lastWhere_ = source.whereLastLine();
      return line;
    }
  }
  return std::nullopt;
}

namespace {
struct DocumentInput {
  InputStack stack;
};
}  // namespace

InputStack& documentInput(Document& document) { return document.state<DocumentInput>().stack; }

InputStack& currentInput() {
  static InputStack noDocument;
  Document* document = currentDocument();
  return document ? document->state<DocumentInput>().stack : noDocument;
}

InputEndState& inputEndState() {
  static InputEndState state;
  return state;
}

namespace {
std::string& waitingPromptText() {
  static std::string text;
  return text;
}

// Holds the prompt while its line is read; nested reads (a source that reads
// from the ones below it) keep it.
class WaitingPrompt {
public:
  explicit WaitingPrompt(std::string_view prompt) : previous_(waitingPromptText()) {
    waitingPromptText() = std::string(prompt);
  }
  ~WaitingPrompt() { waitingPromptText() = std::move(previous_); }
  WaitingPrompt(const WaitingPrompt&) = delete;
  WaitingPrompt& operator=(const WaitingPrompt&) = delete;

private:
  std::string previous_;
};
}  // namespace

std::string_view waitingPrompt() { return waitingPromptText(); }

ReadLine readAnswerLine(std::string_view prompt) {
  WaitingPrompt waiting(prompt);
  if (inputEndState().ended)
    return {{Answer::Kind::End, {}}, false};  // shown once: the prompt that found the end
  InputStack& input = currentInput();
  bool echoes = true;
  std::optional<std::string> line = input.nextLine(echoes);
  if (!line) {
    inputEndState().ended = true;
    inputEndState().where = input.whereLastLine();
    return {{Answer::Kind::End, {}}, true};
  }
  if (*line == "^C")
    return {{Answer::Kind::Cancel, {}}, true};
  return {{Answer::Kind::Text, std::move(*line)}, echoes};
}

void showAnswer(std::string_view prompt, const ReadLine& line) {
  Transcript& transcript = Transcript::instance();
  switch (line.answer.kind) {
    case Answer::Kind::End:
      if (line.echoes)
        transcript.promptAndAnswer(prompt, "");
      break;
    case Answer::Kind::Cancel:
      transcript.promptAndAnswer(prompt, "*Cancel*");
      break;
    case Answer::Kind::Text:
      if (line.echoes)
        transcript.promptAndAnswer(prompt, line.answer.text);
      break;
  }
}

Answer promptForLine(std::string_view prompt) {
  ReadLine line = readAnswerLine(prompt);
  showAnswer(prompt, line);
  return std::move(line.answer);
}

}  // namespace zek
