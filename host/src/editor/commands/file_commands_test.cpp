// The names OPEN, SAVE and SAVEAS make of what the drafter typed.
#include "editor/commands/file_commands.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "db_database.h"
#include "db_symtab.h"
#include "editor/document.h"
#include "zek/dxf_io.h"

namespace zek {
namespace {

struct NameCase {
  const char* typed;
  const char* file;
};

constexpr NameCase kNameCases[] = {
    {"plate", "plate.dxf"},                    // the extension is added
    {"plate.dxf", "plate.dxf"},
    {"plate.DXF", "plate.DXF"},                // an extension of any case is kept
    {"  plate  ", "plate.dxf"},                // blanks around the name go
    {"\"my plate\"", "my plate.dxf"},          // quotes keep blanks inside the name
    {"out/plate.v2", "out/plate.v2"},          // a name with an extension is taken as typed
    {"../plates/A-01", "../plates/A-01.dxf"},  // a folder's dots are no extension
    {"", ""},                                  // Enter: no name
};

TEST(FileCommands, MakeFileNamesOfTypedNames) {
  for (const NameCase& c : kNameCases)
    EXPECT_EQ(drawingFileName(c.typed), c.file) << '"' << c.typed << '"';
}

}  // namespace
}  // namespace zek

namespace zek {
namespace {

// A drawing opens again at the view it was saved with; a file whose saved
// view is unusable opens at the default view.
TEST(FileCommands, SavedDrawingReopensAtItsView) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("zek-view-" + std::to_string(::getpid()) + ".dxf"))
          .string();
  {
    Document drawn(std::make_unique<AcDbDatabase>(), "");
    drawn.view().centre = AcGePoint3d(200.0, 150.0, 0.0);
    drawn.view().height = 320.0;
    ASSERT_TRUE(writeDrawing(drawn, path).ok());
  }
  auto read = readDxfFile(path);
  ASSERT_TRUE(read.ok()) << read.failure().describe();
  Document reopened(std::move(read.value()), path);
  EXPECT_EQ(reopened.view().centre, AcGePoint3d(200.0, 150.0, 0.0));
  EXPECT_EQ(reopened.view().height, 320.0);
  std::filesystem::remove(path);

  for (double height : {0.0, -5.0, std::nan("")}) {
    auto db = std::make_unique<AcDbDatabase>();
    AcDbViewportTable* table = nullptr;
    ASSERT_EQ(db->getViewportTable(table, AcDb::kForRead), Acad::eOk);
    AcDbViewportTableRecord* active = nullptr;
    ASSERT_EQ(table->getAt("*Active", active, AcDb::kForWrite), Acad::eOk);
    active->setHeight(height);
    active->setCenterPoint(AcGePoint2d(5.0, 5.0));
    (void)active->close();
    (void)table->close();
    Document opened(std::move(db), "broken.dxf");
    EXPECT_EQ(opened.view().height, View().height) << height;
    EXPECT_EQ(opened.view().centre, View().centre) << height;
  }
}

}  // namespace
}  // namespace zek
