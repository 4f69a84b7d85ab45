// The command line's render settings as the renderer's options.
#include "picture_output.h"

#include "render.h"

namespace zek {

bool renderPicture(const Document& document, const std::string& path,
                   const RenderRequest& request, std::string& error) {
  const std::optional<render::ImageFormat> format = render::imageFormatOf(path);
  if (!format) {
    error = path + ": a picture is .svg, .png or .pdf";
    return false;
  }
  render::RenderOptions options;
  options.width = request.width;
  options.height = request.height;
  options.useCurrentView = request.currentView;
  options.temporaryGraphics = request.temporaryGraphics;
  options.darkTheme = request.darkTheme;
  if (request.window) {
    const auto& w = *request.window;
    options.window = render::WorldWindow{AcGePoint2d(w[0], w[1]), AcGePoint2d(w[2], w[3])};
  }
  const render::RenderResult result = render::renderDocument(document, path, *format, options);
  if (!result.ok)
    error = result.error.empty() ? path + ": the picture could not be written" : result.error;
  return result.ok;
}

}  // namespace zek
