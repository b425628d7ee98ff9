#include "WinTestSupport.h"

using namespace wintest;

namespace {

class MouseInputTest : public WinTest {};

TEST_F(MouseInputTest, CaptureGetsTheMouseAndLosingItIsAnnounced) {
  HWND a = top(0, 0, 100, 100);
  HWND b = top(300, 0, 100, 100);
  Pump();
  SetCapture(a);
  Log().clear();
  win::DesktopMouseMove(POINT{310, 20});
  Pump();
  ASSERT_EQ(Count(a, WM_MOUSEMOVE), 1);
  EXPECT_EQ(Count(b, WM_MOUSEMOVE), 0);
  EXPECT_EQ(Log().back().lParam, MAKELPARAM(310, 20));

  Log().clear();
  SetCapture(b);
  ReleaseCapture();
  std::vector<Logged> changes;
  for (const auto& l : Log()) {
    if (l.msg == WM_CAPTURECHANGED) changes.push_back(l);
  }
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].hwnd, a);
  EXPECT_EQ(changes[0].lParam, reinterpret_cast<LPARAM>(b));
  EXPECT_EQ(changes[1].hwnd, b);
  EXPECT_EQ(changes[1].lParam, 0);
  EXPECT_EQ(GetCapture(), nullptr);

  SetCapture(a);
  Log().clear();
  DestroyWindow(a);
  EXPECT_EQ(Count(a, WM_CAPTURECHANGED), 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

struct ClickCase {
  const char* cls;
  DWORD delayMs;
  int dx;
  UINT secondMessage;
};

class DoubleClickTest : public WinTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(DoubleClickTest, SecondPressIsADoubleClickOnlyWhenClassTimeAndPlaceAgree) {
  const ClickCase& c = GetParam();
  HWND w = top(100, 100, 200, 200, WS_POPUP | WS_VISIBLE, c.cls);
  Pump();
  Click(POINT{150, 150});
  win::DesktopAdvanceClock(c.delayMs);
  Click(POINT{150 + c.dx, 150});
  Pump();
  std::vector<UINT> presses;
  for (UINT m : MessagesTo(w)) {
    if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) presses.push_back(m);
  }
  EXPECT_EQ(presses, (std::vector<UINT>{WM_LBUTTONDOWN, c.secondMessage}));
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleClickTest,
                         ::testing::Values(ClickCase{"RecDbl", 100, 0, WM_LBUTTONDBLCLK},
                                           ClickCase{"RecDbl", 500, 4, WM_LBUTTONDBLCLK},
                                           ClickCase{"RecDbl", 501, 0, WM_LBUTTONDOWN},
                                           ClickCase{"RecDbl", 100, 5, WM_LBUTTONDOWN},
                                           ClickCase{"RecWnd", 100, 0, WM_LBUTTONDOWN}));

TEST_F(MouseInputTest, AThirdQuickPressStartsANewClick) {
  HWND w = top(100, 100, 200, 200, WS_POPUP | WS_VISIBLE, "RecDbl");
  Pump();
  for (int i = 0; i < 3; ++i) Click(POINT{150, 150});
  Pump();
  std::vector<UINT> presses;
  for (UINT m : MessagesTo(w)) {
    if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) presses.push_back(m);
  }
  EXPECT_EQ(presses, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(MouseInputTest, WindowFromPointFindsTheDeepestShownChild) {
  HWND parent = top(100, 100, 300, 200);
  HWND first = child(parent, 1, 10, 10, 100, 100);
  HWND below = child(parent, 2, 50, 50, 100, 100);  // created later, so under `first`
  HWND hidden = child(parent, 3, 200, 10, 50, 50, WS_CHILD);
  HWND disabled = child(parent, 4, 200, 100, 50, 50, WS_CHILD | WS_VISIBLE | WS_DISABLED);
  HWND grandchild = child(below, 5, 70, 70, 20, 20);

  struct Case {
    POINT pt;
    HWND expected;
  } cases[] = {
      {{115, 115}, first},      {{155, 155}, first},      {{215, 215}, below},  {{325, 125}, parent},
      {{325, 225}, disabled},   {{225, 225}, grandchild}, {{99, 99}, nullptr},  {{450, 150}, nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowFromPoint(c.pt), c.expected) << c.pt.x << "," << c.pt.y;
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(ChildWindowFromPoint(parent, POINT{210, 30}), parent);  // the hidden child is never found
  EXPECT_EQ(ChildWindowFromPoint(parent, POINT{60, 60}), first);
}

TEST_F(MouseInputTest, TransparentHitTestLetsThePointThroughToTheSiblingBelow) {
  HWND parent = top(100, 100, 300, 200);
  HWND frame = child(parent, 1, 0, 0, 200, 200);
  HWND inside = child(parent, 2, 20, 20, 50, 50);
  Handlers()[WM_NCHITTEST] = [frame](HWND hwnd, UINT, WPARAM, LPARAM, LRESULT* r) {
    if (hwnd != frame) return false;
    *r = HTTRANSPARENT;
    return true;
  };
  EXPECT_EQ(WindowFromPoint(POINT{130, 130}), inside);
  EXPECT_EQ(WindowFromPoint(POINT{250, 250}), parent);
}

TEST_F(MouseInputTest, PressesOverADisabledChildReachNobody) {
  HWND parent = top(100, 100, 300, 200);
  HWND off = child(parent, 1, 10, 10, 50, 50, WS_CHILD | WS_VISIBLE | WS_DISABLED);
  Pump();
  Log().clear();
  Click(POINT{120, 120});
  Pump();
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP}) {
    EXPECT_EQ(Count(off, m), 0);
    EXPECT_EQ(Count(parent, m), 0);
  }
}

TEST_F(MouseInputTest, SetCursorPrecedesEachMouseMessageWithHitTestAndMessage) {
  HWND w = top(100, 100, 200, 200);
  Pump();
  Log().clear();
  win::DesktopMouseMove(POINT{120, 130});
  Pump();
  std::vector<Logged> seen;
  for (const auto& l : Log()) {
    if (l.hwnd == w && (l.msg == WM_SETCURSOR || l.msg == WM_MOUSEMOVE)) seen.push_back(l);
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].msg, static_cast<UINT>(WM_SETCURSOR));
  EXPECT_EQ(seen[0].lParam, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(seen[1].msg, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
}

TEST_F(MouseInputTest, KeysGoToTheFocusWindowAndAltMakesThemSystemKeys) {
  HWND w = top(0, 0, 100, 100);
  HWND edit = child(w, 1, 0, 0, 50, 20);
  Pump();
  SetFocus(edit);
  Log().clear();
  win::DesktopKey(VK_SHIFT, true);
  win::DesktopKey('X', true);
  win::DesktopKey('X', false);
  win::DesktopKey(VK_SHIFT, false);
  win::DesktopKey(VK_MENU, true);
  win::DesktopKey('X', true);
  win::DesktopKey('X', false);
  win::DesktopKey(VK_MENU, false);
  MSG msg;
  short shiftWhileX = 0;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_KEYDOWN && msg.wParam == 'X') shiftWhileX = GetKeyState(VK_SHIFT);
    DispatchMessage(&msg);
  }
  EXPECT_LT(shiftWhileX, 0);
  EXPECT_EQ(Count(edit, WM_KEYDOWN), 2);  // Shift and X
  EXPECT_EQ(Count(edit, WM_SYSKEYDOWN), 2);  // Alt and Alt+X
  EXPECT_EQ(Count(w, WM_KEYDOWN), 0);
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

}  // namespace
