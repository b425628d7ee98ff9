// A shown, active top-level window to host controls, real input through the desktop calls, and a log of
// the notifications the controls send to it.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/win/Desktop.h"
#include "platform/win/commctrl.h"
#include "platform/win/controls/CommonControlClasses.h"

namespace ctltest {

struct Notification {
  UINT message;    // WM_COMMAND, WM_HSCROLL or WM_VSCROLL
  WORD code;
  WORD pos;        // scroll messages: the high word of wParam
  LRESULT posNow;  // scroll messages: TBM_GETPOS of the sender while the parent handles the message
  bool operator==(const Notification&) const = default;
};

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win::RegisterCommonControlClasses();
    WNDCLASS wc{};
    wc.lpfnWndProc = ParentProc;
    wc.lpszClassName = "controls_common_parent";
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterClass(&wc);
    log().clear();
    colorRequests().clear();
    answerBrush() = nullptr;
    parent_ = CreateWindowEx(0, "controls_common_parent", "host", WS_POPUP | WS_VISIBLE, 100, 100, 420, 320,
                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    SetActiveWindow(parent_);
    win::PumpPendingMessages();
  }

  void TearDown() override {
    DestroyWindow(parent_);
    win::PumpPendingMessages();
  }

  HWND createChild(const char* className, DWORD style, int x, int y, int cx, int cy, int id = 100) {
    HWND hwnd = CreateWindowEx(0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    win::PumpPendingMessages();
    return hwnd;
  }

  static POINT ToScreen(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    return client;
  }
  static POINT Centre(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

  static void MoveTo(HWND hwnd, POINT client) {
    win::DesktopMouseMove(ToScreen(hwnd, client));
    win::PumpPendingMessages();
  }
  static void Press(HWND hwnd, POINT client, bool down) {
    POINT screen = ToScreen(hwnd, client);
    win::DesktopMouseMove(screen);
    win::DesktopMouseButton(win::MouseButton::Left, down, screen);
    win::PumpPendingMessages();
  }
  static void Click(HWND hwnd, POINT client) {
    Press(hwnd, client, true);
    Press(hwnd, client, false);
  }
  static void Key(UINT vk, bool down) {
    win::DesktopKey(vk, down);
    win::PumpPendingMessages();
  }
  static void Tap(UINT vk) {
    Key(vk, true);
    Key(vk, false);
  }
  static void Advance(DWORD milliseconds) {
    win::DesktopAdvanceClock(milliseconds);
    win::PumpPendingMessages();
  }

  static std::vector<Notification>& log() {
    static std::vector<Notification> notifications;
    return notifications;
  }
  static std::vector<WORD> commandCodes() {
    std::vector<WORD> codes;
    for (const Notification& n : log())
      if (n.message == WM_COMMAND) codes.push_back(n.code);
    return codes;
  }

  // The WM_CTLCOLOR* messages the parent was asked, and the brush it answers them with (none: default).
  static std::vector<UINT>& colorRequests() {
    static std::vector<UINT> requests;
    return requests;
  }
  static HBRUSH& answerBrush() {
    static HBRUSH brush = nullptr;
    return brush;
  }

  // The colour the control shows at a client point once it has painted.
  static COLORREF PixelAt(HWND hwnd, POINT client) {
    UpdateWindow(hwnd);
    HDC hdc = GetDC(hwnd);
    COLORREF color = GetPixel(hdc, client.x, client.y);
    ReleaseDC(hwnd, hdc);
    return color;
  }

  HWND parent_ = nullptr;

 private:
  static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
      log().push_back(Notification{msg, HIWORD(wParam), 0, 0});
      return 0;
    }
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) {
      colorRequests().push_back(msg);
      if (answerBrush()) return reinterpret_cast<LRESULT>(answerBrush());
    }
    if (msg == WM_HSCROLL || msg == WM_VSCROLL) {
      LRESULT posNow = SendMessage(reinterpret_cast<HWND>(lParam), TBM_GETPOS, 0, 0);
      log().push_back(Notification{msg, LOWORD(wParam), HIWORD(wParam), posNow});
      return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
  }
};

}  // namespace ctltest
