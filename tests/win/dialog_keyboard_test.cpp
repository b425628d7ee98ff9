// Keyboard navigation of dialogs: first focus, Tab order, radio groups and arrows, Enter and Esc.
#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

enum Id { kLabel = 10, kEdit, kDisabled, kHidden, kCheck, kRadio1, kRadio2, kRadio3, kGo, kNotes };

win::DialogTemplate& NavigationTemplate() {
  static win::DialogTemplate tmpl = Template(
      "Microsoft Sans Serif", 9, 200, 150,
      {Item("static", "Label", kLabel, SS_LEFT, 5, 5, 40, 8),
       Item("edit", "hello", kEdit, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 5, 15, 60, 14),
       Item("button", "Off", kDisabled, WS_TABSTOP | WS_DISABLED, 5, 32, 40, 14),
       {"button", "Hidden", 0, kHidden, WS_CHILD | WS_TABSTOP, 0, 50, 32, 40, 14, {}},
       Item("button", "Check", kCheck, WS_TABSTOP | BS_AUTOCHECKBOX, 5, 50, 60, 10),
       Item("button", "One", kRadio1, WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 5, 62, 60, 10),
       Item("button", "Two", kRadio2, BS_AUTORADIOBUTTON, 5, 74, 60, 10),
       Item("button", "Three", kRadio3, BS_AUTORADIOBUTTON, 5, 86, 60, 10),
       Item("button", "Go", kGo, WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 5, 100, 40, 14),
       Item("edit", "", kNotes, ES_MULTILINE | WS_BORDER, 60, 100, 60, 30)});
  return tmpl;
}

class DialogKeyboardTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    TheLog().endOnOkCancel = false;
    createDialog(700, NavigationTemplate());
    ASSERT_NE(dialog_, nullptr);
  }
  int FocusId() { return GetDlgCtrlID(GetFocus()); }
};

TEST_F(DialogKeyboardTest, FocusStartsOnFirstTabStopWithTextSelectedAndTabSkipsDisabledAndHidden) {
  EXPECT_EQ(FocusId(), kEdit);
  DWORD start = 99, end = 99;
  SendDlgItemMessage(dialog_, kEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  SendDlgItemMessage(dialog_, kEdit, EM_SETSEL, 2, 2);

  struct Step {
    bool shift;
    int expected;
  };
  const Step steps[] = {{false, kCheck}, {false, kRadio1}, {false, kGo},   {false, kEdit},
                        {true, kGo},     {true, kRadio1},  {true, kCheck}, {true, kEdit}};
  for (const Step& step : steps) {
    if (step.shift) {
      TapWith(VK_SHIFT, VK_TAB);
    } else {
      Tap(VK_TAB);
    }
    EXPECT_EQ(FocusId(), step.expected);
  }
  EXPECT_EQ(GetNextDlgTabItem(dialog_, GetDlgItem(dialog_, kGo), FALSE), GetDlgItem(dialog_, kEdit));
  // Tabbing into the edit control selected its whole text again.
  SendDlgItemMessage(dialog_, kEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
}

TEST_F(DialogKeyboardTest, FocusComesBackToTheSameControlWhenTheDialogIsActivatedAgain) {
  Tap(VK_TAB);
  ASSERT_EQ(FocusId(), kCheck);
  SetActiveWindow(host_);
  Pump();
  EXPECT_NE(GetFocus(), GetDlgItem(dialog_, kCheck));
  SetActiveWindow(dialog_);
  Pump();
  EXPECT_EQ(FocusId(), kCheck);
}

TEST_F(DialogKeyboardTest, ArrowsMoveWithinTheRadioGroupAndCheckTheButtonMovedTo) {
  SetFocus(GetDlgItem(dialog_, kRadio1));
  Pump();
  EnableWindow(GetDlgItem(dialog_, kRadio2), FALSE);
  struct Step {
    UINT vk;
    int expected;
  };
  const Step steps[] = {{VK_DOWN, kRadio3}, {VK_DOWN, kRadio1}, {VK_UP, kRadio3}, {VK_RIGHT, kRadio1}};
  for (const Step& step : steps) {
    Tap(step.vk);
    EXPECT_EQ(FocusId(), step.expected);
    for (int id : {kRadio1, kRadio2, kRadio3}) {
      EXPECT_EQ(IsDlgButtonChecked(dialog_, id), id == step.expected ? BST_CHECKED : BST_UNCHECKED) << id;
    }
  }
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kCheck), BST_UNCHECKED);  // outside the group
}

TEST_F(DialogKeyboardTest, CheckRadioButtonAndClicksKeepOneCheckedPerGroup) {
  CheckDlgButton(dialog_, kCheck, BST_CHECKED);
  ASSERT_TRUE(CheckRadioButton(dialog_, kRadio1, kRadio3, kRadio2));
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kRadio1), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kRadio2), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kRadio3), BST_UNCHECKED);
  HWND three = GetDlgItem(dialog_, kRadio3);
  Click(three, {3, 3});
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kRadio2), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kRadio3), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(dialog_, kCheck), BST_CHECKED);
  EXPECT_EQ(TheLog().commands.back(), (Command{kRadio3, BN_CLICKED}));
}

TEST_F(DialogKeyboardTest, EnterAndEscapeSendTheirCommands) {
  struct Case {
    const char* name;
    int focus;
    int defaultId;  // 0: none set
    UINT vk;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"Enter, no default button", kEdit, 0, VK_RETURN, {IDOK}},
      {"Enter, default button", kEdit, kGo, VK_RETURN, {kGo}},
      {"Enter on a push button", kGo, 0, VK_RETURN, {kGo}},
      {"Enter in a multi-line edit", kNotes, 0, VK_RETURN, {}},
      {"Escape", kEdit, 0, VK_ESCAPE, {IDCANCEL}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.defaultId) SendMessage(dialog_, DM_SETDEFID, c.defaultId, 0);
    SetFocus(GetDlgItem(dialog_, c.focus));
    Pump();
    TheLog().commands.clear();
    Tap(c.vk);
    EXPECT_EQ(CommandIds(), c.expected);
    if (c.defaultId) {
      EXPECT_EQ(SendMessage(dialog_, DM_GETDEFID, 0, 0), MAKELRESULT(c.defaultId, DC_HASDEFID));
      EXPECT_EQ(GetWindowLong(GetDlgItem(dialog_, c.defaultId), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    }
  }
}

TEST_F(DialogKeyboardTest, CloseBoxSendsCancel) {
  TheLog().commands.clear();
  win::DesktopCloseRequest(dialog_);
  Pump();
  ASSERT_EQ(TheLog().commands.size(), 1u);
  EXPECT_EQ(TheLog().commands[0], (Command{IDCANCEL, BN_CLICKED}));
  EXPECT_TRUE(IsWindow(dialog_));  // ending it is the dialog procedure's choice
}

}  // namespace
}  // namespace dlgtest
