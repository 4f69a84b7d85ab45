// Golden transcripts of modules meeting the host (golden/*.scr): loading and
// unloading, local names, pick-first, locks, the AutoLISP dispatch, loads
// from inside a command, second drawings, exceptions. Each script starts
// with no module loaded and loads what it needs with ARX.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "editor/testing/golden_runner.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

// The application registry of this test's own profile: no demand loading of
// whatever the machine's profile holds.
void useEmptyProfile() {
  const std::filesystem::path profile =
      std::filesystem::temp_directory_path() / "zek-module-golden-profile";
  std::filesystem::create_directories(profile);
  std::filesystem::remove(profile / "registry");
  setenv("ZEK_PROFILE", profile.c_str(), 1);
}

TEST(ModuleFrameGolden, TranscriptsMatch) {
  useEmptyProfile();
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession&) {
    unloadAllModules();
    setModuleFolders({ZEK_TEST_MODULE_DIR});
  };
  EXPECT_GE(test::runGoldenFolder(ZEK_MODULE_GOLDEN_DIR, options), 9);
  unloadAllModules();
}

}  // namespace
}  // namespace zek
