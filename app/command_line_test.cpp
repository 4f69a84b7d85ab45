// The command line: every option with its value, the order of -s and -c,
// and each way a command line is wrong, with the message the drafter reads.
#include "command_line.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

using Args = std::vector<std::string>;
using Kind = InputItem::Kind;

struct RunCase {
  const char* name;
  Args args;
  ProgramOptions expected;
};

const RunCase kRunCases[] = {
    {"nothing: a new drawing", {}, {}},
    {"a drawing", {"plate.dxf"}, {.drawing = "plate.dxf"}},
    {"-s and -c keep their order",
     {"-s", "a.scr", "-c", "LINE", "plate.dxf", "-s", "b.scr", "-c", "ZOOM"},
     {.drawing = "plate.dxf",
      .inputs = {{Kind::Script, "a.scr"}, {Kind::Text, "LINE"}, {Kind::Script, "b.scr"},
                 {Kind::Text, "ZOOM"}}}},
    {"an empty -c text is an Enter", {"-c", ""}, {.inputs = {{Kind::Text, ""}}}},
    {"-o", {"-o", "out.dxf"}, {.output = "out.dxf"}},
    {"--render svg", {"--render", "plate.svg"}, {.renders = {"plate.svg"}}},
    {"--render takes the extension in any case", {"--render", "PLATE.PDF"}, {.renders = {"PLATE.PDF"}}},
    {"the picture's size, window and flags",
     {"--render", "p.png", "--render-size", "800x600", "--render-window=400,300,-10,-20",
      "--render-temp", "--render-dark"},
     {.renders = {"p.png"},
      .renderSettings = {.width = 800,
                         .height = 600,
                         .window = std::array<double, 4>{-10, -20, 400, 300},
                         .temporaryGraphics = true,
                         .darkTheme = true}}},
    {"the current view", {"--render-view", "--render", "p.svg"},
     {.renders = {"p.svg"}, .renderSettings = {.currentView = true}}},
    {"--support twice keeps both in order", {"--support", "office", "--support", "shipped"},
     {.supportFolders = {"office", "shipped"}}},
    {"--load twice", {"--load", "zekadxy1", "--load", "zektable.arx"},
     {.modules = {"zekadxy1", "zektable.arx"}}},
    {"--dxf-version in lower case", {"--dxf-version", "r12"}, {.dxfVersion = DxfVersion::R12}},
    {"--dxf-version R2018", {"--dxf-version", "R2018"}, {.dxfVersion = DxfVersion::R2018}},
    {"--transcript", {"--transcript", "run.txt"}, {.transcript = "run.txt"}},
    {"-i", {"-i"}, {.interactive = true}},
    {"a long option's value after =", {"--support=office", "--load=zekx"},
     {.supportFolders = {"office"}, .modules = {"zekx"}}},
    {"-- ends the options", {"--", "-odd.dxf"}, {.drawing = "-odd.dxf"}},
    {"a value that looks like an option is a value", {"-o", "-i"}, {.output = "-i"}},
};

TEST(CommandLineParser, TakesEveryOptionWithItsValue) {
  for (const RunCase& c : kRunCases) {
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.mode, CommandLine::Mode::Run) << c.name << ": " << line.usageError;
    EXPECT_EQ(line.options, c.expected) << c.name;
  }
}

struct ModeCase {
  const char* name;
  Args args;
  CommandLine::Mode mode;
};

const ModeCase kModeCases[] = {
    {"--help", {"--help"}, CommandLine::Mode::Help},
    {"-h", {"-h"}, CommandLine::Mode::Help},
    {"--help answers even a wrong command line", {"--bogus", "--help"}, CommandLine::Mode::Help},
    {"--version", {"--version"}, CommandLine::Mode::Version},
    {"--stats before the drawing", {"--stats", "plate.dxf"}, CommandLine::Mode::Stats},
    {"--stats after the drawing", {"plate.dxf", "--stats"}, CommandLine::Mode::Stats},
    {"demo", {"demo"}, CommandLine::Mode::Demo},
    {"a drawing named demo further on is a drawing", {"-i", "demo"}, CommandLine::Mode::Run},
};

TEST(CommandLineParser, ChoosesTheMode) {
  for (const ModeCase& c : kModeCases)
    EXPECT_EQ(parseCommandLine(c.args).mode, c.mode) << c.name;
  EXPECT_EQ(parseCommandLine({"--stats", "plate.dxf"}).options.drawing, "plate.dxf");
}

struct UsageCase {
  Args args;
  const char* message;
};

