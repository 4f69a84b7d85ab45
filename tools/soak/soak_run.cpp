// The soak run and the replay of its failure scripts.
#include "soak_run.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "answer_maker.h"
#include "round_trip.h"
#include "db/support_path.h"
#include "db_block.h"
#include "db_curves.h"
#include "db_database.h"
#include "dialogs/dialog_driver.h"
#include "editor/core/command_loop.h"
#include "editor/core/command_table.h"
#include "editor/document.h"
#include "editor/editor_hooks.h"
#include "editor/input.h"
#include "editor/prompts/prompt_reader.h"
#include "editor/transcript.h"
#include "editor/vars/sysvars.h"
#include "lisp/lisp_functions.h"
#include "loader/module_loader.h"
#include "soak_random.h"
#include "zek/dxf_io.h"

namespace zek::soak {

namespace {

namespace fs = std::filesystem;

// One top-level command as the script lines that ran it: the command line,
// then every answer it read.
struct Chunk {
  std::string command;  // the name it runs under, for reports
  std::vector<std::string> lines;
};

struct Fault {
  std::string kind;     // "round trip", "open objects", ...
  std::string command;  // the command after which it was found
  std::string detail;
};

// ---------------------------------------------------------------------------
// Crashes and hangs: the script so far is kept as text, written out by the
// signal handler or the watchdog before the process ends.

std::string g_liveScript;
char g_livePath[4096] = "soak-crash.scr";
std::atomic<long long> g_commandStartedAt{0};  // steady seconds; 0 between commands
std::atomic<int> g_timeoutSeconds{120};

void writeRaw(int fd, const char* text) { (void)!::write(fd, text, std::strlen(text)); }

void writeLiveScript(const char* why) {
  const int fd = ::open(g_livePath, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd >= 0) {
    (void)!::write(fd, g_liveScript.data(), g_liveScript.size());
    ::close(fd);
  }
  writeRaw(2, "\nzek-soak: ");
  writeRaw(2, why);
  writeRaw(2, "; the script that got there: ");
  writeRaw(2, g_livePath);
  writeRaw(2, "\n");
}

extern "C" void onFatalSignal(int signal) {
  writeLiveScript(signal == SIGSEGV   ? "crashed (SIGSEGV)"
                  : signal == SIGABRT ? "crashed (SIGABRT: a failed assertion or abort)"
                  : signal == SIGFPE  ? "crashed (SIGFPE)"
                  : signal == SIGBUS  ? "crashed (SIGBUS)"
                                      : "crashed");
  ::_exit(1);
}

long long steadySeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Ends the process when one command runs longer than the timeout: a command
// that computes forever never comes back to a prompt the answers could end.
void startWatchdog() {
  std::thread([] {
    for (;;) {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      const long long started = g_commandStartedAt.load();
      if (started != 0 && steadySeconds() - started > g_timeoutSeconds.load()) {
        writeLiveScript("a command did not return within the timeout (hung)");
        ::_exit(1);
      }
    }
  }).detach();
}

void installCrashHandlers() {
  for (int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS})
    std::signal(signal, onFatalSignal);
}

// ---------------------------------------------------------------------------
// Scripts: "; drawing: FILE", then each command's lines after a
// "; command N: NAME" comment (the golden runner and zek read them as well).

std::string scriptText(const std::string& drawing, const std::string& note,
                       const std::vector<Chunk>& chunks) {
  std::string text = "; drawing: " + drawing + "\n";
  if (!note.empty())
    text += "; " + note + "\n";
  for (std::size_t i = 0; i < chunks.size(); ++i) {
    text += "; command " + std::to_string(i + 1) + ": " + chunks[i].command + "\n";
    for (const std::string& line : chunks[i].lines)
      text += line + "\n";
  }
  return text;
}

struct Script {
  std::string drawing;
  std::vector<Chunk> chunks;
};

std::optional<Script> readScript(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot read the script";
    return std::nullopt;
  }
  Script script;
  std::string line;
  const std::string drawingMarker = "; drawing: ";
  const std::string commandMarker = "; command ";
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (line.rfind(drawingMarker, 0) == 0) {
      script.drawing = line.substr(drawingMarker.size());
    } else if (line.rfind(commandMarker, 0) == 0) {
      const std::size_t colon = line.find(": ");
      script.chunks.push_back({colon == std::string::npos ? "?" : line.substr(colon + 2), {}});
    } else if (!line.empty() && line.front() == ';') {
      continue;
    } else {
      if (script.chunks.empty())
        script.chunks.push_back({"?", {}});
      script.chunks.back().lines.push_back(line);
    }
  }
  if (script.drawing.empty()) {
    error = path + ": no \"; drawing: FILE\" line";
    return std::nullopt;
  }
  fs::path drawing(script.drawing);
  if (drawing.is_relative())
    script.drawing = (fs::path(path).parent_path() / drawing).string();
  return script;
}

