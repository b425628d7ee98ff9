// Capture, focus, activation and the state of keys and pointer.
#include "platform/win/Activation.h"
#include "platform/win/Geometry.h"
#include "platform/win/WindowSystem.h"

using win::Sys;

HWND SetCapture(HWND hwnd) { return win::TakeCapture(hwnd); }

BOOL ReleaseCapture() {
  win::DropCapture();
  return TRUE;
}

HWND GetCapture() { return Sys().capture; }

HWND SetFocus(HWND hwnd) {
  if (hwnd && !IsWindow(hwnd)) return nullptr;
  return win::MoveFocus(hwnd);
}

HWND GetFocus() { return Sys().focus; }

HWND SetActiveWindow(HWND hwnd) {
  win::Window* w = Sys().find(hwnd);
  if (!w) return nullptr;
  win::Window* root = win::RootOf(w);
  if (root->style & WS_DISABLED) return nullptr;
  return win::ActivateWindow(root->handle, WA_ACTIVE);
}

HWND GetActiveWindow() { return Sys().active; }

HWND GetForegroundWindow() { return Sys().active; }

BOOL SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) != nullptr || GetActiveWindow() == hwnd; }

short GetKeyState(int virtKey) { return Sys().input.keyState(virtKey); }

short GetAsyncKeyState(int virtKey) { return Sys().input.asyncKeyState(virtKey); }

BOOL GetCursorPos(LPPOINT pt) {
  if (!pt) return FALSE;
  *pt = Sys().input.cursorPos();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  POINT pt{x, y};
  Sys().backend->warpMouse(pt);
  win::DesktopMouseMove(pt);
  return TRUE;
}

UINT GetDoubleClickTime() { return 500; }
