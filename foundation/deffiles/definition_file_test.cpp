// Finding and reading definition files: the two messages, the injected
// open failure, text mode, and UTF-8 and GBK decoding.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "aced_output.h"
#include "db/support_path.h"
#include "deffiles/definition_file.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

// A support folder of the test's own, searched before the shipped data.
class DefinitionFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zek-deffiles-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    setSupportFolders({folder_.string()});
    acutPrintf("Loading");  // so the transcript shows the messages' leading line break
  }
  void TearDown() override {
    setSupportFolders({});
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  test::EditorSession session_;  // the command line the messages go to
  fs::path folder_;
};

TEST_F(DefinitionFileTest, ReadsAFileFoundOnTheSupportPath) {
  write("zektest.dat", "[LAYERS]\r\nOUTLINE 1000\r\n");
  const std::optional<DefinitionText> file = openDefinitionFile("zektest.dat");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->path, (folder_ / "zektest.dat").string());
  EXPECT_EQ(file->text, "[LAYERS]\nOUTLINE 1000\n");  // text mode: "\r\n" reads as "\n"
  EXPECT_FALSE(file->decodedFromGbk);
  EXPECT_EQ(session_.transcript(), "Loading");
}

TEST_F(DefinitionFileTest, AMissingFilePrintsItsNameAndGivesUp) {
  bool opened = false;
  const auto file = openDefinitionFile("zeknosuch.dat", [&](const std::string&) {
    opened = true;
    return std::optional<std::string>("never");
  });
  EXPECT_FALSE(file);
  EXPECT_FALSE(opened);  // nothing to open
  EXPECT_EQ(session_.transcript(), "Loading\nThe file zeknosuch.dat not been found");
}

TEST_F(DefinitionFileTest, AFileThatDoesNotOpenPrintsDefinitionFileNotOpen) {
  write("zeklocked.dat", "[LAYERS] OUTLINE 1000");
  std::string askedFor;
  const auto refuse = [&](const std::string& path) {
    askedFor = path;
    return std::optional<std::string>();
  };
  EXPECT_FALSE(openDefinitionFile("zeklocked.dat", refuse));
  EXPECT_EQ(askedFor, (folder_ / "zeklocked.dat").string());
  EXPECT_EQ(session_.take(), "Loading\nDefinition file not open");

  // The same through the opener a module's own loading code uses.
  {
    ScopedDefinitionFileOpener injected(refuse);
    acutPrintf("Again");
    EXPECT_FALSE(openDefinitionFile("zeklocked.dat"));
    EXPECT_EQ(session_.take(), "Again\nDefinition file not open");
  }
  EXPECT_TRUE(openDefinitionFile("zeklocked.dat"));  // the C library's opener again
  EXPECT_EQ(session_.take(), "");
}

TEST_F(DefinitionFileTest, AFolderOfTheFilesNameDoesNotCountAsTheFile) {
  fs::create_directories(folder_ / "zekfolder.dat");
  EXPECT_FALSE(openDefinitionFile("zekfolder.dat"));
  EXPECT_EQ(session_.transcript(), "Loading\nThe file zekfolder.dat not been found");
}

TEST_F(DefinitionFileTest, TheQuietReadingSaysWhyButPrintsNothing) {
  write("zekquiet.dat", "[ASSUMPTION_2]\r\nM8 4.5 7\r\n");
  DefinitionFileFailure failure = DefinitionFileFailure::NotFound;
  std::optional<DefinitionText> file = openDefinitionFileQuietly("zekquiet.dat", &failure);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->text, "[ASSUMPTION_2]\nM8 4.5 7\n") << "text mode as ever";
  EXPECT_EQ(failure, DefinitionFileFailure::None);

  file = openDefinitionFileQuietly("zeknosuch.dat", &failure);
  EXPECT_FALSE(file);
  EXPECT_EQ(failure, DefinitionFileFailure::NotFound);
  {
    ScopedDefinitionFileOpener refuse([](const std::string&) { return std::optional<std::string>(); });
    file = openDefinitionFileQuietly("zekquiet.dat", &failure);
    EXPECT_FALSE(file) << "the injected opener is used";
    EXPECT_EQ(failure, DefinitionFileFailure::NotReadable);
  }
  EXPECT_EQ(session_.transcript(), "Loading") << "neither failure is printed";
}

TEST_F(DefinitionFileTest, GbkFilesAreReadAsUtf8) {
  // "; 铣削层" then a record, saved in GBK (0xCF 0xB3 0xCF 0xF7 0xB2 0xE3).
  write("zekgbk.dat", "[QUICK]\n\xCF\xB3\xCF\xF7\xB2\xE3\n");
  const std::optional<DefinitionText> file = openDefinitionFile("zekgbk.dat");
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->decodedFromGbk);
  EXPECT_EQ(file->text, "[QUICK]\n\xE9\x93\xA3\xE5\x89\x8A\xE5\xB1\x82\n");  // 铣削层
}

TEST_F(DefinitionFileTest, AByteOrderMarkIsNoPartOfTheFirstToken) {
  write("zekbom.dat", "\xEF\xBB\xBF[LAYERS] A 1");
  const std::optional<DefinitionText> file = openDefinitionFile("zekbom.dat");
  ASSERT_TRUE(file);
  TokenReader reader(file->text);
  EXPECT_TRUE(findSection(reader, "[LAYERS]"));
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::string text;
  bool gbk;
};

TEST(DefinitionBytes, StayUtf8OrAreReadAsGbkWithUndefinedBytesReplaced) {
  const DecodeCase cases[] = {
      {"ASCII", "OUTLINE 1000", "OUTLINE 1000", false},
      {"UTF-8 stays", "\xE4\xB8\xAD\xE6\x96\x87", "\xE4\xB8\xAD\xE6\x96\x87", false},  // 中文
      {"GBK becomes UTF-8", "\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87", true},        // 中文
      {"GBK among ASCII", "A \xD6\xD0 B", "A \xE4\xB8\xAD B", true},
      {"a byte GBK does not define", "A\xFF" "B", "A\xEF\xBF\xBD" "B", true},
      {"a lead byte at the end", "A\xD6", "A\xEF\xBF\xBD", true},
      {"a lead byte before no trail byte", "\xD6" "0", "\xEF\xBF\xBD" "0", true},
      {"an overlong UTF-8 form is read as GBK", "\xC0\xAF", "\xE8\x9C\xA1", true},
  };
  for (const DecodeCase& c : cases) {
    bool gbk = !c.gbk;
    EXPECT_EQ(decodeDefinitionBytes(c.bytes, &gbk), c.text) << c.name;
    EXPECT_EQ(gbk, c.gbk) << c.name;
    EXPECT_TRUE(isValidUtf8(decodeDefinitionBytes(c.bytes))) << c.name;
  }
}

}  // namespace
}  // namespace zek