// ---------------------------------------------------------------------------
// What every command is checked for.

// What the command loop's hooks saw during one command.
struct CommandWatch {
  int unfreed = 0;
  std::vector<std::string> problems;
  std::vector<std::string> before;
  long cancelsBefore = 0;
};

CommandWatch& commandWatch() {
  static CommandWatch watch;
  return watch;
}

// Wraps the services' hooks (which stay in charge) to count what they report.
void installHooks() {
  static const EditorHooks saved = editorHooks();
  EditorHooks& hooks = editorHooks();
  hooks.unfreedSelectionSets = [](std::string_view name) {
    const int count = saved.unfreedSelectionSets ? saved.unfreedSelectionSets(name) : 0;
    commandWatch().unfreed += count;
    return count;
  };
  hooks.commandStarting = [](std::string_view name, bool pickfirst) {
    if (saved.commandStarting)
      saved.commandStarting(name, pickfirst);
    commandWatch().before = cancelRestoredSysvarValues();
    commandWatch().cancelsBefore = promptState().cancels;
  };
  hooks.commandEnded = [](std::string_view name) {
    if (saved.commandEnded)
      saved.commandEnded(name);
    CommandWatch& watch = commandWatch();
    // SETVAR changes them on purpose; any other command that was cancelled
    // must have put them back.
    if (name == "SETVAR" || promptState().cancels == watch.cancelsBefore)
      return;
    const std::vector<std::string> after = cancelRestoredSysvarValues();
    if (after == watch.before)
      return;
    std::string change;
    for (std::size_t i = 0; i < after.size(); ++i)
      if (after[i] != watch.before[i])
        change += " " + std::string(kCancelRestoredSysvars[i]) + " " + watch.before[i] + " to " +
                  after[i];
    watch.problems.push_back(std::string(name) + " was cancelled and left" + change);
  };
}

// ---------------------------------------------------------------------------
// The answers: made for each prompt as it waits.

std::vector<std::string> dialogIds() {
  std::vector<std::string> ids;
  for (const std::string& word : activeDialogCompletions())
    if (!word.empty() && word.front() >= '0' && word.front() <= '9')
      ids.push_back(word);
  return ids;
}

// Esc answers a command may take after its answers before it counts as one
// that does not return: a hole table asks for a circle per code and takes
// Esc as "skip this code", so one Esc need not end a command.
constexpr int kEscapesBeforeStuck = 100;

// The answers of one command: the command line first, then an answer for
// each prompt up to the cap, then Esc; a command still prompting after
// kEscapesBeforeStuck Esc answers does not return, and its input ends.
class GeneratingSource : public InputSource {
public:
  GeneratingSource(AnswerMaker& maker, Chunk& chunk, std::string commandLine, int cap)
      : maker_(maker), chunk_(chunk), commandLine_(std::move(commandLine)), cap_(cap) {}

