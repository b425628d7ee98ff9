// The modal loops DefWindowProc runs for the non-client area: dragging the caption, pressing the close
// button, and the system menu.
#pragma once

#include "platform/win/winuser.h"

namespace win {

// Moves the window with the mouse, from the press at `pressedAt` (screen) until the button is released,
// or (fromMouse false) with the arrow keys until Enter; Escape puts it back.
void TrackMove(HWND hwnd, bool fromMouse, POINT pressedAt);
// Shows the close button pressed while the pointer is over it; releasing it there sends SC_CLOSE.
void TrackCloseButton(HWND hwnd);
// Opens the window's system menu at a screen point (nullptr: under the caption icon) and posts
// WM_SYSCOMMAND with the chosen item.
void ShowSystemMenu(HWND hwnd, const POINT* at);

}  // namespace win
