// Finding the host's files along the support path: the drawing's folder, the
// folders given with --support, ZEK_SUPPORT (colon-separated), then the
// shipped data/ folder.
#pragma once

#include <string>
#include <vector>

class AcDbDatabase;

namespace zek {

// The full path of the first file of that name along the support path, or ""
// when there is none. A name with a folder part is tried as given first.
std::string findSupportFile(const std::string& name, const AcDbDatabase* db = nullptr);
// The folders searched after the drawing's own, in order.
std::vector<std::string> supportFolders();
// Folders given on the command line (--support), searched before ZEK_SUPPORT.
void setSupportFolders(std::vector<std::string> folders);
// The shipped data/ folder.
std::string shippedDataFolder();

}  // namespace zek
