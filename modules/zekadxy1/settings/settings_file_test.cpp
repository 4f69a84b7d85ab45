// zekadxy1.dat: the word rules of the "[LINE_NAME]" section, and a module
// load that starts from the defaults, reads the file and the layer codes,
// and says when a file is missing or cannot be read.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "aced_output.h"
#include "db/support_path.h"
#include "deffiles/definition_file.h"
#include "db/testing/db_test_support.h"
#include "editor/testing/editor_test_support.h"
#include "settings/ordinate_settings.h"
#include "settings/settings_file.h"

namespace zek::adxy1 {
namespace {

namespace fs = std::filesystem;

struct WordCase {
  const char* row;
  std::string text;
  const char* linetype;  // after reading into the defaults ("" and 136)
  int colour;
};

// n words that mean nothing to the section, each long enough to be read.
std::string fillerWords(int n) {
  std::string words;
  for (int i = 0; i < n; ++i)
    words += "FILLER12 ";
  return words;
}

// n pairs of words passed over: a comment ";" and a word of two characters.
std::string commentAndShortWords(int n) {
  std::string words;
  for (int i = 0; i < n; ++i)
    words += "; ab ";
  return words;
}

TEST(LineNameSection, WordRules) {
  const WordCase cases[] = {
      {"a complete section", "[LINE_NAME]\nNAME=CENTER\nCOLOR=01\n", "CENTER", 1},
      {"COLOR=7 is shorter than 8 characters and ignored", "[LINE_NAME] COLOR=7", "", 136},
      {"COLOR=07 gives 7", "[LINE_NAME] COLOR=07", "", 7},
      {"COLOR=254, the highest colour", "[LINE_NAME] COLOR=254", "", 254},
      {"COLOR=255 is no colour for a layer", "[LINE_NAME] COLOR=255", "", 136},
      {"COLOR=00 is no colour either", "[LINE_NAME] COLOR=00", "", 136},
      {"COLOR=12abc: atoi reads 12", "[LINE_NAME] COLOR=12abc", "", 12},
      {"COLOR=abc: atoi reads 0", "[LINE_NAME] COLOR=abc", "", 136},
      {"COLOUR=40 is read from its seventh character, \"=40\": no number", "[LINE_NAME] COLOUR=40",
       "", 136},
      {"NAME=ABC is just long enough", "[LINE_NAME] NAME=ABC", "ABC", 136},
      {"NAME=AB is too short", "[LINE_NAME] NAME=AB", "", 136},
      {"the fifth character of NAME= is not looked at", "[LINE_NAME] NAMEXHIDDEN", "HIDDEN", 136},
      {"the key is compared with its case", "[LINE_NAME] name=HIDDEN Color=40", "", 136},
      {"a later NAME= word wins", "[LINE_NAME] NAME=HIDDEN NAME=CENTER2", "CENTER2", 136},
      {"other words are passed over", "[LINE_NAME] LINETYPE=HIDDEN NAME=DASHED", "DASHED", 136},
      {"a comment word is skipped", "[LINE_NAME] ;NAME=HIDDEN NAME=CENTER", "CENTER", 136},
      {"a comment with blanks: its second word is read", "[LINE_NAME] ; NAME=HIDDEN2", "HIDDEN2",
       136},
      {"comment words before the header are skipped",
       ";zekadxy1.dat ;centre ;lines [LINE_NAME] COLOR=40", "", 40},
      {"words before the header are not records", "NAME=HIDDEN [LINE_NAME] COLOR=40", "", 40},
      {"a second section stops the records", "[LINE_NAME] NAME=CENTER [OTHER] COLOR=40", "CENTER",
       136},
      {"a bracket word too short to be read stops them as well",
       "[LINE_NAME] NAME=CENTER [ COLOR=40", "CENTER", 136},
      {"no header: nothing read", "NAME=CENTER COLOR=40", "", 136},
      {"a header in lower case is no header", "[line_name] NAME=CENTER COLOR=40", "", 136},
      {"a header with more around it is no header", "[LINE_NAME]] NAME=CENTER", "", 136},
      {"an empty file", "", "", 136},
      {"the header as the 2000th word is found", fillerWords(1999) + "[LINE_NAME] COLOR=40", "",
       40},
      {"a header beyond the first 2000 words counts as missing",
       fillerWords(2000) + "[LINE_NAME] COLOR=40", "", 136},
      {"the 2000th word after the header is read", "[LINE_NAME] " + fillerWords(1999) + "COLOR=40",
       "", 40},
      {"words after the 2000th are not", "[LINE_NAME] " + fillerWords(2000) + "COLOR=40", "", 136},
      {"comment and short words count toward the 2000",
       "[LINE_NAME] " + commentAndShortWords(1000) + "COLOR=40", "", 136},
      {"...so the 2000th after 1999 of them is read",
       "[LINE_NAME] " + commentAndShortWords(999) + "ab COLOR=40", "", 40},
  };
  for (const WordCase& c : cases) {
    OrdinateSettings settings;
    readLineNameSection(c.text, settings);
    EXPECT_EQ(settings.centreLinetype, c.linetype) << c.row;
    EXPECT_EQ(settings.centreColour, c.colour) << c.row;
    EXPECT_EQ(settings.leaderFactor, 20.0) << c.row << ": the file sets nothing else";
  }
}

TEST(LineNameSection, LeavesTheFieldsItDoesNotFindAsTheyWere) {
  OrdinateSettings settings;
  settings.centreLinetype = "HIDDEN";
  settings.centreColour = 30;
  readLineNameSection("[LINE_NAME] COLOR=7 NAME=AB", settings);
  EXPECT_EQ(settings.centreLinetype, "HIDDEN");
  EXPECT_EQ(settings.centreColour, 30);
}

// A module load against a support folder of the test's own.
class OrdinateSettingsLoad : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zek-adxy1-settings-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_ / "support");
    fs::create_directories(folder_ / "nodata");
    setSupportFolders({(folder_ / "support").string()});
    // What an earlier load or the drafter left behind.
    ordinateSettings().leaderFactor = 99.0;
    ordinateSettings().zeroMode = 10;
    ordinateSettings().centreLinetype = "LEFTOVER";
    ordinateSettings().centreColour = 77;
    ordinateLayerCodes() = LayerCodeTable::fromText("[LAYERS] LEFTOVER 1100");
    acutPrintf("Loading");  // so the transcript shows the messages' leading line break
  }
  void TearDown() override {
    setSupportFolders({});
    ordinateSettings() = OrdinateSettings{};
    ordinateLayerCodes() = LayerCodeTable{};
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / "support" / name, std::ios::binary) << text;
  }

  test::EditorSession session_;
  fs::path folder_;
};

