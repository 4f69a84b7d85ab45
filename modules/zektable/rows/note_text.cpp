// The machining note of a hole-table row: the note record of the label's
// code, layer and diameter, the questions the record asks, and its case
// templates expanded with the answers.
#include "rows/row_texts.h"

#include "aced_input.h"
#include "aced_output.h"
#include "deffiles/utf8_chars.h"
#include "rows/row_rules.h"

namespace zek::table {

namespace {

constexpr const char* kNoNote = "#####";
constexpr const char* kNoAnswer = "___";
constexpr const char* kDepthPrompt = "\nDepth value:";
constexpr std::size_t kMaxNoteChars = 49;
// Room for any answer a drafter types for a note (its expansion keeps 49
// characters); a longer line answers as a cancel.
constexpr std::size_t kAnswerBytes = 512;

// The bytes of the unit of text that starts at i: a "%%" control code with
// its letter (three characters kept together, so that a cut never leaves a
// lone "%%"), else one UTF-8 character.
std::size_t unitBytes(std::string_view text, std::size_t i, std::size_t& chars) {
  if (text.compare(i, 2, "%%") == 0 && i + 2 < text.size()) {
    chars = 3;
    return 2 + utf8CharBytes(static_cast<unsigned char>(text[i + 2]));
  }
  chars = 1;
  return utf8CharBytes(static_cast<unsigned char>(text[i]));
}

// The longest head of text of at most max characters that ends between
// whole characters and outside a control code.
std::string capped(std::string_view text, std::size_t max) {
  std::size_t end = 0;
  std::size_t count = 0;
  while (end < text.size()) {
    std::size_t chars = 1;
    const std::size_t bytes = unitBytes(text, end, chars);
    if (count + chars > max || end + bytes > text.size())
      break;
    end += bytes;
    count += chars;
  }
  return std::string(text.substr(0, end));
}

// Asks each question of one row, bringing the label into view before the first.
class RowQuestions {
public:
  explicit RowQuestions(const NotePrompts& prompts) : prompts_(prompts) {}

  void showLabel() {
    if (shown_)
      return;
    shown_ = true;
    if (prompts_.showLabel)
      prompts_.showLabel();
  }

  std::optional<std::string> ask(const std::string& prompt) {
    showLabel();
    if (!prompts_.ask)
      return std::nullopt;
    return prompts_.ask(prompt);
  }

private:
  const NotePrompts& prompts_;
  bool shown_ = false;
};

// The case of a prompt: 1 or 2 after an answer, 3 or 4 without one; the odd
// case when the row is drawn continuous. Index into the record's arrays.
std::size_t caseIndex(bool answered, bool continuous) {
  return (answered ? 0 : 2) + (continuous ? 0 : 1);
}

}  // namespace

const HoleNoteRecord* findNoteRecord(const HoleNoteTable& notes, std::string_view code,
                                     std::string_view layerName, double diameter) {
  const int key = diameterKey(diameter);
  const HoleNoteKey keys[] = {
      {std::string(code), std::string(layerName), key},
      {std::string(code), std::string(layerName), 0},
      {std::string(code), kAnyLayer, key},
      {std::string(code), kAnyLayer, 0},
  };
  for (const HoleNoteKey& k : keys) {
    const auto found = notes.find(k);
    if (found != notes.end())
      return &found->second;
  }
  return nullptr;
}

std::string expandTemplate(std::string_view caseText, std::string_view answer, double diameter) {
  std::string text;
  for (std::size_t i = 0; i < caseText.size(); ++i) {
    const char c = caseText[i];
    if (c == '@') {
      text += ' ';
    } else if (c != '#' || i + 1 == caseText.size()) {
      text += c;
    } else if (caseText[i + 1] == 'S') {
      text += answer;
      ++i;
    } else if (caseText[i + 1] == 'F') {
      text += "%%C" + decimalText(diameter, 1);
      ++i;
    } else {
      // "#" and the character after it stay as they are, that character whole.
      const std::size_t bytes = utf8CharBytes(static_cast<unsigned char>(caseText[i + 1]));
      text += caseText.substr(i, 1 + bytes);
      i += bytes;
    }
  }
  return capped(text, kMaxNoteChars);
}

std::string noteTextWith(const HoleTables& tables, const RowSource& row,
                         const DiameterTexts& texts, const NotePrompts& prompts) {
  const HoleNoteRecord* record =
      findNoteRecord(tables.notes, labelCode(row.labelText), row.layerName, texts.diameter);
  if (record == nullptr)
    return kNoNote;

  RowQuestions questions(prompts);
  std::size_t chosen = 0;
  std::string answer;
  if (!record->firstPrompt.empty()) {
    questions.showLabel();
    acutPrintf("\n");
    const std::optional<std::string> typed = questions.ask(record->firstPrompt);
    if (!typed)
      return kNoNote;  // the row's depth request goes with it
    chosen = caseIndex(!typed->empty(), texts.continuous);
    answer = typed->empty() ? kNoAnswer : *typed;
  } else if (texts.depthRequest) {
    const std::optional<std::string> typed = questions.ask(kDepthPrompt);
    if (!typed)
      return kNoNote;
    chosen = caseIndex(true, texts.continuous);
    answer = typed->empty() ? "#" : *typed;
  } else {
    chosen = caseIndex(false, texts.continuous);
    answer = kNoAnswer;
  }
  std::string note = expandTemplate(record->firstCases[chosen], answer, texts.diameter);
  if (!record->secondStage[chosen])
    return note;

  if (record->secondPrompt.empty())
    return note + expandTemplate(record->secondCases[caseIndex(false, texts.continuous)],
                                 kNoAnswer, texts.diameter);
  const std::optional<std::string> typed = questions.ask(record->secondPrompt);
  if (!typed)
    return note + kNoNote;
  const bool answered = !typed->empty();
  return note + expandTemplate(record->secondCases[caseIndex(answered, texts.continuous)],
                               answered ? *typed : kNoAnswer, texts.diameter);
}

std::optional<std::string> askHostString(const std::string& prompt) {
  char answer[kAnswerBytes] = {};
  if (acedGetString(1, prompt.c_str(), answer, sizeof answer) != RTNORM)
    return std::nullopt;
  return std::string(answer);
}

}  // namespace zek::table
