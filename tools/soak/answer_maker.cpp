// Random answers for the soak run.
#include "answer_maker.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace zek::soak {

namespace {

std::string lowerCased(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool mentions(const std::string& lowerPrompt, std::initializer_list<const char*> words) {
  return std::any_of(words.begin(), words.end(), [&](const char* word) {
    return lowerPrompt.find(word) != std::string::npos;
  });
}

// A number as a drafter types it: a few decimals, no trailing zeros.
std::string plainNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string typed = text;
  while (typed.back() == '0')
    typed.pop_back();
  if (typed.back() == '.')
    typed.pop_back();
  return typed == "-0" ? "0" : typed;
}

// Numbers at the edges: what a careless or hostile answer holds.
const std::vector<std::string> kOddNumbers = {
    "0",     "-0",   "-1",    "-250.5", "1e300", "-1e300", "1e-300", "0.0000001",
    "1e9",   "360",  "-360",  "720",    "1e",    ".",      "--5",    "five",
    "1,5",   "12abc", "+7",   "5.",     ".5",    "32767",  "32768",  "-32769",
    "99999999999999999999"};

const std::vector<std::string> kCommonKeywords = {
    "Yes", "No", "All", "Exit", "X", "Undo", "U", "Close", "C", "Window", "Last", "Previous",
    "Remove", "Add", "Multiple", "Options", "Settings", "_Yes", "_No", "?"};

const std::vector<std::string> kSelectionWords = {"ALL", "W", "C", "L", "P", "R", "A", "",
                                                  "SI", "BOX", "AU", "F", "WP", "CP"};

const std::vector<std::string> kTexts = {
    "NOTE",         "M8",        "2-%%c8.5 THRU", "%%c20",       "\"my plate\"", "hole table",
    "\xE5\xAD\x94", "A B  C",    "(+ 1 2)",       "'ZOOM",       "*",            "~",
    "0",            "ZEK-LAYER", "abc;def",       "\\P",         "{\\fArial;x}", "\t"};

}  // namespace

std::vector<std::string> keywordsOfPrompt(std::string_view prompt) {
  std::vector<std::string> keywords;
  const std::size_t open = prompt.rfind('[');
  if (open == std::string_view::npos)
    return keywords;
  const std::size_t close = prompt.find(']', open);
  if (close == std::string_view::npos)
    return keywords;
  std::string_view list = prompt.substr(open + 1, close - open - 1);
  while (!list.empty()) {
    const std::size_t slash = list.find('/');
    std::string_view word = list.substr(0, slash);
    while (!word.empty() && word.front() == ' ')
      word.remove_prefix(1);
    while (!word.empty() && word.back() == ' ')
      word.remove_suffix(1);
    if (!word.empty())
      keywords.emplace_back(word);
    if (slash == std::string_view::npos)
      break;
    list.remove_prefix(slash + 1);
  }
  return keywords;
}

std::string abbreviationOf(std::string_view keyword) {
  std::string capitals;
  for (char c : keyword)
    if (std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)))
      capitals += c;
  return capitals.empty() ? std::string(keyword) : capitals;
}

PromptGuess guessPrompt(std::string_view prompt, bool dialogOpen) {
  if (dialogOpen || prompt.rfind("Dialog", 0) == 0)
    return PromptGuess::Dialog;
  const std::string lower = lowerCased(prompt);
  if (mentions(lower, {"select object", "select objects", "objects:", "select "}))
    return PromptGuess::Selection;
  if (mentions(lower, {"radius", "distance", "height", "diameter", "angle", "number", "value",
                       "gap", "offset", "width", "scale", "factor", "length", "integer"}))
    return PromptGuess::Number;
  if (mentions(lower, {"point", "corner", "center", "centre", "pick", "position", "base",
                       "location", "station"}))
    return PromptGuess::Point;
  if (mentions(lower, {"text", "name", "string", "layer", "file", "code", "label"}))
    return PromptGuess::Text;
  return PromptGuess::Unknown;
}

std::string AnswerMaker::coordinate(double low, double high) {
  return plainNumber(random_.between(low, high));
}

PlanePoint AnswerMaker::aroundPlate() {
  const double width = std::max(plate_.max.x - plate_.min.x, 1.0);
  const double height = std::max(plate_.max.y - plate_.min.y, 1.0);
  // A quarter of the plate around it: picks beside the outline miss it.
  return {random_.between(plate_.min.x - width / 4, plate_.max.x + width / 4),
          random_.between(plate_.min.y - height / 4, plate_.max.y + height / 4)};
}

std::string AnswerMaker::point() {
  switch (random_.below(10)) {
  case 0:
  case 1:
  case 2:
    if (!plate_.onEntities.empty()) {
      const PlanePoint& on = random_.pick(plate_.onEntities);
      return plainNumber(on.x) + "," + plainNumber(on.y);
    }
    [[fallthrough]];
  case 3:
  case 4: {
    const PlanePoint at = aroundPlate();
    return plainNumber(at.x) + "," + plainNumber(at.y);
  }
  case 5:
    return "@" + coordinate(-100, 100) + "," + coordinate(-100, 100);
  case 6:
    return "@" + coordinate(0, 150) + "<" + coordinate(-360, 360);
  case 7:
    return coordinate(0, 300) + "<" + coordinate(0, 360);
  case 8: {
    const PlanePoint at = aroundPlate();
    return plainNumber(at.x) + "," + plainNumber(at.y) + "," + coordinate(-10, 10);
  }
  default: {
    static const std::vector<std::string> odd = {"@",         "*0,0",    "0,0",  "1e300,1e300",
                                                 "-1e9,1e9",  "@0,0",    "@0<0", "1,",
                                                 ",1",        "1,2,3,4", "x,y",  "@1e-9,0"};
    return random_.pick(odd);
  }
  }
}

