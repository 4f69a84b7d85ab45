// Golden transcripts of zekregister.arx (golden/*.scr): the scripts load the
// module themselves with ARX, so its registration at load is in the
// transcript. Two test commands help them: PUTDAT puts a file of
// golden/data/ (or "shipped", the shipped zekregister.dat) in place as the
// zekregister.dat of the support path, and REGISTRYFILE prints the registry
// file. The module is loaded from the working folder ("./"), so the module
// paths in the transcripts do not depend on where the build lives.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "aced_input.h"
#include "aced_output.h"
#include "editor/core/command_table.h"
#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"
#include "zekregister_test_support.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTestGroup = "ZEKREGTEST";

fs::path& dataFolder() {
  static fs::path folder;
  return folder;
}

void putDefinitionFile() {
  char answer[512] = {};
  if (acedGetString(0, "\nDefinition file to put in place: ", answer, sizeof answer) != RTNORM)
    return;
  const std::string name = answer;
  const fs::path source = name == "shipped" ? fs::path(ZEK_DATA_DIR) / "zekregister.dat"
                                            : fs::path(ZEK_GOLDEN_DIR) / "data" / name;
  std::error_code error;
  fs::copy_file(source, dataFolder() / "zekregister.dat", fs::copy_options::overwrite_existing,
                error);
  if (error)
    acutPrintf("\n%s cannot be put in place", name.c_str());
  else
    acutPrintf("\n%s is zekregister.dat now", name.c_str());
}

void printRegistryFile() {
  const std::string text = test::registryText();
  if (text.empty())
    acutPrintf("\nno registry file");
  else
    acutPrintf("\n%s", text.c_str());
}

void addTestCommands() {
  CommandTable& table = CommandTable::instance();
  table.removeGroup(kTestGroup);
  ASSERT_TRUE(table.add(kTestGroup, "PUTDAT", "PUTDAT", kCommandModal, putDefinitionFile));
  ASSERT_TRUE(table.add(kTestGroup, "REGISTRYFILE", "REGISTRYFILE", kCommandModal,
                        printRegistryFile));
}

TEST(ZekregisterGolden, TranscriptsMatch) {
  const fs::path workingFolder = fs::current_path();
  fs::current_path(ZEK_MODULE_FOLDER);
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({"."});
    dataFolder() = test::useTestFolders();
    addTestCommands();
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_GOLDEN_DIR, options), 5);
  unloadAllModules();
  CommandTable::instance().removeGroup(kTestGroup);
  setModuleFolders({});
  test::restoreTestFolders();
  fs::current_path(workingFolder);
}

}  // namespace
}  // namespace zek
