// acedCommand and acedCmd: commands run from a module with answers handed
// over as a list. The answers become an input source on top of the
// document's input; the commands read them through the ordinary prompts.
#include <cstdarg>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "aced_select.h"
#include "aced_vars.h"
#include "db_object.h"
#include "editor/core/command_loop.h"
#include "editor/core/macro_words.h"
#include "editor/document.h"
#include "editor/editor_hooks.h"
#include "editor/input.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/prompts/prompt_reader.h"

namespace zek {
namespace {

// One answer of the list: a line, or a pause for the drafter's answer.
struct HandedAnswer {
  std::string text;
  bool pause = false;
};

// CMDECHO 1 shows the prompts and answers of commands run this way.
bool commandEchoOn() {
  resbuf value{};
  if (acedGetVar("CMDECHO", &value) != RTNORM)
    return true;
  if (value.restype == RTSTR) {
    acutDelString(value.resval.rstring);
    return true;
  }
  return value.restype != RTSHORT || value.resval.rint != 0;
}

std::string pointText(const double* p, bool withZ) {
  std::string text = numberAnswerText(p[0]) + "," + numberAnswerText(p[1]);
  if (withZ)
    text += "," + numberAnswerText(p[2]);
  return text;
}

std::string entityText(const std::int64_t* name) {
  AcDbObjectId id;
  if (acdbGetObjectId(id, name) != Acad::eOk)
    return std::string();
  return "#" + id.handle().ascii();
}

// The members of a selection set, one "#HANDLE" answer each.
bool appendSetMembers(const std::int64_t* set, std::vector<HandedAnswer>& answers) {
  ads_int32 length = 0;
  if (acedSSLength(set, &length) != RTNORM)
    return false;
  for (ads_int32 i = 0; i < length; ++i) {
    ads_name entity;
    if (acedSSName(set, i, entity) != RTNORM)
      return false;
    answers.push_back({entityText(entity), false});
  }
  return true;
}

constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

// The answers a resbuf list stands for; false for a type no prompt takes.
bool answersOf(const resbuf* list, std::vector<HandedAnswer>& answers) {
  for (const resbuf* rb = list; rb != nullptr && rb->restype != RTNONE && rb->restype != 0;
       rb = rb->rbnext) {
    switch (rb->restype) {
      case RTSTR: {
        std::string text = rb->resval.rstring ? rb->resval.rstring : "";
        answers.push_back({text, text == "\\"});
        break;
      }
      case RTPOINT:
        answers.push_back({pointText(rb->resval.rpoint, false), false});
        break;
      case RT3DPOINT:
        answers.push_back({pointText(rb->resval.rpoint, true), false});
        break;
      case RTREAL:
        answers.push_back({numberAnswerText(rb->resval.rreal), false});
        break;
      case RTANG:
      case RTORINT:
        answers.push_back({numberAnswerText(rb->resval.rreal * kDegreesPerRadian), false});
        break;
      case RTSHORT:
        answers.push_back({std::to_string(rb->resval.rint), false});
        break;
      case RTLONG:
        answers.push_back({std::to_string(rb->resval.rlong), false});
        break;
      case RTENAME:
        answers.push_back({entityText(rb->resval.rlname), false});
        break;
      case RTPICKS:
        if (!appendSetMembers(rb->resval.rlname, answers))
          return false;
        break;
      default:
        return false;
    }
  }
  return true;
}

// The handed-over answers as an input source. A pause reads the drafter's
// answer from the sources below; the command position's macros are split by
// the loop below before they are read.
class HandedAnswerSource : public InputSource {
public:
  HandedAnswerSource(std::vector<HandedAnswer> answers, bool echoes, std::size_t depth)
      : answers_(std::move(answers)), echoes_(echoes), depth_(depth) {}

  std::optional<std::string> nextLine() override {
    if (next_ >= answers_.size())
      return std::nullopt;
    const HandedAnswer& answer = answers_[next_++];
    if (!answer.pause) {
      lastEchoes_ = echoes_;
      lastWhere_ = "acedCommand";
      return answer.text;
    }
    InputStack& input = currentInput();
    bool echoes = true;
    auto line = input.nextLineBelow(depth_, echoes);
    lastEchoes_ = echoes;
    lastWhere_ = input.whereLastLine();
    return line;
  }
  std::string whereLastLine() const override { return lastWhere_; }
  bool echoes() const override { return lastEchoes_; }

