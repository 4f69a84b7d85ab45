// Safe saving under faults: every file step of a save is made to fail in
// turn, with the errors a drafter meets (disk full, permission denied, an I/O
// error, a rename across devices), and afterwards the previous drawing, its
// backup and the folder are checked.
#include "dxf/safe_save.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "db/testing/db_test_support.h"
#include "db_text.h"
#include "dxf/tag_sink.h"

namespace zek::dxf {
namespace {

namespace fs = std::filesystem;

// The system's file calls, with one chosen call made to fail. Every call is
// logged by its step name, so a test can see what a save did.
class FaultyFileSystem final : public SaveFileSystem {
public:
  explicit FaultyFileSystem(int failAt = -1, int error = 0) : failAt_(failAt), error_(error) {}

  const std::vector<std::string>& steps() const { return steps_; }

  int makeTemporary(std::string& pathTemplate) override {
    return fails("makeTemporary") ? -1 : system().makeTemporary(pathTemplate);
  }
  std::FILE* openStream(int descriptor) override {
    return fails("openStream") ? nullptr : system().openStream(descriptor);
  }
  bool write(std::FILE* stream, std::string_view bytes) override {
    if (fails("write")) {
      // A disk that fills up takes part of the piece before it refuses.
      (void)system().write(stream, bytes.substr(0, bytes.size() / 2));
      return false;
    }
    return system().write(stream, bytes);
  }
  bool flush(std::FILE* stream) override { return !fails("flush") && system().flush(stream); }
  bool sync(std::FILE* stream) override { return !fails("sync") && system().sync(stream); }
  bool close(std::FILE* stream) override {
    const bool refused = fails("close");
    return system().close(stream) && !refused;  // the stream is closed either way
  }
  bool link(const std::string& existing, const std::string& newName) override {
    return !fails("link") && system().link(existing, newName);
  }
  bool copy(const std::string& from, const std::string& to) override {
    return !fails("copy") && system().copy(from, to);
  }
  bool rename(const std::string& from, const std::string& to) override {
    return !fails("rename") && system().rename(from, to);
  }
  bool syncFolder(const std::string& folder) override {
    return !fails("syncFolder") && system().syncFolder(folder);
  }
  void remove(const std::string& path) override { system().remove(path); }

private:
  static SaveFileSystem& system() { return systemFileSystem(); }
  bool fails(const char* step) {
    steps_.push_back(step);
    if (static_cast<int>(steps_.size()) - 1 != failAt_)
      return false;
    errno = error_;
    return true;
  }
  int failAt_;
  int error_;
  std::vector<std::string> steps_;
};

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A new file of that name (not written through another name of the file).
void putFile(const fs::path& path, const std::string& text) {
  fs::remove(path);
  std::ofstream(path, std::ios::binary) << text;
}

// A drawing of `count` notes of 1,000 characters each.
std::unique_ptr<AcDbDatabase> drawingWithNotes(int count) {
  auto db = std::make_unique<AcDbDatabase>();
  const std::string note(1000, 'N');
  for (int i = 0; i < count; ++i)
    EXPECT_FALSE(
        test::appendToModelSpace(*db, new AcDbText(AcGePoint3d(0, i * 5.0, 0), note.c_str()))
            .isNull());
  return db;
}

std::string dxfOf(AcDbDatabase& db) {
  auto text = writeDxfString(db);
  EXPECT_TRUE(text.ok());
  return text.ok() ? text.value() : std::string();
}

class SafeSave : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("zek-safe-save-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    // Enough notes for the drawing to go out in more than one buffered piece.
    saved_ = drawingWithNotes(static_cast<int>(TagSink::kBufferSize / 1000) + 50);
    savedText_ = dxfOf(*saved_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The folder holds a drawing and an older backup, as after two saves.
  void startWithDrawingAndBackup() {
    putFile(target(), kPrevious);
    putFile(backup(), kOlder);
  }
  fs::path target() const { return folder_ / "plate.dxf"; }
  fs::path backup() const { return folder_ / "plate.bak"; }
  std::set<std::string> filesInFolder() const {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_))
      names.insert(entry.path().filename().string());
    return names;
  }
  // The steps of a save that nothing makes fail.
  std::vector<std::string> stepsOfAGoodSave() {
    FaultyFileSystem files;
    EXPECT_TRUE(saveDrawing(*saved_, target().string(), {}, files).ok());
    return files.steps();
  }

