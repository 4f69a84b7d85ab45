// The steps of one run: input gathered and checked first, then the drawing,
// the transcript's streams, the modules, the command loop and the save.
#include "session.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ads.h"
#include "aced_output.h"
#include "db/support_path.h"
#include "db_database.h"
#include "editor/commands/file_commands.h"
#include "editor/core/command_loop.h"
#include "editor/document.h"
#include "editor/transcript.h"
#include "loader/app_registry_file.h"
#include "loader/module_loader.h"
#include "picture_output.h"
#include "program_input.h"
#include "zek/dxf_io.h"

namespace zek {

namespace {

int usageError(const std::string& message) {
  std::fprintf(stderr, "zek: %s\n", message.c_str());
  return kExitUsage;
}

void printFailure(const Failure& failure) {
  std::fprintf(stderr, "%s\n", failure.describe().c_str());
}

// The -s scripts and -c texts in command-line order; false (said on standard
// error) when a script cannot be read.
bool addCommandLineInputs(const ProgramOptions& options, ProgramInput& input) {
  int textNumber = 0;
  for (const InputItem& item : options.inputs) {
    if (item.kind == InputItem::Kind::Text) {
      input.add(std::make_unique<LineListSource>(textLines(item.value),
                                                 "-c text " + std::to_string(++textNumber)));
      continue;
    }
    auto script = readScriptFile(item.value);
    if (!script.ok()) {
      std::fprintf(stderr, "zek: %s\n", script.failure().describe().c_str());
      return false;
    }
    input.add(std::make_unique<ScriptSource>(std::move(script.value()), item.value));
  }
  return true;
}

// The terminal or standard input after the command line's inputs, when the
// run reads them; answers the screen stream of a terminal that draws on
// standard output.
std::ostream* addInteractiveInput(const ProgramOptions& options,
                                  const SessionEnvironment& environment, ProgramInput& input) {
  if (!options.interactive && !options.inputs.empty())
    return nullptr;
  // A picture asked for without input is drawn at once: a terminal is not
  // waited on (a pipe is still read as a script).
  if (!options.interactive && !options.renders.empty() && environment.stdinIsTerminal)
    return nullptr;
  if (environment.stdinIsTerminal && environment.openTerminal) {
    TerminalInput terminal = environment.openTerminal();
    input.add(std::move(terminal.source));
    return terminal.screen;
  }
  input.add(std::make_unique<StreamScriptSource>(stdin, "stdin"));
  return nullptr;
}

// The drawing given, or a new drawing from the template, as the first
// document. Reader warnings and a failure go to standard error.
bool openFirstDrawing(const std::string& path) {
  DocumentManager& manager = DocumentManager::instance();
  if (path.empty()) {
    (void)manager.open(std::make_unique<AcDbDatabase>(), "");
    return true;
  }
  std::vector<Failure> warnings;
  DxfReadOptions readOptions;
  readOptions.warnings = &warnings;
  auto read = readDxfFile(path, readOptions);
  for (const Failure& warning : warnings)
    printFailure(warning);
  if (!read.ok()) {
    printFailure(read.failure());
    return false;
  }
  (void)manager.open(std::move(read.value()), path);
  return true;
}

// What a step printed on the command line, without its line breaks.
std::string printedDuring(const std::function<void()>& step) {
  Transcript& transcript = Transcript::instance();
  const std::string before = transcript.text();
  step();
  const std::string after = transcript.text();
  if (after.size() <= before.size() || after.compare(0, before.size(), before) != 0)
    return {};
  std::string printed = after.substr(before.size());
  const std::size_t first = printed.find_first_not_of('\n');
  const std::size_t last = printed.find_last_not_of('\n');
  return first == std::string::npos ? std::string() : printed.substr(first, last - first + 1);
}

// The registry's start-up modules, then the --load ones in order. A --load
// that fails is a usage error (false, said on standard error).
bool loadModules(const std::vector<std::string>& names) {
  loadStartupModules();
  for (const std::string& name : names) {
    if (isModuleLoaded(name))
      continue;  // a start-up module named again
    int loaded = RTERROR;
    const std::string reason = printedDuring([&] { loaded = loadModule(name, true); });
    if (loaded != RTNORM) {
      (void)usageError("--load " + name + ": the module did not load" +
                       (reason.empty() ? std::string() : " (" + reason + ")"));
      return false;
    }
  }
  return true;
}

// Saves the current drawing as -o asks; the writer's notes go to the
// transcript, a failure to standard error.
bool saveOutput(const ProgramOptions& options) {
  Document* document = currentDocument();
  if (document == nullptr) {
    std::fprintf(stderr, "zek: %s: no drawing is open to save\n", options.output.c_str());
    return false;
  }
  // In the generation --dxf-version set for every save (setSaveVersion).
  Status saved = writeDrawing(*document, options.output);
  if (!saved.ok()) {
    printFailure(saved.failure());
    return false;
  }
  return true;
}

// Draws the current drawing as --render asks; a failure goes to standard error.
bool renderOutput(const ProgramOptions& options) {
  Document* document = currentDocument();
  bool drawn = true;
  for (const std::string& path : options.renders) {
    std::string error;
    if (document == nullptr)
      error = path + ": no drawing is open to draw";
    else if (renderPicture(*document, path, options.renderSettings, error))
      continue;
    std::fprintf(stderr, "zek: %s\n", error.c_str());
    drawn = false;
  }
  return drawn;
}

// Takes down what a run set up, on every way out: modules unloaded,
// documents closed, the transcript's streams detached.
class RunScope {
public:
  ~RunScope() {
    unloadAllModules();
    DocumentManager::instance().closeAll();
    Transcript& transcript = Transcript::instance();
    transcript.finish();
    for (std::ostream* mirror : mirrors_)
      transcript.removeMirror(mirror);
  }
  void addMirror(std::ostream* mirror) {
    Transcript::instance().addMirror(mirror);
    mirrors_.push_back(mirror);
  }

private:
  std::vector<std::ostream*> mirrors_;
};

// The command loop over the input, -o, and the exit status they give.
int runInput(const ProgramOptions& options) {
  const RunOutcome outcome = runCommandLoop();
  int status = kExitDone;
  if (outcome.endedInCommand) {
    std::fprintf(stderr, "%s\n", outcome.message.c_str());
    status = kExitInputEnded;
  }
  if (!options.output.empty() && !saveOutput(options))
    status = kExitDrawingFailed;
  if (!options.renders.empty() && !renderOutput(options))
    status = kExitDrawingFailed;
  for (const std::string& failure : failedFileOperations()) {
    std::fprintf(stderr, "%s\n", failure.c_str());  // an OPEN or SAVE of the input failed
    status = kExitDrawingFailed;
  }
  Transcript::instance().finish();
  return status;
}

}  // namespace

int runSession(const ProgramOptions& options, const SessionEnvironment& environment) {
  ProgramInput input;
  if (!addCommandLineInputs(options, input))
    return kExitUsage;
  std::ofstream transcriptFile;
  if (!options.transcript.empty()) {
    transcriptFile.open(options.transcript, std::ios::binary | std::ios::trunc);
    if (!transcriptFile)
      return usageError("--transcript " + options.transcript + ": cannot write the file");
  }
  setSupportFolders(options.supportFolders);
  setSaveVersion(options.dxfVersion);

  RunScope scope;
  std::ostream* screen = addInteractiveInput(options, environment, input);
  input.feedEveryNewDocument();
  if (!openFirstDrawing(options.drawing))
    return kExitDrawingFailed;
  scope.addMirror(screen != nullptr ? screen : &std::cout);
  if (transcriptFile.is_open())
    scope.addMirror(&transcriptFile);
  if (!loadModules(options.modules))
    return kExitUsage;
  return runInput(options);
}

}  // namespace zek
