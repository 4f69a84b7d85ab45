// The zek program's command line: what it asks for, parsed into a plain
// record before anything runs, and the help text that describes it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "zek/dxf_io.h"

namespace zek {

// How --render draws: the picture's size and the part of the drawing shown.
struct RenderRequest {
  int width = 1600;                  // --render-size WxH, pixels
  int height = 1200;
  std::optional<std::array<double, 4>> window;  // --render-window x1,y1,x2,y2 (world)
  bool currentView = false;          // --render-view
  bool temporaryGraphics = false;    // --render-temp
  bool darkTheme = false;            // --render-dark
  bool operator==(const RenderRequest&) const = default;
};

// A script file (-s) or a text (-c), in command-line order.
struct InputItem {
  enum class Kind { Script, Text };
  Kind kind = Kind::Script;
  std::string value;  // the script's path, or the text itself
  bool operator==(const InputItem&) const = default;
};

struct ProgramOptions {
  std::string drawing;               // "" for a new drawing from the template
  std::vector<InputItem> inputs;     // -s and -c, in the order given
  std::string output;                // -o: the drawing saved after the input
  // --render: the pictures drawn after the input (the command line names
  // one; the demo draws two).
  std::vector<std::string> renders;
  RenderRequest renderSettings;      // --render-size, --render-window, --render-view ...
  std::vector<std::string> supportFolders;  // --support, in order
  std::vector<std::string> modules;         // --load, in order
  std::optional<DxfVersion> dxfVersion;     // --dxf-version
  std::string transcript;            // --transcript: a copy of standard output
  bool interactive = false;          // -i: the terminal after the scripts
  bool operator==(const ProgramOptions&) const = default;
};

struct CommandLine {
  enum class Mode {
    Run,      // open or start a drawing, run the input, save
    Help,     // --help
    Version,  // --version
    Stats,    // --stats DRAWING
    Demo,     // zek demo
    Usage,    // the command line is wrong: usageError says why
  };
  Mode mode = Mode::Run;
  ProgramOptions options;
  std::string usageError;  // "-o needs a file name"
};

// Parses the arguments after the program's name. Never fails otherwise than
// by answering Mode::Usage with the reason.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The one-screen synopsis printed after a usage error.
const char* usageSynopsis();
// The whole description printed by --help.
const char* helpText();

}  // namespace zek
