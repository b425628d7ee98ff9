// Keyboard focus, activation of top-level windows and mouse capture, with their messages.
#pragma once

#include "platform/win/winuser.h"

namespace win {

// Makes `top` the active top-level window (nullptr: none) and returns the previous one. The old
// window gets WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE), the new one WM_NCACTIVATE(TRUE) and
// WM_ACTIVATE(how); DefWindowProc then gives the new window the focus.
HWND ActivateWindow(HWND top, WORD how);
// A button press on `target` (hit-test code `hit`): asks WM_MOUSEACTIVATE and activates its top-level
// window when that is not active yet. Returns false when the click is to be eaten.
bool ActivateOnClick(HWND target, int hit, UINT message);
void ActivateApp(bool active);

// WM_KILLFOCUS to the old window, then WM_SETFOCUS to the new one. Disabled or hidden windows refuse it.
HWND MoveFocus(HWND hwnd);

HWND TakeCapture(HWND hwnd);
void DropCapture();

// Before a window and its children are destroyed or hidden: hands focus, capture and activation on.
void LeaveWindow(HWND hwnd);

// Raises a top-level window with the windows it owns above it, and tells the back end.
void RaiseWithOwned(HWND top);

// The window that should become active when `leaving` stops being so.
HWND NextActiveCandidate(HWND leaving);

}  // namespace win
