// Where module libraries are found: the module folders first (the built
// modules beside the program, lib/zek/ when installed, the build tree's
// module folder for tests), then the support path.
#include "loader/module_loader.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "db/support_path.h"
#include "editor/document.h"

namespace zek {

namespace fs = std::filesystem;

namespace {

std::optional<std::vector<std::string>>& folderOverride() {
  static std::optional<std::vector<std::string>> folders;
  return folders;
}

// The folder of the running program, from /proc (empty when unknown).
fs::path programFolder() {
  std::error_code error;
  fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : program.parent_path();
}

bool isFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

bool hasExtension(std::string_view name) {
  return fs::path(std::string(name)).has_extension();
}

// The name with the module extension when it has none.
std::vector<std::string> candidateNames(std::string_view name) {
  std::vector<std::string> names{std::string(name)};
  if (!hasExtension(name))
    names.push_back(std::string(name) + ".arx");
  return names;
}

}  // namespace

std::vector<std::string> moduleFolders() {
  if (folderOverride())
    return *folderOverride();
  std::vector<std::string> folders;
  auto addFolder = [&folders](const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || !fs::is_directory(folder, error))
      return;
    std::string text = fs::weakly_canonical(folder, error).string();
    for (const std::string& known : folders)
      if (known == text)
        return;
    folders.push_back(text);
  };
  fs::path program = programFolder();
  if (!program.empty())
    addFolder(program / ".." / "lib" / "zek");
  addFolder(ZEK_MODULE_DIR);
  return folders;
}

void setModuleFolders(std::vector<std::string> folders) {
  folderOverride() = std::move(folders);
}

std::string findModuleFile(std::string_view name) {
  if (name.empty())
    return {};
  const std::vector<std::string> names = candidateNames(name);
  if (fs::path(std::string(name)).has_parent_path()) {
    for (const std::string& candidate : names)
      if (isFile(candidate))
        return fs::absolute(candidate).string();
    return {};
  }
  for (const std::string& folder : moduleFolders())
    for (const std::string& candidate : names)
      if (isFile(fs::path(folder) / candidate))
        return (fs::path(folder) / candidate).string();
  const Document* document = currentDocument();
  for (const std::string& candidate : names) {
    std::string found = findSupportFile(candidate, document ? document->database() : nullptr);
    if (!found.empty())
      return found;
  }
  return {};
}

}  // namespace zek
