// The command macros of zekcommand.dat: one LABEL#MACRO line each, read in
// file order when the module loads.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

// One entry of the pick list: the label shown and the macro handed to the host.
struct CommandMacro {
  std::string label;
  std::string macro;
  bool operator==(const CommandMacro&) const = default;
};

// A line of the file as an entry: the label is everything before the first
// "#", the macro everything after it (blanks and further "#" kept). A line
// without "#", or with a label shorter than two characters, is no entry.
std::optional<CommandMacro> macroFromLine(std::string_view line);

// The entries of a line-style text in order: comment lines (";" first) are
// left out, at most 2000 lines are read.
std::vector<CommandMacro> macrosFromText(std::string_view text);

// Reads zekcommand.dat from the support path. A missing or unreadable file
// prints its message and gives no entries.
std::vector<CommandMacro> loadCommandMacros();

}  // namespace zek
