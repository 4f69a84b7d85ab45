// The text metrics model: the one measure of TEXT and MTEXT boxes that
// extents, layout and rendering share. Each character advances 0.8 × height
// × width factor, a wide (East Asian Wide or Fullwidth) character 1.0 ×; the
// box runs from the baseline up to the height (no descent); alignment,
// mirroring, oblique and rotation then place it. MTEXT lines lie 5/3 ×
// height apart (times the line spacing factor); the box is as wide as its
// longest line, or as its reference width when that is not zero (words are
// not wrapped at the reference width).
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "db_core.h"
#include "ge_geometry.h"

namespace zek {

// Advance of a narrow and of a wide character, per unit of height.
constexpr double kNarrowAdvance = 0.8;
constexpr double kWideAdvance = 1.0;
// Baseline-to-baseline distance of MTEXT lines, per unit of height.
constexpr double kMTextLinePitch = 5.0 / 3.0;

// True for characters of the East Asian Wide and Fullwidth classes (CJK
// ideographs, kana, hangul, fullwidth forms, ideographic punctuation).
[[nodiscard]] bool isWideCharacter(char32_t c);

// The width of a single line of TEXT: the sum of the advances of its
// characters. Control codes: %%C, %%D, %%P and %%nnn count as one character,
// %%% as one "%", %%U and %%O (underline and overline toggles) as none;
// a "%%" before anything else is two percent signs. Bytes that are not
// valid UTF-8 count as one narrow character each.
[[nodiscard]] double textAdvance(std::string_view utf8, double height, double widthFactor);

// The corners of a text's box: [0] where the baseline starts, [1] where it
// ends, [2] above the end, [3] above the start, as the unmirrored text
// reads them; world coordinates.
using TextBox = std::array<AcGePoint3d, 4>;

// The fields of a TEXT (or ATTRIB, ATTDEF) that place its box.
struct TextBoxFields {
  std::string_view text;
  AcGePoint3d position;        // group 10, in the text's plane (OCS)
  AcGePoint3d alignmentPoint;  // group 11, in the OCS
  double height = 0.0;
  double widthFactor = 1.0;
  double rotation = 0.0;  // radians
  double oblique = 0.0;   // radians from the vertical, positive leaning right
  AcDb::TextHorzMode horizontalMode = AcDb::kTextLeft;
  AcDb::TextVertMode verticalMode = AcDb::kTextBase;
  bool mirroredInX = false;  // backwards: the text runs to the left of its anchor
  bool mirroredInY = false;  // upside down: the box hangs below the baseline
  AcGeVector3d normal = AcGeVector3d::kZAxis;
};

// The box of a TEXT. Left/Base text is anchored at the position, every
// other alignment at the alignment point (Center, Right: the baseline's
// middle or end; Middle/Top vertical modes: half or all of the height below
// the anchor; Bottom sits on the baseline, the model having no descent;
// Mid: the box's centre). Aligned and Fit run from the position to the
// alignment point at the stored height (the rotation then follows the two
// points; coincident points fall back to the text's own width and rotation).
[[nodiscard]] TextBox textBoxCorners(const TextBoxFields& text);

// The fields of an MTEXT that place its box.
struct MTextBoxFields {
  std::string_view contents;  // with inline codes
  AcGePoint3d location;       // world coordinates (group 10)
  AcGeVector3d direction = AcGeVector3d::kXAxis;  // world X axis of the text (11)
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double height = 0.0;
  double referenceWidth = 0.0;  // group 41; 0: as wide as the longest line
  int attachment = 1;           // 1 top left ... 9 bottom right
  double lineSpacingFactor = 1.0;
};

// The box of an MTEXT: as high as its first line's height plus one pitch
// for every further line, placed so that its attachment point (1..9: top,
// middle, bottom rows of left, centre, right) lies at the location. A zero
// direction or one along the normal reads as the X axis of the plane.
[[nodiscard]] TextBox mtextBoxCorners(const MTextBoxFields& mtext);

// MTEXT contents as plain text: \P (and \X, \N, a caret-J and a line feed)
// become '\n', \~ a space, \\ \{ \} their characters; braces, font, height,
// colour, alignment, width, oblique, tracking and paragraph codes (\f \H \C
// \A \W \Q \T \p ... up to their ';') and the toggles \L \l \O \o \K \k
// vanish; a stack \Sa^b; (also a/b, a#b) becomes its wider part.
[[nodiscard]] std::string mtextPlainText(std::string_view contents);

// The plain lines of MTEXT contents (at least one, possibly empty).
[[nodiscard]] std::vector<std::string> mtextLines(std::string_view contents);

}  // namespace zek
