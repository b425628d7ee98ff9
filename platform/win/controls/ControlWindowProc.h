// Binds a control's C++ object to its window: the object lives from WM_NCCREATE to WM_NCDESTROY and is
// found through the first pointer-sized slot of the window's extra bytes (cbWndExtra).
#pragma once

#include "platform/win/winuser.h"

namespace win {

// Extra bytes every control class of this folder registers.
constexpr int kControlWindowExtra = sizeof(void*);

template <class Control>
Control* ControlFromWindow(HWND hwnd) {
  return hwnd ? reinterpret_cast<Control*>(GetWindowLongPtr(hwnd, 0)) : nullptr;
}

// The window procedure of a control class: Control(HWND) is built at WM_NCCREATE, every message goes
// through Control::handleMessage, and the object is deleted after WM_NCDESTROY.
template <class Control>
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Control* control = ControlFromWindow<Control>(hwnd);
  if (!control && msg == WM_NCCREATE) {
    control = new Control(hwnd);
    SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(control));
  }
  if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
  LRESULT result = control->handleMessage(msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtr(hwnd, 0, 0);
    delete control;
  }
  return result;
}

}  // namespace win
