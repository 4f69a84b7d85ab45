// Golden transcripts of selection: each golden/*.scr runs through the
// command loop on the plate drawing (the shared golden runner), with probe
// commands that call the selection interface and print what it answered;
// the whole transcript is compared with the script's .out
// (ZEK_UPDATE_GOLDEN=1 rewrites them).
//
// Probes (test commands of group ZEKSELPROBE):
//   SSGET         asks "Mode: ", for C and W "First corner: " and "Other
//                 corner: " (UCS), then "Filter: ", and calls acedSSGet
//   SSGETPF       the same in a command flagged to use the pick-first set
//   KEEPSET       acedSSGet in interactive mode, the set left unfreed
//   MAKEPICKFIRST an interactive selection made the pick-first set (as SELECT)
//   USEPICKFIRST  flagged to use the pick-first set: an interactive acedSSGet
//   ENTSEL        acedEntSel with the default prompt
//   SETPICKBOX    asks "Pixels: " and sets PICKBOX
// Filter lines: items "code=value" separated by blanks; a value in double
// quotes given for a numeric code is passed as text ("62=\"1\"").
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "aced_output.h"
#include "aced_select.h"
#include "aced_vars.h"
#include "editor/core/command_table.h"
#include "editor/input.h"
#include "editor/prompts/answer_parsing.h"
#include "editor/select/select_test_drawing.h"
#include "editor/testing/editor_test_support.h"
#include "editor/testing/golden_runner.h"

namespace zek {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(ZEK_SOURCE_DIR) / "host/src/editor/select/golden";
constexpr const char* kGroup = "ZEKSELPROBE";

const char* codeName(int code) {
  switch (code) {
    case RTNORM: return "RTNORM";
    case RTERROR: return "RTERROR";
    case RTCAN: return "RTCAN";
    default: return "another code";
  }
}

// A filter line as a resbuf list; texts given for numbers are listed in
// `texts` so that they can be freed (acutRelRb frees no text of a numeric
// group). Null for an empty line.
resbuf* parseFilter(const std::string& line, std::vector<resbuf*>& texts) {
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (const std::string& item : splitWords(line)) {
    std::size_t equals = item.find('=', 1);
    if (equals == std::string::npos)
      continue;
    int code = std::atoi(item.substr(0, equals).c_str());
    std::string value = item.substr(equals + 1);
    resbuf* rb = acutNewRb(code == 0 ? RTDXF0 : code);
    short kind = code == 0 ? RTSTR : resbufTypeOfGroupCode(code);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      rb->resval.rstring = acutNewString(value.substr(1, value.size() - 2).c_str());
      if (kind != RTSTR)
        texts.push_back(rb);
    } else if (kind == RTSTR) {
      rb->resval.rstring = acutNewString(value.c_str());
    } else if (kind == RT3DPOINT) {
      auto point = parsePointAnswer(value);
      AcGePoint3d p = point ? point->value : AcGePoint3d();
      rb->resval.rpoint[0] = p.x;
      rb->resval.rpoint[1] = p.y;
      rb->resval.rpoint[2] = p.z;
    } else if (kind == RTREAL) {
      rb->resval.rreal = std::atof(value.c_str());
    } else if (kind == RTLONG) {
      rb->resval.rlong = std::atoi(value.c_str());
    } else {
      rb->resval.rint = static_cast<short>(std::atoi(value.c_str()));
    }
    *tail = rb;
    tail = &rb->rbnext;
  }
  return head;
}

void releaseFilter(resbuf* list, const std::vector<resbuf*>& texts) {
  for (resbuf* rb : texts) {
    acutDelString(rb->resval.rstring);
    rb->resval.rstring = nullptr;
  }
  acutRelRb(list);
}

