// The command table.
#include "editor/core/command_table.h"

#include <algorithm>

#include "editor/prompts/answer_parsing.h"

namespace zek {

CommandTable& CommandTable::instance() {
  static CommandTable table;
  return table;
}

bool CommandTable::add(std::string_view group, std::string_view globalName,
                       std::string_view localName, int flags, std::function<void()> function) {
  std::string global = upperCased(trimmedAnswer(globalName));
  std::string local = upperCased(trimmedAnswer(localName));
  if (local.empty())
    local = global;
  if (global.empty() || group.empty() || !function)
    return false;
  for (const CommandEntry& entry : entries_) {
    if (entry.globalName == global)
      return false;
  }
  entries_.push_back({upperCased(group), std::move(global), std::move(local), flags,
                      std::move(function)});
  return true;
}

bool CommandTable::remove(std::string_view group, std::string_view globalName) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const CommandEntry& entry) {
    return equalsNoCase(entry.group, group) && equalsNoCase(entry.globalName, globalName);
  });
  if (it == entries_.end())
    return false;
  entries_.erase(it);
  return true;
}

int CommandTable::removeGroup(std::string_view group) {
  const auto before = entries_.size();
  std::erase_if(entries_,
                [&](const CommandEntry& entry) { return equalsNoCase(entry.group, group); });
  return static_cast<int>(before - entries_.size());
}

std::optional<CommandEntry> CommandTable::find(std::string_view typed) const {
  typed = trimmedAnswer(typed);
  bool globalOnly = false;
  while (!typed.empty() && (typed.front() == '_' || typed.front() == '.')) {
    globalOnly = globalOnly || typed.front() == '_';
    typed.remove_prefix(1);
  }
  if (typed.empty())
    return std::nullopt;
  if (!globalOnly) {
    for (const CommandEntry& entry : entries_) {
      if (equalsNoCase(entry.localName, typed))
        return entry;
    }
  }
  for (const CommandEntry& entry : entries_) {
    if (equalsNoCase(entry.globalName, typed))
      return entry;
  }
  return std::nullopt;
}

std::vector<std::string> CommandTable::groupCommands(std::string_view group) const {
  std::vector<std::string> names;
  for (const CommandEntry& entry : entries_) {
    if (equalsNoCase(entry.group, group))
      names.push_back(entry.globalName);
  }
  return names;
}

std::vector<std::string> CommandTable::groups() const {
  std::vector<std::string> names;
  for (const CommandEntry& entry : entries_) {
    if (std::find(names.begin(), names.end(), entry.group) == names.end())
      names.push_back(entry.group);
  }
  return names;
}

std::vector<std::string> CommandTable::typedNames() const {
  std::vector<std::string> names;
  auto addOnce = [&names](const std::string& name) {
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
      names.push_back(name);
  };
  for (const CommandEntry& entry : entries_) {
    addOnce(entry.globalName);
    addOnce(entry.localName);
  }
  return names;
}

}  // namespace zek
