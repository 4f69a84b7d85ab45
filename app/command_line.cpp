// Parsing the zek command line into ProgramOptions, and the help text.
#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace zek {

namespace {

enum class Option {
  Script, Text, Output, Render, RenderSize, RenderWindow, RenderView, RenderTemp, RenderDark,
  Support, Load, DxfVersion, Transcript, Interactive, Help, Version, Stats,
};

struct OptionRule {
  const char* name;
  Option option;
  const char* needs;  // what its value is, for "-o needs a file name"; null: takes none
};

constexpr OptionRule kOptions[] = {
    {"-s", Option::Script, "a script file"},
    {"-c", Option::Text, "a text"},
    {"-o", Option::Output, "a file name"},
    {"--render", Option::Render, "a file name (.svg, .png or .pdf)"},
    {"--render-size", Option::RenderSize, "a size in pixels, WIDTHxHEIGHT"},
    {"--render-window", Option::RenderWindow, "two corners, x1,y1,x2,y2"},
    {"--render-view", Option::RenderView, nullptr},
    {"--render-temp", Option::RenderTemp, nullptr},
    {"--render-dark", Option::RenderDark, nullptr},
    {"--support", Option::Support, "a folder"},
    {"--load", Option::Load, "a module name"},
    {"--dxf-version", Option::DxfVersion, "R12, R2000, R2004 or R2018"},
    {"--transcript", Option::Transcript, "a file name"},
    {"-i", Option::Interactive, nullptr},
    {"--help", Option::Help, nullptr},
    {"-h", Option::Help, nullptr},
    {"--version", Option::Version, nullptr},
    {"--stats", Option::Stats, nullptr},
};

const OptionRule* findOption(std::string_view name) {
  for (const OptionRule& rule : kOptions)
    if (name == rule.name)
      return &rule;
  return nullptr;
}

std::string lowerCased(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The numbers of a text such as "1600x1200" or "0,0,400,300", split at
// `separator`; empty when any part is not a finite number.
std::vector<double> numbersIn(const std::string& text, char separator) {
  std::vector<double> numbers;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(separator, start);
    if (end == std::string::npos)
      end = text.size();
    const std::string part = text.substr(start, end - start);
    char* stop = nullptr;
    const double value = std::strtod(part.c_str(), &stop);
    if (part.empty() || *stop != '\0' || !std::isfinite(value) ||
        std::isspace(static_cast<unsigned char>(part.front())))
      return {};
    numbers.push_back(value);
    start = end + 1;
  }
  return numbers;
}

bool isPixelCount(double value) {
  return value >= 16 && value <= 16384 && value == std::floor(value);
}

// Walks the arguments once; the first error stops it.
class Parser {
public:
  explicit Parser(const std::vector<std::string>& args) : args_(args) {}

  CommandLine run() {
    if (asksForHelp()) {
      result_.mode = CommandLine::Mode::Help;  // --help answers even a wrong command line
      return result_;
    }
    if (!args_.empty() && args_.front() == "demo")
      return demo();
    for (next_ = 0; next_ < args_.size() && result_.usageError.empty(); ++next_)
      takeArgument(args_[next_]);
    return finish();
  }

private:
  bool asksForHelp() const {
    for (const std::string& arg : args_) {
      if (arg == "--")
        return false;
      if (arg == "--help" || arg == "-h")
        return true;
    }
    return false;
  }

  CommandLine demo() {
    if (args_.size() > 1)
      return usage("demo takes no other arguments");
    result_.mode = CommandLine::Mode::Demo;
    return result_;
  }

  void takeArgument(const std::string& arg) {
    if (onlyDrawings_ || arg.empty() || arg.front() != '-' || arg == "-") {
      if (arg == "-" && !onlyDrawings_)
        return fail("unknown option -");
      return takeDrawing(arg);
    }
    if (arg == "--") {
      onlyDrawings_ = true;
      return;
    }
    std::string name = arg;
    std::optional<std::string> attached;  // "--support=DIR"
    if (std::size_t equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
      name = arg.substr(0, equals);
      attached = arg.substr(equals + 1);
    }
    const OptionRule* rule = findOption(name);
    if (rule == nullptr)
      return fail("unknown option " + name);
    ++optionCount_;
    if (rule->needs == nullptr) {
      if (attached)
        return fail(name + " takes no value");
      return takeFlag(rule->option);
    }
    std::string value;
    if (attached) {
      value = *attached;
    } else if (next_ + 1 < args_.size()) {
      value = args_[++next_];
    } else {
      return fail(name + " needs " + rule->needs);
    }
    if (value.empty() && rule->option != Option::Text)
      return fail(name + " needs " + rule->needs);
    takeValue(*rule, value);
  }

