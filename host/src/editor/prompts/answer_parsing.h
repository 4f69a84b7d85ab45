// Reading answer text as the prompts take it: numbers, integers, points
// (absolute, relative to the last point, polar, world-forced), angles and
// keyword lists with their abbreviations. Plain functions with no document:
// the prompts, the selection modes and the commands share them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ge_geometry.h"

namespace zek {

// The text without blanks and tabs at either end.
std::string_view trimmedAnswer(std::string_view text);

// A real number as typed: an optional sign, digits with an optional decimal
// point ("12", "-3.5", ".5", "5."), an optional exponent ("1e3", "2.5E-2").
// Nothing for anything else (blanks around the number are allowed).
std::optional<double> parseRealAnswer(std::string_view text);

// An integer as typed ("12", "-7", "+3"); a real with a fraction, or a number
// beyond the 32-bit range, is no integer.
std::optional<long long> parseIntegerAnswer(std::string_view text);

// A point as typed, before it is placed:
//   "x,y" "x,y,z"          absolute, in the current UCS (z missing: 0)
//   "@dx,dy" "@dx,dy,dz"   relative to the last point; "@" alone is the last point
//   "d<a" "@d<a"           polar: distance d at angle a (degrees, from the X axis)
//   "*x,y[,z]"             absolute in world coordinates
struct TypedPoint {
  AcGePoint3d value;      // the coordinates or offsets as typed
  bool relative = false;  // "@": value is an offset from the last point
  bool world = false;     // "*": value is a world point
  bool hasZ = false;      // the text gave a z
};
std::optional<TypedPoint> parsePointAnswer(std::string_view text);

// The typed point placed in the UCS: relative answers are added to
// lastPointUcs, world answers taken through worldToUcs.
AcGePoint3d placeTypedPoint(const TypedPoint& typed, const AcGePoint3d& lastPointUcs,
                            const AcGeMatrix3d& worldToUcs);

// An angle as typed at an angle prompt: a number of degrees, counter-clockwise
// from the X axis; answers radians.
std::optional<double> parseAngleAnswer(std::string_view text);

// The keyword list of acedInitGet: keywords separated by blanks, each with the
// abbreviation its capital letters give ("Arc Radius": "A" and "R" are enough,
// "LType": "LT"), or written "LTYPE,LT" (keyword, comma, abbreviation). A "_"
// starts the language-neutral (global) names, one for each local keyword in
// order: "Yes No _Yes No". A typed answer matches a keyword when it is at
// least the abbreviation and at most the whole keyword (any case); a typed
// "_NAME" matches the global names only.
class KeywordList {
public:
  KeywordList() = default;
  explicit KeywordList(std::string_view list);

  bool empty() const { return keywords_.empty(); }
  std::size_t size() const { return keywords_.size(); }

  // The keyword the answer names: its index, or nothing.
  std::optional<std::size_t> match(std::string_view answer) const;
  // The keyword as the list writes it (local form) and its global name (the
  // local one when the list gives no global names).
  const std::string& localName(std::size_t index) const { return keywords_[index].local.text; }
  const std::string& globalName(std::size_t index) const { return keywords_[index].global.text; }

private:
  struct Name {
    std::string text;          // "LType"
    std::string abbreviation;  // "LT" (upper case)
    std::size_t needed = 0;    // how much of text a typed prefix must hold
  };
  struct Keyword {
    Name local;
    Name global;  // the local name when the list gives no global names
  };
  static Name makeName(std::string_view word);
  static bool matchesName(std::string_view answer, const Name& name);
  std::vector<Keyword> keywords_;
};

// Compares ASCII text without regard to case.
bool equalsNoCase(std::string_view a, std::string_view b);
// The text in upper case (ASCII letters only).
std::string upperCased(std::string_view text);
// Splits at runs of blanks (nothing for blank text).
std::vector<std::string> splitWords(std::string_view text);

// Shortest decimal text of a number that reads back the same ("10", "0.1",
// "-2.5"): how answers handed over by acedCommand are written.
std::string numberAnswerText(double value);

}  // namespace zek
