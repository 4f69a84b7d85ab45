// The zek program end to end: every case of golden/ run through the built
// binary in a folder of its own, its standard output, standard error, exit
// status and the files it wrote compared exactly with what the case expects.
//
// A case is NAME.args (one argument per line; "; " starts a comment line,
// "\n" in an argument is a newline, {modules} the test modules' folder) with
// NAME.out (standard output, required), NAME.err (standard error, else
// none), NAME.status (the exit status, else 0), NAME.files (the files the
// run made or changed, else none), NAME.stdin (standard input, else
// /dev/null) and NAME.registry (the profile's application registry).
// ZEK_UPDATE_GOLDEN=1 writes the expected files instead: read every one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "db_database.h"
#include "drawing_stats.h"
#include "zek/dxf_io.h"
#include "zek_process.h"

namespace zek::cli {
namespace {

namespace fs = std::filesystem;

const fs::path kGolden = ZEK_CLI_GOLDEN_DIR;
const std::set<std::string> kExpectations{".out", ".err", ".status", ".files"};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::vector<std::string> caseArgs(const fs::path& argsFile) {
  std::vector<std::string> args;
  std::istringstream lines(fileText(argsFile.string()));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("; ", 0) == 0)
      continue;
    args.push_back(replaced(replaced(line, "\\n", "\n"), "{modules}", ZEK_CLI_TEST_MODULES));
  }
  return args;
}

// The generation a DXF file says it is ("AC1032"), or "?".
std::string acadver(const std::string& text) {
  std::istringstream rest(text.substr(std::min(text.find("$ACADVER"), text.size())));
  std::string name, code, value;
  if (!std::getline(rest, name) || !std::getline(rest, code) || !std::getline(rest, value))
    return "?";
  value.erase(std::remove_if(value.begin(), value.end(), [](char c) { return c == '\r' || c == ' '; }),
              value.end());
  return value;
}

// How often `needle` occurs in `text`.
std::size_t occurrences(const std::string& text, const std::string& needle) {
  std::size_t count = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
    ++count;
  return count;
}

// A picture by what a reader checks first: a PNG's signature and size, an
// SVG's size and its paths and glyphs, a PDF's header, pages and end.
std::string describePicture(const std::string& text, const std::string& extension) {
  if (extension == ".png") {
    const bool signature = text.size() > 24 && text.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 &&
                           text.compare(12, 4, "IHDR") == 0;
    if (!signature)
      return "  not a PNG file\n";
    auto bigEndian = [&](std::size_t at) {
      unsigned long value = 0;
      for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(text[at + i]);
      return value;
    };
    return "  PNG " + std::to_string(bigEndian(16)) + " x " + std::to_string(bigEndian(20)) + "\n";
  }
  if (extension == ".svg") {
    const std::size_t root = text.find("<svg");
    if (root == std::string::npos)
      return "  not an SVG file\n";
    const std::string head = text.substr(root, text.find('>', root) - root);
    auto attribute = [&](const std::string& name) {
      const std::size_t at = head.find(" " + name + "=\"");
      return at == std::string::npos ? std::string("?")
                                     : head.substr(at + name.size() + 3,
                                                   head.find('"', at + name.size() + 3) -
                                                       (at + name.size() + 3));
    };
    return "  SVG " + attribute("width") + " x " + attribute("height") + ", " +
           std::to_string(occurrences(text, "<path")) + " paths, " +
           std::to_string(occurrences(text, "<use")) + " glyph uses\n";
  }
  const bool pdf = text.compare(0, 5, "%PDF-") == 0 && text.find("%%EOF") != std::string::npos;
  if (!pdf)
    return "  not a PDF file\n";
  return "  PDF " + std::to_string(occurrences(text, "/Type /Page\n") +
                                   occurrences(text, "/Type /Page ")) +
         " page(s)\n";
}