  void takeDrawing(const std::string& arg) {
    if (arg.empty())
      return fail("a drawing name is empty");
    if (!result_.options.drawing.empty())
      return fail("more than one drawing given: " + result_.options.drawing + " and " + arg);
    result_.options.drawing = arg;
  }

  void takeFlag(Option option) {
    switch (option) {
      case Option::Interactive: result_.options.interactive = true; break;
      case Option::Help: break;  // answered before parsing
      case Option::Version: version_ = true; break;
      case Option::Stats: stats_ = true; --optionCount_; break;
      case Option::RenderView: takeRenderSetting("--render-view"); result_.options.renderSettings.currentView = true; break;
      case Option::RenderTemp: takeRenderSetting("--render-temp"); result_.options.renderSettings.temporaryGraphics = true; break;
      case Option::RenderDark: takeRenderSetting("--render-dark"); result_.options.renderSettings.darkTheme = true; break;
      default: break;
    }
  }

  void takeValue(const OptionRule& rule, const std::string& value) {
    ProgramOptions& o = result_.options;
    switch (rule.option) {
      case Option::Script: o.inputs.push_back({InputItem::Kind::Script, value}); break;
      case Option::Text: o.inputs.push_back({InputItem::Kind::Text, value}); break;
      case Option::Support: o.supportFolders.push_back(value); break;
      case Option::Load: o.modules.push_back(value); break;
      case Option::Output: setOnce(o.output, rule.name, value); break;
      case Option::Transcript: setOnce(o.transcript, rule.name, value); break;
      case Option::Render: takeRender(value); break;
      case Option::RenderSize: takeRenderSize(value); break;
      case Option::RenderWindow: takeRenderWindow(value); break;
      case Option::DxfVersion: takeDxfVersion(value); break;
      default: break;
    }
  }

  void setOnce(std::string& field, const char* name, const std::string& value) {
    if (!field.empty())
      return fail(std::string(name) + " given twice");
    field = value;
  }

  void takeRender(const std::string& value) {
    const std::string extension = lowerCased(std::filesystem::path(value).extension().string());
    if (extension != ".svg" && extension != ".png" && extension != ".pdf")
      return fail("--render writes .svg, .png or .pdf, not " + value);
    if (!result_.options.renders.empty())
      return fail("--render given twice");
    result_.options.renders.push_back(value);
  }

  // The settings of --render, each given at most once; --render itself is
  // checked for when the whole line is read.
  void takeRenderSetting(const std::string& name) {
    if (std::find(renderSettingsGiven_.begin(), renderSettingsGiven_.end(), name) !=
        renderSettingsGiven_.end())
      return fail(name + " given twice");
    renderSettingsGiven_.push_back(name);
  }

  void takeRenderSize(const std::string& value) {
    takeRenderSetting("--render-size");
    std::vector<double> numbers = numbersIn(value, 'x');
    if (numbers.size() != 2 || !isPixelCount(numbers[0]) || !isPixelCount(numbers[1]))
      return fail("--render-size needs WIDTHxHEIGHT in whole pixels from 16 to 16384, not " +
                  value);
    result_.options.renderSettings.width = static_cast<int>(numbers[0]);
    result_.options.renderSettings.height = static_cast<int>(numbers[1]);
  }

  void takeRenderWindow(const std::string& value) {
    takeRenderSetting("--render-window");
    std::vector<double> n = numbersIn(value, ',');
    if (n.size() != 4)
      return fail("--render-window needs two corners x1,y1,x2,y2, not " + value);
    if (n[0] == n[2] || n[1] == n[3])
      return fail("--render-window needs corners that differ in x and in y, not " + value);
    result_.options.renderSettings.window =
        std::array<double, 4>{std::min(n[0], n[2]), std::min(n[1], n[3]), std::max(n[0], n[2]),
                              std::max(n[1], n[3])};
  }

  void takeDxfVersion(const std::string& value) {
    if (result_.options.dxfVersion)
      return fail("--dxf-version given twice");
    result_.options.dxfVersion = parseDxfVersion(value);
    if (!result_.options.dxfVersion)
      fail("unknown DXF version \"" + value + "\": use R12, R2000, R2004 or R2018");
  }

