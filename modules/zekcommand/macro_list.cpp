// zekcommand.dat read into the pick list's entries.
#include "macro_list.h"

#include "deffiles/definition_file.h"

namespace zek {

namespace {
constexpr std::size_t kShortestLabel = 2;
}  // namespace

std::optional<CommandMacro> macroFromLine(std::string_view line) {
  const std::size_t mark = line.find('#');
  if (mark == std::string_view::npos || mark < kShortestLabel)
    return std::nullopt;
  return CommandMacro{std::string(line.substr(0, mark)), std::string(line.substr(mark + 1))};
}

std::vector<CommandMacro> macrosFromText(std::string_view text) {
  std::vector<CommandMacro> macros;
  for (const std::string& line : readLines(text))
    if (std::optional<CommandMacro> entry = macroFromLine(line))
      macros.push_back(std::move(*entry));
  return macros;
}

std::vector<CommandMacro> loadCommandMacros() {
  const std::optional<DefinitionText> file = openDefinitionFile("zekcommand.dat");
  if (!file)
    return {};
  return macrosFromText(file->text);
}

}  // namespace zek