// Prints a selection's answer and its entities, then frees the set.
void reportSelection(int code, ads_name ss, bool freeIt = true) {
  if (code != RTNORM) {
    acutPrintf("\nacedSSGet: %s", codeName(code));
    return;
  }
  ads_int32 length = 0;
  (void)acedSSLength(ss, &length);
  std::string names;
  for (ads_int32 i = 0; i < length; ++i) {
    ads_name entity;
    AcDbObjectId id;
    if (acedSSName(ss, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk)
      names += (i ? ", " : "") + test::describeEntity(id);
  }
  acutPrintf("\nacedSSGet: RTNORM, %d %s: %s", static_cast<int>(length), length == 1 ? "entity" : "entities",
             names.c_str());
  if (freeIt)
    (void)acedSSFree(ss);
}

std::optional<AcGePoint3d> askPoint(const char* prompt) {
  Answer answer = promptForLine(prompt);
  if (answer.kind != Answer::Kind::Text)
    return std::nullopt;
  auto typed = parsePointAnswer(answer.text);
  return typed ? std::optional<AcGePoint3d>(typed->value) : std::nullopt;
}

void probeSsget() {
  Answer mode = promptForLine("Mode: ");
  if (mode.kind != Answer::Kind::Text)
    return;
  std::optional<AcGePoint3d> first, other;
  std::string upper = upperCased(trimmedAnswer(mode.text));
  if (upper == "C" || upper == "W") {
    first = askPoint("First corner: ");
    other = askPoint("Other corner: ");
  }
  Answer filterLine = promptForLine("Filter: ");
  if (filterLine.kind != Answer::Kind::Text)
    return;
  std::vector<resbuf*> texts;
  resbuf* filter = parseFilter(filterLine.text, texts);
  ads_name ss = {0, 0};
  std::string modeText(trimmedAnswer(mode.text));
  int code = acedSSGet(modeText.empty() ? nullptr : modeText.c_str(), first ? &first->x : nullptr,
                       other ? &other->x : nullptr, filter, ss);
  releaseFilter(filter, texts);
  reportSelection(code, ss);
}

void probeKeepSet() {
  ads_name ss = {0, 0};
  reportSelection(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), ss, false);
}

void probeMakePickfirst() {
  ads_name ss = {0, 0};
  int code = acedSSGet(nullptr, nullptr, nullptr, nullptr, ss);
  if (code == RTNORM) {
    (void)acedSSSetFirst(ss, nullptr);
    (void)acedSSFree(ss);
  }
  acutPrintf("\npick-first set: %s", codeName(code));
}

void probeUsePickfirst() {
  ads_name ss = {0, 0};
  reportSelection(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), ss);
}

void probeEntsel() {
  ads_name entity = {0, 0};
  ads_point point = {0, 0, 0};
  int code = acedEntSel(nullptr, entity, point);
  AcDbObjectId id;
  if (code == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk)
    acutPrintf("\nacedEntSel: RTNORM, %s at %g,%g,%g", test::describeEntity(id).c_str(), point[0], point[1],
               point[2]);
  else
    acutPrintf("\nacedEntSel: %s", codeName(code));
}

void probeSetPickbox() {
  Answer answer = promptForLine("Pixels: ");
  if (answer.kind != Answer::Kind::Text)
    return;
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = static_cast<short>(std::atoi(answer.text.c_str()));
  acutPrintf("\nPICKBOX: %s", codeName(acedSetVar("PICKBOX", &value)));
}

void setPickbox(short pixels) {
  resbuf value{};
  value.restype = RTSHORT;
  value.resval.rint = pixels;
  (void)acedSetVar("PICKBOX", &value);
}

class SelectGolden : public ::testing::Test {
protected:
  void SetUp() override {
    struct Probe {
      const char* name;
      void (*function)();
      int flags;
    } probes[] = {
        {"SSGET", probeSsget, kCommandModal},
        {"SSGETPF", probeSsget, kCommandUsePickSet},
        {"KEEPSET", probeKeepSet, kCommandModal},
        {"MAKEPICKFIRST", probeMakePickfirst, kCommandModal},
        {"USEPICKFIRST", probeUsePickfirst, kCommandUsePickSet},
        {"ENTSEL", probeEntsel, kCommandModal},
        {"SETPICKBOX", probeSetPickbox, kCommandModal},
    };
    for (const Probe& probe : probes)
      ASSERT_TRUE(CommandTable::instance().add(kGroup, probe.name, "", probe.flags, probe.function));
  }
  void TearDown() override {
    CommandTable::instance().removeGroup(kGroup);
    setPickbox(3);
  }
};

// Every script runs on a new drawing holding the plate, with PICKBOX at its
// default; each is also run cut short by Esc at every answer (no set may be
// left unfreed, no object open). The scripts of golden/leak/ leave a set on
// purpose: their leaks are the transcript under test, not failures, and they
// are not swept.
TEST_F(SelectGolden, Transcripts) {
  test::GoldenOptions options;
  options.prepare = [](test::EditorSession& session) {
    setPickbox(3);
    test::buildSelectionPlate(session.db());
  };
  EXPECT_GT(test::runGoldenFolder(kGoldenDir.string(), options), 0);
  options.escapeSweep = false;
  options.expectLeaks = true;
  EXPECT_GT(test::runGoldenFolder((kGoldenDir / "leak").string(), options), 0);
}

}  // namespace
}  // namespace zek
