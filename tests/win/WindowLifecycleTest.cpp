#include "WinTestSupport.h"

using namespace wintest;

namespace {

class WindowLifecycleTest : public WinTest {};

TEST_F(WindowLifecycleTest, CreationSendsItsMessagesInThePlatformsOrder) {
  HWND parent = top(0, 0, 100, 100);
  Log().clear();
  HWND c = child(parent, 1, 5, 6, 20, 10);
  EXPECT_EQ(MessagesAmong({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
            (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
  EXPECT_EQ(Log().front().hwnd, c);
}

TEST_F(WindowLifecycleTest, DestructionGoesParentFirstForDestroyAndChildFirstForNcDestroy) {
  HWND owner = top(0, 0, 100, 100);
  HWND owned = CreateWindowEx(0, "RecWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  HWND c = child(owner, 1, 0, 0, 10, 10);
  Log().clear();
  EXPECT_TRUE(DestroyWindow(owner));
  std::vector<std::pair<HWND, UINT>> seen;
  for (const auto& l : Log()) {
    if (l.msg == WM_DESTROY || l.msg == WM_NCDESTROY) seen.emplace_back(l.hwnd, l.msg);
  }
  std::vector<std::pair<HWND, UINT>> expected{{owned, WM_DESTROY},  {owned, WM_NCDESTROY}, {owner, WM_DESTROY},
                                              {c, WM_DESTROY},      {c, WM_NCDESTROY},     {owner, WM_NCDESTROY}};
  EXPECT_EQ(seen, expected);
  for (HWND h : {owner, owned, c}) EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(DestroyWindow(c));
  EXPECT_EQ(GetWindowLongPtr(c, GWL_STYLE), 0);
}

TEST_F(WindowLifecycleTest, ChildrenStayInCreationOrder) {
  HWND parent = top(0, 0, 100, 100);
  HWND a = child(parent, 1, 0, 0, 10, 10);
  HWND b = child(parent, 2, 0, 0, 10, 10);
  HWND c = child(parent, 3, 0, 0, 10, 10);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
  EXPECT_EQ(GetDlgItem(parent, 2), b);
  EXPECT_EQ(GetDlgCtrlID(c), 3);
  EXPECT_EQ(GetParent(b), parent);
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(parent, GW_CHILD), c);
}

TEST_F(WindowLifecycleTest, ExtraBytesHoldValuesWithinTheirSizeOnly) {
  HWND w = top(0, 0, 10, 10);  // the recording classes have 16 extra bytes
  SetWindowLongPtr(w, 0, 0x1234567890LL);
  SetWindowLongPtr(w, 8, -5);
  EXPECT_EQ(GetWindowLongPtr(w, 0), 0x1234567890LL);
  EXPECT_EQ(GetWindowLongPtr(w, 8), -5);
  EXPECT_EQ(SetWindowLongPtr(w, 12, 1), 0);  // would run past the end: refused
  EXPECT_EQ(GetWindowLongPtr(w, 8), -5);
  EXPECT_EQ(GetWindowLongPtr(w, 16), 0);
}

LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_APP) return 7 + CallWindowProc(reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, 0)), hwnd, msg, wParam, lParam);
  return CallWindowProc(reinterpret_cast<WNDPROC>(GetWindowLongPtr(hwnd, 0)), hwnd, msg, wParam, lParam);
}

TEST_F(WindowLifecycleTest, SubclassingReplacesTheProcedureAndCanChainToTheOldOne) {
  HWND w = top(0, 0, 10, 10);
  Handlers()[WM_APP] = [](HWND, UINT, WPARAM, LPARAM, LRESULT* r) { *r = 100;
    return true; };
  LONG_PTR old = SetWindowLongPtr(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass));
  SetWindowLongPtr(w, 0, old);
  EXPECT_EQ(SendMessage(w, WM_APP, 0, 0), 107);
  EXPECT_EQ(GetWindowLongPtr(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&Subclass));
}

TEST_F(WindowLifecycleTest, RefusedCreationLeavesNoWindow) {
  Handlers()[WM_CREATE] = [](HWND, UINT, WPARAM, LPARAM, LRESULT* r) { *r = -1;
    return true; };
  HWND w = CreateWindowEx(0, "RecWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(w, nullptr);
  ASSERT_FALSE(Log().empty());
  HWND attempted = Log().front().hwnd;
  EXPECT_FALSE(IsWindow(attempted));
  EXPECT_EQ(Count(attempted, WM_NCDESTROY), 1);
  EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(CreateWindowEx(0, "RecWnd", "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(WindowLifecycleTest, WindowTextIsCutWithoutSplittingACharacter) {
  HWND w = top(0, 0, 10, 10);
  SetWindowText(w, "ab\xC3\xA9");  // "abé": 4 bytes
  char buf[8];
  EXPECT_EQ(GetWindowTextLength(w), 4);
  EXPECT_EQ(GetWindowText(w, buf, sizeof buf), 4);
  EXPECT_STREQ(buf, "ab\xC3\xA9");
  EXPECT_EQ(GetWindowText(w, buf, 4), 2);
  EXPECT_STREQ(buf, "ab");
}

TEST_F(WindowLifecycleTest, CoordinatesFollowParentsAndFrames) {
  HWND w = top(100, 50, 200, 100, WS_POPUP | WS_VISIBLE | WS_BORDER);
  HWND c = child(w, 1, 10, 20, 30, 30, WS_CHILD | WS_VISIBLE | WS_BORDER);
  RECT rc;
  GetWindowRect(c, &rc);
  EXPECT_EQ(rc.left, 111);
  EXPECT_EQ(rc.top, 71);
  GetClientRect(c, &rc);
  EXPECT_EQ(rc.right, 28);
  POINT pt{0, 0};
  ClientToScreen(c, &pt);
  EXPECT_EQ(pt.x, 112);
  EXPECT_EQ(pt.y, 72);
  POINT back = pt;
  ScreenToClient(w, &back);
  EXPECT_EQ(back.x, 11);
  POINT mapped{0, 0};
  MapWindowPoints(c, w, &mapped, 1);
  EXPECT_EQ(mapped.x, 11);
  EXPECT_EQ(mapped.y, 21);
}

}  // namespace
