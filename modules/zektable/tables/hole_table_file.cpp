// Reading zektable.dat: the hole types of "[HOLE_TYPE]", the note records of
// "[HOLE_NOTES]" and the size classes of "[SP_DIAMETER]", three sections in
// this order, each looked for within 2000 words of where the one before
// ended and read for at most 2000 words.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aced_output.h"
#include "deffiles/definition_file.h"
#include "tables/hole_tables.h"
#include "tables/table_text.h"

namespace zek::table {
namespace {

// Every section is searched for, and read, within this many words.
constexpr int kSectionWords = 2000;
// "[HOLE_NOTES]" words: a keyword of seven characters and its value.
constexpr std::size_t kNoteKeywordLength = 7;

int holeTypeNumber(std::string_view word) {
  if (word == "BORE")
    return kBore;
  if (word == "BLIND")
    return kBlind;
  if (word == "WEC")
    return kWireCut;
  if (word == "CUT")
    return kCut;
  if (word == "SCREW")
    return kScrew;
  if (word == "SINK")
    return kSink;
  return kBore;  // any other word
}

// Where a section's reading stopped: at a word that begins with "[" (the
// next search starts with it), or with the words used up or the text ended.
struct SectionEnd {
  std::optional<std::string_view> bracketWord;
  bool textEnded = false;
};

// Looks for header from the word that ended the section before (when there
// was one) on, at most kSectionWords words in all.
bool findNextSection(TokenReader& reader, const SectionEnd& before, std::string_view header) {
  if (before.bracketWord) {
    if (*before.bracketWord == header)
      return true;
    return findSection(reader, header, kSectionWords - 1);
  }
  return !before.textEnded && findSection(reader, header, kSectionWords);
}

// "[HOLE_TYPE]": code and type word in pairs; a code keeps its first type.
SectionEnd readHoleTypes(TokenReader& reader, HoleTypeTable& types) {
  SectionEnd end;
  std::optional<std::string_view> code;
  for (int words = 0; words < kSectionWords; ++words) {
    const std::optional<std::string_view> word = reader.nextToken();
    if (!word) {
      end.textEnded = true;
      return end;
    }
    if (beginsSection(*word)) {
      end.bracketWord = word;
      return end;
    }
    if (!code) {
      code = word;
      continue;
    }
    types.emplace(std::string(firstCharacters(*code, kCodeCharacters)), holeTypeNumber(*word));
    code.reset();
  }
  return end;  // a code left without its word at the limit is dropped
}

// The record "[HOLE_NOTES]" is building and the fields later records inherit.
class NoteReading {
public:
  explicit NoteReading(HoleNoteTable& notes) : notes_(notes) {}

  void take(std::string_view word) {
    if (word.size() <= kNoteKeywordLength)
      return;
    const std::string_view keyword = word.substr(0, kNoteKeywordLength);
    const std::string_view value = word.substr(kNoteKeywordLength);
    if (keyword == "CODEIS=")
      beginRecord(value);
    else if (keyword == "LAYER==")
      layer_ = std::string(value);
    else if (keyword == "DIAMET=")
      diameter100_ = diameterKey(scanReal(value).value_or(0.0));
    else if (keyword == "PROMPT=")
      takePrompt(value);
    else if (keyword.starts_with("CASE"))
      takeCase(keyword[4], keyword[5], value);
  }

  // The record still open when the section ends.
  void finish() {
    if (code_)
      notes_.emplace(HoleNoteKey{*code_, layer_, diameter100_}, record_);
    code_.reset();
  }

private:
  void beginRecord(std::string_view code) {
    finish();
    code_ = std::string(firstCharacters(code, kCodeCharacters));
    record_ = HoleNoteRecord{};
    promptCounter_ = 0;
  }

  // The first prompt at 0 (and again at 2), the second at 1 and beyond:
  // the word after a first prompt's cases starts its second stage.
  void takePrompt(std::string_view value) {
    const std::string text = value == "NOTHING" ? std::string() : noteText(value);
    if (promptCounter_ == 0 || promptCounter_ == 2) {
      record_.firstPrompt = text;
      promptCounter_ = 1;
    } else {
      record_.secondPrompt = text;
      ++promptCounter_;
    }
  }

  void takeCase(char n, char m, std::string_view value) {
    if (n < '1' || n > '4')
      return;
    const std::size_t slot = static_cast<std::size_t>(n - '1');
    if (promptCounter_ == 1) {
      record_.firstCases[slot] = noteText(value);
      if (m == '1')
        record_.secondStage[slot] = true;
    } else {
      record_.secondCases[slot] = noteText(value);
    }
  }

  static std::string noteText(std::string_view value) {
    return std::string(firstCharacters(value, kNoteTextCharacters));
  }

  HoleNoteTable& notes_;
  std::optional<std::string> code_;  // a record is open
  std::string layer_ = kFirstNoteLayer;
  int diameter100_ = 0;
  HoleNoteRecord record_;
  int promptCounter_ = 0;
};

SectionEnd readHoleNotes(TokenReader& reader, HoleNoteTable& notes) {
  SectionEnd end;
  NoteReading reading(notes);
  for (int words = 0; words < kSectionWords; ++words) {
    const std::optional<std::string_view> word = reader.nextToken();
    if (!word) {
      end.textEnded = true;
      break;
    }
    if (beginsSection(*word)) {
      end.bracketWord = word;
      break;
    }
    reading.take(*word);
  }
  reading.finish();
  return end;
}

// "[SP_DIAMETER]": a limit and a name, to the end of the text; lists that
// end unequal are both emptied.
void readSpDiameters(TokenReader& reader, SpDiameterTable& sp) {
  for (int words = 0; words < kSectionWords; ++words) {
    const std::optional<std::string_view> word = reader.nextToken();
    if (!word)
      break;
    if (words % 2 == 0)
      sp.limits.push_back(scanReal(*word).value_or(0.0));  // atof: no number reads 0
    else
      sp.names.emplace_back(*word);
  }
  if (sp.limits.size() != sp.names.size()) {
    sp.limits.clear();
    sp.names.clear();
    acutPrintf("\nSp Diameter is not definded");
  }
}

}  // namespace

void readHoleTableText(std::string_view text, HoleTables& tables) {
  TokenReader reader(text);
  if (!findSection(reader, kHoleTypeHeader, kSectionWords))
    return;
  const SectionEnd typesEnd = readHoleTypes(reader, tables.types);
  SectionEnd notesEnd = typesEnd;
  if (findNextSection(reader, typesEnd, kHoleNotesHeader))
    notesEnd = readHoleNotes(reader, tables.notes);
  else
    notesEnd = SectionEnd{std::nullopt, reader.atEnd()};
  if (findNextSection(reader, notesEnd, kSpDiameterHeader))
    readSpDiameters(reader, tables.sp);
}

}  // namespace zek::table