  std::optional<std::string> nextLine() override {
    if (!issued_) {
      issued_ = true;
      return record(commandLine_);
    }
    if (commandState().active.empty() && waitingPrompt() == "Command: ")
      return std::nullopt;  // the command is over: the loop stops here
    ++answers_;
    if (answers_ > cap_ + kEscapesBeforeStuck) {
      stuck_ = true;
      return std::nullopt;
    }
    if (answers_ > cap_)
      return record("^C");
    return record(maker_.answerFor(waitingPrompt(), dialogIds(), !openDialogs().empty()));
  }
  std::string whereLastLine() const override {
    return "soak line " + std::to_string(chunk_.lines.size());
  }
  bool stuck() const { return stuck_; }

private:
  std::string record(std::string line) {
    chunk_.lines.push_back(line);
    g_liveScript += line + "\n";
    return line;
  }

  AnswerMaker& maker_;
  Chunk& chunk_;
  std::string commandLine_;
  int cap_;
  int answers_ = 0;
  bool issued_ = false;
  bool stuck_ = false;
};

bool isOpenDocument(const Document* document) {
  DocumentManager& manager = DocumentManager::instance();
  for (int i = 0; i < manager.documentCount(); ++i)
    if (manager.documentAt(i) == document)
      return true;
  return false;
}

// The generation the round trip writes (--dxf-version).
std::optional<DxfVersion>& checkVersion() {
  static std::optional<DxfVersion> version;
  return version;
}

struct ChunkResult {
  std::vector<Fault> faults;
  std::string transcript;
  bool roundOver = false;  // the drawing is gone or in doubt: start afresh
};

// Runs one command from the source on the round's document and checks it.
ChunkResult runChunk(Document& document, const std::string& command,
                     std::unique_ptr<InputSource> source, const GeneratingSource* generating) {
  ChunkResult result;
  commandWatch() = {};
  Transcript::instance().clear();
  InputStack& input = documentInput(document);
  const std::size_t depth = input.depth();
  input.push(std::move(source));
  g_commandStartedAt = steadySeconds();
  const RunOutcome outcome = runCommandLoop();
  g_commandStartedAt = 0;
  result.transcript = Transcript::instance().text();
  auto fault = [&](std::string kind, std::string detail) {
    result.faults.push_back({std::move(kind), command, std::move(detail)});
  };
  if (!isOpenDocument(&document) || currentDocument() != &document) {
    fault("drawing", "the command closed the drawing or made another current");
    result.roundOver = true;
    return result;
  }
  // The answer source is asked before it is taken off the input, which frees it.
  const bool stuck = generating != nullptr && generating->stuck();
  input.popTo(depth);
  if (stuck)
    fault("prompts", "still prompting after its answers and " +
                           std::to_string(kEscapesBeforeStuck) + " Esc answers");
  else if (outcome.endedInCommand)
    fault("prompts", outcome.message);
  const std::size_t left = result.transcript.find("open, closed now");
  if (left != std::string::npos) {
    const std::size_t before = result.transcript.rfind('\n', left);
    const std::size_t start = before == std::string::npos ? 0 : before + 1;
    const std::size_t end = result.transcript.find('\n', left);
    fault("open objects", result.transcript.substr(
                              start, end == std::string::npos ? std::string::npos : end - start));
  }
  if (!document.database()->openObjects().empty())
    fault("open objects", "objects are still open after the command loop closed them");
  if (commandWatch().unfreed != 0)
    fault("selection sets", std::to_string(commandWatch().unfreed) + " left unfreed");
  for (const std::string& problem : commandWatch().problems)
    fault("variables", problem);
  if (auto problem = roundTripProblem(*document.database(), checkVersion())) {
    if (problem->rfind(kLastDigits, 0) == 0)
      fault("round trip digits", problem->substr(std::strlen(kLastDigits)));
    else
      fault("round trip", *problem);
  }
  result.roundOver = !result.faults.empty();
  return result;
}

// ---------------------------------------------------------------------------
// Rounds: the drawing read afresh, the session variables at their defaults,
// every module loaded anew (their remembered state starts over too), so a
// script from the start of a round replays exactly.

