// The golden transcript runner and its Esc sweep.
#include "editor/testing/golden_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "aced_vars.h"
#include "editor/editor_hooks.h"
#include "editor/prompts/prompt_reader.h"
#include "editor/testing/editor_test_support.h"

namespace zek::test {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The drawing a script runs on: "; drawing: FILE" on its first line, or the
// DXF file of the script's own name; nothing for a new drawing.
std::optional<fs::path> drawingOf(const fs::path& script, const std::string& text) {
  const std::string marker = "; drawing: ";
  if (text.rfind(marker, 0) == 0) {
    std::string name = text.substr(marker.size(), text.find('\n') - marker.size());
    while (!name.empty() && (name.back() == '\r' || name.back() == ' '))
      name.pop_back();
    return script.parent_path() / name;
  }
  fs::path own = script;
  own.replace_extension(".dxf");
  if (fs::exists(own))
    return own;
  return std::nullopt;
}

std::unique_ptr<EditorSession> sessionFor(const fs::path& script, const std::string& text) {
  if (auto drawing = drawingOf(script, text)) {
    if (!fs::exists(*drawing)) {
      ADD_FAILURE() << script.filename() << ": the drawing " << *drawing << " is missing";
      return std::make_unique<EditorSession>();
    }
    return std::make_unique<EditorSession>(readText(*drawing));
  }
  return std::make_unique<EditorSession>();
}

std::string runText(const fs::path& script, const std::string& text, const GoldenOptions& options) {
  auto session = sessionFor(script, text);
  if (options.prepare)
    options.prepare(*session);
  session->feedScript(text, script.filename().string());
  RunOutcome outcome = session->run();
  std::string transcript = session->transcript();
  if (outcome.endedInCommand) {
    if (!transcript.empty() && transcript.back() != '\n')
      transcript += '\n';  // the report starts a line of its own
    transcript += "** " + outcome.message + "\n";
  }
  return transcript;
}

// The lines of a script that are answers (comments left out).
std::vector<std::string> answerLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty() && line.front() == ';')
      continue;
    lines.push_back(line);
  }
  return lines;
}

constexpr const char* kGuardedVariables[] = {"OSMODE", "ORTHOMODE", "CMDECHO"};

std::vector<std::string> guardedValues() {
  std::vector<std::string> values;
  for (const char* name : kGuardedVariables) {
    resbuf value{};
    if (acedGetVar(name, &value) != RTNORM || value.restype != RTSHORT)
      values.push_back("?");
    else
      values.push_back(std::to_string(value.resval.rint));
  }
  return values;
}

// Runs the script cut short by Esc at each answer in turn.
void sweepEscape(const fs::path& script, const std::string& text, const GoldenOptions& options) {
  std::string drawingLine;
  if (text.rfind("; drawing: ", 0) == 0)
    drawingLine = text.substr(0, text.find('\n') + 1);
  const std::vector<std::string> lines = answerLines(text);
  EditorHooks saved = editorHooks();
  for (std::size_t k = 0; k < lines.size(); ++k) {
    std::string cut = drawingLine;
    for (std::size_t i = 0; i < k; ++i)
      cut += lines[i] + "\n";
    cut += "^C\n";
    int unfreed = 0;
    std::vector<std::string> problems;
    std::vector<std::string> before;
    long cancelsBefore = 0;
    editorHooks().unfreedSelectionSets = [&](std::string_view name) {
      const int count = saved.unfreedSelectionSets ? saved.unfreedSelectionSets(name) : 0;
      unfreed += count;
      return count;
    };
    editorHooks().commandStarting = [&](std::string_view name, bool pickfirst) {
      if (saved.commandStarting)
        saved.commandStarting(name, pickfirst);
      before = guardedValues();
      cancelsBefore = promptState().cancels;
    };
    editorHooks().commandEnded = [&](std::string_view name) {
      if (saved.commandEnded)
        saved.commandEnded(name);
      if (promptState().cancels == cancelsBefore || guardedValues() == before)
        return;
      problems.push_back(std::string(name) + " changed OSMODE, ORTHOMODE or CMDECHO");
    };
    const std::string transcript = runText(script, cut, options);
    editorHooks() = saved;
    if (transcript.find("open, closed now") != std::string::npos)
      problems.push_back("objects were left open");
    if (unfreed != 0)
      problems.push_back("selection sets were left unfreed");
    for (const std::string& problem : problems)
      ADD_FAILURE() << script.filename().string() << " with Esc at answer " << k + 1 << ": "
                    << problem << "\n" << transcript;
  }
}

}  // namespace

std::string runGoldenScript(const std::string& scriptPath, const GoldenOptions& options) {
  const fs::path script(scriptPath);
  return runText(script, readText(script), options);
}

int runGoldenFolder(const std::string& folder, const GoldenOptions& options) {
  // ZEK_GOLDEN_ONLY=PREFIX runs (and updates) only the scripts whose names
  // begin with it, for work on one command's goldens in a shared folder.
  const char* only = std::getenv("ZEK_GOLDEN_ONLY");
  const std::string prefix = only != nullptr ? only : "";
  std::vector<fs::path> scripts;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".scr" &&
        entry.path().filename().string().compare(0, prefix.size(), prefix) == 0)
      scripts.push_back(entry.path());
  }
  std::sort(scripts.begin(), scripts.end());
  if (scripts.empty())
    ADD_FAILURE() << "no golden scripts in " << folder;
  const bool update = std::getenv("ZEK_UPDATE_GOLDEN") != nullptr &&
                      std::string(std::getenv("ZEK_UPDATE_GOLDEN")) == "1";
  for (const fs::path& script : scripts) {
    const std::string text = readText(script);
    const std::string transcript = runText(script, text, options);
    fs::path expectedPath = script;
    expectedPath.replace_extension(".out");
    if (update) {
      std::ofstream(expectedPath, std::ios::binary) << transcript;
    } else if (!fs::exists(expectedPath)) {
      ADD_FAILURE() << script.filename().string() << ": no " << expectedPath.filename().string()
                    << "; it would hold:\n" << transcript;
    } else {
      EXPECT_EQ(transcript, readText(expectedPath)) << script.filename().string();
    }
    if (options.escapeSweep)
      sweepEscape(script, text, options);
  }
  return static_cast<int>(scripts.size());
}

}  // namespace zek::test
