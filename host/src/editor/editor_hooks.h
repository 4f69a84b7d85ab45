// How the command loop meets the editor services built beside it: each
// service registers its handlers here when the host library loads, so the
// loop needs no service at link time and a service can be tested alone.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace zek {

struct EditorHooks {
  // A line typed at the command prompt that starts with "(": an AutoLISP call.
  std::function<void(std::string_view line)> lispLine;
  // A word typed at the command prompt that may be a system variable's name:
  // shows and sets it, answering true; false when it is no variable.
  std::function<bool(std::string_view name)> sysvarCommand;
  // After every command (and at the end of a run): reports selection sets the
  // command left unfreed and answers how many there were.
  std::function<int(std::string_view commandName)> unfreedSelectionSets;
  // After every top-level command that left objects open, before the loop
  // closes them (tests turn it into a failure naming the command).
  std::function<void(std::string_view commandName, std::size_t count)> objectsLeftOpen;
  // Before every top-level command: the editor services forget per-command
  // state (the pick-first set survives only into commands that use it).
  std::function<void(std::string_view commandName, bool usesPickfirst)> commandStarting;
  // After every top-level command, once its checks are done (tests watch
  // what a command leaves behind).
  std::function<void(std::string_view commandName)> commandEnded;
  // A typed name that no command, module or variable answers: the plug-in
  // loader looks it up in the application registry and loads its module,
  // answering true when it did (the command loop then looks again).
  std::function<bool(std::string_view commandName)> demandLoad;
};

// The host's one set of hooks.
EditorHooks& editorHooks();

}  // namespace zek
