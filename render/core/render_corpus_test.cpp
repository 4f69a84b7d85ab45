// Every sample drawing the reader loads renders to an SVG that reads
// back: real drawings from other programs, with their odd corners.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/render_test_support.h"
#include "zek/dxf_io.h"

namespace zek::render::test {
namespace {

namespace fs = std::filesystem;

TEST(RenderCorpus, EverySampleTheReaderLoadsRendersToSvg) {
  const fs::path samples(ZEK_SAMPLES_DIR);
  std::error_code ec;
  if (!fs::is_directory(samples, ec))
    GTEST_SKIP() << "no sample drawings at " << samples;
  std::vector<fs::path> drawings;
  for (const auto& entry : fs::recursive_directory_iterator(samples, ec)) {
    std::string extension = entry.path().extension().string();
    for (char& c : extension)
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (entry.is_regular_file() && extension == ".dxf")
      drawings.push_back(entry.path());
  }
  std::sort(drawings.begin(), drawings.end());
  ASSERT_FALSE(drawings.empty()) << "the sample folder holds no drawings";

  PictureFolder folder;
  int rendered = 0, unread = 0;
  for (const fs::path& drawing : drawings) {
    auto read = readDxfFile(drawing.string());
    if (!read) {
      ++unread;  // the reader's own tests judge what it refuses
      continue;
    }
    const Document document(std::move(read.value()), drawing.string());
    const std::string path = folder.path(drawing.stem().string() + ".svg");
    RenderOptions options;
    options.width = 800;
    options.height = 600;
    const RenderResult result = renderDocument(document, path, ImageFormat::Svg, options);
    ASSERT_TRUE(result.ok) << drawing.filename() << ": " << result.error;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    const SvgPicture picture = readSvg(text.str(), &error);
    EXPECT_EQ(error, "") << drawing.filename();
    EXPECT_EQ(picture.width, 800) << drawing.filename();
    std::cout << drawing.filename().string() << ": " << result.entitiesDrawn << " entities, "
              << picture.paths.size() << " paths, " << picture.glyphUses << " glyphs\n";
    ++rendered;
  }
  std::cout << rendered << " drawings rendered, " << unread << " the reader refused\n";
  EXPECT_GT(rendered, 0);
}

}  // namespace
}  // namespace zek::render::test
