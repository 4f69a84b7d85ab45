// The text metrics model: character advances, and the boxes of TEXT and
// MTEXT placed by alignment, mirroring, oblique and rotation.
#include "zek/text_metrics.h"

#include <algorithm>
#include <cmath>

#include "db/annotations/utf8.h"

namespace zek {

namespace {

// East Asian Wide (W) and Fullwidth (F) ranges, sorted.
struct CodeRange {
  char32_t first;
  char32_t last;
};
constexpr CodeRange kWideRanges[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},
    {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4},
    {0x17000, 0x18AFF}, {0x1B000, 0x1B2FF}, {0x1F004, 0x1F004}, {0x1F0CF, 0x1F0CF},
    {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F251}, {0x1F300, 0x1F64F},
    {0x1F680, 0x1F6FF}, {0x1F7E0, 0x1F7EB}, {0x1F90C, 0x1F9FF}, {0x1FA70, 0x1FAFF},
    {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number of characters of a %% code at `at` (text[at] == text[at+1] == '%')
// and how many bytes it spans; a lone "%%" is not a code (answers false).
bool controlCode(std::string_view text, std::size_t at, int& characters, std::size_t& bytes) {
  if (at + 2 >= text.size())
    return false;
  char code = text[at + 2];
  switch (code) {
    case 'c': case 'C': case 'd': case 'D': case 'p': case 'P': case '%':
      characters = 1;
      bytes = 3;
      return true;
    case 'u': case 'U': case 'o': case 'O':
      characters = 0;
      bytes = 3;
      return true;
    default:
      break;
  }
  if (at + 4 < text.size() && isDigit(code) && isDigit(text[at + 3]) && isDigit(text[at + 4])) {
    characters = 1;
    bytes = 5;
    return true;
  }
  return false;
}

// The text plane's X and Y axes and the point of origin mapping for a box
// corner given in the text's own frame (x along the text, y up).
struct TextFrame {
  AcGeMatrix3d toWorld;
  AcGePoint3d anchor;  // OCS
  double cosR = 1.0;
  double sinR = 0.0;

  AcGePoint3d place(double x, double y) const {
    AcGePoint3d ocs(anchor.x + x * cosR - y * sinR, anchor.y + x * sinR + y * cosR, anchor.z);
    return toWorld * ocs;
  }
};

}  // namespace

bool isWideCharacter(char32_t c) {
  if (c < kWideRanges[0].first)
    return false;
  auto it = std::upper_bound(std::begin(kWideRanges), std::end(kWideRanges), c,
                             [](char32_t value, const CodeRange& r) { return value < r.first; });
  if (it == std::begin(kWideRanges))
    return false;
  --it;
  return c <= it->last;
}

double textAdvance(std::string_view utf8, double height, double widthFactor) {
  double units = 0.0;
  std::size_t i = 0;
  while (i < utf8.size()) {
    if (utf8[i] == '%' && i + 1 < utf8.size() && utf8[i + 1] == '%') {
      int characters = 0;
      std::size_t bytes = 0;
      if (controlCode(utf8, i, characters, bytes)) {
        units += characters * kNarrowAdvance;
        i += bytes;
        continue;
      }
    }
    Utf8Char ch = decodeUtf8(utf8, i);
    units += isWideCharacter(ch.code) ? kWideAdvance : kNarrowAdvance;
    i += ch.length;
  }
  return units * height * widthFactor;
}

TextBox textBoxCorners(const TextBoxFields& t) {
  double h = t.height;
  double w = textAdvance(t.text, h, t.widthFactor);
  double rotation = t.rotation;
  double dx = 0.0, dy = 0.0;
  AcGePoint3d anchor = t.position;

  bool fitted = t.horizontalMode == AcDb::kTextAlign || t.horizontalMode == AcDb::kTextFit;
  if (fitted) {
    AcGeVector2d span(t.alignmentPoint.x - t.position.x, t.alignmentPoint.y - t.position.y);
    if (span.length() > 0.0) {
      w = span.length();
      rotation = std::atan2(span.y, span.x);
    }
  } else {
    bool insertionGoverns =
        t.horizontalMode == AcDb::kTextLeft && t.verticalMode == AcDb::kTextBase;
    if (!insertionGoverns)
      anchor = t.alignmentPoint;
    switch (t.horizontalMode) {
      case AcDb::kTextCenter: case AcDb::kTextMid: dx = -w / 2.0; break;
      case AcDb::kTextRight: dx = -w; break;
      default: break;
    }
    if (t.horizontalMode == AcDb::kTextMid)
      dy = -h / 2.0;
    else if (t.verticalMode == AcDb::kTextVertMid)
      dy = -h / 2.0;
    else if (t.verticalMode == AcDb::kTextTop)
      dy = -h;
  }

  double slant = h * std::tan(t.oblique);
  // Aligned and Fit text spans its two points whichever way it reads.
  double sx = t.mirroredInX && !fitted ? -1.0 : 1.0;
  double sy = t.mirroredInY ? -1.0 : 1.0;
  TextFrame frame{AcGeMatrix3d::planeToWorld(t.normal), anchor, std::cos(rotation),
                  std::sin(rotation)};
  auto corner = [&](double x, double y) { return frame.place(sx * (dx + x), sy * (dy + y)); };
  return {corner(0.0, 0.0), corner(w, 0.0), corner(w + slant, h), corner(slant, h)};
}

TextBox mtextBoxCorners(const MTextBoxFields& m) {
  std::vector<std::string> lines = mtextLines(m.contents);
  double h = m.height;
  double w = m.referenceWidth;
  if (!(w > 0.0)) {
    w = 0.0;
    for (const std::string& line : lines)
      w = std::max(w, textAdvance(line, h, 1.0));
  }
  double boxHeight = h + double(lines.size() - 1) * kMTextLinePitch * h * m.lineSpacingFactor;

  AcGeVector3d normal = m.normal.isZeroLength() ? AcGeVector3d::kZAxis : m.normal.normal();
  AcGeVector3d xAxis = m.direction - normal * m.direction.dotProduct(normal);
  if (xAxis.isZeroLength())
    xAxis = AcGeMatrix3d::planeToWorld(normal) * AcGeVector3d::kXAxis;
  xAxis.normalize();
  AcGeVector3d yAxis = normal.crossProduct(xAxis);

  int attachment = (m.attachment >= 1 && m.attachment <= 9) ? m.attachment : 1;
  int column = (attachment - 1) % 3;  // 0 left, 1 centre, 2 right
  int row = (attachment - 1) / 3;     // 0 top, 1 middle, 2 bottom
  double left = -w * column / 2.0;
  double bottom = row == 0 ? -boxHeight : row == 1 ? -boxHeight / 2.0 : 0.0;
  auto corner = [&](double x, double y) { return m.location + xAxis * x + yAxis * y; };
  return {corner(left, bottom), corner(left + w, bottom), corner(left + w, bottom + boxHeight),
          corner(left, bottom + boxHeight)};
}

}  // namespace zek
