// Radius and diameter geometry. The one arrow head sits at the chord
// point on the text's side of the circle: inside pointing out for text
// inside (DIMTIX, or placed there), outside pointing in for text outside.
// The text hangs on the line from the head: along the radius when it runs
// along the radius, else over a knee and a landing of one arrow size
// (horizontal text, DIMTIH/DIMTOH). Text outside also gets the radius drawn
// inside (DIMTOFL) and a centre mark (DIMCEN).
#include "db/dimblocks/radial_geometry.h"

#include <algorithm>
#include <cmath>

namespace zek {

namespace {

struct RadialFrame {
  AcGePoint2d center;
  AcGeVector2d u;  // unit, from the centre to the chord point
  double radius = 0.0;
};

RadialFrame frameOf(const RadialInput& in) {
  RadialFrame f;
  f.center = in.farChordPoint ? in.chordPoint + (*in.farChordPoint - in.chordPoint) / 2.0
                              : in.center;
  AcGeVector2d out = in.chordPoint - f.center;
  f.radius = out.length();
  f.u = f.radius > 1e-12 ? out / f.radius : AcGeVector2d(1.0, 0.0);
  return f;
}

bool alongRadius(const DimText& text, const RadialFrame& f) {
  return std::fabs(std::sin(text.rotation - f.u.angle())) < 1e-9;
}

AcGePoint2d defaultPosition(const RadialInput& in, const RadialFrame& f, const DimText& text,
                            bool inside, const DimSizes& s, const DimVars& vars) {
  int side = textSide(vars);
  AcGeVector2d lift = textUp(text.rotation) * (side * (s.gap + text.boxHeight / 2.0));
  if (inside) {
    AcGePoint2d middle = in.farChordPoint ? f.center : f.center + f.u * (f.radius / 2.0);
    return alongRadius(text, f) ? middle + lift : middle;
  }
  double lead = std::max(in.leaderLength, 2.0 * s.arrow);
  if (alongRadius(text, f))
    return in.chordPoint + f.u * (lead + s.gap + text.width / 2.0) + lift;
  AcGeVector2d dir(std::cos(text.rotation), std::sin(text.rotation));
  double towards = f.u.dotProduct(dir) >= 0.0 ? 1.0 : -1.0;
  return in.chordPoint + f.u * lead + dir * (towards * (s.arrow + s.gap + text.width / 2.0)) + lift;
}

// The arrow head at the chord point, on the text's side of the circle and
// pointing across it; with the text outside, DIMTOFL draws the radius (the
// diameter) inside, and without it DIMCEN marks the centre.
AcGePoint2d addHead(DimGeometry& g, const RadialInput& in, const RadialFrame& f, bool inside,
                    const DimSizes& s, const DimVars& vars) {
  int colour = vars.dimclrd;
  AcGeVector2d pointing = inside ? f.u : -f.u;
  double trim = addArrowHead(g, s, arrowBlockFor(vars, 2), in.chordPoint, pointing, colour);
  if (!inside) {
    if (vars.dimtofl != 0)
      addLine(g, DimLine{in.farChordPoint ? *in.farChordPoint : f.center, in.chordPoint, colour});
    double mark = std::fabs(vars.dimcen) * s.scale;
    if (mark > 0.0 && vars.dimtofl == 0) {
      addLine(g, DimLine{f.center - AcGeVector2d(mark, 0.0), f.center + AcGeVector2d(mark, 0.0), colour});
      addLine(g, DimLine{f.center - AcGeVector2d(0.0, mark), f.center + AcGeVector2d(0.0, mark), colour});
    }
  }
  return in.chordPoint - pointing * std::max(trim, 0.0);
}

// The line from the head to the text: along the radius to the text's far
// end (or a gap short of text sitting on it), or, for text that does not
// run along the radius, to a knee and a landing of one arrow size before it.
void addLeader(DimGeometry& g, const RadialInput& in, const RadialFrame& f, const DimText& text,
               const AcGePoint2d& base, const DimSizes& s, const DimVars& vars) {
  int colour = vars.dimclrd;
  int side = textSide(vars);
  AcGeVector2d lift = textUp(text.rotation) * (side * (s.gap + text.boxHeight / 2.0));
  if (alongRadius(text, f)) {
    double at = (text.position - in.chordPoint).dotProduct(f.u);
    double sign = at < 0.0 ? -1.0 : 1.0;
    bool onLine = std::fabs((text.position - in.chordPoint).dotProduct(f.u.perpVector())) <
                  text.boxHeight / 2.0;
    double end = onLine ? at - sign * (text.width / 2.0 + s.gap) : at + sign * text.width / 2.0;
    addLine(g, DimLine{base, in.chordPoint + f.u * end, colour, false, true});
    return;
  }
  AcGeVector2d dir(std::cos(text.rotation), std::sin(text.rotation));
  double towards = (text.position - in.chordPoint).dotProduct(dir) >= 0.0 ? 1.0 : -1.0;
  AcGePoint2d level = text.position - lift;  // the text's middle at the landing's height
  AcGePoint2d landingEnd = level - dir * (towards * (text.width / 2.0 + s.gap));
  AcGePoint2d knee = landingEnd - dir * (towards * s.arrow);
  AcGePoint2d reach = side != 0 ? level + dir * (towards * text.width / 2.0) : landingEnd;
  addLine(g, DimLine{base, knee, colour, false, true});
  addLine(g, DimLine{knee, reach, colour, true, true});
}

}  // namespace

DimGeometry radialGeometry(const RadialInput& input, const DimVars& vars, std::string_view shown) {
  DimSizes s = dimSizesOf(vars);
  RadialFrame f = frameOf(input);
  bool inside = input.userText ? input.userText->distanceTo(f.center) < f.radius
                               : vars.dimtix != 0;
  double rotation = input.textRotation;
  if (rotation == 0.0)
    rotation = (inside ? vars.dimtih : vars.dimtoh) != 0 ? 0.0 : readableAngle(f.u.angle());
  DimGeometry g;
  DimText text = makeDimText(shown, vars, s, input.chordPoint, rotation);
  text.position = input.userText ? *input.userText
                                 : defaultPosition(input, f, text, inside, s, vars);
  g.textAnchor = text.position;
  // A user's position on the radius itself is where the line meets the
  // text: text beside the line (DIMTAD) stands off it from there.
  int side = textSide(vars);
  if (input.userText && side != 0 && alongRadius(text, f) &&
      std::fabs((text.position - f.center).dotProduct(f.u.perpVector())) < text.boxHeight / 2.0)
    text.position = text.position + textUp(text.rotation) * (side * (s.gap + text.boxHeight / 2.0));
  AcGePoint2d base = addHead(g, input, f, inside, s, vars);
  addLeader(g, input, f, text, base, s, vars);
  if (s.boxedText)
    addTextBox(g, text, s.gap);
  g.text = std::move(text);
  g.definitionPoints = {input.chordPoint, input.farChordPoint ? *input.farChordPoint : input.center};
  return g;
}

}  // namespace zek
