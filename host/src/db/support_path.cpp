// The support path: where definition files and the linetype file are found.
#include "db/support_path.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "db_database.h"

namespace fs = std::filesystem;

namespace zek {
namespace {
std::vector<std::string>& commandLineFolders() {
  static std::vector<std::string> folders;
  return folders;
}

bool isFile(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}
}  // namespace

void setSupportFolders(std::vector<std::string> folders) { commandLineFolders() = std::move(folders); }

std::string shippedDataFolder() {
  if (const char* overridden = std::getenv("ZEK_DATA"))
    return overridden;
  return ZEK_DATA_DIR;
}

std::vector<std::string> supportFolders() {
  std::vector<std::string> folders = commandLineFolders();
  if (const char* env = std::getenv("ZEK_SUPPORT")) {
    std::stringstream list(env);
    std::string folder;
    while (std::getline(list, folder, ':'))
      if (!folder.empty())
        folders.push_back(folder);
  }
  folders.push_back(shippedDataFolder());
  return folders;
}

std::string findSupportFile(const std::string& name, const AcDbDatabase* db) {
  if (name.empty())
    return {};
  fs::path given(name);
  if (given.has_parent_path() && isFile(given))
    return given.string();
  if (db != nullptr && db->originalFileName() != nullptr && *db->originalFileName() != '\0') {
    fs::path beside = fs::path(db->originalFileName()).parent_path() / given.filename();
    if (isFile(beside))
      return beside.string();
  }
  for (const std::string& folder : supportFolders()) {
    fs::path candidate = fs::path(folder) / given.filename();
    if (isFile(candidate))
      return candidate.string();
  }
  return {};
}

}  // namespace zek
