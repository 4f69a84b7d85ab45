// A document's picture onto a cairo context: the window, the background,
// model space in drawing order, then the temporary graphics on top.
#pragma once

#include <cairo.h>

#include "core/entity_style.h"
#include "core/picture_frame.h"
#include "render.h"

class AcDbDatabase;

namespace zek::render {

// The box of what model space shows: visible entities on layers that are
// neither off nor frozen (a reference on an off layer counts, its block
// may hold entities of other layers). Invalid for a drawing that shows nothing.
AcDbExtents shownExtents(const AcDbDatabase& db, EntityStyles& styles);

// The window of the options: the one given, the current view, or the
// shown extents with their margin (the default window when empty).
WorldWindow pictureWindow(const Document& document, const RenderOptions& options,
                          EntityStyles& styles);

// The thinnest line of a format, in pixels: a whole pixel in PNG, where
// thinner lines fade, half a point in the vector formats.
double minimumLineWidth(ImageFormat format);

// The background colour of the theme.
Rgb backgroundOf(bool darkTheme);

// Paints the background and draws the document into the context (pixels
// as user space), the temporary graphics too when the options ask.
// Answers how many model-space entities were drawn.
int drawDocument(cairo_t* cr, const Document& document, const RenderOptions& options,
                 const PictureFrame& frame, EntityStyles& styles);

}  // namespace zek::render
