// Tests of saving drawings: the previous NAME.dxf is kept as NAME.bak, a
// failed save leaves the previous file as it was and no temporary file
// behind, and answers a Failure naming the file.
#include "zek/dxf_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "db/testing/db_test_support.h"
#include "db_curves.h"

namespace zek::test {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed afterwards.
class SaveFolder : public ::testing::Test {
protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::path(::testing::TempDir()) / (std::string("zek-save-") + info->name() + "-" +
                                                std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  std::string path(const char* name) const { return (folder_ / name).string(); }
  // Names in the folder other than those given.
  std::vector<std::string> othersIn(std::initializer_list<const char*> known) const {
    std::vector<std::string> others;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      std::string name = entry.path().filename().string();
      if (std::find(known.begin(), known.end(), name) == known.end())
        others.push_back(name);
    }
    return others;
  }
  fs::path folder_;
};

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A drawing with `lines` lines, so two saves differ.
std::unique_ptr<AcDbDatabase> drawingWithLines(int lines) {
  auto db = std::make_unique<AcDbDatabase>();
  for (int i = 0; i < lines; ++i)
    EXPECT_FALSE(appendToModelSpace(*db, new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 9, 0))).isNull());
  return db;
}

TEST_F(SaveFolder, PreviousDrawingIsKeptAsBak) {
  auto first = drawingWithLines(1);
  auto second = drawingWithLines(2);
  const std::string target = path("plate.dxf");
  ASSERT_TRUE(writeDxfFile(*first, target).ok());
  EXPECT_FALSE(fs::exists(path("plate.bak"))) << "nothing to back up on the first save";
  const std::string firstText = contentOf(target);
  EXPECT_EQ(firstText, writeDxf(*first));

  ASSERT_TRUE(writeDxfFile(*second, target).ok());
  EXPECT_EQ(contentOf(path("plate.bak")), firstText) << "the previous drawing, byte for byte";
  EXPECT_EQ(contentOf(target), writeDxf(*second));
  EXPECT_TRUE(othersIn({"plate.dxf", "plate.bak"}).empty()) << "no temporary file is left";

  auto reread = readDxfFile(target);
  ASSERT_TRUE(reread.ok()) << reread.failure().describe();
  EXPECT_EQ(modelSpaceIds(*reread.value()).size(), 2u);
}

TEST_F(SaveFolder, MissingFolderFailsNamingTheFile) {
  auto db = drawingWithLines(1);
  const std::string target = path("no-such-folder/plate.dxf");
  Status saved = writeDxfFile(*db, target);
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.failure().file, target);
  EXPECT_NE(saved.failure().message.find("cannot write"), std::string::npos)
      << saved.failure().describe();
  EXPECT_NE(saved.failure().describe().find(target), std::string::npos);
}

TEST_F(SaveFolder, FailedSaveLeavesTheOldFileUntouched) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "running as root: folder permissions are not checked";
  auto first = drawingWithLines(1);
  auto second = drawingWithLines(2);
  const std::string target = path("plate.dxf");
  ASSERT_TRUE(writeDxfFile(*first, target).ok());
  const std::string firstText = contentOf(target);
  fs::permissions(folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  Status saved = writeDxfFile(*second, target);
  fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.failure().file, target);
  EXPECT_EQ(contentOf(target), firstText) << "the previous drawing is as it was";
  EXPECT_TRUE(othersIn({"plate.dxf"}).empty()) << "no backup and no temporary file";
}

TEST_F(SaveFolder, SavedDrawingKeepsTheUsualPermissions) {
  // Fault: the temporary file is made with mkstemp (mode 0600) and renamed
  // over the target, so every saved drawing ends up readable by its owner only.
  auto db = drawingWithLines(1);
  const std::string target = path("plate.dxf");
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(writeDxfFile(*db, target).ok());
  ::umask(mask);
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read)
      << "a new drawing is 0666 less the umask, as other programs make files";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::group_write);
  ASSERT_TRUE(writeDxfFile(*db, target).ok());
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::group_write)
      << "saving again keeps the drawing's own permissions";
}

// A target that cannot be replaced (a folder of that name): the save fails
// after the drawing was written, and cleans up after itself.
TEST_F(SaveFolder, TargetThatCannotBeReplacedLeavesNoTemporaryFile) {
  auto db = drawingWithLines(1);
  const std::string target = path("plate.dxf");
  fs::create_directories(fs::path(target) / "inside");
  Status saved = writeDxfFile(*db, target);
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.failure().file, target);
  EXPECT_TRUE(fs::is_directory(fs::path(target) / "inside")) << "what was there is untouched";
  std::vector<std::string> others = othersIn({"plate.dxf", "plate.bak"});
  EXPECT_TRUE(others.empty()) << "left behind: " << (others.empty() ? "" : others[0]);
}

}  // namespace
}  // namespace zek::test
