// The host's command table: every command the command line knows, built-in
// or registered by a module, by global and local name, in command groups.
// The plug-in loader registers module commands through it and removes a
// module's group when the module unloads.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

// Command flags as the plug-in interface gives them (ACRX_CMD_...).
constexpr int kCommandModal = 0x0;
constexpr int kCommandTransparent = 0x1;
constexpr int kCommandUsePickSet = 0x2;
constexpr int kCommandRedraw = 0x4;
constexpr int kCommandNoMultiple = 0x10;  // Enter at the command prompt does not repeat it

// The group of the host's own commands.
constexpr const char* kHostCommandGroup = "HOST";

struct CommandEntry {
  std::string group;       // "ZEKADXY1"
  std::string globalName;  // "ZEKGQS"
  std::string localName;   // "ZEKQGS"
  int flags = kCommandModal;
  std::function<void()> function;
};

class CommandTable {
public:
  // The host's one table.
  static CommandTable& instance();

  // Registers a command. Names are kept in upper case; an empty local name is
  // the global one. Refused (false) when the global name is already
  // registered in any group, or a name or the function is missing.
  [[nodiscard]] bool add(std::string_view group, std::string_view globalName,
                         std::string_view localName, int flags, std::function<void()> function);
  // Removes one command of a group; false when the group has no such command.
  bool remove(std::string_view group, std::string_view globalName);
  // Removes every command of a group; answers how many went.
  int removeGroup(std::string_view group);

  // The command a typed name runs. "_" before the name looks among global
  // names only; "." (which asks for the built-in command) is dropped; without
  // "_" local names are tried first, then global ones. "-" belongs to the
  // name ("-LAYER" is its own command). Case is ignored.
  std::optional<CommandEntry> find(std::string_view typed) const;
  bool has(std::string_view typed) const { return find(typed).has_value(); }
  // The commands of a group, in registration order.
  std::vector<std::string> groupCommands(std::string_view group) const;
  // Every group, in the order of its first command.
  std::vector<std::string> groups() const;
  // Every name a drafter can type: global names, and local names that differ
  // from them, each once, in registration order (command-name completion).
  std::vector<std::string> typedNames() const;

private:
  std::vector<CommandEntry> entries_;
};

}  // namespace zek