  static constexpr const char* kPrevious = "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";
  static constexpr const char* kOlder = "an older drawing\n";
  fs::path folder_;
  std::unique_ptr<AcDbDatabase> saved_;
  std::string savedText_;  // what saving it must put in the file
};

TEST_F(SafeSave, AGoodSaveWritesCompletelyBeforeTouchingTheDrawingOrItsBackup) {
  startWithDrawingAndBackup();
  const std::vector<std::string> steps = stepsOfAGoodSave();
  std::vector<std::string> distinct = steps;  // the writes as one
  distinct.erase(std::unique(distinct.begin(), distinct.end(),
                             [](const std::string& a, const std::string& b) {
                               return a == "write" && b == "write";
                             }),
                 distinct.end());
  const std::vector<std::string> expected = {"makeTemporary", "openStream", "write",
                                             "flush",         "sync",       "close",
                                             "link",          "rename",     "rename",
                                             "syncFolder"};
  EXPECT_EQ(distinct, expected) << "written and closed, then the backup, then the rename";
  EXPECT_GE(std::count(steps.begin(), steps.end(), "write"), 2)
      << "the drawing goes out in more than one piece";
  EXPECT_EQ(contentOf(target()), savedText_);
  EXPECT_EQ(contentOf(backup()), kPrevious) << "the backup is the drawing it replaced";
  EXPECT_EQ(filesInFolder(), (std::set<std::string>{"plate.dxf", "plate.bak"}));
}

// Each step made to fail in turn with each error: a failure before the
// drawing is in place keeps it and, unless the backup was already renewed,
// the older backup; nothing the save made is left in the folder.
TEST_F(SafeSave, AFailureAtAnyStepKeepsThePreviousDrawingAndARightBackup) {
  startWithDrawingAndBackup();
  const std::vector<std::string> steps = stepsOfAGoodSave();
  const int errors[] = {ENOSPC, EACCES, EIO, EXDEV};
  for (std::size_t k = 0; k < steps.size(); ++k) {
    for (int error : errors) {
      SCOPED_TRACE("step " + std::to_string(k + 1) + " " + steps[k] + " fails with " +
                   std::strerror(error));
      startWithDrawingAndBackup();
      FaultyFileSystem files(static_cast<int>(k), error);
      const Status saved = saveDrawing(*saved_, target().string(), {}, files);
      const std::string& step = steps[k];
      if (step == "link" || step == "syncFolder") {
        // A folder that refuses a second name gets a copy as the backup; a
        // folder that cannot be synced still has the drawing in place.
        ASSERT_TRUE(saved.ok()) << saved.failure().describe();
        EXPECT_EQ(contentOf(target()), savedText_);
        EXPECT_EQ(contentOf(backup()), kPrevious);
      } else {
        ASSERT_FALSE(saved.ok());
        EXPECT_EQ(saved.failure().file, target().string());
        EXPECT_NE(saved.failure().message.find(std::strerror(error)), std::string::npos)
            << saved.failure().message;
        EXPECT_EQ(contentOf(target()), kPrevious) << "the previous drawing is whole";
        const bool backupRenewed = k == steps.size() - 2;  // the final rename failed
        EXPECT_EQ(contentOf(backup()), backupRenewed ? kPrevious : kOlder);
      }
      EXPECT_EQ(filesInFolder(), (std::set<std::string>{"plate.dxf", "plate.bak"}))
          << "no temporary file or second name is left";
    }
  }
}

TEST_F(SafeSave, ABackupThatCanNeitherBeLinkedNorCopiedStopsTheSave) {
  startWithDrawingAndBackup();
  struct NoBackups final : public SaveFileSystem {
    int makeTemporary(std::string& t) override { return systemFileSystem().makeTemporary(t); }
    std::FILE* openStream(int d) override { return systemFileSystem().openStream(d); }
    bool write(std::FILE* s, std::string_view b) override { return systemFileSystem().write(s, b); }
    bool flush(std::FILE* s) override { return systemFileSystem().flush(s); }
    bool sync(std::FILE* s) override { return systemFileSystem().sync(s); }
    bool close(std::FILE* s) override { return systemFileSystem().close(s); }
    bool link(const std::string&, const std::string&) override { return errno = EPERM, false; }
    bool copy(const std::string&, const std::string&) override { return errno = ENOSPC, false; }
    bool rename(const std::string& f, const std::string& t) override {
      return systemFileSystem().rename(f, t);
    }
    bool syncFolder(const std::string& f) override { return systemFileSystem().syncFolder(f); }
    void remove(const std::string& p) override { systemFileSystem().remove(p); }
  } files;
  const Status saved = saveDrawing(*saved_, target().string(), {}, files);
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.failure().message,
            std::string("cannot keep the previous drawing as a backup: ") + std::strerror(ENOSPC));
  EXPECT_EQ(contentOf(target()), kPrevious);
  EXPECT_EQ(contentOf(backup()), kOlder) << "the older backup is not given up for nothing";
  EXPECT_EQ(filesInFolder(), (std::set<std::string>{"plate.dxf", "plate.bak"}));
}