std::string readWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Rounds {
public:
  explicit Rounds(std::string scratch) : scratch_(std::move(scratch)) {}

  // Opens a drawing for a new round; null (with the reason) when it fails.
  Document* start(const std::string& drawing, std::string& error) {
    unloadAllModules();
    DocumentManager::instance().closeAll();
    resetSessionSysvars();
    Transcript::instance().clear();
    inputEndState() = {};
    std::string& text = texts_[drawing];
    if (text.empty())
      text = readWhole(drawing);
    auto db = readDxfString(text, drawing);
    if (!db.ok()) {
      error = db.failure().describe();
      return nullptr;
    }
    const std::string copy = scratch_ + "/" + fs::path(drawing).filename().string();
    Document* document = DocumentManager::instance().open(std::move(db.value()), copy);
    for (const std::string& module : soakModules()) {
      if (loadModule(module, true) != RTNORM) {
        error = module + " did not load: " + Transcript::instance().text();
        return nullptr;
      }
    }
    Transcript::instance().clear();
    return document;
  }

private:
  std::string scratch_;
  std::map<std::string, std::string> texts_;
};

// Where answers aim on a drawing: its extents and points on its entities.
PlateTargets targetsOf(const std::string& path) {
  PlateTargets targets;
  auto read = readDxfString(readWhole(path), path);
  if (!read.ok())
    return targets;
  AcDbDatabase& db = *read.value();
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db.modelSpaceId(), AcDb::kForRead) != Acad::eOk)
    return targets;
  std::vector<AcDbObjectId> ids;
  AcDbBlockTableRecordIterator* walk = nullptr;
  if (space->newIterator(walk) == Acad::eOk) {
    const std::unique_ptr<AcDbBlockTableRecordIterator> iterator(walk);
    for (; !iterator->done(); iterator->step()) {
      AcDbObjectId id;
      if (iterator->getEntityId(id) == Acad::eOk)
        ids.push_back(id);
    }
  }
  (void)space->close();
  bool first = true;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk)
      continue;
    AcDbExtents box;
    if (entity->getGeomExtents(box) == Acad::eOk) {
      const AcGePoint3d& low = box.minPoint();
      const AcGePoint3d& high = box.maxPoint();
      if (first) {
        targets.min = {low.x, low.y};
        targets.max = {high.x, high.y};
        first = false;
      }
      targets.min = {std::min(targets.min.x, low.x), std::min(targets.min.y, low.y)};
      targets.max = {std::max(targets.max.x, high.x), std::max(targets.max.y, high.y)};
    }
    if (auto* circle = AcDbCircle::cast(entity)) {
      const AcGePoint3d centre = circle->center();
      targets.onEntities.push_back({centre.x, centre.y});
      targets.onEntities.push_back({centre.x + circle->radius(), centre.y});
    } else if (auto* arc = AcDbArc::cast(entity)) {
      targets.onEntities.push_back({arc->center().x, arc->center().y});
    } else if (auto* line = AcDbLine::cast(entity)) {
      const AcGePoint3d a = line->startPoint();
      const AcGePoint3d b = line->endPoint();
      targets.onEntities.push_back({a.x, a.y});
      targets.onEntities.push_back({(a.x + b.x) / 2, (a.y + b.y) / 2});
    }
    (void)entity->close();
  }
  return targets;
}

// The commands the run picks from: the command table's (host and modules,
// all but the excluded ones), and "(NAME" for every AutoLISP function.
std::vector<std::string> commandChoices() {
  std::vector<std::string> choices;
  CommandTable& table = CommandTable::instance();
  const std::vector<std::string>& excluded = excludedCommands();
  for (const std::string& group : table.groups())
    for (const std::string& name : table.groupCommands(group))
      if (std::find(excluded.begin(), excluded.end(), name) == excluded.end())
        choices.push_back(name);
  if (LispFunctionTable* functions = currentLispFunctions())
    for (const LispFunction& function : functions->functions())
      choices.push_back("(" + function.name);
  return choices;
}

