// What the tests of the built zekregister.arx share: a profile and a data
// folder of their own, so the drafter's registry and the shipped files are
// never touched.
#pragma once

#include <filesystem>
#include <string>

namespace zek::test {

// A folder under the temporary folder, empty, for this process and purpose.
std::filesystem::path freshFolder(const std::string& purpose);

// Points ZEK_PROFILE at a fresh folder and ZEK_DATA (the last folder of the
// support path) at another, with no other support folders; answers the
// data folder. restoreTestFolders() undoes it.
std::filesystem::path useTestFolders();
void restoreTestFolders();

// The registry file's text, "" when there is none.
std::string registryText();

}  // namespace zek::test
