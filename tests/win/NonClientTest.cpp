#include "WinTestSupport.h"

using namespace wintest;

namespace {

const DWORD kCaptioned = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;

class NonClientTest : public WinTest {};

struct FrameCase {
  DWORD style;
  DWORD exStyle;
  RECT insets;  // left, top, right, bottom
};

class FrameSizeTest : public WinTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameSizeTest, ClientAreaAndAdjustWindowRectAgree) {
  const FrameCase& c = GetParam();
  HWND parent = top(0, 0, 300, 300);
  HWND parentOrNull = (c.style & WS_CHILD) ? parent : nullptr;
  HWND w = CreateWindowEx(c.exStyle, "RecWnd", "", c.style, 10, 10, 100, 80, parentOrNull, nullptr, nullptr, nullptr);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(client.right, 100 - c.insets.left - c.insets.right);
  EXPECT_EQ(client.bottom, 80 - c.insets.top - c.insets.bottom);
  RECT adjusted = client;
  AdjustWindowRectEx(&adjusted, c.style, FALSE, c.exStyle);
  EXPECT_EQ(adjusted.right - adjusted.left, 100);
  EXPECT_EQ(adjusted.bottom - adjusted.top, 80);
  DestroyWindow(w);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, FrameSizeTest,
    ::testing::Values(FrameCase{WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, {3, 22, 3, 3}},
                      FrameCase{WS_POPUP | WS_DLGFRAME, 0, {3, 3, 3, 3}},
                      FrameCase{WS_POPUP, WS_EX_DLGMODALFRAME, {3, 3, 3, 3}},
                      FrameCase{WS_POPUP | WS_BORDER, 0, {1, 1, 1, 1}},
                      FrameCase{WS_CHILD | WS_BORDER, 0, {1, 1, 1, 1}},
                      FrameCase{WS_CHILD, WS_EX_CLIENTEDGE, {2, 2, 2, 2}},
                      FrameCase{WS_CHILD, 0, {0, 0, 0, 0}}));

TEST_F(NonClientTest, HitTestNamesThePartsOfTheCaptionAndFrame) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  struct Case {
    POINT pt;
    int hit;
  } cases[] = {
      {{101, 101}, HTBORDER},  {{110, 110}, HTSYSMENU}, {{200, 110}, HTCAPTION},  {{290, 110}, HTCLOSE},
      {{150, 150}, HTCLIENT},  {{150, 218}, HTBORDER},  {{200, 121}, HTCAPTION}, {{350, 150}, HTNOWHERE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(c.pt.x, c.pt.y)), c.hit) << c.pt.x << "," << c.pt.y;
  }
}

TEST_F(NonClientTest, ClosingWithTheCloseButtonGoesThroughSysCommandAndClose) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  Pump();
  Log().clear();
  Click(POINT{290, 110});
  Pump();
  EXPECT_FALSE(IsWindow(w));
  std::vector<UINT> steps = MessagesAmong({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY});
  EXPECT_EQ(steps, (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY}));
  EXPECT_EQ(Log()[0].hwnd, w);
}

TEST_F(NonClientTest, ReleasingOutsideTheCloseButtonDoesNotClose) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  Pump();
  win::DesktopMouseButton(win::MouseButton::Left, true, POINT{290, 110});
  win::DesktopMouseMove(POINT{200, 160});
  win::DesktopMouseButton(win::MouseButton::Left, false, POINT{200, 160});
  Pump();
  EXPECT_TRUE(IsWindow(w));
}

TEST_F(NonClientTest, AltF4ClosesTheActiveWindow) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  Pump();
  win::DesktopKey(VK_MENU, true);
  win::DesktopKey(VK_F4, true);
  win::DesktopKey(VK_F4, false);
  win::DesktopKey(VK_MENU, false);
  Pump();
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(NonClientTest, SystemMenuPostsTheProgramsItemId) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  Pump();
  HMENU menu = GetSystemMenu(w, FALSE);
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_EQ(GetMenuItemID(menu, 0), static_cast<UINT>(SC_MOVE));
  EXPECT_EQ(GetMenuItemID(menu, 1), static_cast<UINT>(SC_CLOSE));
  AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(menu, MF_STRING, 0x10, "&About...");
  Log().clear();
  Click(POINT{200, 110}, win::MouseButton::Right);
  for (int i = 0; i < 3; ++i) {
    win::DesktopKey(VK_DOWN, true);  // Move, Close, then About: the separator is skipped
    win::DesktopKey(VK_DOWN, false);
  }
  win::DesktopKey(VK_RETURN, true);
  win::DesktopKey(VK_RETURN, false);
  Pump();
  std::vector<WPARAM> commands;
  for (const auto& l : Log()) {
    if (l.hwnd == w && l.msg == WM_SYSCOMMAND) commands.push_back(l.wParam);
  }
  EXPECT_EQ(commands, (std::vector<WPARAM>{0x10}));
  EXPECT_TRUE(IsWindow(w));
}

TEST_F(NonClientTest, AltSpaceOpensTheSystemMenuAndEscapeDismissesIt) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  Pump();
  Log().clear();
  win::DesktopKey(VK_MENU, true);
  win::DesktopKey(VK_SPACE, true);
  win::DesktopKey(VK_SPACE, false);
  win::DesktopKey(VK_MENU, false);
  win::DesktopKey(VK_ESCAPE, true);
  win::DesktopKey(VK_ESCAPE, false);
  Pump();
  std::vector<WPARAM> commands;
  for (const auto& l : Log()) {
    if (l.hwnd == w && l.msg == WM_SYSCOMMAND) commands.push_back(l.wParam & 0xFFF0);
  }
  EXPECT_EQ(commands, (std::vector<WPARAM>{SC_KEYMENU}));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClientTest, DraggingTheCaptionMovesTheWindow) {
  HWND w = top(100, 100, 200, 120, kCaptioned);
  Pump();
  win::DesktopMouseMove(POINT{200, 110});
  win::DesktopMouseButton(win::MouseButton::Left, true, POINT{200, 110});
  win::DesktopMouseMove(POINT{230, 130});
  win::DesktopMouseButton(win::MouseButton::Left, false, POINT{230, 130});
  Pump();
  RECT rc;
  GetWindowRect(w, &rc);
  EXPECT_EQ(rc.left, 130);
  EXPECT_EQ(rc.top, 120);
  EXPECT_EQ(rc.right - rc.left, 200);
}

TEST_F(NonClientTest, CaptionShowsTheActiveAndInactiveColours) {
  HWND a = top(0, 0, 200, 120, kCaptioned);
  Pump();
  auto captionLeft = [](HWND w) {
    HDC hdc = GetWindowDC(w);
    COLORREF c = GetPixel(hdc, 4, 12);
    ReleaseDC(w, hdc);
    return c;
  };
  EXPECT_EQ(captionLeft(a), GetSysColor(COLOR_ACTIVECAPTION));
  top(300, 0, 200, 120, kCaptioned);
  Pump();
  EXPECT_EQ(captionLeft(a), GetSysColor(COLOR_INACTIVECAPTION));
}

}  // namespace