// ---------------------------------------------------------------------------
// Replays and making a failure's script small.

struct Replay {
  std::vector<Fault> faults;
  std::size_t failedChunk = 0;
  std::vector<std::string> transcripts;
  std::string error;
};

Replay replayChunks(Rounds& rounds, const std::string& drawing, const std::vector<Chunk>& chunks) {
  Replay replay;
  Document* document = rounds.start(drawing, replay.error);
  if (document == nullptr)
    return replay;
  for (std::size_t i = 0; i < chunks.size(); ++i) {
    g_liveScript = scriptText(drawing, "replay", std::vector<Chunk>(chunks.begin(),
                                                                    chunks.begin() + i + 1));
    ChunkResult result = runChunk(
        *document, chunks[i].command,
        std::make_unique<LineListSource>(chunks[i].lines, "soak script"), nullptr);
    replay.transcripts.push_back(result.transcript);
    if (!result.faults.empty()) {
      replay.faults = result.faults;
      replay.failedChunk = i;
      return replay;
    }
  }
  return replay;
}

bool reproduces(Rounds& rounds, const std::string& drawing, const std::vector<Chunk>& chunks,
                const Fault& fault) {
  const Replay replay = replayChunks(rounds, drawing, chunks);
  for (const Fault& found : replay.faults)
    if (found.kind == fault.kind && found.command == fault.command)
      return true;
  return false;
}

// The fewest commands of the round that still show the fault: the failing
// command alone if it does, else the round with every command dropped
// whose absence keeps the fault (a bounded number of tries).
std::vector<Chunk> smallestReproduction(Rounds& rounds, const std::string& drawing,
                                        std::vector<Chunk> chunks, const Fault& fault) {
  if (chunks.size() > 1 && reproduces(rounds, drawing, {chunks.back()}, fault))
    return {chunks.back()};
  int tries = 60;
  // The earlier half of what comes before the failing command first, while
  // the fault stays without it; then one command at a time.
  for (std::size_t half = (chunks.size() - 1) / 2; half > 0 && tries > 0;
       half = (chunks.size() - 1) / 2, --tries) {
    std::vector<Chunk> later(chunks.begin() + static_cast<long>(half), chunks.end());
    if (!reproduces(rounds, drawing, later, fault))
      break;
    chunks = std::move(later);
  }
  for (std::size_t i = 0; i + 1 < chunks.size() && tries > 0; --tries) {
    std::vector<Chunk> fewer = chunks;
    fewer.erase(fewer.begin() + static_cast<long>(i));
    if (reproduces(rounds, drawing, fewer, fault))
      chunks = std::move(fewer);
    else
      ++i;
  }
  return chunks;
}

void writeText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

int replayScript(Rounds& rounds, const std::string& path) {
  std::string error;
  auto script = readScript(path, error);
  if (!script) {
    std::fprintf(stderr, "zek-soak: %s\n", error.c_str());
    return 2;
  }
  std::snprintf(g_livePath, sizeof g_livePath, "%s.crash.scr", path.c_str());
  const Replay replay = replayChunks(rounds, script->drawing, script->chunks);
  if (!replay.error.empty()) {
    std::fprintf(stderr, "zek-soak: %s: %s\n", script->drawing.c_str(), replay.error.c_str());
    return 2;
  }
  for (const std::string& transcript : replay.transcripts)
    std::fputs(transcript.c_str(), stdout);
  std::fputs("\n", stdout);
  for (const Fault& fault : replay.faults)
    std::printf("fault after command %zu (%s): %s: %s\n", replay.failedChunk + 1,
                fault.command.c_str(), fault.kind.c_str(), fault.detail.c_str());
  if (replay.faults.empty())
    std::printf("zek-soak: %s: %zu commands, no fault\n", path.c_str(), script->chunks.size());
  return replay.faults.empty() ? 0 : 1;
}