TEST_F(SafeSave, ABackupThatIsASecondNameOfTheDrawingIsRenewedCleanly) {
  // After a save whose last rename failed, NAME.bak and NAME.dxf are one file.
  putFile(target(), kPrevious);
  fs::create_hard_link(target(), backup());
  ASSERT_TRUE(saveDrawing(*saved_, target().string(), {}, systemFileSystem()).ok());
  EXPECT_EQ(contentOf(target()), savedText_);
  EXPECT_EQ(contentOf(backup()), kPrevious);
  EXPECT_EQ(filesInFolder(), (std::set<std::string>{"plate.dxf", "plate.bak"}));
}

TEST_F(SafeSave, AFirstSaveThatFailsLeavesNothingBehind) {
  FaultyFileSystem counting;
  ASSERT_TRUE(saveDrawing(*saved_, target().string(), {}, counting).ok());
  const std::vector<std::string> steps = counting.steps();
  EXPECT_EQ(std::count(steps.begin(), steps.end(), "link"), 0) << "no drawing to back up";
  for (std::size_t k = 0; k + 1 < steps.size(); ++k) {
    SCOPED_TRACE("step " + std::to_string(k + 1) + " " + steps[k]);
    fs::remove(target());
    FaultyFileSystem files(static_cast<int>(k), ENOSPC);
    EXPECT_FALSE(saveDrawing(*saved_, target().string(), {}, files).ok());
    EXPECT_TRUE(filesInFolder().empty());
  }
}

TEST_F(SafeSave, TheSystemFileSystemReportsAFullDisk) {
  // /dev/full takes no byte: the writing step sees the real ENOSPC.
  std::FILE* full = std::fopen("/dev/full", "wb");
  if (full == nullptr)
    GTEST_SKIP() << "no /dev/full here";
  const std::string piece(TagSink::kBufferSize, 'x');
  bool written = systemFileSystem().write(full, piece) && systemFileSystem().flush(full);
  const int error = errno;
  std::fclose(full);
  EXPECT_FALSE(written);
  EXPECT_EQ(error, ENOSPC);
}

}  // namespace
}  // namespace zek::dxf
