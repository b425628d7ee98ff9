// Shared by the class-library tests: a shown top-level host window, real input through the desktop
// calls, and scripted steps that run while a modal loop is idle.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "platform/afx/afxwin.h"
#include "platform/win/Desktop.h"

namespace afxtest {

inline void Pump() { win::PumpPendingMessages(); }

inline POINT ScreenPoint(HWND hwnd, POINT client) {
  ::ClientToScreen(hwnd, &client);
  return client;
}

// Queues a click at the centre of `hwnd`, as the desktop delivers it.
inline void QueueClick(HWND hwnd) {
  RECT rc;
  ::GetClientRect(hwnd, &rc);
  POINT pt = ScreenPoint(hwnd, {(rc.right - rc.left) / 2, (rc.bottom - rc.top) / 2});
  win::DesktopMouseMove(pt);
  win::DesktopMouseButton(win::MouseButton::Left, true, pt);
  win::DesktopMouseButton(win::MouseButton::Left, false, pt);
}

inline void QueueKey(UINT vk) {
  win::DesktopKey(vk, true);
  win::DesktopKey(vk, false);
}

// A top-level window of the library's own class. While a dialog it owns runs modally, each idle turn
// of the modal loop runs the next scripted step; when the script is done and the dialog still runs
// after a few more turns, it is ended with kStuck so that a broken test fails instead of hanging.
class HostWnd : public CWnd {
 public:
  static constexpr INT_PTR kStuck = -77;

  HostWnd() {
    CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 40, 40, 500, 360,
             nullptr, nullptr);
    ::SetActiveWindow(m_hWnd);
    Pump();
  }

  std::deque<std::function<void(HWND dlg)>> script;

 protected:
  afx_msg LRESULT OnEnterIdle(WPARAM, LPARAM lParam) {
    HWND dlg = reinterpret_cast<HWND>(lParam);
    if (!script.empty()) {
      auto step = std::move(script.front());
      script.pop_front();
      step(dlg);
    } else if (++idleAfterScript_ > 20) {
      ::EndDialog(dlg, kStuck);
    }
    ::PostMessage(dlg, WM_NULL, 0, 0);  // another turn of the loop, so the script goes on
    return 0;
  }

  DECLARE_MESSAGE_MAP()

 private:
  int idleAfterScript_ = 0;
};

}  // namespace afxtest
