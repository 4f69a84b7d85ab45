// The one loop behind every input call: show the prompt, read an answer
// line, take it as the prompt's kind of value or as a keyword, or refuse it
// with the host's message and ask again. Also the options acedInitGet left
// for the next call and the keyword acedGetInput hands out.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editor/prompts/answer_parsing.h"
#include "ge_geometry.h"

namespace zek {

class Document;

// The options of one input call (acedInitGet's, consumed by the call).
struct InputOptions {
  int flags = 0;
  KeywordList keywords;
};

// What the prompts keep per document.
struct PromptState {
  std::optional<InputOptions> pending;  // set by acedInitGet, taken by the next call
  std::string lastInput;                // the keyword or text of the last RTKWORD
  long cancels = 0;                     // prompts answered RTCAN so far
};

PromptState& promptState();
// The options for this call; acedInitGet's apply to one call only.
InputOptions takeInputOptions();

// What the loop reads.
enum class ValueKind { Point, Corner, Distance, Angle, Real, Integer, Keyword, String };

struct PromptRequest {
  ValueKind kind = ValueKind::Real;
  std::string_view prompt;
  InputOptions options;
  std::optional<AcGePoint3d> base;  // UCS: the rubber band's start, a distance's or angle's origin
  bool cronly = true;               // strings: blanks belong to the answer
};

// The value read: a point in the UCS, a number (distances, angles in radians,
// reals, integers) or a text (strings, keywords).
struct PromptValue {
  AcGePoint3d point;
  double number = 0.0;
  long long integer = 0;
  std::string text;
};

// Runs the prompt until an answer fits. Answers RTNORM (value filled), RTNONE
// (Enter), RTCAN (Esc or the end of the input) or RTKWORD (value.text holds
// the keyword, also kept for acedGetInput).
[[nodiscard]] int readPrompt(const PromptRequest& request, PromptValue& value);

// The current UCS point of the last point (the origin without a document).
AcGePoint3d lastPointUcs();
// Makes a UCS point the last point (LASTPOINT).
void setLastPointUcs(const AcGePoint3d& point);

// A point typed as an answer, placed in the current UCS (relative answers from
// the last point); nothing when the text is no point.
std::optional<AcGePoint3d> pointOf(std::string_view text);
// The refusal message for a number under acedInitGet flags (RSG_NOZERO,
// RSG_NONEG), or null when the number passes.
const char* refusalOf(double value, int flags);

// Copies text into a caller's buffer of size bytes: RTNORM, or
// RTINPUTTRUNCATED when it had to be cut (always NUL-terminated).
[[nodiscard]] int copyToBuffer(const std::string& text, char* buffer, std::size_t size);

}  // namespace zek
