// The application registry: the file a registering module writes through
// AcApAppInfo, damaged lines, and the modules the host loads from it at
// start-up and on a typed command.
#include "loader/app_registry_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app_registry.h"
#include "editor/core/command_table.h"
#include "editor/testing/editor_test_support.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

// A profile folder of the test's own, so the drafter's registry is never touched.
class RegistryTest : public ::testing::Test {
protected:
  void SetUp() override {
    profile_ = fs::temp_directory_path() /
               ("zek-registry-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(profile_);
    fs::create_directories(profile_);
    setenv("ZEK_PROFILE", profile_.c_str(), 1);
    setModuleFolders({ZEK_LOADER_TEST_MODULES});
  }
  void TearDown() override {
    unloadAllModules();
    setModuleFolders({});
    unsetenv("ZEK_PROFILE");
    fs::remove_all(profile_);
  }
  std::string registryText() const {
    std::ifstream in(profile_ / "registry");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void writeRegistryText(const std::string& text) const {
    std::ofstream(profile_ / "registry") << text;
  }
  static std::string forgetfulEntry(int reasons) {
    return "[zekforgetful]\nmodule=" + std::string(ZEK_LOADER_TEST_MODULES) +
           "/zekforgetful.arx\ndescription=zekforgetful_des\nloadreasons=" +
           std::to_string(reasons) + "\ncommand=ZEKHELLO ZEKHALLO\ngroup=ZEKFORGETFUL\n";
  }

  fs::path profile_;
};

// The operations in the order a registering module calls them.
void registerApp(const char* name, const char* module, int reasons,
                 const std::vector<std::pair<const char*, const char*>>& commands,
                 const char* group) {
  AcApAppInfo info;
  info.setAppName(name);
  info.setModuleName(module);
  info.setAppDesc((std::string(name) + "_des").c_str());
  info.setLoadReason(reasons);
  ASSERT_EQ(info.writeToRegistry(false, true), AcApAppInfo::eOk);
  for (const auto& [global, local] : commands)
    ASSERT_EQ(info.writeCommandNameToRegistry(global, local), AcApAppInfo::eOk);
  ASSERT_EQ(info.writeGroupNameToRegistry(group), AcApAppInfo::eOk);
}

TEST_F(RegistryTest, RegisteringWritesOneEntryPerApplicationInCallOrder) {
  registerApp("zekchain", "/opt/zek/lib/zekchain.arx", 12,
              {{"ZEKCHAIN", "ZEKCHAIN"}, {"ZEKSUM", "ZEKSUM"}}, "ZEKCHAIN");
  registerApp("zekgetpoint", "/opt/zek/lib/zekgetpoint.arx", 2, {}, "zekgetpoint");
  EXPECT_EQ(registryText(),
            "; zek application registry: one [name] entry per application\n"
            "[zekchain]\nmodule=/opt/zek/lib/zekchain.arx\ndescription=zekchain_des\n"
            "loadreasons=12\ncommand=ZEKCHAIN ZEKCHAIN\ncommand=ZEKSUM ZEKSUM\n"
            "group=ZEKCHAIN\n"
            "[zekgetpoint]\nmodule=/opt/zek/lib/zekgetpoint.arx\n"
            "description=zekgetpoint_des\nloadreasons=2\ngroup=zekgetpoint\n");
}

TEST_F(RegistryTest, RegisteringAgainReplacesTheEntryAndItsCommands) {
  registerApp("zekchain", "/a/zekchain.arx", 12, {{"ZEKCHAIN", "ZEKCHAIN"}, {"ZEKSUM", "ZEKSUM"}},
              "ZEKCHAIN");
  registerApp("zekchain", "/b/zekchain.arx", 12, {{"ZEKSUM", "ZEKSUM"}}, "ZEKCHAIN");
  const std::vector<RegisteredApp> apps = readRegistry();
  ASSERT_EQ(apps.size(), 1u);
  EXPECT_EQ(apps[0].modulePath, "/b/zekchain.arx");
  ASSERT_EQ(apps[0].commands.size(), 1u) << "the commands of the first registration went";
  EXPECT_EQ(apps[0].commands[0].globalName, "ZEKSUM");
}

TEST_F(RegistryTest, AppInfoRefusesWritesWithoutAnEntry) {
  AcApAppInfo info;
  EXPECT_EQ(info.writeToRegistry(), AcApAppInfo::eInvalidKey) << "no application name";
  EXPECT_EQ(info.writeCommandNameToRegistry("ZEKX", "ZEKX"), AcApAppInfo::eInvalidKey)
      << "no entry written yet";
  info.setAppName("zek chain");
  EXPECT_EQ(info.writeToRegistry(), AcApAppInfo::eInvalidKey) << "a blank in the name";
  EXPECT_FALSE(fs::exists(profile_ / "registry")) << "nothing was written";
}

TEST_F(RegistryTest, ReadsBackWhatItWroteAndSkipsDamagedLines) {
  writeRegistryText("; comment\nstray=1\n[zekchain]\nmodule=/x y/zekchain.arx\nloadreasons=1x\n"
                    "colour=red\ncommand=ZEKSUM\ngroup=ZEKCHAIN\n[]\n");
  std::vector<std::string> warnings;
  const std::vector<RegisteredApp> apps = readRegistry(&warnings);
  ASSERT_EQ(apps.size(), 1u);
  EXPECT_EQ(apps[0].modulePath, "/x y/zekchain.arx") << "paths keep their blanks";
  EXPECT_EQ(apps[0].loadReasons, 0) << "a load reason that does not read is dropped";
  ASSERT_EQ(apps[0].commands.size(), 1u);
  EXPECT_EQ(apps[0].commands[0].localName, "ZEKSUM") << "a lone name is both names";
  const std::string path = (profile_ / "registry").string();
  EXPECT_EQ(warnings, (std::vector<std::string>{
                          path + ":2: expected \"[name]\" or key=value, found \"stray=1\"",
                          path + ":5: expected module=, description=, loadreasons=, command= or "
                                 "group=, found \"loadreasons=1x\"",
                          path + ":6: expected module=, description=, loadreasons=, command= or "
                                 "group=, found \"colour=red\"",
                          path + ":9: expected \"[name]\" or key=value, found \"[]\""}));
}

TEST_F(RegistryTest, ATypedCommandLoadsItsModuleOnDemand) {
  writeRegistryText(forgetfulEntry(12));
  test::EditorSession session;
  session.feed({"ZEKHALLO", "_ZEKHELLO"});
  session.run();
  EXPECT_EQ(session.take(),
            "Command: ZEKHALLO\nhello from the forgetful module\n"
            "Command: _ZEKHELLO\nhello from the forgetful module\nCommand:\n");
  EXPECT_EQ(loadedModuleFiles(), std::vector<std::string>{"zekforgetful.arx"});
}

struct DemandCase {
  int reasons;
  const char* typed;
  bool loads;
  const char* why;
};

constexpr DemandCase kDemandCases[] = {
    {4, "zekhallo", true, "command invocation, local name in any case"},
    {8, "ZEKHELLO", true, "load request"},
    {2, "ZEKHELLO", false, "start-up only"},
    {12 | 16, "ZEKHELLO", false, "load disabled"},
    {12, "_ZEKHALLO", false, "\"_\" asks for the global name, and ZEKHALLO is the local one"},
    {12, "ZEKHELL", false, "names match whole"},
};

TEST_F(RegistryTest, DemandLoadingFollowsTheLoadReasonsAndNames) {
  for (const DemandCase& c : kDemandCases) {
    writeRegistryText(forgetfulEntry(c.reasons));
    test::EditorSession session;
    EXPECT_EQ(demandLoadCommand(c.typed), c.loads) << c.why;
    EXPECT_EQ(isModuleLoaded("zekforgetful"), c.loads) << c.why;
    unloadAllModules();
  }
}

TEST_F(RegistryTest, StartUpEntriesLoadWhenTheHostStarts) {
  writeRegistryText(forgetfulEntry(2) +
                    "[zekmissing]\nmodule=/nowhere/zekmissing.arx\nloadreasons=2\n");
  test::EditorSession session;
  loadStartupModules();
  EXPECT_EQ(loadedModuleFiles(), std::vector<std::string>{"zekforgetful.arx"});
  EXPECT_EQ(session.take(), "Cannot find the module /nowhere/zekmissing.arx.")
      << "a start-up module that is missing is reported and skipped";
}

}  // namespace
}  // namespace zek
