// Answers to a running dialog: the result they lead to, the handlers they
// run (and do not run), radio groups, the run of refusals that cancels, the
// drafter's text cut at an edit box's limit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/modal_loop.h"
#include "dialogs/testing/probe_dialog.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

struct ProbeRun {
  int result;
  std::string events;
};

ProbeRun runProbe(const std::vector<std::string>& lines, test::ProbeDialog& dialog) {
  test::EditorSession session;
  session.feed(lines);
  const int result = dialog.DoModal();
  return {result, dialog.events};
}

ProbeRun runProbe(const std::vector<std::string>& lines) {
  test::ProbeDialog dialog;
  return runProbe(lines, dialog);
}

std::vector<std::string> repeated(const std::string& line, int times) {
  return std::vector<std::string>(static_cast<std::size_t>(times), line);
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> lines;
  for (const auto& part : parts)
    lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

struct ResultCase {
  const char* name;
  std::vector<std::string> lines;
  int result;
  const char* events;
};

const std::vector<ResultCase>& resultCases() {
  static const std::vector<ResultCase> cases = {
      {"Enter presses the default button", {""}, IDOK, ""},
      {"Esc cancels", {"^C"}, IDCANCEL, ""},
      {"the end of the input cancels", {}, IDCANCEL, ""},
      {"control 2 runs OnCancel", {"click 2"}, IDCANCEL, ""},
      {"control 1 runs OnOK", {"click 1"}, IDOK, ""},
      {"ten refusals in a row cancel", repeated("click 77", kMaxRefusedAnswers), IDCANCEL, ""},
      {"nine refusals leave it open", joined({repeated("click 77", 9), {""}}), IDOK, ""},
      {"a taken answer starts the count again",
       joined({repeated("click 77", 9), {"click 1010"}, repeated("click 77", 9), {""}}), IDOK,
       "click 1010"},
      {"a refused answer runs no handler", {"click 1003 1", "select 1008 9", ""}, IDOK, ""},
      {"a handler's EndDialog ends with its value", {"set 1001 end", "click 1010", "click 1010"},
       1010, "change 1001;click 1010"},
      {"the same text again sends no change", {"set 1001 x", "set 1001 x", ""}, IDOK,
       "change 1001"},
      {"a check box already so is not clicked",
       {"check 1002 0", "check 1002 1", "check 1002 1", "click 1002", ""}, IDOK,
       "click 1002;click 1002"},
      {"a double click selects first", {"select 1008 2", "dblclick 1008 1", ""}, IDOK,
       "sel 1008;sel 1008;dbl 1008"},
      {"a drop-down list sends its own selection change", {"select 1009 1", ""}, IDOK,
       "cbsel 1009"},
      {"radio buttons reach the range handler with their id",
       {"click 1004", "check 1006 1", "click 1007", "check 1007 1", ""}, IDOK,
       "radio 1004;radio 1006;radio 1007"},
  };
  return cases;
}

TEST(DialogAnswers, LeadToTheirResultRunningOnlyTheirHandlers) {
  for (const auto& c : resultCases()) {
    const ProbeRun run = runProbe(c.lines);
    EXPECT_EQ(run.result, c.result) << c.name;
    EXPECT_EQ(run.events, c.events) << c.name;
  }
}

TEST(DialogAnswers, RadioButtonsClearOnlyTheirOwnRun) {
  test::ProbeDialog dialog;
  dialog.onInit = [](test::ProbeDialog& d) {
    d.CheckDlgButton(1003, BST_CHECKED);
    d.CheckDlgButton(1005, BST_CHECKED);
    d.CheckDlgButton(1007, BST_CHECKED);
  };
  std::vector<unsigned> checks;
  dialog.onOK = [&](test::ProbeDialog& d) {
    for (int id = 1003; id <= 1007; ++id)
      checks.push_back(d.IsDlgButtonChecked(id));
  };
  ASSERT_EQ(runProbe({"click 1004", "click 1006", ""}, dialog).result, IDOK);
  // 1003/1004 one group, 1005/1006 the next (group style), 1007 alone (after a label).
  EXPECT_EQ(checks, (std::vector<unsigned>{0, 1, 0, 1, 1}));
}

TEST(DialogAnswers, CheckRadioButtonWorksOnTheIdRange) {
  test::ProbeDialog dialog;
  std::vector<int> found;
  dialog.onInit = [&](test::ProbeDialog& d) {
    d.CheckDlgButton(1002, BST_CHECKED);
    d.CheckDlgButton(1004, BST_CHECKED);
    d.CheckRadioButton(1003, 1007, 1005);
    found.push_back(d.GetCheckedRadioButton(1003, 1007));
    found.push_back(static_cast<int>(d.IsDlgButtonChecked(1004)));
    found.push_back(static_cast<int>(d.IsDlgButtonChecked(1002)));  // outside the range
    d.CheckDlgButton(1007, BST_CHECKED);
    found.push_back(d.GetCheckedRadioButton(1003, 1007));  // the lowest checked id
    found.push_back(d.GetCheckedRadioButton(1006, 1007));
    found.push_back(d.GetCheckedRadioButton(1008, 1010));  // no buttons there
    d.EndDialog(IDOK);  // ends before the first answer is asked for
  };
  EXPECT_EQ(runProbe({"click 2"}, dialog).result, IDOK);
  EXPECT_EQ(found, (std::vector<int>{1005, 0, 1, 1005, 1007, 0}));
}

TEST(DialogAnswers, AnEditBoxLimitCutsTheDraftersTextOnly) {
  test::ProbeDialog dialog;
  std::string before, after;
  dialog.onInit = [&](test::ProbeDialog& d) {
    static_cast<CEdit*>(d.GetDlgItem(1001))->SetLimitText(4);
    d.SetDlgItemText(1001, "123456");
    d.GetDlgItemText(1001, before);
  };
  dialog.onOK = [&](test::ProbeDialog& d) { d.GetDlgItemText(1001, after); };
  ASSERT_EQ(runProbe({"set 1001 宏命令01", ""}, dialog).result, IDOK);
  EXPECT_EQ(before, "123456") << "text the module sets is not cut";
  EXPECT_EQ(after, "宏命令0") << "four characters, not four bytes";
}

TEST(DialogAnswers, ControlsTheModuleDisablesOrHidesRefuseAnswers) {
  test::ProbeDialog dialog;
  dialog.onInit = [](test::ProbeDialog& d) {
    d.GetDlgItem(1010)->EnableWindow(false);
    d.GetDlgItem(1008)->ShowWindow(SW_HIDE);
    static_cast<CEdit*>(d.GetDlgItem(1001))->SetReadOnly();
  };
  test::EditorSession session;
  session.feed({"click 1010", "select 1008 1", "set 1001 x", "click 1"});
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.events, "");
  const std::string transcript = session.transcript();
  for (const char* why : {"Control 1010 is disabled.", "Control 1008 is hidden.",
                          "Control 1001 is read-only."})
    EXPECT_NE(transcript.find(std::string("\n") + why + "\n"), std::string::npos) << why;
}

}  // namespace
}  // namespace zek
