// The transcript and acutPrintf.
#include "editor/transcript.h"

#include <algorithm>

namespace zek {

Transcript& Transcript::instance() {
  static Transcript transcript;
  return transcript;
}

// Trailing blanks of a finished line are dropped: prompts end in a blank that
// an Enter leaves hanging, and golden files should not depend on it.
static std::string trimmedRight(const std::string& line) {
  std::size_t end = line.find_last_not_of(' ');
  return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

void Transcript::emit(const std::string& line) {
  std::string finished = trimmedRight(line);
  finished_ += finished;
  finished_ += '\n';
  for (std::ostream* mirror : mirrors_) {
    *mirror << finished << '\n';
    mirror->flush();
  }
}

void Transcript::breakLine() {
  emit(current_);
  current_.clear();
}

void Transcript::print(std::string_view text) {
  for (char c : text) {
    if (c == '\n') {
      if (fresh_ && current_.empty())
        fresh_ = false;  // the line the last answer began
      else
        breakLine();
      continue;
    }
    if (c == '\r')
      continue;
    current_ += c;
    fresh_ = false;
  }
}

void Transcript::promptAndAnswer(std::string_view prompt, std::string_view answer) {
  if (!current_.empty()) {
    breakLine();
    fresh_ = true;
  }
  print(prompt);
  current_ += answer;
  breakLine();
  fresh_ = true;
}

void Transcript::endLine() {
  if (!current_.empty()) {
    breakLine();
    fresh_ = true;
  }
}

Transcript::PromptView Transcript::promptView(std::string_view prompt) const {
  Transcript scratch;  // the same line rules, without the history and the mirrors
  scratch.current_ = current_;
  scratch.fresh_ = fresh_;
  if (!scratch.current_.empty()) {
    scratch.breakLine();
    scratch.fresh_ = true;
  }
  scratch.print(prompt);
  PromptView view;
  std::size_t start = 0;
  for (std::size_t end = scratch.finished_.find('\n'); end != std::string::npos;
       end = scratch.finished_.find('\n', start)) {
    view.finishedLines.push_back(scratch.finished_.substr(start, end - start));
    start = end + 1;
  }
  view.openLine = scratch.current_;
  return view;
}

std::string Transcript::text() const {
  if (current_.empty())
    return finished_;
  return finished_ + trimmedRight(current_);
}

void Transcript::clear() {
  finished_.clear();
  current_.clear();
  fresh_ = true;
}

void Transcript::removeMirror(std::ostream* stream) {
  mirrors_.erase(std::remove(mirrors_.begin(), mirrors_.end(), stream), mirrors_.end());
}

void Transcript::finish() {
  if (!current_.empty()) {
    breakLine();
    fresh_ = true;
  }
}

}  // namespace zek

#include <cstdarg>
#include <cstdio>

#include "aced_output.h"

int acutPrintf(const char* format, ...) {
  if (format == nullptr)
    return -1;
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) {
    va_end(args);
    return length;
  }
  std::string text(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  zek::Transcript::instance().print(text);
  return length;
}
