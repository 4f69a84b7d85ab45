// Profile and data folders of the zekregister tests' own.
#include "zekregister_test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "db/support_path.h"
#include "loader/app_registry_file.h"

namespace zek::test {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& purpose) {
  const fs::path folder =
      fs::temp_directory_path() / ("zekregister-" + std::to_string(::getpid())) / purpose;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

fs::path useTestFolders() {
  const fs::path profile = freshFolder("profile");
  const fs::path data = freshFolder("data");
  setenv("ZEK_PROFILE", profile.c_str(), 1);
  setenv("ZEK_DATA", data.c_str(), 1);
  unsetenv("ZEK_SUPPORT");
  setSupportFolders({});
  return data;
}

void restoreTestFolders() {
  unsetenv("ZEK_PROFILE");
  unsetenv("ZEK_DATA");
  std::error_code ignored;
  fs::remove_all(fs::temp_directory_path() / ("zekregister-" + std::to_string(::getpid())),
                 ignored);
}

std::string registryText() {
  std::ifstream in(registryFilePath());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace zek::test