const UsageCase kUsageCases[] = {
    {{"-s"}, "-s needs a script file"},
    {{"-c"}, "-c needs a text"},
    {{"-o"}, "-o needs a file name"},
    {{"--render"}, "--render needs a file name (.svg, .png or .pdf)"},
    {{"--support"}, "--support needs a folder"},
    {{"--load"}, "--load needs a module name"},
    {{"--dxf-version"}, "--dxf-version needs R12, R2000, R2004 or R2018"},
    {{"--transcript"}, "--transcript needs a file name"},
    {{"--support="}, "--support needs a folder"},
    {{"-o", ""}, "-o needs a file name"},
    {{"-x"}, "unknown option -x"},
    {{"--frobnicate=1"}, "unknown option --frobnicate"},
    {{"-"}, "unknown option -"},
    {{"-i=1"}, "unknown option -i=1"},
    {{"--stats=yes", "p.dxf"}, "--stats takes no value"},
    {{"a.dxf", "b.dxf"}, "more than one drawing given: a.dxf and b.dxf"},
    {{""}, "a drawing name is empty"},
    {{"-o", "a.dxf", "-o", "b.dxf"}, "-o given twice"},
    {{"--transcript", "a", "--transcript", "b"}, "--transcript given twice"},
    {{"--render", "a.svg", "--render", "b.png"}, "--render given twice"},
    {{"--dxf-version", "R12", "--dxf-version", "R2000"}, "--dxf-version given twice"},
    {{"--dxf-version", "R14"}, "unknown DXF version \"R14\": use R12, R2000, R2004 or R2018"},
    {{"--render", "plate.jpg"}, "--render writes .svg, .png or .pdf, not plate.jpg"},
    {{"--render", "plate"}, "--render writes .svg, .png or .pdf, not plate"},
    {{"--render-size", "800x600"}, "--render-size needs --render"},
    {{"-o", "a.dxf", "--render-dark"}, "--render-dark needs --render"},
    {{"--render", "a.png", "--render-size", "800"},
     "--render-size needs WIDTHxHEIGHT in whole pixels from 16 to 16384, not 800"},
    {{"--render", "a.png", "--render-size", "8x600"},
     "--render-size needs WIDTHxHEIGHT in whole pixels from 16 to 16384, not 8x600"},
    {{"--render", "a.png", "--render-size", "800.5x600"},
     "--render-size needs WIDTHxHEIGHT in whole pixels from 16 to 16384, not 800.5x600"},
    {{"--render", "a.png", "--render-window", "0,0,10"},
     "--render-window needs two corners x1,y1,x2,y2, not 0,0,10"},
    {{"--render", "a.png", "--render-window", "0,0,10,nan"},
     "--render-window needs two corners x1,y1,x2,y2, not 0,0,10,nan"},
    {{"--render", "a.png", "--render-window", "0,5,10,5"},
     "--render-window needs corners that differ in x and in y, not 0,5,10,5"},
    {{"--render", "a.png", "--render-window", "0,0,1,1", "--render-view"},
     "--render-window and --render-view cannot both be given"},
    {{"--render", "a.png", "--render-temp", "--render-temp"}, "--render-temp given twice"},
    {{"--stats", "p.dxf", "--render-dark"}, "--render-dark needs --render"},
    {{"--stats"}, "--stats needs a drawing"},
    {{"--stats", "p.dxf", "-o", "q.dxf"}, "--stats takes a drawing and no other option"},
    {{"demo", "-i"}, "demo takes no other arguments"},
    {{"a.dxf", "-x", "-y"}, "unknown option -x"},  // the first fault is the one said
};

TEST(CommandLineParser, SaysWhatIsWrong) {
  for (const UsageCase& c : kUsageCases) {
    std::string shown;
    for (const std::string& arg : c.args)
      shown += " [" + arg + "]";
    const CommandLine line = parseCommandLine(c.args);
    EXPECT_EQ(line.mode, CommandLine::Mode::Usage) << shown;
    EXPECT_EQ(line.usageError, c.message) << shown;
  }
}

TEST(CommandLineParser, HelpNamesEveryOptionAndExitStatus) {
  const std::string help = helpText();
  for (const char* option : {"-s SCRIPT", "-c TEXT", "-i", "-o OUT.dxf", "--dxf-version V",
                             "--support DIR", "--load MODULE", "--transcript FILE", "--render OUT",
                             "--render-size WxH", "--render-window", "--render-view",
                             "--render-temp", "--render-dark", "--stats", "zek demo"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
  EXPECT_NE(help.find("2  usage error, a script that cannot be read, a --load that fails"),
            std::string::npos);
  EXPECT_NE(help.find("3  the input ended while a command was still prompting"), std::string::npos);
}

}  // namespace
}  // namespace zek