// A file the run made, as the .files expectation lists it: a drawing (or its
// .bak) by generation and statistics, a picture by its kind and size, any
// other file line by line.
std::string describeFile(const fs::path& path, const std::string& name) {
  const std::string text = fileText(path.string());
  const std::string extension = path.extension().string();
  std::string out = name + "\n";
  if (extension == ".png" || extension == ".svg" || extension == ".pdf")
    return out + describePicture(text, extension);
  if (extension == ".dxf" || extension == ".bak") {
    auto read = readDxfString(text, name);
    if (!read.ok())
      return name + ": does not read: " + read.failure().describe() + "\n";
    out += "  version " + acadver(text) + "\n";
    std::istringstream stats(drawingStatistics(*read.value()));
    for (std::string line; std::getline(stats, line);)
      out += "  " + line + "\n";
    return out;
  }
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    out += "  | " + line + "\n";
  return out;
}

// A case's folders: the working folder with the golden inputs copied in,
// and the profile beside it.
class RunFolder {
public:
  explicit RunFolder(const std::string& name) {
    root_ = fs::temp_directory_path() / ("zek-cli-" + std::to_string(::getpid())) / name;
    fs::remove_all(root_);
    fs::create_directories(work());
    fs::create_directories(profile());
    for (const fs::directory_entry& entry : fs::directory_iterator(kGolden)) {
      if (!entry.is_regular_file() || kExpectations.count(entry.path().extension().string()))
        continue;
      fs::copy_file(entry.path(), work() / entry.path().filename());
      copied_[entry.path().filename().string()] = fileText(entry.path().string());
    }
  }
  ~RunFolder() {
    std::error_code error;
    fs::remove_all(root_, error);
  }
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  fs::path work() const { return root_ / "work"; }
  fs::path profile() const { return root_ / "profile"; }

  // The files made or changed by the run, in name order.
  std::string madeFiles() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(work())) {
      if (!entry.is_regular_file())
        continue;
      const std::string name = fs::relative(entry.path(), work()).string();
      auto before = copied_.find(name);
      if (before == copied_.end() || before->second != fileText(entry.path().string()))
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names)
      listing += describeFile(work() / name, name);
    return listing;
  }

private:
  fs::path root_;
  std::map<std::string, std::string> copied_;
};

bool updating() {
  const char* update = std::getenv("ZEK_UPDATE_GOLDEN");
  return update != nullptr && std::string(update) == "1";
}

// Writes an expectation, or removes it when it says what its absence says.
void writeExpectation(const fs::path& path, const std::string& text, bool absentMeansThis) {
  if (absentMeansThis) {
    fs::remove(path);
    return;
  }
  std::ofstream(path, std::ios::binary) << text;
}

std::string expected(const fs::path& path, const std::string& absent) {
  return fs::exists(path) ? fileText(path.string()) : absent;
}

void runCase(const std::string& name) {
  SCOPED_TRACE("golden case " + name);
  const fs::path stem = kGolden / name;
  RunFolder folder(name);
  if (fs::exists(stem.string() + ".registry"))
    std::ofstream(folder.profile() / "registry")
        << replaced(fileText(stem.string() + ".registry"), "{modules}", ZEK_CLI_TEST_MODULES);
  ZekRun run{caseArgs(stem.string() + ".args"), folder.work().string(),
             fs::exists(stem.string() + ".stdin") ? stem.string() + ".stdin" : "",
             folder.profile().string()};
  ZekResult result = runZek(run);
  ASSERT_EQ(result.failure, "");
  // Where the program's modules are built differs between machines.
  result.out = replaced(result.out, ZEK_CLI_PROGRAM_MODULES, "{lib}");
  const std::string status = std::to_string(result.status) + "\n";
  const std::string files = replaced(folder.madeFiles(), ZEK_CLI_PROGRAM_MODULES, "{lib}");
  if (updating()) {
    writeExpectation(stem.string() + ".out", result.out, false);
    writeExpectation(stem.string() + ".err", result.err, result.err.empty());
    writeExpectation(stem.string() + ".status", status, result.status == 0);
    writeExpectation(stem.string() + ".files", files, files.empty());
    return;
  }
  ASSERT_TRUE(fs::exists(stem.string() + ".out")) << name << ".out is missing";
  EXPECT_EQ(result.out, expected(stem.string() + ".out", "")) << "standard output";
  EXPECT_EQ(result.err, expected(stem.string() + ".err", "")) << "standard error";
  EXPECT_EQ(status, expected(stem.string() + ".status", "0\n")) << "exit status";
  EXPECT_EQ(files, expected(stem.string() + ".files", "")) << "files made or changed";
}

