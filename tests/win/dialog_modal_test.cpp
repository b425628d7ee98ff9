// Modal dialogs and message boxes: the owner is disabled while they run and comes back after, the
// result is what ended them, and message boxes close on Enter and Esc.
#include "platform/win/dialog/DialogManager.h"
#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

win::DialogTemplate& ModalTemplate() {
  static win::DialogTemplate tmpl =
      Template("Microsoft Sans Serif", 9, 150, 80,
               {Item("button", "OK", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 50, 50, 14),
                Item("button", "Cancel", IDCANCEL, WS_TABSTOP, 70, 50, 50, 14)});
  return tmpl;
}

TEST_F(DialogTest, ModalDialogDisablesItsOwnerUntilItEndsAndReturnsTheResult) {
  win::RegisterDialogResource(800, &ModalTemplate());
  bool ownerEnabledWhileRunning = true;
  HWND seen = nullptr;
  TheLog().onIdle = [&](HWND dlg) {
    if (seen) return;
    seen = dlg;
    ownerEnabledWhileRunning = IsWindowEnabled(host_);
    win::DesktopKey(VK_ESCAPE, true);
    win::DesktopKey(VK_ESCAPE, false);
  };
  INT_PTR result = DialogBoxParam(nullptr, MAKEINTRESOURCE(800), host_, TestDialogProc, 0);
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_NE(seen, nullptr);
  EXPECT_FALSE(ownerEnabledWhileRunning);
  EXPECT_TRUE(IsWindowEnabled(host_));
  EXPECT_EQ(GetActiveWindow(), host_);
  EXPECT_FALSE(IsWindow(seen));
}

TEST_F(DialogTest, EndDialogFromInitialisationNeverShowsTheDialog) {
  win::RegisterDialogResource(801, &ModalTemplate());
  auto proc = [](HWND dlg, UINT msg, WPARAM, LPARAM) -> INT_PTR {
    if (msg == WM_INITDIALOG) EndDialog(dlg, 42);
    return FALSE;
  };
  EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(801), host_, proc, 0), 42);
  EXPECT_EQ(TheLog().idleCount, 0);
  EXPECT_TRUE(IsWindowEnabled(host_));
  EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(9999), host_, proc, 0), -1);  // no such template
}

TEST_F(DialogTest, MessageBoxOverAModalDialogOverItsOwner) {
  win::RegisterDialogResource(802, &ModalTemplate());
  int boxResult = 0;
  bool dialogEnabledAfterBox = false;
  bool ownerEnabledAfterBox = true;
  TheLog().onIdle = [&](HWND dlg) {
    if (boxResult) return;
    win::DesktopKey(VK_RETURN, true);
    win::DesktopKey(VK_RETURN, false);
    boxResult = MessageBox(dlg, "Nested", "Question", MB_OKCANCEL);
    dialogEnabledAfterBox = IsWindowEnabled(dlg);
    ownerEnabledAfterBox = IsWindowEnabled(host_);
    EndDialog(dlg, 7);
  };
  EXPECT_EQ(DialogBoxParam(nullptr, MAKEINTRESOURCE(802), host_, TestDialogProc, 0), 7);
  EXPECT_EQ(boxResult, IDOK);
  EXPECT_TRUE(dialogEnabledAfterBox);
  EXPECT_FALSE(ownerEnabledAfterBox);
  EXPECT_TRUE(IsWindowEnabled(host_));
}

TEST_F(DialogTest, MessageBoxClosesOnEnterAndEscapeWithTheButtonsResult) {
  struct Case {
    UINT type;
    std::vector<UINT> keys;
    int expected;
  };
  const Case cases[] = {
      {MB_OK, {VK_RETURN}, IDOK},
      {MB_OK, {VK_ESCAPE}, IDOK},
      {MB_OKCANCEL, {VK_RETURN}, IDOK},
      {MB_OKCANCEL, {VK_ESCAPE}, IDCANCEL},
      {MB_OKCANCEL | 0x100, {VK_RETURN}, IDCANCEL},  // MB_DEFBUTTON2
      {MB_YESNO, {VK_RETURN}, IDYES},
      {MB_YESNO, {VK_ESCAPE, VK_TAB, VK_RETURN}, IDNO},  // no Cancel: Esc does nothing
  };
  for (HWND owner : {static_cast<HWND>(nullptr), host_}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "type " << c.type << (owner ? " with owner" : " without owner"));
      for (UINT vk : c.keys) {
        win::DesktopKey(vk, true);
        win::DesktopKey(vk, false);
      }
      EXPECT_EQ(MessageBox(owner, "Something happened.", nullptr, c.type), c.expected);
    }
  }
  EXPECT_TRUE(IsWindowEnabled(host_));
}

TEST_F(DialogTest, MessageBoxWrapsLongTextUnderItsCaptionAndWorksOverADisabledOwner) {
  std::string caption;
  RECT textRect{};
  TheLog().onIdle = [&](HWND box) {
    if (!caption.empty()) return;
    caption = TextOf(box);
    HWND text = GetWindow(box, GW_CHILD);
    GetClientRect(text, &textRect);
    win::DesktopKey(VK_RETURN, true);
    win::DesktopKey(VK_RETURN, false);
  };
  std::string longText(40, 'x');
  for (int i = 0; i < 6; ++i) longText += " word word word word word";
  EXPECT_EQ(MessageBox(host_, longText.c_str(), nullptr, MB_OK | MB_ICONERROR), IDOK);
  EXPECT_EQ(caption, "Error");
  EXPECT_LE(textRect.right, 300);
  EXPECT_GT(textRect.bottom, 40);  // several lines

  EnableWindow(host_, FALSE);
  win::DesktopKey(VK_RETURN, true);
  win::DesktopKey(VK_RETURN, false);
  EXPECT_EQ(MessageBox(host_, "Over a disabled owner", "velmora", MB_OK), IDOK);
  EXPECT_FALSE(IsWindowEnabled(host_));  // it was not the box that disabled it
  EnableWindow(host_, TRUE);
}

TEST_F(DialogTest, IsDialogEndedReportsTheEndOfAModelessDialog) {
  HWND dlg = createDialog(803, ModalTemplate());
  ASSERT_NE(dlg, nullptr);
  INT_PTR result = 0;
  EXPECT_FALSE(win::IsDialogEnded(dlg, &result));
  Tap(VK_RETURN);
  EXPECT_TRUE(win::IsDialogEnded(dlg, &result));
  EXPECT_EQ(result, IDOK);
}

}  // namespace
}  // namespace dlgtest