std::vector<std::string> samplePlates() {
  std::vector<std::string> plates;
  const fs::path folder = fs::path(shippedDataFolder()) / "samples";
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.path().extension() == ".dxf")
      plates.push_back(entry.path().string());
  std::sort(plates.begin(), plates.end());
  return plates;
}

// A found fault, kept once per kind and command.
struct FoundFault {
  Fault fault;
  long firstCommand = 0;
  int count = 0;
  std::string script;
  std::size_t scriptCommands = 0;
};

}  // namespace

const std::vector<std::string>& soakModules() {
  // The demo's modules (app/demo.cpp), in its order.
  static const std::vector<std::string> modules = {
      "zekgetpoint", "zekislands", "zekcenline", "zekboundary", "zekovercut", "zekleaderdcc",
      "zekalign",    "zekalignuu", "zekcommand", "zekregister", "zekadxy1",   "zektable"};
  return modules;
}

const std::vector<std::string>& excludedCommands() {
  static const std::vector<std::string> excluded = {"QUIT", "EXIT", "OPEN", "NEW", "CLOSE", "ARX"};
  return excluded;
}

int runSoak(SoakOptions options) {
  std::error_code error;
  fs::create_directories(options.scratch, error);
  if (error) {
    std::fprintf(stderr, "zek-soak: %s: %s\n", options.scratch.c_str(), error.message().c_str());
    return 2;
  }
  const std::string scratch = fs::absolute(options.scratch).lexically_normal().string();
  if (!options.replay.empty())
    options.replay = fs::absolute(options.replay).string();
  if (options.drawings.empty())
    options.drawings = samplePlates();
  for (std::string& drawing : options.drawings)
    drawing = fs::absolute(drawing).lexically_normal().string();
  if (options.drawings.empty() && options.replay.empty()) {
    std::fprintf(stderr, "zek-soak: no drawings (the shipped samples are missing)\n");
    return 2;
  }
  // Everything the commands write lands in the scratch folder: SAVEAS
  // names are relative to it, the registry zekregister writes is its own.
  const std::string profile = scratch + "/profile";
  fs::remove_all(profile, error);
  fs::create_directories(profile, error);
  ::setenv("ZEK_PROFILE", profile.c_str(), 1);
  fs::current_path(scratch, error);
  if (error) {
    std::fprintf(stderr, "zek-soak: %s: %s\n", scratch.c_str(), error.message().c_str());
    return 2;
  }
  g_timeoutSeconds = options.timeoutSeconds;
  checkVersion() = options.dxfVersion;
  installCrashHandlers();
  installHooks();
  startWatchdog();
  Rounds rounds(scratch);

  if (!options.replay.empty())
    return replayScript(rounds, options.replay);

  std::printf("zek-soak: seed %llu, %ld commands, %zu drawings\n",
              static_cast<unsigned long long>(options.seed), options.commands,
              options.drawings.size());
  std::fflush(stdout);
  SoakRandom random(options.seed);
  std::vector<PlateTargets> targets;
  for (const std::string& drawing : options.drawings)
    targets.push_back(targetsOf(drawing));
  std::vector<std::string> choices;
  std::vector<FoundFault> found;
  const auto started = std::chrono::steady_clock::now();
  auto seconds = [&] {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  };
  long done = 0;
  for (long round = 0; done < options.commands; ++round) {
    const std::size_t drawingIndex = static_cast<std::size_t>(round) % options.drawings.size();
    const std::string& drawing = options.drawings[drawingIndex];
    std::string why;
    Document* document = rounds.start(drawing, why);
    if (document == nullptr) {
      std::fprintf(stderr, "zek-soak: %s: %s\n", drawing.c_str(), why.c_str());
      return 2;
    }
    if (choices.empty())
      choices = commandChoices();
    AnswerMaker maker(random, targets[drawingIndex]);
    std::vector<Chunk> chunks;
    const std::string note = "zek-soak --seed " + std::to_string(options.seed) + ", round " +
                             std::to_string(round + 1);
    std::snprintf(g_livePath, sizeof g_livePath, "%s/crash-seed-%llu.scr", scratch.c_str(),
                  static_cast<unsigned long long>(options.seed));
    g_liveScript = scriptText(drawing, note, {});
    for (int k = 0; k < options.reopenEvery && done < options.commands; ++k) {
      const std::string& choice = random.pick(choices);
      const bool lisp = choice.front() == '(';
      const std::string name = lisp ? choice.substr(1) : choice;
      std::string line = lisp ? maker.lispCall(name) : name;
      if (!lisp && random.chance(0.05))
        line = (random.chance(0.5) ? "_" : ".") + line;
      chunks.push_back({name, {}});
      g_liveScript += "; command " + std::to_string(chunks.size()) + ": " + name + "\n";
      auto source = std::make_unique<GeneratingSource>(maker, chunks.back(), line,
                                                       options.answersPerCommand);
      const GeneratingSource* generating = source.get();
      ChunkResult result = runChunk(*document, name, std::move(source), generating);
      ++done;
      for (const Fault& fault : result.faults) {
        // Last digits are one fault of the writer and reader, whichever
        // command made the value; other faults count per command.
        auto same = std::find_if(found.begin(), found.end(), [&](const FoundFault& f) {
          return f.fault.kind == fault.kind &&
                 (f.fault.command == fault.command || fault.kind == "round trip digits");
        });
        if (same != found.end()) {
          ++same->count;
          continue;
        }
        FoundFault entry{fault, done, 1, "", 0};
        std::printf("zek-soak: command %ld (%s): %s: %s\n", done, fault.command.c_str(),
                    fault.kind.c_str(), fault.detail.c_str());
        const std::vector<Chunk> smallest = smallestReproduction(rounds, drawing, chunks, fault);
        entry.scriptCommands = smallest.size();
        std::string kind = fault.kind;
        std::replace(kind.begin(), kind.end(), ' ', '-');
        entry.script = scratch + "/failure-seed-" + std::to_string(options.seed) + "-" +
                       std::to_string(done) + "-" + kind + ".scr";
        writeText(entry.script,
                  scriptText(drawing,
                             note + ", command " + std::to_string(done) + " (" + fault.command +
                                 "): " + fault.kind + ": " + fault.detail +
                                 "\n; replay: zek-soak --replay THIS_FILE",
                             smallest));
        std::printf("  script (%zu command%s): %s\n", smallest.size(),
                    smallest.size() == 1 ? "" : "s", entry.script.c_str());
        std::printf("  transcript of the command:\n%s\n", result.transcript.c_str());
        found.push_back(entry);
      }
      if (!options.quiet && done % 100 == 0) {
        std::printf("zek-soak: %ld/%ld commands, %zu faults, %.1f s\n", done, options.commands,
                    found.size(), seconds());
        std::fflush(stdout);
      }
      if (result.roundOver)
        break;  // shrinking replaced the round's drawing, or it is in doubt
    }
  }
  unloadAllModules();
  DocumentManager::instance().closeAll();
  std::printf("zek-soak: seed %llu: %ld commands in %.1f s, %zu fault%s\n",
              static_cast<unsigned long long>(options.seed), done, seconds(), found.size(),
              found.size() == 1 ? "" : "s");
  if (seedDrift().count != 0)
    std::printf("  note: %ld reloads differed only in $HANDSEED (first %s): the reader takes "
                "handles it never gives out; not counted as a fault\n",
                seedDrift().count, seedDrift().example.c_str());
  for (const FoundFault& entry : found)
    std::printf("  %s after %s (first at command %ld, %d times): %s\n    %s\n",
                entry.fault.kind.c_str(), entry.fault.command.c_str(), entry.firstCommand,
                entry.count, entry.fault.detail.c_str(), entry.script.c_str());
  return found.empty() ? 0 : 1;
}

}  // namespace zek::soak
