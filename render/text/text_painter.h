// Painting texts: TEXT, ATTRIB, ATTDEF and MTEXT, through pango with the
// shipped CJK font. The glyphs fill the box the text model gives
// (zek/text_metrics.h): the run is scaled to the model's width and height
// and sheared and turned with the box, so pictures, extents and layout agree.
#pragma once

#include <cairo.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "zek/text_metrics.h"

class AcDbText;
class AcDbMText;

namespace zek::render {

// The sign %%C stands for: U+00D8 "Ø". The shipped font has no U+2300 "⌀"
// (a fallback font would draw it with another baseline and weight).
inline constexpr std::string_view kDiameterSign = "\u00D8";

// Below this many device pixels of height a text is a line along its
// baseline; below kTextInvisiblePixels it is not painted at all.
inline constexpr double kTextHairlinePixels = 1.5;
inline constexpr double kTextInvisiblePixels = 0.2;

// A stretch of printable text, in bytes: [begin, end).
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool operator==(const ByteRange&) const = default;
};

// The printable characters of a TEXT value and where %%U underlining and
// %%O overlining are on (adjacent stretches merged).
struct PrintableRun {
  std::string text;
  std::vector<ByteRange> underlined;
  std::vector<ByteRange> overlined;
};

// The printable characters of a TEXT value: %%C diameter, %%D degree,
// %%P plus-minus, %%nnn the character nnn, %%% a percent sign; %%U and %%O
// toggles vanish (printableRun reports where they are on). A "%%" before
// anything else stays two percent signs; a control character (%%009) is a
// space and a byte that is not UTF-8 is U+FFFD, so exactly as many
// characters come out as textAdvance counts.
std::string printableText(std::string_view raw);
PrintableRun printableRun(std::string_view raw);

// Paints one line of text (raw value, control codes included) into `box`,
// filled with the current source. The caller has set the cairo
// transformation from the text's coordinates to the device (world units as
// user space). Empty and blank text, a degenerate box and a box under
// kTextInvisiblePixels (or over a million pixels) high paint nothing; under
// kTextHairlinePixels a line along the baseline. The current path is
// cleared; matrix, line width, dashes and font stay as the caller set them.
void paintTextLine(cairo_t* cr, std::string_view raw, const TextBox& box);

// A TEXT, ATTRIB or ATTDEF (the definition shows its tag), in its own
// coordinates; an invisible attribute paints nothing.
void paintText(cairo_t* cr, const AcDbText& text);
// The entity's look and placement with `shown` in place of its value (its
// box measured for `shown`): a constant attribute definition inside a block
// shows its value, not its tag.
void paintTextAs(cairo_t* cr, const AcDbText& text, std::string_view shown);

// One plain line of an MTEXT and its line box.
struct MTextLineBox {
  std::string text;
  TextBox box;
};

// The lines of an MTEXT in their boxes: the box mtextBoxCorners gives,
// split from the top (the first baseline one height below it, each next one
// 5/3 × height × spacing factor lower), each line as wide as textAdvance
// measures it, placed left, centred or right by the attachment's column.
std::vector<MTextLineBox> mtextLineBoxes(const MTextBoxFields& mtext);

// An MTEXT: its plain lines (inline codes dropped), each in its line box.
void paintMText(cairo_t* cr, const AcDbMText& mtext);

}  // namespace zek::render
