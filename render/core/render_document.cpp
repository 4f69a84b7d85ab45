// renderDocument: the picture drawn onto the surface of its format and
// written to a temporary file beside the target, renamed into place when
// the whole of it is written.
#include "render.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/document_drawing.h"
#include "editor/document.h"

namespace zek::render {

namespace {

namespace fs = std::filesystem;

// The largest side of a picture: cairo's image surfaces stop at 32767.
constexpr int kMaxPictureSide = 32767;

// The file the picture goes to first, and what went wrong with it.
struct PictureFile {
  std::string target;
  std::string temporary;
  std::FILE* file = nullptr;
  int error = 0;  // errno of the first failed write

  static cairo_status_t write(void* closure, const unsigned char* data, unsigned int length) {
    auto* self = static_cast<PictureFile*>(closure);
    if (self->error != 0)
      return CAIRO_STATUS_WRITE_ERROR;
    if (std::fwrite(data, 1, length, self->file) != length) {
      self->error = errno != 0 ? errno : EIO;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
  }
};

std::string cannotWrite(const std::string& path, const std::string& reason) {
  return path + ": cannot write: " + reason;
}

// A new file beside the target, with the permissions a new file gets (or
// those of the picture it replaces).
bool openBeside(PictureFile& picture, std::string& error) {
  const fs::path target(picture.target);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  picture.temporary = (folder / ("." + target.filename().string() + ".zek-XXXXXX")).string();
  const int fd = mkstemp(picture.temporary.data());
  if (fd < 0) {
    error = cannotWrite(picture.target, std::strerror(errno));
    return false;
  }
  struct stat old {};
  mode_t mode;
  if (::stat(target.c_str(), &old) == 0) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  (void)::fchmod(fd, mode);
  picture.file = fdopen(fd, "wb");
  if (picture.file == nullptr) {
    error = cannotWrite(picture.target, std::strerror(errno));
    ::close(fd);
    ::unlink(picture.temporary.c_str());
    return false;
  }
  return true;
}

cairo_surface_t* surfaceFor(ImageFormat format, PictureFile& picture, int width, int height) {
  switch (format) {
    case ImageFormat::Svg:
      return cairo_svg_surface_create_for_stream(&PictureFile::write, &picture, width, height);
    case ImageFormat::Pdf:
      return cairo_pdf_surface_create_for_stream(&PictureFile::write, &picture, width, height);
    case ImageFormat::Png:
      return cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  }
  return nullptr;
}

// Draws and writes the picture into the open file; false with the reason.
bool writePicture(const Document& document, ImageFormat format, const RenderOptions& options,
                  PictureFile& picture, RenderResult& result, std::string& reason) {
  EntityStyles styles(*document.database(), options.darkTheme, minimumLineWidth(format));
  const PictureFrame frame =
      fitWindow(pictureWindow(document, options, styles), options.width, options.height);
  cairo_surface_t* surface = surfaceFor(format, picture, options.width, options.height);
  cairo_t* cr = cairo_create(surface);
  result.entitiesDrawn = drawDocument(cr, document, options, frame, styles);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  if (status == CAIRO_STATUS_SUCCESS && format == ImageFormat::Png)
    status = cairo_surface_write_to_png_stream(surface, &PictureFile::write, &picture);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS)
    status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (picture.error != 0) {
    reason = std::strerror(picture.error);
    return false;
  }
  if (status != CAIRO_STATUS_SUCCESS) {
    reason = cairo_status_to_string(status);
    return false;
  }
  return true;
}

}  // namespace

std::optional<ImageFormat> imageFormatOf(const std::string& path) {
  const std::string extension = fs::path(path).extension().string();
  if (strcasecmp(extension.c_str(), ".svg") == 0) return ImageFormat::Svg;
  if (strcasecmp(extension.c_str(), ".png") == 0) return ImageFormat::Png;
  if (strcasecmp(extension.c_str(), ".pdf") == 0) return ImageFormat::Pdf;
  return std::nullopt;
}

RenderResult renderDocument(const Document& document, const std::string& path,
                            ImageFormat format, const RenderOptions& options) {
  RenderResult result;
  if (options.width < 1 || options.height < 1 || options.width > kMaxPictureSide ||
      options.height > kMaxPictureSide) {
    result.error = path + ": a picture is 1 to " + std::to_string(kMaxPictureSide) +
                   " pixels each way, not " + std::to_string(options.width) + "x" +
                   std::to_string(options.height);
    return result;
  }
  if (document.database() == nullptr) {
    result.error = path + ": the document holds no drawing";
    return result;
  }
  PictureFile picture;
  picture.target = path;
  if (!openBeside(picture, result.error))
    return result;
  std::string reason;
  bool written = writePicture(document, format, options, picture, result, reason);
  if (written && (std::fflush(picture.file) != 0 || ::fsync(fileno(picture.file)) != 0)) {
    reason = std::strerror(errno);
    written = false;
  }
  if (std::fclose(picture.file) != 0 && written) {
    reason = std::strerror(errno);
    written = false;
  }
  if (written && std::rename(picture.temporary.c_str(), path.c_str()) != 0) {
    reason = std::strerror(errno);
    written = false;
  }
  if (!written) {
    ::unlink(picture.temporary.c_str());
    result.error = cannotWrite(path, reason);
    result.entitiesDrawn = 0;
    return result;
  }
  result.ok = true;
  return result;
}

RenderResult renderDocument(const Document& document, const std::string& path,
                            const RenderOptions& options) {
  const std::optional<ImageFormat> format = imageFormatOf(path);
  if (!format) {
    RenderResult result;
    result.error = path + ": a picture is .svg, .png or .pdf";
    return result;
  }
  return renderDocument(document, path, *format, options);
}

}  // namespace zek::render
