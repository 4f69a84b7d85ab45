// The files a picture goes to: the format by extension, PNG, PDF and SVG
// written whole, errors that name the file and leave nothing behind.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/render_test_support.h"
#include "db_curves.h"
#include "editor/testing/editor_test_support.h"

namespace zek::render::test {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(PictureFormat, ComesFromTheExtensionWhateverItsCase) {
  const struct {
    const char* path;
    std::optional<ImageFormat> format;
  } cases[] = {
      {"plate.svg", ImageFormat::Svg},      {"out/PLATE.PNG", ImageFormat::Png},
      {"sheet.Pdf", ImageFormat::Pdf},      {"plate.dxf", std::nullopt},
      {"plate", std::nullopt},              {"pictures.png/plate", std::nullopt},
      {"plate.svg.bak", std::nullopt},      {".png", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(imageFormatOf(c.path), c.format) << c.path;
}

TEST(PictureFiles, EachFormatIsWrittenWhole) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbCircle({50, 50, 0}, AcGeVector3d::kZAxis, 20));
  PictureFolder folder;
  const struct {
    const char* name;
    std::string start;
  } cases[] = {
      {"plate.png", std::string("\x89PNG\r\n\x1a\n", 8)},
      {"plate.pdf", "%PDF-"},
      {"plate.svg", "<?xml"},
  };
  for (const auto& c : cases) {
    const std::string path = folder.path(c.name);
    const RenderResult result = renderDocument(session.document(), path, standardOptions());
    ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
    EXPECT_EQ(result.entitiesDrawn, 1) << c.name;
    const std::string bytes = contentsOf(path);
    ASSERT_GT(bytes.size(), c.start.size()) << c.name;
    EXPECT_EQ(bytes.substr(0, c.start.size()), c.start) << c.name;
  }
  // The PNG's header gives the picture's size: 400 × 200.
  const std::string png = contentsOf(folder.path("plate.png"));
  auto bigEndian = [&](std::size_t at) {
    return (std::uint32_t(std::uint8_t(png[at])) << 24) | (std::uint32_t(std::uint8_t(png[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(png[at + 2])) << 8) | std::uint32_t(std::uint8_t(png[at + 3]));
  };
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(bigEndian(16), 400u);
  EXPECT_EQ(bigEndian(20), 200u);
  EXPECT_EQ(folder.names().size(), 3u) << "no temporary file left beside them";
}

// The colour of one pixel of a PNG file.
Rgb pixelOf(const std::string& png, int x, int y) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS) << png;
  Rgb colour;
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    const unsigned char* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
    std::uint32_t word;
    std::memcpy(&word, row + 4 * x, 4);
    colour = Rgb{std::uint8_t(word >> 16), std::uint8_t(word >> 8), std::uint8_t(word)};
  }
  cairo_surface_destroy(image);
  return colour;
}

TEST(PictureFiles, PngKeepsTheDrawingOrderOfThinLinesAndHeavyOnes) {
  zek::test::EditorSession session;
  AcDbDatabase& db = session.db();
  // Thin lines go into the pixels, heavy ones through cairo: in turn.
  addEntity(db, coloured(new AcDbLine({100.25, 10, 0}, {100.25, 90, 0}), 5));
  auto* heavy = coloured(new AcDbLine({10, 50, 0}, {190, 50, 0}), 1);
  ASSERT_EQ(heavy->setLineWeight(AcDb::kLnWt211), Acad::eOk);
  addEntity(db, heavy);
  addEntity(db, coloured(new AcDbLine({60.25, 10, 0}, {60.25, 90, 0}), 3));
  PictureFolder folder;
  const std::string png = folder.path("order.png");
  ASSERT_TRUE(renderDocument(session.document(), png, standardOptions()).ok);
  EXPECT_EQ(pixelOf(png, 200, 50), kBlue) << "the blue line where nothing crosses it";
  EXPECT_EQ(pixelOf(png, 200, 100), kRed) << "the heavy red line over the blue one";
  EXPECT_EQ(pixelOf(png, 120, 100), kGreen) << "the green line over the red one";
  EXPECT_EQ(pixelOf(png, 300, 150), kWhite);
}

TEST(PictureFiles, ANewPictureReplacesTheOldOne) {
  zek::test::EditorSession session;
  PictureFolder folder;
  const std::string path = folder.path("plate.svg");
  { std::ofstream(path) << "old"; }
  addEntity(session.db(), new AcDbLine({0, 0, 0}, {10, 10, 0}));
  ASSERT_TRUE(renderDocument(session.document(), path, standardOptions()).ok);
  EXPECT_EQ(contentsOf(path).substr(0, 5), "<?xml");
  EXPECT_EQ(folder.names().size(), 1u);
}

TEST(PictureFiles, FailuresNameTheFileAndLeaveNothing) {
  zek::test::EditorSession session;
  addEntity(session.db(), new AcDbLine({0, 0, 0}, {10, 10, 0}));
  PictureFolder folder;
  // A folder that does not exist.
  const std::string missing = folder.path("no-such-folder/plate.png");
  RenderResult result = renderDocument(session.document(), missing, standardOptions());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, missing + ": cannot write: No such file or directory");
  // A folder where the picture should go: written beside it, not renamed over it.
  const std::string folderInTheWay = folder.path("plate.svg");
  fs::create_directory(folderInTheWay);
  result = renderDocument(session.document(), folderInTheWay, standardOptions());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error.rfind(folderInTheWay + ": cannot write: ", 0), 0u) << result.error;
  EXPECT_TRUE(fs::is_directory(folderInTheWay));
  EXPECT_EQ(folder.names(), std::vector<std::string>{"plate.svg"}) << "no temporary file left";
  // An extension that is no picture format.
  const std::string bitmap = folder.path("plate.bmp");
  result = renderDocument(session.document(), bitmap, standardOptions());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, bitmap + ": a picture is .svg, .png or .pdf");
  // A size of no pixels.
  RenderOptions empty = standardOptions();
  empty.width = 0;
  const std::string flat = folder.path("flat.png");
  result = renderDocument(session.document(), flat, ImageFormat::Png, empty);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, flat + ": a picture is 1 to 32767 pixels each way, not 0x200");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"plate.svg"});
}

}  // namespace
}  // namespace zek::render::test
