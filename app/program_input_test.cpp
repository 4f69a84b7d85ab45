// The program's input: sources read in order as one stream, a drawing made
// current by NEW or OPEN reading on from the same stream, script files
// checked for UTF-8, -c texts split into lines, standard input read lazily.
#include "program_input.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "db_database.h"
#include "editor/document.h"
#include "editor/transcript.h"

namespace zek {
namespace {

std::unique_ptr<InputSource> lines(std::vector<std::string> text, const char* name,
                                   bool echoes = true) {
  return std::make_unique<LineListSource>(std::move(text), name, echoes);
}

class ProgramInputTest : public ::testing::Test {
protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
  static void reset() {
    DocumentManager::instance().closeAll();
    Transcript::instance().clear();
    inputEndState() = {};
  }
};

TEST_F(ProgramInputTest, ReadsEachSourceToItsEndThenTheNext) {
  ProgramInput input;
  input.add(std::make_unique<ScriptSource>("LINE\n; a comment\n0,0\n", "job.scr"));
  input.add(lines({"ZOOM", "E"}, "-c text 1"));
  input.add(lines({"quiet"}, "acedCommand", /*echoes=*/false));
  std::vector<std::string> read, where;
  while (auto line = input.nextLine()) {
    read.push_back(*line);
    where.push_back(input.whereLastLine() + (input.echoes() ? "" : " (no echo)"));
  }
  EXPECT_EQ(read, (std::vector<std::string>{"LINE", "0,0", "ZOOM", "E", "quiet"}));
  EXPECT_EQ(where, (std::vector<std::string>{"job.scr:1", "job.scr:3", "-c text 1 line 1",
                                             "-c text 1 line 2", "acedCommand (no echo)"}));
  EXPECT_FALSE(input.nextLine()) << "once dry, it stays dry";
  EXPECT_EQ(input.whereLastLine(), "acedCommand") << "the end report names the last line read";
}

TEST_F(ProgramInputTest, ADrawingOpenedLaterReadsOnFromTheSameInput) {
  ProgramInput input;
  input.add(lines({"first", "second", "third"}, "job"));
  input.feedEveryNewDocument();
  DocumentManager& manager = DocumentManager::instance();
  Document* one = manager.open(std::make_unique<AcDbDatabase>(), "");
  EXPECT_EQ(promptForLine("Command: ").text, "first");
  Document* two = manager.open(std::make_unique<AcDbDatabase>(), "");
  ASSERT_EQ(currentDocument(), two);
  EXPECT_EQ(promptForLine("Command: ").text, "second") << "NEW's drawing goes on with the script";
  manager.activate(one);
  EXPECT_EQ(promptForLine("Command: ").text, "third");
  EXPECT_EQ(promptForLine("Command: ").kind, Answer::Kind::End);
  EXPECT_EQ(inputEndState().where, "job line 3");
  EXPECT_EQ(Transcript::instance().text(),
            "Command: first\nCommand: second\nCommand: third\nCommand:\n");
}

TEST_F(ProgramInputTest, DocumentsOpenedAfterTheInputIsGoneReadNothing) {
  {
    ProgramInput input;
    input.add(lines({"never read"}, "job"));
    input.feedEveryNewDocument();
  }
  (void)DocumentManager::instance().open(std::make_unique<AcDbDatabase>(), "");
  EXPECT_EQ(promptForLine("Command: ").kind, Answer::Kind::End);
}

struct TextCase {
  const char* text;
  std::vector<std::string> lines;
};

const TextCase kTextCases[] = {
    {"", {""}},                          // an empty text is one Enter
    {"LINE", {"LINE"}},
    {"LINE\n", {"LINE"}},                // a last newline ends the last line
    {"LINE\n0,0\n\n", {"LINE", "0,0", ""}},  // ... and one more is an Enter
    {"A\n\nB", {"A", "", "B"}},
};

TEST(TextLines, SplitAtNewlines) {
  for (const TextCase& c : kTextCases)
    EXPECT_EQ(textLines(c.text), c.lines) << '"' << c.text << '"';
}

class ScriptFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("zek-script-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string write(const char* name, const std::string& text) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::filesystem::path folder_;
};

TEST_F(ScriptFileTest, DropsTheByteOrderMarkAndKeepsUtf8Text) {
  auto read = readScriptFile(write("a.scr", "\xEF\xBB\xBF" "TEXT\n0,0\n\xE5\xAD\x94\n"));
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.value(), "TEXT\n0,0\n\xE5\xAD\x94\n");
}

struct BadScriptCase {
  const char* name;
  std::string text;
  const char* message;
};

TEST_F(ScriptFileTest, NamesTheLineOfTheFirstByteThatIsNotUtf8) {
  const BadScriptCase cases[] = {
      {"latin1.scr", "LINE\n0,0\n\xB0\n", ":3: expected UTF-8 text, found byte 0xB0"},
      {"gbk.scr", "TEXT\n\xBF\xD7\n", ":2: expected UTF-8 text, found byte 0xBF"},
      {"cut.scr", "TEXT\n\xE5\xAD", ":2: expected UTF-8 text, found byte 0xE5"},
      {"lead.scr", "\xE5" "AB\n", ":1: expected UTF-8 text, found byte 0xE5"},
  };
  for (const BadScriptCase& c : cases) {
    const std::string path = write(c.name, c.text);
    auto read = readScriptFile(path);
    ASSERT_FALSE(read.ok()) << c.name;
    EXPECT_EQ(read.failure().describe(), path + c.message) << c.name;
  }
}

TEST_F(ScriptFileTest, AMissingScriptSaysWhy) {
  const std::string path = (folder_ / "missing.scr").string();
  auto read = readScriptFile(path);
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.failure().describe(), path + ": cannot read the script: No such file or directory");
}

TEST(StreamScript, ReadsLinesAsTheyAreAskedForByScriptRules) {
  std::string text = "\xEF\xBB\xBF; first line, a comment\r\nLINE\r\n\n0,0";
  std::FILE* stream = fmemopen(text.data(), text.size(), "r");
  ASSERT_NE(stream, nullptr);
  StreamScriptSource source(stream, "stdin");
  std::vector<std::string> read, where;
  while (auto line = source.nextLine()) {
    read.push_back(*line);
    where.push_back(source.whereLastLine());
  }
  std::fclose(stream);
  EXPECT_EQ(read, (std::vector<std::string>{"LINE", "", "0,0"}))
      << "the comment behind the byte order mark is skipped; a last line without newline counts";
  EXPECT_EQ(where, (std::vector<std::string>{"stdin:2", "stdin:3", "stdin:4"}));
}

}  // namespace
}  // namespace zek
