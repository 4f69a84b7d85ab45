// Texts, attributes and MTEXT: placed by the text model's boxes, painted
// by the text painter; texts too small to read are a hairline along their
// baseline, drawn in the batch of strokes like any line.
#include <cmath>

#include "core/entity_drawer.h"
#include "db_text.h"
#include "text/text_painter.h"

namespace zek::render {

namespace {

double distance(const DevicePoint& a, const DevicePoint& b) {
  return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
}

// The box's corners on the picture and the box around them.
DeviceBox deviceCorners(const TextBox& box, const DeviceTransform& device, DevicePoint (&d)[4]) {
  for (int i = 0; i < 4; ++i)
    d[i] = device.point(box[i]);
  DeviceBox around = DeviceBox::around(d[0]);
  for (const DevicePoint& p : d)
    around.add(p);
  return around;
}

// Sets the cairo matrix so that user space is the entity's coordinates.
void useEntityCoordinates(cairo_t* cr, const DeviceTransform& device, double z) {
  cairo_matrix_t m;
  device.cairoEntries(z, m.xx, m.yx, m.xy, m.yy, m.x0, m.y0);
  cairo_set_matrix(cr, &m);
}

void setSource(cairo_t* cr, const Rgb& c) {
  cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

}  // namespace

TextBox textBoxOf(const AcDbText& text, const char* shown) {
  TextBoxFields fields = text.boxFields();
  fields.text = shown;
  return textBoxCorners(fields);
}

TextBox textBoxAlong(const AcGePoint3d& position, const AcGeVector3d& normal,
                     const AcGeVector3d& direction, double height, double widthFactor,
                     double oblique, const char* raw) {
  const AcGeVector3d n = normal.length() > 0.0 ? normal.normal() : AcGeVector3d::kZAxis;
  AcGeVector3d along = direction - n * direction.dotProduct(n);
  if (!(along.length() > 0.0)) {
    AcGeVector3d yAxis;
    AcGePoint3d origin;
    AcGeVector3d zAxis;
    AcGeMatrix3d::planeToWorld(n).getCoordSystem(origin, along, yAxis, zAxis);
  }
  along = along.normal();
  const AcGeVector3d up = n.crossProduct(along) * height;
  const AcGeVector3d lean = along * (height * std::tan(oblique));
  const double advance = textAdvance(raw, height, widthFactor > 0.0 ? widthFactor : 1.0);
  const AcGePoint3d end = position + along * advance;
  return TextBox{position, end, end + up + lean, position + up + lean};
}

EntityDrawer::TextFit EntityDrawer::fitText(const TextBox& box, const EntityLook& look,
                                            const DrawContext& context, Rgb& colour) {
  DevicePoint d[4];
  const DeviceBox around = deviceCorners(box, context.device, d);
  if (!canvas_.meetsPicture(around))
    return TextFit::Hidden;
  const double height = distance(d[0], d[3]);
  if (height < kTextInvisiblePixels)
    return TextFit::Hidden;
  StrokeStyle hairline = styles_.stroke(look, context.device.lengthScale());
  hairline.dashCount = 0;
  colour = hairline.colour;
  if (height >= kTextHairlinePixels)
    return TextFit::Paint;
  canvas_.useStroke(hairline);
  canvas_.moveTo(d[0]);
  canvas_.lineTo(d[1]);
  return TextFit::Hairline;
}

bool EntityDrawer::drawTextBox(const EntityLook& look, const DrawContext& context, const char* raw,
                               const TextBox& box) {
  if (raw == nullptr || *raw == '\0')
    return false;
  Rgb colour;
  const TextFit fit = fitText(box, look, context, colour);
  if (fit != TextFit::Paint)
    return fit == TextFit::Hairline;
  cairo_t* cr = canvas_.context();
  cairo_save(cr);
  useEntityCoordinates(cr, context.device, box[0].z);
  setSource(cr, colour);
  paintTextLine(cr, raw, box);
  cairo_restore(cr);
  return true;
}

bool EntityDrawer::drawText(const AcDbText& text, const EntityLook& look,
                            const DrawContext& context, const char* shownInstead) {
  const char* shown = text.textStringConst();
  if (auto* attribute = AcDbAttribute::cast(&text)) {
    if (attribute->isInvisible())
      return false;
  } else if (auto* definition = AcDbAttributeDefinition::cast(&text)) {
    shown = definition->tagConst();  // a definition shows its tag
  }
  if (shownInstead != nullptr)
    shown = shownInstead;
  if (shown == nullptr || *shown == '\0')
    return false;
  Rgb colour;
  const TextFit fit = fitText(textBoxOf(text, shown), look, context, colour);
  if (fit != TextFit::Paint)
    return fit == TextFit::Hairline;
  cairo_t* cr = canvas_.context();
  cairo_save(cr);
  useEntityCoordinates(cr, context.device, text.position().z);
  setSource(cr, colour);
  if (shownInstead != nullptr)
    paintTextAs(cr, text, shown);
  else
    paintText(cr, text);
  cairo_restore(cr);
  return true;
}

bool EntityDrawer::drawMText(const AcDbMText& mtext, const EntityLook& look,
                             const DrawContext& context) {
  const char* contents = mtext.contentsConst();
  if (contents == nullptr || *contents == '\0')
    return false;
  MTextBoxFields fields;
  fields.contents = contents;
  fields.location = mtext.location();
  fields.direction = mtext.direction();
  fields.normal = mtext.normal();
  fields.height = mtext.textHeight();
  fields.referenceWidth = mtext.width();
  fields.attachment = mtext.attachment();
  fields.lineSpacingFactor = mtext.lineSpacingFactor();
  const TextBox box = mtextBoxCorners(fields);
  DevicePoint d[4];
  const DeviceBox around = deviceCorners(box, context.device, d);
  if (!canvas_.meetsPicture(around))
    return false;
  const double lineHeight = fields.height * context.device.lengthScale();
  if (lineHeight < kTextInvisiblePixels)
    return false;
  StrokeStyle hairline = styles_.stroke(look, context.device.lengthScale());
  hairline.dashCount = 0;
  if (lineHeight < kTextHairlinePixels) {
    // A hairline along each line's baseline, as wide as the line.
    canvas_.useStroke(hairline);
    for (const MTextLineBox& line : mtextLineBoxes(fields)) {
      if (line.text.find_first_not_of(' ') == std::string::npos)
        continue;
      canvas_.moveTo(context.device.point(line.box[0]));
      canvas_.lineTo(context.device.point(line.box[1]));
    }
    return true;
  }
  cairo_t* cr = canvas_.context();
  cairo_save(cr);
  useEntityCoordinates(cr, context.device, box[0].z);
  setSource(cr, hairline.colour);
  paintMText(cr, mtext);
  cairo_restore(cr);
  return true;
}

}  // namespace zek::render
