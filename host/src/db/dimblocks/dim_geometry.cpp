// The steps every dimension kind shares: sizes after DIMSCALE, arrow heads,
// the text's contents and measure, readable angles.
#include "db/dimblocks/dim_geometry.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>

#include "zek/text_metrics.h"

namespace zek {

namespace {

std::string upper(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool isOneOf(std::string_view name, std::initializer_list<const char*> names) {
  std::string key = upper(name);
  for (const char* n : names)
    if (key == n)
      return true;
  return false;
}

// Strokes the dimension line runs on through, by DIMDLE.
bool isTickArrow(std::string_view name) {
  return isOneOf(name, {"_ARCHTICK", "_OBLIQUE", "_INTEGRAL", "_NONE"});
}

}  // namespace

DimSizes dimSizesOf(const DimVars& vars) {
  DimSizes s;
  s.scale = vars.dimscale > 0.0 ? vars.dimscale : 1.0;
  s.arrow = vars.dimasz * s.scale;
  s.tick = vars.dimtsz * s.scale;
  s.exo = vars.dimexo * s.scale;
  s.exe = vars.dimexe * s.scale;
  s.text = vars.dimtxt * s.scale;
  s.gap = std::fabs(vars.dimgap) * s.scale;
  s.dle = vars.dimdle * s.scale;
  s.boxedText = vars.dimgap < 0.0;
  return s;
}

std::string arrowBlockFor(const DimVars& vars, int which) {
  if (vars.dimsah != 0)
    return which == 1 ? vars.dimblk1 : vars.dimblk2;
  return vars.dimblk;
}

bool isClosedFilledArrow(std::string_view name) {
  return name.empty() || isOneOf(name, {"_CLOSEDFILLED", "CLOSEDFILLED"});
}

bool lineRunsThroughArrow(std::string_view name, const DimSizes& sizes) {
  if (sizes.tick > 0.0)
    return true;
  return isTickArrow(name) ||
         isOneOf(name, {"_DOT", "_DOTSMALL", "_DOTBLANK", "_SMALL", "_ORIGIN", "_ORIGIN2"});
}

double addArrowHead(DimGeometry& geometry, const DimSizes& sizes, const std::string& block,
                    const AcGePoint2d& tip, const AcGeVector2d& pointing, int colour) {
  AcGeVector2d across = pointing.perpVector();
  if (sizes.tick > 0.0) {
    // An oblique stroke through the tip, leaning 45° forwards.
    AcGeVector2d half = (pointing + across) * (sizes.tick / 2.0);
    addLine(geometry, DimLine{tip - half, tip + half, colour});
    return -sizes.dle;
  }
  if (isClosedFilledArrow(block)) {
    AcGePoint2d base = tip - pointing * sizes.arrow;
    AcGeVector2d half = across * (sizes.arrow / 6.0);
    geometry.solids.push_back(DimSolid{{base + half, base - half, tip, tip}, colour});
    return sizes.arrow;
  }
  geometry.arrows.push_back(DimArrowBlock{block, tip, pointing.angle(), sizes.arrow, colour});
  if (isTickArrow(block))
    return -sizes.dle;
  return lineRunsThroughArrow(block, sizes) ? 0.0 : sizes.arrow;
}

std::string dimTextContents(std::string_view shown, const DimVars&) {
  if (shown.starts_with("\\A1;"))
    return std::string(shown);
  return "\\A1;" + std::string(shown);
}

double dimTextWidth(std::string_view contents, double height) {
  double widest = 0.0;
  for (const std::string& line : mtextLines(contents))
    widest = std::max(widest, textAdvance(line, height, 1.0));
  return widest;
}

double dimTextBoxHeight(std::string_view contents, double height) {
  std::size_t lines = mtextLines(contents).size();
  return height + static_cast<double>(lines > 0 ? lines - 1 : 0) * kMTextLinePitch * height;
}

DimText makeDimText(std::string_view shown, const DimVars& vars, const DimSizes& sizes,
                    const AcGePoint2d& position, double rotation) {
  DimText text;
  text.contents = dimTextContents(shown, vars);
  text.position = position;
  text.height = sizes.text;
  text.rotation = rotation;
  text.width = dimTextWidth(text.contents, sizes.text);
  text.boxHeight = dimTextBoxHeight(text.contents, sizes.text);
  text.colour = vars.dimclrt;
  return text;
}

double textReach(const DimText& text, double lineAngle, double gap) {
  double c = std::fabs(std::cos(text.rotation - lineAngle));
  double s = std::fabs(std::sin(text.rotation - lineAngle));
  double reach = std::numeric_limits<double>::infinity();
  if (c > 1e-12)
    reach = (text.width / 2.0 + gap) / c;
  if (s > 1e-12)
    reach = std::min(reach, (text.boxHeight / 2.0 + gap) / s);
  return reach;
}

double readableAngle(double angle) {
  constexpr double kPi = std::numbers::pi;
  constexpr double kEps = 1e-9;
  double a = std::remainder(angle, 2.0 * kPi);  // (-pi, pi]
  if (a > kPi / 2.0 + kEps)
    a -= kPi;
  else if (a <= -kPi / 2.0 + kEps)
    a += kPi;
  return a;
}

AcGeVector2d textUp(double rotation) { return {-std::sin(rotation), std::cos(rotation)}; }

int textSide(const DimVars& vars) {
  if (vars.dimtad == 0)
    return 0;
  return vars.dimtad == 4 ? -1 : 1;
}

void addTextBox(DimGeometry& geometry, const DimText& text, double gap) {
  AcGeVector2d along(std::cos(text.rotation), std::sin(text.rotation));
  AcGeVector2d up = textUp(text.rotation);
  AcGeVector2d a = along * (text.width / 2.0 + gap);
  AcGeVector2d u = up * (text.boxHeight / 2.0 + gap);
  AcGePoint2d corners[4] = {text.position - a - u, text.position + a - u, text.position + a + u,
                            text.position - a + u};
  for (int i = 0; i < 4; ++i)
    addLine(geometry, DimLine{corners[i], corners[(i + 1) % 4], text.colour, true, true});
}

void addLine(DimGeometry& geometry, const DimLine& line) {
  if (line.start.distanceTo(line.end) <= 1e-12 * (1.0 + line.start.asVector().length()))
    return;
  geometry.lines.push_back(line);
}

}  // namespace zek
