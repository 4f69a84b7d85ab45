// Linear dimension geometry: where the extension lines meet the dimension
// line, what fits between them (DIMATFIT, DIMTIX, DIMSOXD, DIMTOFL), where
// the text goes (DIMTAD, DIMJUST, DIMTIH/DIMTOH, a user's position), and
// the dimension line with its arrows, broken round centred text or run on
// to text outside.
#include "db/dimblocks/linear_geometry.h"

#include <algorithm>
#include <cmath>

namespace zek {

namespace {

// The dimension's frame: the extension lines' feet on the dimension line,
// the direction from the first to the second, and the extension direction.
struct LinearFrame {
  AcGePoint2d p1, p2;
  AcGeVector2d v;   // unit, from p1 to p2
  AcGeVector2d u;   // unit, along the rotation
  double length = 0.0;
  AcGeVector2d ext;  // the extension lines' direction (unit)
};

LinearFrame frameOf(const LinearInput& in) {
  LinearFrame f;
  f.u = AcGeVector2d(std::cos(in.rotation), std::sin(in.rotation));
  AcGeVector2d n = f.u.perpVector();
  f.ext = n;
  if (in.oblique != 0.0) {
    AcGeVector2d slanted(std::cos(in.oblique), std::sin(in.oblique));
    if (std::fabs(slanted.dotProduct(n)) > 1e-6)
      f.ext = slanted;
  }
  auto foot = [&](const AcGePoint2d& x) {
    return x + f.ext * ((in.dimLinePoint - x).dotProduct(n) / f.ext.dotProduct(n));
  };
  f.p1 = foot(in.xLine1);
  f.p2 = foot(in.xLine2);
  AcGeVector2d span = f.p2 - f.p1;
  f.length = span.length();
  f.v = f.length > 1e-12 ? span / f.length : f.u;
  return f;
}

// What goes between the extension lines.
struct Fit {
  bool textInside = true;
  bool arrowsInside = true;
};

// Room the arrow heads need inside: two heads and a line of one head's
// length between them; ticks need none.
double arrowRoom(const DimSizes& sizes, const DimVars& vars) {
  if (sizes.tick > 0.0)
    return 0.0;
  if (lineRunsThroughArrow(arrowBlockFor(vars, 1), sizes) &&
      lineRunsThroughArrow(arrowBlockFor(vars, 2), sizes))
    return 0.0;
  return 3.0 * sizes.arrow;
}

// `textRoom`: the text's run along the line with a gap at each end.
Fit fitOf(double length, double textRoom, const DimSizes& sizes, const DimVars& vars) {
  double arrows = arrowRoom(sizes, vars);
  bool textFits = textRoom <= length;
  bool arrowsFit = arrows <= length;
  bool bothFit = textRoom + (arrows > 0.0 ? 2.0 * sizes.arrow : 0.0) <= length;
  Fit fit;
  if (!bothFit) {
    switch (vars.dimatfit) {
      case 0: fit = {false, false}; break;
      case 1: fit = {textFits, false}; break;
      case 2: fit = {false, arrowsFit}; break;
      default:
        fit = textFits ? Fit{true, false} : arrowsFit ? Fit{false, true} : Fit{false, false};
        break;
    }
  }
  if (vars.dimtix != 0)
    fit.textInside = true;
  return fit;
}

// How far the text's box reaches along the line, end to end.
double textRun(const DimText& text, double lineAngle) {
  double delta = text.rotation - lineAngle;
  return std::fabs(text.width * std::cos(delta)) + std::fabs(text.boxHeight * std::sin(delta));
}

// A text moved off the line with DIMTMOVE 1 hangs on a leader from the
// middle of the dimension line: square to the line up to the text's height,
// then one arrow size along it to a gap short of the text. The text's
// filed position is where the leader meets it (the gap before its start).
struct TextLeader {
  AcGePoint2d anchor;  // group 11
  AcGePoint2d middle;  // the text's middle
};

TextLeader hangOnLeader(DimGeometry& g, const LinearFrame& f, const DimText& text,
                        const std::optional<AcGePoint2d>& anchor, const DimSizes& sizes,
                        const DimVars& vars) {
  AcGePoint2d middle = f.p1 + f.v * (f.length / 2.0);
  AcGeVector2d across = f.v.perpVector();
  if (textUp(text.rotation).dotProduct(across) < 0.0)
    across = -across;
  // By default the text goes the way it reads, its leader two text heights
  // high.
  AcGeVector2d reading(std::cos(text.rotation), std::sin(text.rotation));
  AcGePoint2d at = anchor ? *anchor
                          : middle + reading * (sizes.arrow + sizes.gap) + across * (2.0 * sizes.text);
  AcGePoint2d knee = middle + across * (at - middle).dotProduct(across);
  AcGeVector2d along = (at - knee).dotProduct(f.v) < 0.0 ? -f.v : f.v;
  int side = textSide(vars);
  AcGePoint2d end = side != 0 ? at + along * text.width : at - along * sizes.gap;
  addLine(g, DimLine{middle, knee, vars.dimclrd});
  addLine(g, DimLine{knee, end, vars.dimclrd, false, side != 0});
  AcGePoint2d centre = at + along * (text.width / 2.0);
  if (side != 0)
    centre = centre + textUp(text.rotation) * (side * (sizes.gap + text.boxHeight / 2.0));
  return {at, centre};
}

bool isParallel(double rotation, double lineAngle) {
  return std::fabs(std::sin(rotation - lineAngle)) < 1e-9;
}

// The text's side for DIMTAD: "up" of the text, turned away from the
// defining points for DIMTAD 2.
AcGeVector2d upSide(const LinearInput& in, const LinearFrame& f, const DimText& text,
                    const DimVars& vars) {
  AcGeVector2d up = textUp(text.rotation);
  if (vars.dimtad == 2) {
    AcGeVector2d away = (f.p1 - in.xLine1) + (f.p2 - in.xLine2);
    if (away.dotProduct(up) < 0.0)
      up = -up;
  }
  return up;
}

// The default place of the text's middle.
AcGePoint2d defaultTextPosition(const LinearInput& in, const LinearFrame& f, const DimText& text,
                                const Fit& fit, const DimSizes& sizes, const DimVars& vars) {
  double run = textRun(text, f.u.angle());
  AcGePoint2d middle = f.p1 + f.v * (f.length / 2.0);
  if (!fit.textInside)
    middle = f.p2 + f.v * (2.0 * sizes.arrow + sizes.gap + run / 2.0);
  else if (vars.dimjust == 1 || vars.dimjust == 3)
    middle = f.p1 + f.v * (2.0 * sizes.arrow + sizes.gap + run / 2.0);
  else if (vars.dimjust == 2 || vars.dimjust == 4)
    middle = f.p2 - f.v * (2.0 * sizes.arrow + sizes.gap + run / 2.0);
  int side = textSide(vars);
  if (side == 0 || !isParallel(text.rotation, f.u.angle()))
    return middle;
  return middle + upSide(in, f, text, vars) * (side * (sizes.gap + text.boxHeight / 2.0));
}

// A run of the dimension line between two places along it (measured from
// p1 towards p2), broken where the text sits on it.
struct Span {
  double from, to;
  bool fromAtText = false, toAtText = false;
};

void addSpan(DimGeometry& g, const LinearFrame& f, Span span, const std::optional<Span>& hole,
             int colour) {
  auto point = [&](double at) { return f.p1 + f.v * at; };
  if (span.from > span.to)
    std::swap(span.from, span.to), std::swap(span.fromAtText, span.toAtText);
  if (hole && hole->from < span.to && hole->to > span.from) {
    if (hole->from > span.from)
      addLine(g, DimLine{point(span.from), point(hole->from), colour, span.fromAtText, true});
    if (hole->to < span.to)
      addLine(g, DimLine{point(hole->to), point(span.to), colour, true, span.toAtText});
    return;
  }
  addLine(g, DimLine{point(span.from), point(span.to), colour, span.fromAtText, span.toAtText});
}

void addExtensionLines(DimGeometry& g, const LinearInput& in, const LinearFrame& f,
                       const DimSizes& sizes, const DimVars& vars) {
  const AcGePoint2d* features[2] = {&in.xLine1, &in.xLine2};
  const AcGePoint2d* feet[2] = {&f.p1, &f.p2};
  for (int i = 0; i < 2; ++i) {
    if ((i == 0 ? vars.dimse1 : vars.dimse2) != 0)
      continue;
    AcGeVector2d out = *feet[i] - *features[i];
    AcGeVector2d dir = out.length() > 1e-12 ? out / out.length() : f.ext;
    addLine(g, DimLine{*features[i] + dir * sizes.exo, *feet[i] + dir * sizes.exe, vars.dimclre,
                       false, false, true});
  }
}

bool isOnLine(const LinearFrame& f, const DimText& text) {
  double off = (text.position - f.p1).dotProduct(f.v.perpVector());
  return std::fabs(off) < text.boxHeight / 2.0;
}

// The dimension line and its arrows round the text's place; `reachText`:
// the line runs on to text beyond the feet.
void addDimensionLine(DimGeometry& g, const LinearFrame& f, const DimText& text, const Fit& fit,
                      bool reachText, bool hasLeader, const DimSizes& sizes,
                      const DimVars& vars) {
  int colour = vars.dimclrd;
  double run = textRun(text, f.u.angle());
  double at = (text.position - f.p1).dotProduct(f.v);
  bool onLine = isOnLine(f, text);
  double reach = textReach(text, f.v.angle(), sizes.gap);
  std::optional<Span> hole;
  if (onLine)
    hole = Span{at - reach, at + reach, true, true};

  bool arrowsShown = fit.arrowsInside || vars.dimsoxd == 0;
  double trim1 = 0.0, trim2 = 0.0;
  double sign = fit.arrowsInside ? 1.0 : -1.0;
  if (arrowsShown && vars.dimsd1 == 0)
    trim1 = addArrowHead(g, sizes, arrowBlockFor(vars, 1), f.p1, -f.v * sign, colour);
  if (arrowsShown && vars.dimsd2 == 0)
    trim2 = addArrowHead(g, sizes, arrowBlockFor(vars, 2), f.p2, f.v * sign, colour);

  double from = 0.0, to = f.length;
  if (fit.arrowsInside) {
    from = trim1;
    to = f.length - trim2;
  } else if (arrowsShown) {
    // Outside the heads the line runs on two arrow sizes past each foot.
    addSpan(g, f, Span{-std::max(trim1, 0.0), -2.0 * sizes.arrow}, hole, colour);
    addSpan(g, f, Span{f.length + std::max(trim2, 0.0), f.length + 2.0 * sizes.arrow}, hole,
            colour);
    from = std::min(from, -2.0 * sizes.arrow);
    to = std::max(to, f.length + 2.0 * sizes.arrow);
  }
  double mid = f.length / 2.0;
  // The line between the feet: with the text or the heads there, with
  // DIMTOFL, and under a text leader, which starts from its middle.
  bool inner = fit.textInside || vars.dimtofl != 0 || fit.arrowsInside || hasLeader;
  if (inner) {
    double a = vars.dimsd1 != 0 ? mid : (fit.arrowsInside ? from : 0.0);
    double b = vars.dimsd2 != 0 ? mid : (fit.arrowsInside ? to : f.length);
    addSpan(g, f, Span{a, b}, hole, colour);
  }
  // Text beyond a foot: the line runs on to it, under it to its far edge,
  // or to a gap short of it when the text sits on the line.
  if (!reachText)
    return;
  if (at > f.length) {
    double start = std::max(to, f.length);
    double end = onLine ? at - reach : at + run / 2.0;
    if (end > start)
      addSpan(g, f, Span{start, end, false, true}, std::nullopt, colour);
  } else if (at < 0.0) {
    double start = std::min(from, 0.0);
    double end = onLine ? at + reach : at - run / 2.0;
    if (end < start)
      addSpan(g, f, Span{end, start, true, false}, std::nullopt, colour);
  }
}

double textRotationFor(const LinearInput& in, const LinearFrame& f, bool inside,
                       const DimVars& vars) {
  if (in.textRotation != 0.0)
    return in.textRotation;
  if ((inside ? vars.dimtih : vars.dimtoh) != 0)
    return 0.0;
  return readableAngle(f.u.angle());
}

}  // namespace

DimGeometry linearGeometry(const LinearInput& input, const DimVars& vars, std::string_view shown) {
  DimSizes sizes = dimSizesOf(vars);
  LinearFrame f = frameOf(input);
  DimGeometry g;
  DimText text = makeDimText(shown, vars, sizes, f.p1, textRotationFor(input, f, true, vars));
  Fit fit = fitOf(f.length, 2.0 * textReach(text, f.u.angle(), sizes.gap), sizes, vars);
  if (input.userText) {
    double at = (*input.userText - f.p1).dotProduct(f.v);
    fit.textInside = at >= 0.0 && at <= f.length;
    text.position = *input.userText;
  }
  text.rotation = textRotationFor(input, f, fit.textInside, vars);
  bool leader = vars.dimtmove == 1 && (input.userText ? !isOnLine(f, text) : !fit.textInside);
  if (leader) {
    TextLeader hung = hangOnLeader(g, f, text, input.userText, sizes, vars);
    text.position = hung.middle;
    g.textAnchor = hung.anchor;
  } else {
    if (!input.userText)
      text.position = defaultTextPosition(input, f, text, fit, sizes, vars);
    g.textAnchor = text.position;
  }
  addExtensionLines(g, input, f, sizes, vars);
  addDimensionLine(g, f, text, fit, vars.dimtmove == 0, leader, sizes, vars);
  if (sizes.boxedText)
    addTextBox(g, text, sizes.gap);
  g.text = std::move(text);
  g.definitionPoints = {input.xLine1, input.xLine2, input.dimLinePoint};
  return g;
}

AcGePoint2d linearDimLinePointForText(const LinearInput& input, const AcGePoint2d& text,
                                      const DimVars& vars, std::string_view shown) {
  DimSizes sizes = dimSizesOf(vars);
  LinearFrame f = frameOf(input);
  DimText placed = makeDimText(shown, vars, sizes, text, textRotationFor(input, f, true, vars));
  AcGePoint2d onLine = text;
  int side = textSide(vars);
  if (side != 0 && isParallel(placed.rotation, f.u.angle()))
    onLine = text - upSide(input, f, placed, vars) * (side * (sizes.gap + placed.boxHeight / 2.0));
  // The line's point moved along the extension lines onto the new line.
  AcGeVector2d n = f.u.perpVector();
  return input.dimLinePoint +
         f.ext * ((onLine - input.dimLinePoint).dotProduct(n) / f.ext.dotProduct(n));
}

}  // namespace zek
