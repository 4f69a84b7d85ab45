// The display geometry of dimensions and leaders as plain values — lines,
// arrow heads (solids, ticks, references to arrow blocks), the text as
// MTEXT, the definition points — in the plane of the dimension (its OCS),
// and the steps every kind shares: sizes after DIMSCALE, arrow heads, the
// text's contents and box, readable text angles.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ge_geometry.h"
#include "zek/dim_vars.h"

namespace zek {

// A line. An end that sits at the edge of the text (the line runs on under
// the text, or stops a gap short of it) depends on the text's width, which
// the text metrics model only estimates; the flags say which ends do.
struct DimLine {
  AcGePoint2d start;
  AcGePoint2d end;
  int colour = 0;  // ACI; 0 BYBLOCK
  bool startAtText = false;
  bool endAtText = false;
  bool isExtension = false;  // extension line (DIMCLRE, DIMLWE) or dimension line
};

// A filled arrow head (SOLID): base corners first, then the tip twice.
struct DimSolid {
  std::array<AcGePoint2d, 4> corners;
  int colour = 0;
};

// An arrow head drawn as a reference to an arrow block: the tip at the
// position, pointing along the rotation, scaled to the arrow size.
struct DimArrowBlock {
  std::string name;
  AcGePoint2d position;
  double rotation = 0.0;
  double scale = 1.0;
  int colour = 0;
};

// The text, an MTEXT attached at its middle centre.
struct DimText {
  std::string contents;
  AcGePoint2d position;
  double height = 0.0;
  double rotation = 0.0;
  double width = 0.0;   // of its widest line, by the text metrics model
  double boxHeight = 0.0;
  int colour = 0;
};

struct DimGeometry {
  std::vector<DimLine> lines;
  std::vector<DimSolid> solids;
  std::vector<DimArrowBlock> arrows;
  std::optional<DimText> text;
  // What the dimension files as its text position (group 11): the text's
  // middle, or where a leader meets the text (DIMTMOVE 1).
  AcGePoint2d textAnchor;
  std::vector<AcGePoint2d> definitionPoints;
};

// The sizes of a dimension's variables after DIMSCALE (0 counts as 1).
struct DimSizes {
  double scale = 1.0;
  double arrow = 0.0;     // DIMASZ
  double tick = 0.0;      // DIMTSZ: oblique strokes instead of arrows when > 0
  double exo = 0.0;       // DIMEXO
  double exe = 0.0;       // DIMEXE
  double text = 0.0;      // DIMTXT
  double gap = 0.0;       // |DIMGAP|
  double dle = 0.0;       // DIMDLE
  bool boxedText = false; // DIMGAP < 0: a box round the text
};
[[nodiscard]] DimSizes dimSizesOf(const DimVars& vars);

// The arrow block name for one end: DIMBLK1/DIMBLK2 when DIMSAH is on, else
// DIMBLK ("" is the closed filled arrow). `which` is 1 or 2.
[[nodiscard]] std::string arrowBlockFor(const DimVars& vars, int which);
// True for names that draw the closed filled arrow as a solid.
[[nodiscard]] bool isClosedFilledArrow(std::string_view name);
// True for arrow heads the dimension line runs through (ticks, dots and
// origin marks); the line stops at the base of every other arrow head.
[[nodiscard]] bool lineRunsThroughArrow(std::string_view name, const DimSizes& sizes);

// Adds the arrow head with its tip at `tip`, pointing along `pointing` (a
// unit vector): DIMTSZ ticks, the closed filled solid, or a reference to
// the arrow block. Answers how far short of the tip the dimension line
// stops (negative: how far it runs on past the tip, DIMDLE for ticks).
double addArrowHead(DimGeometry& geometry, const DimSizes& sizes, const std::string& block,
                    const AcGePoint2d& tip, const AcGeVector2d& pointing, int colour);

// The MTEXT contents of a shown text: "\A1;" first, so that the text's line
// runs through the middle of its characters, as current CAD hosts write it
// whatever DIMTAD says.
[[nodiscard]] std::string dimTextContents(std::string_view shown, const DimVars& vars);
// The text of a dimension at `position` with `rotation`, measured.
[[nodiscard]] DimText makeDimText(std::string_view shown, const DimVars& vars,
                                  const DimSizes& sizes, const AcGePoint2d& position,
                                  double rotation);
// How far from the text's middle a line through it at `lineAngle` leaves
// the text's box grown by `gap` on every side.
[[nodiscard]] double textReach(const DimText& text, double lineAngle, double gap);
// Width of the widest line and height of the box of MTEXT contents.
[[nodiscard]] double dimTextWidth(std::string_view contents, double height);
[[nodiscard]] double dimTextBoxHeight(std::string_view contents, double height);

// The angle turned by half a turn when text along it would read from right
// to left or downwards: the result lies in (-90°, 90°].
[[nodiscard]] double readableAngle(double angle);
// The text's "up" direction for a text rotation.
[[nodiscard]] AcGeVector2d textUp(double rotation);
// Which side of its line the text sits on: 0 centred (DIMTAD 0), +1 on its
// up side (DIMTAD 1, 2, 3), -1 below (DIMTAD 4).
[[nodiscard]] int textSide(const DimVars& vars);

// The four lines of the box round a text (DIMGAP negative), a gap clear of it.
void addTextBox(DimGeometry& geometry, const DimText& text, double gap);
// A line, unless it has no length.
void addLine(DimGeometry& geometry, const DimLine& line);

}  // namespace zek
