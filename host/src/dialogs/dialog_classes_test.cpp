// The dialog classes as module code calls them: handles that live only
// while the dialog is open, the objects GetDlgItem answers, the classic
// answers of list and number calls, resources found by instance, the driver
// slot and the completions of an open dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aced_arx.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/resource_registry.h"
#include "dialogs/testing/probe_dialog.h"
#include "dialogs/window_state.h"
#include "editor/testing/editor_test_support.h"

namespace zek {
namespace {

TEST(DialogClasses, HandlesLiveOnlyWhileTheDialogIsOpen) {
  test::EditorSession session;
  session.feed({""});
  test::ProbeDialog dialog;
  HWND itemHandle = nullptr;
  bool kindsRight = false, familyRight = false;
  dialog.onInit = [&](test::ProbeDialog& d) {
    CWnd* edit = d.GetDlgItem(1001);
    itemHandle = edit->m_hWnd;
    kindsRight = dynamic_cast<CEdit*>(edit) && dynamic_cast<CButton*>(d.GetDlgItem(1002)) &&
                 dynamic_cast<CAdUiListBox*>(d.GetDlgItem(1008)) &&
                 dynamic_cast<CComboBox*>(d.GetDlgItem(1009)) && d.GetDlgItem(9999) == nullptr;
    familyRight = CWnd::FromHandle(itemHandle) == edit && edit->GetParent() == &d &&
                  edit->GetDlgCtrlID() == 1001 && d.GetDlgCtrlID() == 0 &&
                  d.GetParent() == CWnd::FromHandle(adsw_acadMainWnd());
  };
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(kindsRight) << "each control answers an object of its own class";
  EXPECT_TRUE(familyRight) << "ids, parents and handles agree";
  EXPECT_EQ(CWnd::FromHandle(itemHandle), nullptr) << "a closed dialog's handle names nothing";
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_EQ(dialog.GetDlgItem(1001), nullptr);
  std::string title = "unchanged";
  dialog.GetWindowText(title);
  EXPECT_EQ(title, "") << "a dialog that is not open has no text";
}

TEST(DialogClasses, TheMainWindowIsAWindowOfItsOwn) {
  CWnd* main = CWnd::FromHandle(adsw_acadMainWnd());
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->m_hWnd, adsw_acadMainWnd());
  EXPECT_EQ(main->GetParent(), nullptr);
  std::string title;
  main->GetWindowText(title);
  EXPECT_EQ(title, "ZEK");
  HWND__ madeUp{};
  EXPECT_EQ(CWnd::FromHandle(&madeUp), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

// A dialog that keeps its list box as a member, as module dialogs do.
class MemberListDialog : public test::ProbeDialog {
public:
  CAdUiListBox list;
};

TEST(DialogClasses, ASubclassingMemberIsWhatGetDlgItemAnswers) {
  test::EditorSession session;
  session.feed({""});
  MemberListDialog dialog;
  bool attached = false, again = true, answered = false;
  dialog.onInit = [&](test::ProbeDialog&) {
    attached = dialog.list.SubclassDlgItem(1008, &dialog);
    again = dialog.list.SubclassDlgItem(1008, &dialog);
    answered = dialog.GetDlgItem(1008) == &dialog.list && dialog.list.GetCount() == 5;
  };
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(attached);
  EXPECT_FALSE(again) << "an attached object cannot attach twice";
  EXPECT_TRUE(answered);
  EXPECT_EQ(dialog.list.m_hWnd, nullptr) << "detached when the dialog closed";
  EXPECT_EQ(dialog.list.GetCount(), LB_ERR);
}

TEST(DialogClasses, ListCallsAnswerAsTheClassicCalls) {
  test::EditorSession session;
  session.feed({""});
  test::ProbeDialog dialog;
  std::vector<int> answers;
  std::string text, comboText, listText = "unchanged";
  char small[3];
  dialog.onInit = [&](test::ProbeDialog& d) {
    auto* list = static_cast<CListBox*>(d.GetDlgItem(1008));
    auto* combo = static_cast<CComboBox*>(d.GetDlgItem(1009));
    answers = {list->SetCurSel(3), list->GetCurSel(),  list->GetTopIndex(), list->SetCurSel(-1),
               list->GetCurSel(),  list->SetCurSel(5), list->DeleteString(0), list->DeleteString(9),
               list->SetItemData(1, 77), static_cast<int>(list->GetItemData(1)),
               list->GetText(1, small, sizeof small), list->GetSelCount(),
               combo->SetCurSel(1), combo->GetLBText(0, text)};
    combo->GetWindowText(comboText);
    list->SetWindowText("ignored");
    list->GetWindowText(listText);
  };
  ASSERT_EQ(dialog.DoModal(), IDOK);
  // SetCurSel(3) scrolls the 3-row list to show item 3 at its bottom (top 1);
  // SetCurSel(-1) clears and answers LB_ERR; the list has one selection, so
  // GetSelCount is refused.
  EXPECT_EQ(answers, (std::vector<int>{3, 3, 1, LB_ERR, LB_ERR, LB_ERR, 4, LB_ERR, 0, 77, 2,
                                       LB_ERR, 1, 2}));
  EXPECT_STREQ(small, "l2") << "item 1 after item 0 went, cut to the buffer";
  EXPECT_EQ(text, "c0");
  EXPECT_EQ(comboText, "c1") << "a drop-down list's text is its selected item";
  EXPECT_EQ(listText, "") << "a list box has no text of its own";
}

struct IntCase {
  const char* text;
  bool isSigned;
  bool translated;
  int value;
};

constexpr IntCase kIntCases[] = {
    {"42", true, true, 42},          {" -7 ", true, true, -7},
    {"+5", true, true, 5},           {"-5", false, false, 0},  // no sign when unsigned
    {"12abc", true, false, 0},       {"", true, false, 0},
    {"1 2", true, false, 0},         {"2147483647", true, true, 2147483647},
    {"2147483648", true, false, 0},  {"99999999999", true, false, 0},
};

TEST(DialogClasses, ReadsOnlyWholeDecimalIntegers) {
  test::EditorSession session;
  session.feed({""});
  test::ProbeDialog dialog;
  std::string unsignedText;
  dialog.onInit = [&](test::ProbeDialog& d) {
    for (const auto& c : kIntCases) {
      d.SetDlgItemText(1001, c.text);
      bool translated = !c.translated;
      EXPECT_EQ(d.GetDlgItemInt(1001, &translated, c.isSigned), c.value) << '"' << c.text << '"';
      EXPECT_EQ(translated, c.translated) << '"' << c.text << '"';
    }
    d.SetDlgItemInt(1001, -5, false);
    d.GetDlgItemText(1001, unsignedText);
  };
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(unsignedText, "4294967291");
}

TEST(DialogClasses, ResourcesComeFromTheGivenInstanceElseTheCurrentOne) {
  static HINSTANCE__ first{}, second{};
  static const ZekControlResource ok[] = {{1, ZekControlKind::DefaultButton, "OK", 0, 0, 9, 9, 0}};
  static const ZekDialogResource firstDialogs[] = {{300, "first", 50, 50, "", 8, ok, 1}};
  static const ZekDialogResource secondDialogs[] = {{300, "second", 50, 50, "", 8, ok, 1},
                                                    {301, "only second", 50, 50, "", 8, ok, 1}};
  static const ZekResourceTable firstTable{firstDialogs, 1}, secondTable{secondDialogs, 2};
  registerModuleResources(&first, &firstTable);
  registerModuleResources(&second, &secondTable);
  AfxSetResourceHandle(&second);
  EXPECT_STREQ(zekFindDialogResource(&first, 300)->title, "first");
  EXPECT_EQ(zekFindDialogResource(&first, 301), nullptr);

  test::EditorSession session;
  session.feed({"", ""});
  CAcUiDialog given(300, nullptr, &first), current(300), lacking(301, nullptr, &first);
  ASSERT_EQ(given.DoModal(), IDOK);
  ASSERT_EQ(current.DoModal(), IDOK);
  EXPECT_EQ(lacking.DoModal(), -1) << "the given instance lacks it: not looked for elsewhere";
  EXPECT_EQ(session.transcript(),
            "Dialog 300 \"first\"\n  1     default   OK\nDialog:\nDialog 300 closed: OK\n"
            "Dialog 300 \"second\"\n  1     default   OK\nDialog:\nDialog 300 closed: OK\n"
            "Dialog 301 not found in the module's resources.");

  forgetModuleResources(&second);
  EXPECT_EQ(AfxGetResourceHandle(), nullptr) << "a forgotten instance is not left current";
  EXPECT_EQ(zekFindDialogResource(&second, 300), nullptr);
  forgetModuleResources(&first);
}

// A driver that answers from a list and logs what the loop told it.
class ListDriver : public DialogDriver {
public:
  explicit ListDriver(std::vector<DialogRequest> requests) : requests_(std::move(requests)) {}
  void opened(const DialogState& dialog) override { log("opened " + dialog.text); }
  DialogRequest nextRequest(const DialogState&) override {
    if (next_ >= requests_.size())
      return {DialogRequest::Kind::Cancel, 0, {}};
    return requests_[next_++];
  }
  void refused(const DialogState&, const std::string& why) override { log("refused " + why); }
  void answered(const DialogState&) override { log("answered"); }
  void closed(const DialogState& dialog) override { log("closed " + std::to_string(dialog.result())); }
  std::string events;

private:
  void log(const std::string& event) { events += (events.empty() ? "" : "; ") + event; }
  std::vector<DialogRequest> requests_;
  std::size_t next_ = 0;
};

TEST(DialogClasses, AnotherDriverInTheSlotRunsTheDialog) {
  test::EditorSession session;
  using Kind = DialogRequest::Kind;
  ListDriver driver({{Kind::Click, 5, {}}, {Kind::Set, 1001, "x"}, {Kind::Enter, 0, {}}});
  DialogDriver* before = setDialogDriver(&driver);
  test::ProbeDialog dialog;
  const int result = dialog.DoModal();
  EXPECT_EQ(setDialogDriver(before), &driver);
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(driver.events,
            "opened Probe; refused No control 5 in this dialog.; answered; closed 1");
  EXPECT_EQ(session.transcript(), "") << "the answer-line driver printed nothing";
}

TEST(DialogClasses, AnOpenDialogOffersItsAnswerWordsAndIds) {
  EXPECT_TRUE(activeDialogCompletions().empty());
  test::EditorSession session;
  session.feed({"", ""});
  test::ProbeDialog dialog;
  std::vector<std::string> words;
  int reopened = 0;
  dialog.onInit = [&](test::ProbeDialog& d) { reopened = d.DoModal(); };
  dialog.onOK = [&](test::ProbeDialog&) { words = activeDialogCompletions(); };
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(words, (std::vector<std::string>{"set", "check", "select", "dblclick", "click", "1001",
                                             "1002", "1003", "1004", "1005", "1006", "1007",
                                             "1008", "1009", "1010", "1", "2"}))
      << "labels (id -1) take no answers and are not offered";
  EXPECT_EQ(reopened, -1) << "an open dialog does not open twice";
  EXPECT_TRUE(activeDialogCompletions().empty());
}

}  // namespace
}  // namespace zek
