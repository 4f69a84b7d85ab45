// The built zekregister.arx with the host: the module paths it writes for
// the folder it is installed in, the shipped zekregister.dat kept in step
// with the modules' command tables, and demand and start-up loading in a
// fresh host from the registry it wrote.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "editor/core/command_table.h"
#include "editor/testing/editor_test_support.h"
#include "loader/app_registry_file.h"
#include "loader/module_loader.h"
#include "registration_plan.h"
#include "zekregister_test_support.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

const fs::path kModules = ZEK_MODULE_FOLDER;

std::string fileText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<AppRecord> shippedRecords() {
  return readAppRecords(fileText(fs::path(ZEK_DATA_DIR) / kRegistrationFile));
}

// The modules this build makes (folders of modules/ with a CMakeLists.txt).
std::vector<std::string> builtModules() {
  std::vector<std::string> names;
  std::stringstream list(ZEK_BUILT_MODULES);
  for (std::string name; std::getline(list, name, ',');)
    if (!name.empty())
      names.push_back(name);
  return names;
}

using CommandKey = std::tuple<std::string, std::string, std::string>;  // group, global, local

std::set<CommandKey> registeredCommands() {
  const CommandTable& table = CommandTable::instance();
  std::set<CommandKey> commands;
  for (const std::string& group : table.groups())
    for (const std::string& global : table.groupCommands(group)) {
      const auto entry = table.find("_" + global);
      commands.emplace(group, global, entry ? entry->localName : "?");
    }
  return commands;
}

class ZekregisterSuite : public ::testing::Test {
protected:
  void SetUp() override {
    unloadAllModules();
    data_ = test::useTestFolders();
    setModuleFolders({kModules.string()});
  }
  void TearDown() override {
    unloadAllModules();
    setModuleFolders({});
    test::restoreTestFolders();
  }
  void putDefinitionFile(const std::string& text) const {
    std::ofstream(data_ / kRegistrationFile) << text;
  }
  // Loads zekregister from the module folder with the shipped file, so the
  // registry holds the whole suite; the host then starts afresh.
  void registerShippedSuite() const {
    fs::copy_file(fs::path(ZEK_DATA_DIR) / kRegistrationFile, data_ / kRegistrationFile);
    test::EditorSession session;
    ASSERT_EQ(loadModule("zekregister", true), RTNORM);
    unloadAllModules();
  }

  fs::path data_;
};

TEST_F(ZekregisterSuite, ModulePathsAreInTheFolderTheModuleIsInstalledIn) {
  const fs::path installed = test::freshFolder("installed here") / "lib zek";
  fs::create_directories(installed);
  fs::copy_file(kModules / "zekregister.arx", installed / "zekregister.arx");
  putDefinitionFile("zekchain ZEKCHAIN ZEKCHAIN ZEKCHAIN ZEKSUM ZEKSUM NULL\n");

  test::EditorSession session;
  ASSERT_EQ(loadModule((installed / "zekregister.arx").string(), true), RTNORM);
  const std::string folder = installed.string() + "/";
  EXPECT_EQ(session.take(), folder + "zekchain.arx\n") << "the line start opens the transcript";

  const std::vector<RegisteredApp> apps = readRegistry();
  ASSERT_EQ(apps.size(), 3u);
  EXPECT_EQ(apps[0].modulePath, folder + "zekchain.arx");
  EXPECT_EQ(apps[1].modulePath, folder + "zekgetpoint.arx");
  EXPECT_EQ(apps[2].modulePath, folder + "zekislands.arx");
}

TEST_F(ZekregisterSuite, ARegistryThatCannotBeWrittenLeavesTheCommandToRunAgain) {
  const fs::path blocked = test::freshFolder("blocked") / "a file";
  std::ofstream(blocked) << "not a folder\n";
  setenv("ZEK_PROFILE", (blocked / "profile").c_str(), 1);
  putDefinitionFile("zekchain ZEKCHAIN ZEKCHAIN ZEKCHAIN NULL\n");

  test::EditorSession session;
  ASSERT_EQ(loadModule("zekregister", true), RTNORM);
  const std::string folder = kModules.string() + "/";
  EXPECT_EQ(session.take(),
            folder + "zekchain.arx\n"
                     "zekchain was not registered: the registry cannot be written\n"
                     "zekgetpoint was not registered: the registry cannot be written\n"
                     "zekislands was not registered: the registry cannot be written\n");

  const fs::path profile = test::freshFolder("profile again");
  setenv("ZEK_PROFILE", profile.c_str(), 1);
  session.feed({"ZEKARXREG", "ZEKARXREG"});
  session.run();
  EXPECT_EQ(session.take(), "Command: ZEKARXREG\n" + folder +
                                "zekchain.arx\nCommand: ZEKARXREG\nDONE\nCommand:\n");
  EXPECT_EQ(readRegistry().size(), 3u);
}