TEST(CliGolden, EveryCaseRunsAsExpected) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kGolden))
    if (entry.path().extension() == ".args")
      names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  ASSERT_FALSE(names.empty()) << "no cases in " << kGolden;
  for (const std::string& name : names)
    runCase(name);
}

TEST(CliTranscript, TheTranscriptFileHoldsWhatStandardOutputShows) {
  RunFolder folder("transcript-file");
  const ZekResult result =
      runZek({{"-s", "new_drawing.scr", "-c", "ID\n3,4", "--transcript", "run.txt"},
              folder.work().string(), "", folder.profile().string()});
  ASSERT_EQ(result.failure, "");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Command: ID\nSpecify point: 3,4\n"), std::string::npos) << result.out;
  EXPECT_EQ(fileText((folder.work() / "run.txt").string()), result.out);
}

TEST(CliTranscript, AnUnwritableTranscriptFileIsAUsageError) {
  RunFolder folder("transcript-unwritable");
  const ZekResult result = runZek({{"-c", "ID", "--transcript", "no/such/folder/run.txt"},
                                   folder.work().string(), "", folder.profile().string()});
  ASSERT_EQ(result.failure, "");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "") << "nothing runs";
  EXPECT_EQ(result.err, "zek: --transcript no/such/folder/run.txt: cannot write the file\n");
}

// Saving where the drafter may not write: the error is said, the drawing on
// disk stays as it was, nothing is left beside it, and the exit status is 1.
TEST(CliSaving, AReadOnlyFolderIsReportedAndLosesNothing) {
  struct Case {
    const char* name;
    std::vector<std::string> args;  // run in the working folder; "ro/" is read-only
    const char* message;
  };
  const Case cases[] = {
      {"qsave-in-place", {"ro/plate.dxf", "-c", "CIRCLE\n5,5\n2\nQSAVE"},
       "ro/plate.dxf: cannot write: Permission denied\n"},
      {"output-option", {"plate_r12.dxf", "-c", "CIRCLE\n5,5\n2", "-o", "ro/plate.dxf"},
       "ro/plate.dxf: cannot write: Permission denied\n"},
      {"saveas", {"-c", "CIRCLE\n5,5\n2\nSAVEAS\nro/other"},
       "ro/other.dxf: cannot write: Permission denied\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunFolder folder(std::string("read-only-") + c.name);
    const fs::path readOnly = folder.work() / "ro";
    fs::create_directories(readOnly);
    fs::copy_file(kGolden / "plate_r12.dxf", readOnly / "plate.dxf");
    const std::string before = fileText((readOnly / "plate.dxf").string());
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(folder.profile(), fs::perms::all);  // the unprivileged run keeps its history
    ZekRun run{c.args, folder.work().string(), "", folder.profile().string()};
    run.unprivileged = true;
    const ZekResult result = runZek(run);
    fs::permissions(readOnly, fs::perms::owner_all, fs::perm_options::add);
    ASSERT_EQ(result.failure, "");
    EXPECT_EQ(result.status, 1) << result.out << result.err;
    EXPECT_EQ(result.err, c.message);
    EXPECT_EQ(fileText((readOnly / "plate.dxf").string()), before);
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(readOnly))
      left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"plate.dxf"}) << "no backup, no temporary file";
  }
}

}  // namespace
}  // namespace zek::cli
