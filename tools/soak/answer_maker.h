// Random answers from the input grammar of the host's prompts, made for the
// prompt that waits: points in and around the plate (absolute, relative,
// polar, on its entities), numbers (zero, negative, huge, tiny, not numbers),
// the prompt's own keywords, Enter, selection words and windows, texts,
// dialog answers and Esc. No host calls: the plate comes in as plain data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "soak_random.h"

namespace zek::soak {

struct PlanePoint {
  double x = 0.0;
  double y = 0.0;
};

// What the answers aim at: the plate's extents and points on its entities
// (centres, end points, points on circles), where picks find something.
struct PlateTargets {
  PlanePoint min{0.0, 0.0};
  PlanePoint max{100.0, 100.0};
  std::vector<PlanePoint> onEntities;
};

// The keywords a prompt offers in brackets: "Specify next point or [Undo/eXit]: "
// gives Undo and eXit; nothing when the prompt has no bracketed list.
std::vector<std::string> keywordsOfPrompt(std::string_view prompt);
// The capitals of a keyword, the shortest answer it takes ("LType" → "LT");
// the whole word when it has none.
std::string abbreviationOf(std::string_view keyword);

// What a prompt most likely reads, guessed from its words.
enum class PromptGuess { Point, Selection, Number, Text, Dialog, Unknown };
PromptGuess guessPrompt(std::string_view prompt, bool dialogOpen);

class AnswerMaker {
public:
  AnswerMaker(SoakRandom& random, PlateTargets plate) : random_(random), plate_(std::move(plate)) {}

  // One answer line for the prompt. dialogIds: the ids of the open dialog's
  // controls that take answers (empty when no dialog is open).
  std::string answerFor(std::string_view prompt, const std::vector<std::string>& dialogIds,
                        bool dialogOpen);
  // An AutoLISP call of a module's function with random literal arguments.
  std::string lispCall(std::string_view function);

  // The answer families, one each (public for the tests).
  std::string point();
  std::string number();
  std::string integer();
  std::string keyword(std::string_view prompt);
  std::string selectionWord();
  std::string text();
  std::string dialogAnswer(const std::vector<std::string>& dialogIds);

private:
  std::string coordinate(double low, double high);
  PlanePoint aroundPlate();

  SoakRandom& random_;
  PlateTargets plate_;
};

}  // namespace zek::soak
