// Answer lines: where they come from (script files, -c texts, the terminal,
// answers handed over by acedCommand) and the one call every prompt of the
// editor reads them with.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

class Document;

// A source of answer lines.
class InputSource {
public:
  virtual ~InputSource() = default;
  // The next line (without its newline), or nothing at the end.
  virtual std::optional<std::string> nextLine() = 0;
  // Where the last line came from, for messages ("job.scr:14", "-c text 2").
  virtual std::string whereLastLine() const = 0;
  // Answers of this source show in the transcript (acedCommand answers hide
  // them while CMDECHO is 0).
  virtual bool echoes() const { return true; }
};

// Lines held in memory: -c texts, tests, acedCommand answers.
class LineListSource : public InputSource {
public:
  LineListSource(std::vector<std::string> lines, std::string name, bool echoes = true)
      : lines_(std::move(lines)), name_(std::move(name)), echoes_(echoes) {}
  std::optional<std::string> nextLine() override;
  std::string whereLastLine() const override;
  bool echoes() const override { return echoes_; }
  // More lines after the ones held.
  void append(const std::vector<std::string>& lines) {
    lines_.insert(lines_.end(), lines.begin(), lines.end());
  }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::string name_;
  bool echoes_;
};

// A script's text, one answer per line; lines starting with ";" are comments.
class ScriptSource : public InputSource {
public:
  ScriptSource(std::string text, std::string fileName);
  std::optional<std::string> nextLine() override;
  std::string whereLastLine() const override;

private:
  std::string text_;
  std::size_t offset_ = 0;
  int lineNumber_ = 0;
  std::string fileName_;
};

// The sources of one document, innermost on top: a line is read from the top
// source, and a source that runs dry gives way to the one below (so a macro
// that ends while its command still prompts leaves the rest to the drafter).
class InputStack {
public:
  void push(std::unique_ptr<InputSource> source) { sources_.push_back(std::move(source)); }
  // Removes sources down to (not including) the given depth.
  void popTo(std::size_t depth);
  std::size_t depth() const { return sources_.size(); }
  // The source at a position from the bottom (0), or null.
  InputSource* sourceAt(std::size_t index) const {
    return index < sources_.size() ? sources_[index].get() : nullptr;
  }
  // The next line and whether it is echoed; nothing when every source is dry.
  std::optional<std::string> nextLine(bool& echoes);
  // The next line of the sources below a depth (the drafter's answer to a
  // pause in answers handed over from above); dry ones are passed, not removed.
  std::optional<std::string> nextLineBelow(std::size_t depth, bool& echoes);
  // Where the last line read came from.
  std::string whereLastLine() const { return lastWhere_; }
  // Puts every source of another stack on top of this one's, in their order,
  // leaving the other empty.
  void takeSourcesOf(InputStack& other);

private:
  std::vector<std::unique_ptr<InputSource>> sources_;
  std::string lastWhere_;
};

// The answer to one prompt.
struct Answer {
  enum class Kind {
    Text,    // a line (empty for Enter)
    Cancel,  // "^C": Esc
    End,     // the input ended while the prompt waited
  };
  Kind kind = Kind::End;
  std::string text;
};

// Shows the prompt, reads one line from the current document's input and
// writes prompt and answer to the transcript. "^C" answers Cancel (shown as
// "*Cancel*"); when every source is dry the answer is End, the prompt is
// shown alone and the run is told the input ended; prompts after that answer
// End at once and show nothing (the command loop clears the state when it
// starts a new run).
Answer promptForLine(std::string_view prompt);

// The two halves of promptForLine, for prompts that read lines the drafter
// does not see as answers (the cursor samples of a drag): the next line, and
// showing a prompt with the answer it got (End: the prompt alone; Cancel:
// "*Cancel*"; an answer from a source that does not echo: nothing).
struct ReadLine {
  Answer answer;
  bool echoes = true;
};
ReadLine readAnswerLine(std::string_view prompt = {});
void showAnswer(std::string_view prompt, const ReadLine& line);

// The prompt the line being read answers, as the command gives it, while a
// source's nextLine runs ("" when the reader shows none): a source that shows
// the prompt itself, as the terminal's line editor does, reads it here.
std::string_view waitingPrompt();

// The input of the current document (tests and the command loop push sources).
InputStack& currentInput();
// The input of a document.
InputStack& documentInput(Document& document);

// Set when a prompt found no more input; the command loop reports it.
struct InputEndState {
  bool ended = false;
  std::string where;  // where the last line came from
};
InputEndState& inputEndState();

}  // namespace zek
