#include <algorithm>

#include "WinTestSupport.h"

using namespace wintest;

namespace {

class FocusActivationTest : public WinTest {};

TEST_F(FocusActivationTest, SetFocusKillsTheOldFocusBeforeSettingTheNew) {
  HWND w = top(0, 0, 100, 100);
  HWND a = child(w, 1, 0, 0, 10, 10);
  HWND b = child(w, 2, 20, 0, 10, 10);
  Pump();
  SetFocus(a);
  Log().clear();
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(Log().size(), 2u);
  EXPECT_EQ(Log()[0].hwnd, a);
  EXPECT_EQ(Log()[0].msg, static_cast<UINT>(WM_KILLFOCUS));
  EXPECT_EQ(Log()[0].wParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(Log()[1].hwnd, b);
  EXPECT_EQ(Log()[1].msg, static_cast<UINT>(WM_SETFOCUS));
  EXPECT_EQ(Log()[1].wParam, reinterpret_cast<WPARAM>(a));
  EXPECT_EQ(GetFocus(), b);
}

TEST_F(FocusActivationTest, DisabledAndHiddenWindowsCannotTakeTheFocus) {
  HWND w = top(0, 0, 100, 100);
  HWND off = child(w, 1, 0, 0, 10, 10, WS_CHILD | WS_VISIBLE | WS_DISABLED);
  HWND hidden = child(w, 2, 20, 0, 10, 10, WS_CHILD);
  HWND insideHidden = child(hidden, 3, 0, 0, 5, 5);
  Pump();
  SetFocus(w);
  for (HWND target : {off, hidden, insideHidden}) {
    SetFocus(target);
    EXPECT_EQ(GetFocus(), w);
  }
}

TEST_F(FocusActivationTest, DisablingSendsCancelModeThenEnableAndDropsFocusAndCapture) {
  HWND w = top(0, 0, 100, 100);
  HWND c = child(w, 1, 0, 0, 10, 10);
  Pump();
  SetFocus(c);
  SetCapture(c);
  Log().clear();
  EXPECT_FALSE(EnableWindow(c, FALSE));
  EXPECT_EQ(MessagesAmong({WM_CANCELMODE, WM_ENABLE}), (std::vector<UINT>{WM_CANCELMODE, WM_ENABLE}));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(IsWindowEnabled(c));
  EXPECT_TRUE(EnableWindow(c, TRUE));  // it was disabled
  EXPECT_TRUE(IsWindowEnabled(c));
}

TEST_F(FocusActivationTest, ClickingAnInactiveWindowActivatesIt) {
  HWND a = top(0, 0, 100, 100);
  HWND b = top(200, 0, 100, 100);
  Pump();
  ASSERT_EQ(GetActiveWindow(), b);  // the last shown
  Log().clear();
  Click(POINT{50, 50});
  Pump();
  EXPECT_EQ(GetActiveWindow(), a);
  std::vector<UINT> toA = MessagesTo(a);
  auto activateAt = std::find(toA.begin(), toA.end(), static_cast<UINT>(WM_MOUSEACTIVATE));
  auto pressAt = std::find(toA.begin(), toA.end(), static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_LT(activateAt, pressAt);
  bool sawClickActivate = false;
  for (const auto& l : Log()) {
    if (l.hwnd == b && l.msg == WM_ACTIVATE) {
      EXPECT_EQ(LOWORD(l.wParam), WA_INACTIVE);
    }
    if (l.hwnd == a && l.msg == WM_ACTIVATE) sawClickActivate = LOWORD(l.wParam) == WA_CLICKACTIVE;
  }
  EXPECT_TRUE(sawClickActivate);
  EXPECT_EQ(Count(a, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(GetFocus(), a);
}

TEST_F(FocusActivationTest, DestroyingTheActiveWindowActivatesItsOwner) {
  HWND owner = top(0, 0, 100, 100);
  HWND dialog = CreateWindowEx(0, "RecWnd", "dlg", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 50, 50, owner,
                               nullptr, nullptr, nullptr);
  EXPECT_EQ(GetActiveWindow(), dialog);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
  DestroyWindow(dialog);
  EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(FocusActivationTest, PopupListsAndMenusNeverTakeActivation) {
  HWND main = top(0, 0, 200, 200);
  Pump();
  HWND popup = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "RecWnd", "", WS_POPUP | WS_BORDER, 300, 0, 50, 50,
                              main, nullptr, nullptr, nullptr);
  ShowWindow(popup, SW_SHOW);
  EXPECT_EQ(GetActiveWindow(), main);
  Click(POINT{320, 20});
  Pump();
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(Count(popup, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(WindowFromPoint(POINT{320, 20}), popup);
  DestroyWindow(popup);
}

TEST_F(FocusActivationTest, ApplicationActivationIsAnnouncedToEveryTopLevelWindow) {
  HWND a = top(0, 0, 100, 100);
  HWND b = top(200, 0, 100, 100);
  Pump();
  Log().clear();
  win::DesktopActivateApp(false);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  win::DesktopActivateApp(true);
  EXPECT_EQ(GetActiveWindow(), b);
  for (HWND w : {a, b}) {
    std::vector<WPARAM> states;
    for (const auto& l : Log()) {
      if (l.hwnd == w && l.msg == WM_ACTIVATEAPP) states.push_back(l.wParam);
    }
    EXPECT_EQ(states, (std::vector<WPARAM>{FALSE, TRUE}));
  }
}

}  // namespace
