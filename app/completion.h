// Tab completion at the terminal: command names at the command prompt,
// AutoLISP function names after "(", the options a prompt offers in its
// brackets, the answer words of a dialog that waits.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zek {

// The names completion chooses from, gathered when Tab is pressed.
struct CompletionNames {
  std::vector<std::string> commands;       // every typed name of the command table
  std::vector<std::string> lispFunctions;  // the current drawing's AutoLISP functions
  std::vector<std::string> dialogWords;    // answer words of a waiting dialog, or none
};

// The word being completed: the line typed so far, where the word starts in
// it, and the prompt it answers.
struct CompletionRequest {
  std::string_view line;
  std::size_t wordStart = 0;
  std::string_view word;
  std::string_view prompt;
};

// The candidates for the word, sorted, each once, matched without regard to
// case; "_" or "." before a command name is kept. Empty when nothing fits
// (the terminal then offers file names, at prompts that offer no options).
std::vector<std::string> completionCandidates(const CompletionRequest& request,
                                              const CompletionNames& names);

// The options of a prompt: "Specify next point or [Close/Undo]: " gives
// Close and Undo.
std::vector<std::string> promptOptions(std::string_view prompt);

// Whether a prompt is the command prompt.
bool isCommandPrompt(std::string_view prompt);

}  // namespace zek