std::string AnswerMaker::number() {
  if (random_.chance(0.3))
    return random_.pick(kOddNumbers);
  if (random_.chance(0.2))
    return std::to_string(static_cast<int>(random_.below(20)));
  return plainNumber(random_.between(-5.0, 60.0));
}

std::string AnswerMaker::integer() {
  static const std::vector<std::string> integers = {"0", "1", "2", "3", "4", "5", "9", "13",
                                                    "-1", "100", "32767", "-32768", "32768"};
  return random_.pick(integers);
}

std::string AnswerMaker::keyword(std::string_view prompt) {
  const std::vector<std::string> offered = keywordsOfPrompt(prompt);
  if (offered.empty() || random_.chance(0.15))
    return random_.pick(kCommonKeywords);
  const std::string& chosen = random_.pick(offered);
  switch (random_.below(4)) {
  case 0:
    return abbreviationOf(chosen);
  case 1:
    return lowerCased(chosen);
  default:
    return chosen;
  }
}

std::string AnswerMaker::selectionWord() { return random_.pick(kSelectionWords); }

std::string AnswerMaker::text() {
  if (random_.chance(0.05))
    return std::string(300, 'W');  // longer than the classic 133-byte buffer
  return random_.pick(kTexts);
}

std::string AnswerMaker::dialogAnswer(const std::vector<std::string>& dialogIds) {
  std::vector<std::string> ids;
  for (const std::string& id : dialogIds)
    if (!id.empty() && std::isdigit(static_cast<unsigned char>(id.front())))
      ids.push_back(id);
  if (ids.empty() || random_.chance(0.1)) {
    static const std::vector<std::string> plain = {"", "^C", "click 1", "click 2", "ok",
                                                   "select 9999 0", "set"};
    return random_.pick(plain);
  }
  const std::string& id = random_.pick(ids);
  switch (random_.below(7)) {
  case 0:
    return "set " + id + " " + (random_.chance(0.5) ? number() : text());
  case 1:
    return "check " + id + " " + (random_.chance(0.5) ? "1" : "0");
  case 2:
    return "select " + id + " " + std::to_string(static_cast<int>(random_.below(6)) - 1);
  case 3:
    return "dblclick " + id + " " + std::to_string(random_.below(5));
  case 4:
    return "";
  default:
    return "click " + id;
  }
}

std::string AnswerMaker::answerFor(std::string_view prompt,
                                   const std::vector<std::string>& dialogIds, bool dialogOpen) {
  const PromptGuess guess = guessPrompt(prompt, dialogOpen);
  if (guess == PromptGuess::Dialog)
    return dialogAnswer(dialogIds);
  if (random_.chance(0.04))
    return "^C";
  if (random_.chance(0.08))
    return "";  // Enter
  if (random_.chance(0.03)) {
    const PlanePoint at = aroundPlate();  // a drag's cursor sample
    return "move " + plainNumber(at.x) + "," + plainNumber(at.y);
  }
  const bool hasKeywords = !keywordsOfPrompt(prompt).empty();
  if (hasKeywords && random_.chance(0.3))
    return keyword(prompt);
  // The guessed kind most of the time, any kind now and then: a prompt must
  // refuse what it does not take and ask again.
  PromptGuess kind = guess;
  if (kind == PromptGuess::Unknown || random_.chance(0.2))
    kind = static_cast<PromptGuess>(random_.below(4));
  switch (kind) {
  case PromptGuess::Point:
    return point();
  case PromptGuess::Selection:
    return random_.chance(0.5) ? selectionWord() : point();
  case PromptGuess::Number:
    return random_.chance(0.15) ? integer() : random_.chance(0.15) ? point() : number();
  case PromptGuess::Text:
    return random_.chance(0.7) ? text() : keyword(prompt);
  default:
    return keyword(prompt);
  }
}

std::string AnswerMaker::lispCall(std::string_view function) {
  std::string call = "(" + std::string(function);
  const std::size_t arguments = random_.below(6);
  for (std::size_t i = 0; i < arguments; ++i) {
    switch (random_.below(5)) {
    case 0:
      call += " " + integer();
      break;
    case 1:
      call += " " + plainNumber(random_.between(-20.0, 50.0));
      break;
    case 2:
      call += " \"" + std::string(random_.chance(0.5) ? "G1" : "x") + "\"";
      break;
    case 3:
      call += " '(" + coordinate(0, 400) + " " + coordinate(0, 300) + ")";
      break;
    default:
      call += " " + std::to_string(static_cast<int>(random_.below(60)));
      break;
    }
  }
  if (random_.chance(0.03))
    return call;  // an unclosed call: the reader's error
  return call + ")";
}

}  // namespace zek::soak
