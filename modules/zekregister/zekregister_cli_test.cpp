// The built zek program with zekregister.arx: one run loads the module,
// which writes the registry from the shipped zekregister.dat; a later run, a
// host started afresh, loads zekgetpoint and zekislands at start-up and the
// module of a typed command on demand.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "loader/app_registry_file.h"
#include "registration_plan.h"
#include "zekregister_test_support.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

// A shell word: the text in single quotes.
std::string quoted(const std::string& text) {
  std::string word = "'";
  for (const char c : text)
    word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

// Standard output of the program run with these arguments (standard input
// /dev/null), in the profile of the test's own.
std::string runZek(const std::vector<std::string>& args) {
  std::string command = quoted(ZEK_PROGRAM);
  for (const std::string& arg : args)
    command += " " + quoted(arg);
  command += " </dev/null 2>&1";
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr)
    return "popen failed";
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    output.append(buffer, n);
  const int status = ::pclose(pipe);
  if (status != 0)
    output += "\n[exit status " + std::to_string(status) + "]";
  return output;
}

std::vector<AppRecord> shippedRecords() {
  std::ifstream in(fs::path(ZEK_DATA_DIR) / kRegistrationFile);
  std::stringstream text;
  text << in.rdbuf();
  return readAppRecords(text.str());
}

class ZekregisterProgram : public ::testing::Test {
protected:
  void SetUp() override {
    test::useTestFolders();
    unsetenv("ZEK_DATA");  // the program's own shipped data/
  }
  void TearDown() override { test::restoreTestFolders(); }
};

TEST_F(ZekregisterProgram, LoadingWritesTheRegistryThatAFreshHostLoadsFrom) {
  const std::string folder = fs::path(ZEK_MODULE_FOLDER).string() + "/";
  std::string printed;
  for (const AppRecord& record : shippedRecords())
    printed += (printed.empty() ? "" : "\n") + folder + record.name + ".arx";
  EXPECT_EQ(runZek({"--load", "zekregister", "-c", "ZEKARXREG"}),
            printed + "\nCommand: ZEKARXREG\nDONE\nCommand:\n");

  const std::vector<RegisteredApp> apps = readRegistry();
  ASSERT_GE(apps.size(), 3u);
  for (const RegisteredApp& app : apps)
    EXPECT_EQ(app.modulePath, folder + app.name + ".arx");

  const std::string fresh = runZek({"-c", "ARX", "-c", "?", "-c", "ZEKQGS", "-c", "^C",
                                    "-c", "ARX", "-c", "?"});
  const std::string atStart = "Loaded modules:\n  zekgetpoint.arx\n  zekislands.arx\n";
  EXPECT_EQ(fresh.rfind("Command: ARX\nEnter an option [?/Load/Unload]: ?\n" + atStart +
                            "Command: ZEKQGS\n",
                        0),
            0u)
      << fresh;
  EXPECT_NE(fresh.find("Dialog 101 closed: Cancel\n"), std::string::npos) << fresh;
  const std::string atEnd = atStart + "  zekovercut.arx\nCommand:\n";
  ASSERT_GE(fresh.size(), atEnd.size()) << fresh;
  EXPECT_EQ(fresh.substr(fresh.size() - atEnd.size()), atEnd) << fresh;
}

}  // namespace
}  // namespace zek
