// The pictures the program draws: --render after the input, and the demo's
// PNG and SVG. A thin layer over the renderer that turns the command line's
// settings into its options.
#pragma once

#include <string>

#include "command_line.h"

namespace zek {

class Document;

// Draws the document's model space into `path` (.svg, .png or .pdf); false
// with `error` naming the file and the reason when nothing was written.
bool renderPicture(const Document& document, const std::string& path,
                   const RenderRequest& request, std::string& error);

}  // namespace zek