TEST_F(ZekregisterSuite, ShippedFileListsEveryBuiltModuleOnce) {
  std::vector<std::string> listed;
  for (const AppRecord& record : shippedRecords())
    listed.push_back(record.name);
  std::vector<std::string> sorted = listed;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "a name twice";

  auto isListed = [&listed](const std::string& name) {
    return std::find(listed.begin(), listed.end(), name) != listed.end();
  };
  for (const std::string& name : builtModules())
    if (name != "zekregister") {
      EXPECT_TRUE(isListed(name)) << name << " is built but not in zekregister.dat";
    }
  for (const auto& file : fs::directory_iterator(kModules)) {
    const std::string name = file.path().stem().string();
    if (file.path().extension() == ".arx" && name != "zekregister") {
      EXPECT_TRUE(isListed(name)) << file.path() << " is not in zekregister.dat";
    }
  }
  for (const std::string& name : listed) {
    EXPECT_TRUE(fs::exists(fs::path(ZEK_SOURCE_DIR) / "modules" / name / "module.cpp"))
        << name << " is listed but is no module of the suite";
  }
}

TEST_F(ZekregisterSuite, ShippedFileNamesTheCommandsEachModuleRegisters) {
  test::EditorSession session;
  int checked = 0;
  for (const AppRecord& record : shippedRecords()) {
    if (!fs::exists(kModules / (record.name + ".arx")))
      continue;  // a module not built yet: the listing test above tells
    const std::set<CommandKey> before = registeredCommands();
    ASSERT_EQ(loadModule(record.name, true), RTNORM) << record.name << session.take();
    std::set<CommandKey> added;
    for (const CommandKey& command : registeredCommands())
      if (!before.contains(command))
        added.insert(command);
    std::set<CommandKey> listed;
    for (const CommandNames& names : record.commands)
      listed.emplace(record.group, names.globalName, names.localName);
    EXPECT_EQ(added, listed) << record.name << ": its command table and its record differ";
    EXPECT_EQ(record.commands.size(), listed.size()) << record.name << ": a command twice";
    unloadAllModules();
    ++checked;
  }
  EXPECT_GE(checked, 5) << "the built modules were not found in " << kModules;
}

TEST_F(ZekregisterSuite, TypedCommandsLoadTheirModulesInAFreshHost) {
  registerShippedSuite();
  const std::vector<RegisteredApp> apps = readRegistry();
  int commands = 0;
  for (const RegisteredApp& app : apps) {
    if (!fs::exists(app.modulePath))
      continue;  // a module not built yet: the listing test tells
    for (const RegisteredCommand& command : app.commands) {
      test::EditorSession session;
      EXPECT_TRUE(demandLoadCommand(command.localName)) << command.localName;
      EXPECT_EQ(loadedModuleFiles(), std::vector<std::string>{app.name + ".arx"})
          << command.localName;
      EXPECT_TRUE(CommandTable::instance().has(command.localName)) << command.localName;
      unloadAllModules();
      ++commands;
    }
  }
  EXPECT_GE(commands, 8) << "the suite's commands were not registered";
}

TEST_F(ZekregisterSuite, ATypedCommandRunsFromItsDemandLoadedModule) {
  registerShippedSuite();
  test::EditorSession session;
  session.feed({"ZEKQGS", "^C"});
  session.run();
  const std::string transcript = session.take();
  EXPECT_EQ(transcript.rfind("Command: ZEKQGS\n", 0), 0u) << transcript;
  EXPECT_EQ(transcript.find("Unknown command"), std::string::npos) << transcript;
  EXPECT_EQ(loadedModuleFiles(), std::vector<std::string>{"zekovercut.arx"});
}

TEST_F(ZekregisterSuite, StartUpLoadsZekgetpointAndZekislands) {
  registerShippedSuite();
  test::EditorSession session;
  loadStartupModules();
  EXPECT_EQ(loadedModuleFiles(), (std::vector<std::string>{"zekgetpoint.arx", "zekislands.arx"}));
}

}  // namespace
}  // namespace zek
