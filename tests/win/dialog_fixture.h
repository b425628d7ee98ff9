// Shared by the dialog and basic-control tests: a shown top-level host window that logs what its
// controls tell it, real input through the desktop calls, and a pump that runs dialog navigation.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/win/Desktop.h"
#include "platform/win/Resources.h"
#include "platform/win/controls/StandardClasses.h"
#include "platform/win/winuser.h"

namespace dlgtest {

struct Command {
  int id;
  WORD code;
  bool operator==(const Command&) const = default;
};

struct DrawItem {
  UINT action;
  UINT state;
  bool operator==(const DrawItem&) const = default;
};

// Everything the host window and the test dialog procedure saw, and how they answer.
struct Log {
  std::vector<Command> commands;
  std::vector<DrawItem> drawItems;
  std::vector<COLORREF> drawItemColors;  // text then background colour of each WM_DRAWITEM's DC
  std::vector<UINT> colorRequests;
  HBRUSH answerBrush = nullptr;  // answer to every WM_CTLCOLOR*; nullptr: the default
  bool endOnOkCancel = true;     // the test dialog procedure ends on IDOK / IDCANCEL
  std::function<void(HWND dlg)> onIdle;  // the host's WM_ENTERIDLE, with the dialog
  int idleCount = 0;
};

inline Log& TheLog() {
  static Log log;
  return log;
}

constexpr COLORREF kHostColor = RGB(0, 160, 0);

inline bool RecordCommonMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  Log& log = TheLog();
  if (msg == WM_COMMAND) {
    log.commands.push_back({LOWORD(wParam), HIWORD(wParam)});
    return false;
  }
  if (msg == WM_DRAWITEM) {
    auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    log.drawItems.push_back({dis->itemAction, dis->itemState});
    log.drawItemColors.push_back(GetTextColor(dis->hDC));
    log.drawItemColors.push_back(GetBkColor(dis->hDC));
    *result = TRUE;
    return true;
  }
  if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) {
    log.colorRequests.push_back(msg);
    if (log.answerBrush) {
      // Colours the control must not hand on to an owner-drawn button's DC.
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(1, 2, 3));
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(4, 5, 6));
      *result = reinterpret_cast<LRESULT>(log.answerBrush);
      return true;
    }
  }
  return false;
}

inline LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RecordCommonMessage(msg, wParam, lParam, &result)) return result;
  if (msg == WM_ENTERIDLE) {
    Log& log = TheLog();
    ++log.idleCount;
    if (log.onIdle) log.onIdle(reinterpret_cast<HWND>(lParam));
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

inline INT_PTR CALLBACK TestDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND) {
    RecordCommonMessage(msg, wParam, lParam, &result);
    WORD id = LOWORD(wParam);
    if (TheLog().endOnOkCancel && (id == IDOK || id == IDCANCEL)) EndDialog(dlg, id);
    return TRUE;
  }
  return RecordCommonMessage(msg, wParam, lParam, &result) ? static_cast<INT_PTR>(result) : FALSE;
}

// MulDiv's rounding, written independently of the code under test.
inline int Scale(int value, int numerator, int denominator) {
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win::RegisterStandardClasses();
    WNDCLASS wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = HostProc;
    wc.lpszClassName = "dialog_test_host";
    static HBRUSH hostBrush = CreateSolidBrush(kHostColor);
    wc.hbrBackground = hostBrush;
    RegisterClass(&wc);
    TheLog() = Log{};
    host_ = CreateWindowEx(0, "dialog_test_host", "host", WS_POPUP | WS_VISIBLE, 100, 80, 480, 360, nullptr, nullptr,
                           nullptr, nullptr);
    ASSERT_NE(host_, nullptr);
    SetActiveWindow(host_);
    Pump();
  }

  void TearDown() override {
    if (dialog_ && IsWindow(dialog_)) DestroyWindow(dialog_);
    DestroyWindow(host_);
    Pump();
  }

  // A modeless dialog over the host from `tmpl`, registered under `id`.
  HWND createDialog(UINT id, const win::DialogTemplate& tmpl) {
    win::RegisterDialogResource(id, &tmpl);
    dialog_ = CreateDialogParam(nullptr, MAKEINTRESOURCE(id), host_, TestDialogProc, 0);
    Pump();
    return dialog_;
  }

  HWND createChild(const char* className, const char* text, DWORD style, RECT rc, int id = 100) {
    HWND hwnd = CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rc.left, rc.top,
                               rc.right - rc.left, rc.bottom - rc.top, host_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    Pump();
    return hwnd;
  }

  // Runs pending messages, passing them through IsDialogMessage when a dialog is up.
  void Pump() {
    MSG msg;
    for (int guard = 0; guard < 10000 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
      if (dialog_ && IsWindow(dialog_) && IsDialogMessage(dialog_, &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }

  void Key(UINT vk, bool down) {
    win::DesktopKey(vk, down);
    Pump();
  }
  void Tap(UINT vk) {
    Key(vk, true);
    Key(vk, false);
  }
  void TapWith(UINT modifier, UINT vk) {
    Key(modifier, true);
    Tap(vk);
    Key(modifier, false);
  }
  void Type(const std::string& utf8) {
    win::DesktopText(utf8);
    Pump();
  }

  void MoveTo(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    win::DesktopMouseMove(client);
    Pump();
  }
  void Button(HWND hwnd, POINT client, bool down) {
    ClientToScreen(hwnd, &client);
    win::DesktopMouseMove(client);
    win::DesktopMouseButton(win::MouseButton::Left, down, client);
    Pump();
  }
  void Click(HWND hwnd, POINT client) {
    Button(hwnd, client, true);
    Button(hwnd, client, false);
  }
  // Lets the double-click time run out, so that the next click is a single one.
  void Wait() {
    win::DesktopAdvanceClock(GetDoubleClickTime() + 100);
    Pump();
  }

  COLORREF PixelAt(HWND hwnd, POINT client) {
    UpdateWindow(GetAncestor(hwnd, GA_ROOT));
    UpdateWindow(hwnd);
    HDC hdc = GetDC(hwnd);
    COLORREF color = GetPixel(hdc, client.x, client.y);
    ReleaseDC(hwnd, hdc);
    return color;
  }

  static RECT RectIn(HWND hwnd, HWND reference) {
    RECT rc;
    GetWindowRect(hwnd, &rc);
    MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }

  static std::string TextOf(HWND hwnd) {
    char buffer[256] = {};
    GetWindowText(hwnd, buffer, sizeof buffer);
    return buffer;
  }

  static std::vector<int> CommandIds() {
    std::vector<int> ids;
    for (const Command& c : TheLog().commands) ids.push_back(c.id);
    return ids;
  }

  HWND host_ = nullptr;
  HWND dialog_ = nullptr;
};

inline win::DialogItemTemplate Item(const char* className, const char* text, int id, DWORD style, short x, short y,
                                    short cx, short cy) {
  return {className, text, 0, id, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | style), 0, x, y, cx, cy, {}};
}

inline win::DialogTemplate Template(const char* face, WORD points, short cx, short cy,
                                    std::vector<win::DialogItemTemplate> items) {
  win::DialogTemplate tmpl{};
  tmpl.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
  tmpl.x = 10;
  tmpl.y = 10;
  tmpl.cx = cx;
  tmpl.cy = cy;
  tmpl.caption = "Test";
  tmpl.fontFace = face;
  tmpl.pointSize = points;
  tmpl.weight = FW_NORMAL;
  tmpl.charSet = DEFAULT_CHARSET;
  tmpl.items = std::move(items);
  return tmpl;
}

}  // namespace dlgtest