  bool hasMore() const { return next_ < answers_.size(); }
  // A command-position text holding blanks is a macro, as a menu macro is:
  // each blank or ";" ends an answer (two in a row give an Enter between
  // them), the text's own end ends the last one ("A B " ends in Enter), and
  // an AutoLISP expression stays whole (macro_words.h).
  void splitMacroAtNext() {
    if (next_ >= answers_.size() || answers_[next_].pause)
      return;
    const std::string text = answers_[next_].text;
    if (!isMacroText(text))
      return;
    std::vector<HandedAnswer> words;
    for (std::string& word : splitMacroWords(text)) {
      const bool pause = word == "\\";
      words.push_back({std::move(word), pause});
    }
    answers_.erase(answers_.begin() + static_cast<std::ptrdiff_t>(next_));
    answers_.insert(answers_.begin() + static_cast<std::ptrdiff_t>(next_), words.begin(),
                    words.end());
  }
  bool nextIsEmpty() const { return next_ < answers_.size() && !answers_[next_].pause &&
                                    answers_[next_].text.empty(); }

private:
  std::vector<HandedAnswer> answers_;
  std::size_t next_ = 0;
  bool echoes_;
  bool lastEchoes_ = true;
  std::size_t depth_;
  std::string lastWhere_ = "acedCommand";
};

// Runs the commands the answers name, one after the other, until the answers
// are used up.
int runHandedCommands(std::vector<HandedAnswer> answers) {
  if (currentDocument() == nullptr || answers.empty() || answers.front().pause)
    return RTERROR;
  InputStack& input = currentInput();
  const std::size_t base = input.depth();
  auto owned = std::make_unique<HandedAnswerSource>(std::move(answers), commandEchoOn(), base);
  HandedAnswerSource* source = owned.get();
  input.push(std::move(owned));
  auto alive = [&] { return input.depth() > base && input.sourceAt(base) == source; };

  const long cancelsBefore = promptState().cancels;
  int result = RTNORM;
  while (alive() && source->hasMore()) {
    source->splitMacroAtNext();
    if (source->nextIsEmpty()) {
      source->nextLine();  // Enter at the command prompt: nothing to repeat here
      continue;
    }
    Answer answer = promptForLine("Command: ");
    if (answer.kind != Answer::Kind::Text) {
      result = RTCAN;
      break;
    }
    std::string_view typed = trimmedAnswer(answer.text);
    if (typed.empty())
      continue;
    if (typed.front() == '(') {
      runCommandLine(typed);  // an AutoLISP call, as at the command prompt
      continue;
    }
    if (auto command = CommandTable::instance().find(typed)) {
      runCommand(*command);
      continue;
    }
    EditorHooks& hooks = editorHooks();
    if (hooks.sysvarCommand && hooks.sysvarCommand(typed))
      continue;
    if (hooks.demandLoad && hooks.demandLoad(typed)) {
      if (auto command = CommandTable::instance().find(typed)) {
        runCommand(*command);
        continue;
      }
    }
    acutPrintf("\nUnknown command \"%s\".  Press F1 for help.", upperCased(typed).c_str());
    result = RTERROR;
    break;
  }
  if (alive())
    input.popTo(base);
  if (result == RTNORM && promptState().cancels != cancelsBefore)
    result = RTCAN;
  return result;
}

// The (type, value) pairs of the variadic form as answers.
bool answersOf(int type, va_list args, std::vector<HandedAnswer>& answers) {
  while (type != RTNONE && type != 0) {
    switch (type) {
      case RTSTR: {
        const char* text = va_arg(args, const char*);
        std::string value = text ? text : "";
        answers.push_back({value, value == "\\"});
        break;
      }
      case RTPOINT:
      case RT3DPOINT: {
        const double* p = va_arg(args, const double*);
        if (p == nullptr)
          return false;
        answers.push_back({pointText(p, type == RT3DPOINT), false});
        break;
      }
      case RTREAL:
        answers.push_back({numberAnswerText(va_arg(args, double)), false});
        break;
      case RTANG:
      case RTORINT:
        answers.push_back({numberAnswerText(va_arg(args, double) * kDegreesPerRadian), false});
        break;
      case RTSHORT:
      case RTLONG:
        answers.push_back({std::to_string(va_arg(args, int)), false});
        break;
      case RTENAME: {
        const std::int64_t* name = va_arg(args, const std::int64_t*);
        if (name == nullptr)
          return false;
        answers.push_back({entityText(name), false});
        break;
      }
      case RTPICKS: {
        const std::int64_t* set = va_arg(args, const std::int64_t*);
        if (set == nullptr || !appendSetMembers(set, answers))
          return false;
        break;
      }
      default:
        return false;
    }
    type = va_arg(args, int);
  }
  return true;
}

int commandFromArgs(int rtype, va_list args) {
  std::vector<HandedAnswer> answers;
  if (!answersOf(rtype, args, answers))
    return RTERROR;
  return runHandedCommands(std::move(answers));
}

}  // namespace
}  // namespace zek

int acedCmd(const resbuf* rbp) {
  std::vector<zek::HandedAnswer> answers;
  if (!zek::answersOf(rbp, answers))
    return RTERROR;
  return zek::runHandedCommands(std::move(answers));
}

int acedCmdS(const resbuf* rbp) { return acedCmd(rbp); }

int acedCommand(int rtype, ...) {
  va_list args;
  va_start(args, rtype);
  const int result = zek::commandFromArgs(rtype, args);
  va_end(args);
  return result;
}

int acedCommandS(int rtype, ...) {
  va_list args;
  va_start(args, rtype);
  const int result = zek::commandFromArgs(rtype, args);
  va_end(args);
  return result;
}
