// Choosing the completions of the word typed at the terminal.
#include "completion.h"

#include <algorithm>
#include <cctype>

namespace zek {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size())
    return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) !=
        std::toupper(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// The names that start with the word, each with the word's "_"/"." prefix.
std::vector<std::string> matching(const std::vector<std::string>& names, std::string_view word,
                                  std::string_view keptPrefix = {}) {
  std::vector<std::string> found;
  for (const std::string& name : names)
    if (startsWithNoCase(name, word))
      found.push_back(std::string(keptPrefix) + name);
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

std::vector<std::string> commandCandidates(std::string_view word,
                                           const std::vector<std::string>& commands) {
  std::size_t prefix = 0;
  while (prefix < word.size() && (word[prefix] == '_' || word[prefix] == '.'))
    ++prefix;
  return matching(commands, word.substr(prefix), word.substr(0, prefix));
}

}  // namespace

bool isCommandPrompt(std::string_view prompt) { return trimmed(prompt) == "Command:"; }

std::vector<std::string> promptOptions(std::string_view prompt) {
  std::vector<std::string> options;
  const std::size_t open = prompt.rfind('[');
  const std::size_t close = prompt.find(']', open == std::string_view::npos ? 0 : open);
  if (open == std::string_view::npos || close == std::string_view::npos)
    return options;
  std::string_view list = prompt.substr(open + 1, close - open - 1);
  while (!list.empty()) {
    const std::size_t slash = list.find('/');
    std::string_view option = trimmed(list.substr(0, slash));
    if (!option.empty())
      options.emplace_back(option);
    if (slash == std::string_view::npos)
      break;
    list.remove_prefix(slash + 1);
  }
  return options;
}

std::vector<std::string> completionCandidates(const CompletionRequest& request,
                                              const CompletionNames& names) {
  if (!names.dialogWords.empty())
    return matching(names.dialogWords, request.word);
  const std::string_view before =
      trimmed(request.line.substr(0, std::min(request.wordStart, request.line.size())));
  if (isCommandPrompt(request.prompt)) {
    if (before.empty())
      return commandCandidates(request.word, names.commands);
    if (before == "(")
      return matching(names.lispFunctions, request.word);
    return {};  // an argument of a call, or text after the name
  }
  if (!before.empty())
    return {};
  return matching(promptOptions(request.prompt), request.word);
}

}  // namespace zek
