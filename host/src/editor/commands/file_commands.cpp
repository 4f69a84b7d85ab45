// NEW, OPEN, SAVE and QSAVE, SAVEAS, CLOSE: drawings opened, started, saved
// and closed from the command line, with the prompts a CAD host asks when
// file dialogs are off.
#include "editor/commands/file_commands.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "aced_input.h"
#include "aced_output.h"
#include "db_database.h"
#include "editor/commands/builtin_commands.h"
#include "editor/commands/command_support.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"

namespace zek {

namespace {

namespace fs = std::filesystem;

struct FileCommandRecord {
  std::optional<DxfVersion> saveVersion;
  std::vector<std::string> failures;
};

FileCommandRecord& record() {
  static FileCommandRecord held;
  return held;
}

// A drawing that could not be read or written: said on the command line and
// kept for the program's exit status.
void reportFailure(const Failure& failure) {
  const std::string message = failure.describe();
  acutPrintf("\n%s", message.c_str());
  record().failures.push_back(message);
}

// Asks for a file name; false on Esc. Enter answers the fallback ("" when
// there is none).
bool askFileName(const std::string& prompt, const std::string& fallback, std::string& name) {
  std::vector<char> text(4096, '\0');
  if (acedGetString(1, prompt.c_str(), text.data(), text.size()) != RTNORM)
    return false;
  name = drawingFileName(text.data());
  if (name.empty())
    name = fallback;
  return true;
}

bool isSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(a, b, error);
}

// The open document read from the file, or null.
Document* documentOfFile(const std::string& path) {
  DocumentManager& manager = DocumentManager::instance();
  for (int i = 0; i < manager.documentCount(); ++i) {
    Document* document = manager.documentAt(i);
    if (document->fileName()[0] != '\0' && isSameFile(document->fileName(), path))
      return document;
  }
  return nullptr;
}

// The name SAVEAS offers: the drawing's file, or its title for a new one.
std::string currentName(const Document& document) {
  return document.fileName()[0] != '\0' ? document.fileName() : document.docTitle();
}

}  // namespace

void setSaveVersion(std::optional<DxfVersion> version) { record().saveVersion = version; }
std::optional<DxfVersion> saveVersion() { return record().saveVersion; }
const std::vector<std::string>& failedFileOperations() { return record().failures; }

std::string drawingFileName(std::string_view typed) {
  while (!typed.empty() && (typed.front() == ' ' || typed.front() == '\t'))
    typed.remove_prefix(1);
  while (!typed.empty() && (typed.back() == ' ' || typed.back() == '\t'))
    typed.remove_suffix(1);
  if (typed.size() >= 2 && typed.front() == '"' && typed.back() == '"')
    typed = typed.substr(1, typed.size() - 2);
  std::string name(typed);
  if (!name.empty() && !fs::path(name).has_extension())
    name += ".dxf";
  return name;
}

Status writeDrawing(Document& document, const std::string& path) {
  std::vector<std::string> notes;
  DxfWriteOptions options;
  options.version = record().saveVersion;
  options.notes = &notes;
  document.storeViewInDrawing();
  Status saved = writeDxfFile(*document.database(), path, options);
  for (const std::string& note : notes)
    acutPrintf("\n%s", note.c_str());
  return saved;
}

bool saveDrawing(Document& document, const std::string& path) {
  Status saved = writeDrawing(document, path);
  if (!saved.ok()) {
    reportFailure(saved.failure());
    return false;
  }
  return true;
}

void newCommand() {
  (void)DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
}

void openCommand() {
  std::string name;
  if (!askFileName("\nEnter name of drawing to open: ", "", name) || name.empty())
    return;
  DocumentManager& manager = DocumentManager::instance();
  if (Document* open = documentOfFile(name)) {
    acutPrintf("\n%s is already open.", open->docTitle());
    manager.activate(open);
    return;
  }
  std::vector<Failure> warnings;
  DxfReadOptions options;
  options.warnings = &warnings;
  auto read = readDxfFile(name, options);
  for (const Failure& warning : warnings)
    acutPrintf("\n%s", warning.describe().c_str());
  if (!read.ok()) {
    reportFailure(read.failure());
    return;
  }
  (void)manager.open(std::move(read.value()), name);
}

void saveCommand() {
  Document& document = commandDocument();
  if (document.fileName()[0] == '\0') {
    saveasCommand();  // a new drawing is named first
    return;
  }
  (void)saveDrawing(document, document.fileName());
}

void saveasCommand() {
  Document& document = commandDocument();
  const std::string offered = currentName(document);
  std::string name;
  if (!askFileName("\nSave drawing as <" + offered + ">: ", offered, name))
    return;
  if (saveDrawing(document, name))
    document.setFileName(name);
}

void closeCommand() {
  DocumentManager& manager = DocumentManager::instance();
  if (manager.documentCount() < 2) {
    acutPrintf("\nThe only open drawing cannot be closed.");
    return;
  }
  if (commandState().active.size() > 1) {
    acutPrintf("\nCLOSE closes a drawing only when typed at the command prompt.");
    return;  // a command that called it still works in this drawing
  }
  manager.close(&commandDocument());
}

}  // namespace zek