TEST_F(OrdinateSettingsLoad, StartsFromTheDefaultsThenReadsBothFiles) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  write("zekadxy1.dat", "[LINE_NAME]\r\nNAME=DASHED\r\nCOLOR=40\r\n");
  write("zeklayer0.dat", "[LAYERS]\nMILL-FRONT 1100\nMILL-DIM 1120\n");
  loadOrdinateSettings();
  const OrdinateSettings& settings = ordinateSettings();
  EXPECT_EQ(settings.leaderFactor, 20.0) << "back to the default";
  EXPECT_EQ(settings.zeroMode, 7) << "back to the default";
  EXPECT_EQ(settings.centreLinetype, "DASHED");
  EXPECT_EQ(settings.centreColour, 40);
  EXPECT_EQ(ordinateLayerCodes().layerCodeOf("MILL-DIM"), 1120);
  EXPECT_EQ(ordinateLayerCodes().layerCodeOf("LEFTOVER"), std::nullopt) << "the old table is gone";
  EXPECT_EQ(session_.transcript(), "Loading") << "nothing to say";
}

TEST_F(OrdinateSettingsLoad, MissingFilesAreNamedAndTheDefaultsStay) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  loadOrdinateSettings();
  EXPECT_EQ(ordinateSettings().centreLinetype, "");
  EXPECT_EQ(ordinateSettings().centreColour, 136);
  EXPECT_EQ(ordinateSettings().leaderFactor, 20.0);
  EXPECT_TRUE(ordinateLayerCodes().empty());
  EXPECT_EQ(session_.transcript(),
            "Loading\nThe file zekadxy1.dat not been found\nThe file zeklayer0.dat not been found");
}

TEST_F(OrdinateSettingsLoad, AFileThatWillNotOpenSaysSo) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  write("zekadxy1.dat", "[LINE_NAME] NAME=DASHED COLOR=40");
  write("zeklayer0.dat", "[LAYERS] MILL-DIM 1120");
  // zekadxy1.dat is found but refused; zeklayer0.dat reads as usual.
  ScopedDefinitionFileOpener refuseSettings(
      [](const std::string& path) -> std::optional<std::string> {
        if (fs::path(path).filename() == "zekadxy1.dat")
          return std::nullopt;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
      });
  loadOrdinateSettings();
  EXPECT_EQ(ordinateSettings().centreLinetype, "");
  EXPECT_EQ(ordinateSettings().centreColour, 136);
  EXPECT_EQ(ordinateLayerCodes().layerCodeOf("MILL-DIM"), 1120);
  EXPECT_EQ(session_.transcript(), "Loading\nDefinition file not open");
}

TEST_F(OrdinateSettingsLoad, AFileWithoutTheSectionLeavesTheDefaultsQuietly) {
  test::ShippedDataElsewhere data((folder_ / "nodata").string());
  write("zekadxy1.dat", ";only ;comments ;and NAME=DASHED COLOR=40 [OTHER]");
  write("zeklayer0.dat", "[LAYERS] MILL-DIM 1120");
  loadOrdinateSettings();
  EXPECT_EQ(ordinateSettings().centreLinetype, "");
  EXPECT_EQ(ordinateSettings().centreColour, 136);
  EXPECT_EQ(session_.transcript(), "Loading");
}

// The linetypes of a .lin file: the names of its "*NAME,description" lines.
bool linFileHolds(const fs::path& lin, const std::string& name) {
  std::ifstream in(lin);
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("*" + name + ",", 0) == 0)
      return true;
  return false;
}

TEST_F(OrdinateSettingsLoad, TheShippedFileNamesALinetypeOfTheShippedLinFile) {
  setSupportFolders({});  // the shipped data folder only
  loadOrdinateSettings();
  const OrdinateSettings& settings = ordinateSettings();
  EXPECT_EQ(settings.centreLinetype, "CENTER");
  EXPECT_NE(settings.centreColour, 136) << "the shipped colour word is read";
  EXPECT_TRUE(isCentreColour(settings.centreColour));
  EXPECT_TRUE(linFileHolds(fs::path(ZEK_DATA_DIR) / "acadiso.lin", settings.centreLinetype))
      << settings.centreLinetype << " is not in acadiso.lin";
  EXPECT_FALSE(ordinateLayerCodes().empty()) << "the shipped zeklayer0.dat";
  EXPECT_EQ(session_.transcript(), "Loading");
}

}  // namespace
}  // namespace zek::adxy1
