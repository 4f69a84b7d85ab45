// Tab completion: what each place on the line offers.
#include "completion.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

using Names = std::vector<std::string>;

const CompletionNames kNames{
    {"LINE", "LIST", "LAYER", "-LAYER", "ZEKXY", "ZEKGQS", "ZEKQGS"},
    {"ZEKGETPOINT", "ZEKISLANDS", "ZEKISLANDS1"},
    {},
};

struct CompletionCase {
  const char* name;
  const char* line;      // typed so far, the word last
  std::size_t wordStart;
  const char* prompt;
  Names expected;
};

const CompletionCase kCases[] = {
    {"command names by prefix, any case", "li", 0, "Command: ", {"LINE", "LIST"}},
    {"\"_\" stays before the name", "_li", 0, "Command: ", {"_LINE", "_LIST"}},
    {"\"-\" belongs to the name", "-la", 0, "Command: ", {"-LAYER"}},
    {"local names too", "zekq", 0, "Command: ", {"ZEKQGS"}},
    {"nothing typed: every command", "", 0, "Command: ",
     {"-LAYER", "LAYER", "LINE", "LIST", "ZEKGQS", "ZEKQGS", "ZEKXY"}},
    {"after \"(\": the drawing's functions", "(zeki", 1, "Command: ",
     {"ZEKISLANDS", "ZEKISLANDS1"}},
    {"blanks after \"(\"", "( zekg", 2, "Command: ", {"ZEKGETPOINT"}},
    {"a call's argument: nothing", "(ZEKGETPOINT zek", 13, "Command: ", {}},
    {"after a command name: nothing", "LINE li", 5, "Command: ", {}},
    {"a prompt's options", "c", 0, "\nSpecify next point or [Close/Undo]: ", {"Close"}},
    {"every option of the prompt", "", 0, "Specify next point or [Close/Undo]: ",
     {"Close", "Undo"}},
    {"an option's prefix in another case", "UN", 0, "Specify next point or [Close/Undo]: ",
     {"Undo"}},
    {"a prompt without options: nothing (file names)", "pl", 0,
     "Enter name of drawing to open: ", {}},
    {"no command names at other prompts", "li", 0, "Enter text: ", {}},
};

TEST(Completion, OffersWhatFitsThePlaceOnTheLine) {
  for (const CompletionCase& c : kCases) {
    const std::string_view line = c.line;
    const CompletionRequest request{line, c.wordStart, line.substr(c.wordStart), c.prompt};
    EXPECT_EQ(completionCandidates(request, kNames), c.expected) << c.name;
  }
}

TEST(Completion, AWaitingDialogOffersItsAnswerWords) {
  CompletionNames names = kNames;
  names.dialogWords = {"set", "check", "select", "click", "dblclick"};
  const CompletionRequest request{"se", 0, "se", "Command: "};
  EXPECT_EQ(completionCandidates(request, names), (Names{"select", "set"}))
      << "while a dialog waits its words come before command names";
}

struct OptionsCase {
  const char* prompt;
  Names options;
};

const OptionsCase kOptionCases[] = {
    {"Specify next point or [Close/Undo]: ", {"Close", "Undo"}},
    {"Enter an option [?/Make/Set/New/ON/OFF]: ", {"?", "Make", "Set", "New", "ON", "OFF"}},
    {"Specify corner of window, enter a scale factor (nX or nXP), or\n"
     "[All/Center/Extents/Previous/Scale/Window] <real time>: ",
     {"All", "Center", "Extents", "Previous", "Scale", "Window"}},
    {"Really want layer X (the CURRENT layer) off? <N>: ", {}},
    {"Select objects: ", {}},
    {"Broken [Close/Undo: ", {}},
};

TEST(Completion, ReadsAPromptsOptionsFromItsBrackets) {
  for (const OptionsCase& c : kOptionCases)
    EXPECT_EQ(promptOptions(c.prompt), c.options) << c.prompt;
}

TEST(Completion, KnowsTheCommandPrompt) {
  EXPECT_TRUE(isCommandPrompt("Command: "));
  EXPECT_TRUE(isCommandPrompt("\nCommand: "));
  EXPECT_FALSE(isCommandPrompt("Enter command name: "));
}

}  // namespace
}  // namespace zek