  CommandLine finish() {
    if (result_.usageError.empty() && !renderSettingsGiven_.empty() &&
        result_.options.renders.empty())
      fail(renderSettingsGiven_.front() + " needs --render");
    if (result_.usageError.empty() && result_.options.renderSettings.window &&
        result_.options.renderSettings.currentView)
      fail("--render-window and --render-view cannot both be given");
    if (!result_.usageError.empty())
      result_.mode = CommandLine::Mode::Usage;
    else if (version_)
      result_.mode = CommandLine::Mode::Version;
    else if (stats_)
      return stats();
    return result_;
  }

  CommandLine stats() {
    if (result_.options.drawing.empty())
      return usage("--stats needs a drawing");
    if (optionCount_ > 0)
      return usage("--stats takes a drawing and no other option");
    result_.mode = CommandLine::Mode::Stats;
    return result_;
  }

  void fail(std::string message) {
    if (result_.usageError.empty())
      result_.usageError = std::move(message);
  }

  CommandLine usage(std::string message) {
    result_.mode = CommandLine::Mode::Usage;
    result_.usageError = std::move(message);
    return result_;
  }

  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
  CommandLine result_;
  bool onlyDrawings_ = false;
  bool version_ = false;
  bool stats_ = false;
  int optionCount_ = 0;  // options other than --stats
  std::vector<std::string> renderSettingsGiven_;
};

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) { return Parser(args).run(); }

const char* usageSynopsis() {
  return "usage: zek [DRAWING.dxf] [-s SCRIPT]... [-c TEXT]... [-o OUT.dxf]\n"
         "           [--render OUT.svg|.png|.pdf [--render-size WxH] [--render-window x1,y1,x2,y2]\n"
         "            [--render-view] [--render-temp] [--render-dark]]\n"
         "           [--support DIR]... [--load MODULE]...\n"
         "           [--dxf-version R12|R2000|R2004|R2018] [--transcript FILE] [-i]\n"
         "       zek --stats DRAWING.dxf\n"
         "       zek demo\n"
         "       zek --help | --version\n";
}

const char* helpText() {
  return "zek: runs the ZEK drafting commands on a DXF drawing\n"
         "\n"
         "usage: zek [DRAWING.dxf] [options]\n"
         "  DRAWING.dxf          the drawing to work in; without one, a new drawing\n"
         "  -s SCRIPT            run a script: one answer per line, \";\" starts a comment\n"
         "  -c TEXT              run a text as typed lines (a newline in it ends a line)\n"
         "                       -s and -c run in the order given\n"
         "  -i                   then go on at the terminal (line editing, history,\n"
         "                       Tab completes commands, \"(\" functions and options)\n"
         "  -o OUT.dxf           save the current drawing when the input is done\n"
         "  --dxf-version V      write R12, R2000, R2004 or R2018 (with -o, SAVE, SAVEAS);\n"
         "                       else a drawing keeps its generation, a new one is R2018\n"
         "  --support DIR        look for definition files and modules in DIR (repeatable)\n"
         "  --load MODULE        load a module before the first line (repeatable)\n"
         "  --transcript FILE    also write the transcript to FILE\n"
         "  --render OUT         draw the drawing to .svg, .png or .pdf after the input\n"
         "  --render-size WxH    the picture's size in pixels (default 1600x1200)\n"
         "  --render-window x1,y1,x2,y2  the part of the drawing shown (default: its\n"
         "                       extents with a 5 % margin)\n"
         "  --render-view        show the current view instead\n"
         "  --render-temp        draw the temporary graphics (highlights, vectors) on top\n"
         "  --render-dark        a dark background, as on the screen\n"
         "\n"
         "  zek --stats DRAWING.dxf   entity counts by type per block, layers, extents\n"
         "  zek demo                  the bundled sample plate: statistics, written to out/demo/\n"
         "\n"
         "Without -s, -c or -i, zek is interactive when standard input is a terminal,\n"
         "and reads standard input as a script otherwise. The transcript goes to\n"
         "standard output; diagnostics go to standard error.\n"
         "\n"
         "Exit status:\n"
         "  0  done\n"
         "  1  a drawing could not be read or saved (the message names file, line, reason)\n"
         "  2  usage error, a script that cannot be read, a --load that fails\n"
         "  3  the input ended while a command was still prompting (it was cancelled)\n";
}

}  // namespace zek
