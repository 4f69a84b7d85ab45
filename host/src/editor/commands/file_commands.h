// What the file commands (NEW, OPEN, SAVE, QSAVE, SAVEAS, CLOSE) share with
// the program that runs them: the generation every save writes, the names
// drawings are saved and opened under, and a count of the opens and saves
// that failed (the program's exit status says so).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zek/dxf_io.h"

namespace zek {

class Document;

// The generation every save writes (zek --dxf-version); none keeps each
// drawing's own (DXF generation rule of the writer).
void setSaveVersion(std::optional<DxfVersion> version);
std::optional<DxfVersion> saveVersion();

// A typed file name as the file commands use it: surrounding blanks and one
// pair of double quotes dropped, ".dxf" added when the name has no extension.
std::string drawingFileName(std::string_view typed);

// Writes a document's drawing to a path in the save generation, atomically
// (the previous file kept as NAME.bak); the writer's notes go to the command
// line. Answers the writer's status, the failure unreported.
[[nodiscard]] Status writeDrawing(Document& document, const std::string& path);
// The same, with a failure's file and reason on the command line (and
// counted among the failed file operations). True when it was written.
[[nodiscard]] bool saveDrawing(Document& document, const std::string& path);

// The opens and saves of the file commands that failed in this run, as
// their messages said ("out/plate.dxf: cannot write ..."), oldest first.
const std::vector<std::string>& failedFileOperations();

}  // namespace zek
