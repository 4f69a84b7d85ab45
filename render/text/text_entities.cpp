// The text entities painted: TEXT, ATTRIB and ATTDEF through their box
// fields, MTEXT line by line inside its box.
#include "text_painter.h"

#include "db_text.h"

namespace zek::render {

void paintTextAs(cairo_t* cr, const AcDbText& text, std::string_view shown) {
  TextBoxFields fields = text.boxFields();
  fields.text = shown;
  paintTextLine(cr, shown, textBoxCorners(fields));
}

void paintText(cairo_t* cr, const AcDbText& text) {
  if (auto* attribute = AcDbAttribute::cast(&text)) {
    if (!attribute->isInvisible())
      paintTextAs(cr, text, text.textStringConst());
    return;
  }
  if (auto* definition = AcDbAttributeDefinition::cast(&text)) {
    paintTextAs(cr, text, definition->tagConst());
    return;
  }
  paintTextAs(cr, text, text.textStringConst());
}

std::vector<MTextLineBox> mtextLineBoxes(const MTextBoxFields& mtext) {
  std::vector<MTextLineBox> placed;
  TextBox box = mtextBoxCorners(mtext);
  AcGeVector3d along = box[1] - box[0];
  AcGeVector3d up = box[3] - box[0];
  double boxWidth = along.length();
  double boxHeight = up.length();
  double height = mtext.height;
  if (!(boxWidth > 0.0) || !(boxHeight > 0.0) || !(height > 0.0))
    return placed;  // no line has a width, or no height: nothing shows
  along /= boxWidth;
  up /= boxHeight;

  int attachment = (mtext.attachment >= 1 && mtext.attachment <= 9) ? mtext.attachment : 1;
  int column = (attachment - 1) % 3;  // 0 left, 1 centre, 2 right
  double pitch = kMTextLinePitch * height * mtext.lineSpacingFactor;
  std::vector<std::string> lines = mtextLines(mtext.contents);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    double width = textAdvance(lines[i], height, 1.0);
    double x = (boxWidth - width) * column / 2.0;
    double baseline = boxHeight - height - double(i) * pitch;
    AcGePoint3d start = box[0] + along * x + up * baseline;
    AcGePoint3d end = start + along * width;
    placed.push_back({std::move(lines[i]), {start, end, end + up * height, start + up * height}});
  }
  return placed;
}

void paintMText(cairo_t* cr, const AcDbMText& mtext) {
  MTextBoxFields fields;
  fields.contents = mtext.contentsConst();
  fields.location = mtext.location();
  fields.direction = mtext.direction();
  fields.normal = mtext.normal();
  fields.height = mtext.textHeight();
  fields.referenceWidth = mtext.width();
  fields.attachment = int(mtext.attachment());
  fields.lineSpacingFactor = mtext.lineSpacingFactor();
  for (const MTextLineBox& line : mtextLineBoxes(fields))
    paintTextLine(cr, line.text, line.box);
}

}  // namespace zek::render
