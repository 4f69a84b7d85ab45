// The names OPEN, SAVE and SAVEAS make of what the drafter typed.
#include "editor/commands/file_commands.h"

#include <gtest/gtest.h>

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
