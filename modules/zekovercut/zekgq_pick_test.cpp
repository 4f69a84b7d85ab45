// ZEKGQ through the loaded module, watching what the drafter has while each
// answer is asked for: ORTHOMODE off only while the inner point is picked,
// and the rubber band from the corner where the two lines cross.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "aced_vars.h"
#include "editor/core/display_state.h"
#include "editor/document.h"
#include "editor/input.h"
#include "editor/testing/editor_test_support.h"
#include "loader/module_loader.h"

namespace zek {
namespace {

// What showed when one answer line was asked for.
struct Seen {
  short orthomode = -1;
  std::optional<AcGePoint3d> bandBase;
};

short shortVariable(const char* name) {
  resbuf value{};
  return acedGetVar(name, &value) == RTNORM ? value.resval.rint : -1;
}

// Answer lines that note ORTHOMODE and the rubber band each time a line is
// asked for, the ask that finds the end included.
class WatchingSource : public InputSource {
public:
  WatchingSource(std::vector<std::string> lines, std::vector<Seen>& seen)
      : lines_(std::move(lines)), seen_(seen) {}
  std::optional<std::string> nextLine() override {
    Seen seen;
    seen.orthomode = shortVariable("ORTHOMODE");
    const DisplayState& display = displayStateOf(*currentDocument());
    if (display.rubberBand)
      seen.bandBase = display.rubberBand->base;
    seen_.push_back(seen);
    if (next_ >= lines_.size())
      return std::nullopt;
    return lines_[next_++];
  }
  std::string whereLastLine() const override { return "pick test:" + std::to_string(next_); }

private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  std::vector<Seen>& seen_;
};

class OvercutPick : public ::testing::Test {
protected:
  void SetUp() override {
    unloadAllModules();
    setModuleFolders({ZEK_MODULE_FOLDER});
    ASSERT_EQ(loadModule("zekovercut", true), RTNORM) << session_.transcript();
    // Two lines crossing at (12, 7), drawn in a UCS moved to (100, 50), and
    // ORTHOMODE on.
    session_.feed({"UCS", "100,50", "", "LINE", "2,7", "22,7", "", "LINE", "12,0", "12,20", "",
                   "ORTHOMODE", "1"});
    (void)session_.run();
    (void)session_.take();
  }
  void TearDown() override { unloadAllModules(); }

  std::string run(std::vector<std::string> lines) {
    currentInput().push(std::make_unique<WatchingSource>(std::move(lines), seen_));
    (void)session_.run();
    return session_.take();
  }

  test::EditorSession session_;
  std::vector<Seen> seen_;
};

TEST_F(OvercutPick, OrthoIsOffOnlyWhileThePointIsPicked) {
  const std::string transcript = run({"ZEKGQ", "20,7", "12,15", "", "15,10"});
  EXPECT_NE(transcript.find("pick at inner area:15,10"), std::string::npos) << transcript;
  ASSERT_EQ(seen_.size(), 6u) << transcript;
  EXPECT_EQ(seen_[1].orthomode, 1) << "while selecting";
  EXPECT_FALSE(seen_[1].bandBase) << "no rubber band while selecting";
  EXPECT_EQ(seen_[4].orthomode, 0) << "while picking";
  ASSERT_TRUE(seen_[4].bandBase) << "a rubber band while picking";
  EXPECT_NEAR(seen_[4].bandBase->x, 112, 1e-9) << "from the corner, in the world";
  EXPECT_NEAR(seen_[4].bandBase->y, 57, 1e-9);
  EXPECT_EQ(seen_[5].orthomode, 1) << "after the command";
}

TEST_F(OvercutPick, EscAtThePickPutsOrthoBack) {
  const std::string transcript = run({"ZEKGQ", "20,7", "12,15", "", "^C"});
  EXPECT_NE(transcript.find("pick at inner area:*Cancel*"), std::string::npos) << transcript;
  ASSERT_EQ(seen_.size(), 6u) << transcript;
  EXPECT_EQ(seen_[4].orthomode, 0);
  EXPECT_EQ(seen_[5].orthomode, 1);
}

}  // namespace
}  // namespace zek
