// Steps shared by window creation, SetWindowPos and ShowWindow.
#pragma once

#include "platform/win/winuser.h"

namespace win {

// Asks WM_NCCALCSIZE for the client rectangle of the window's current rectangle.
void RecalcClientRect(HWND hwnd);
// WM_SIZE with the client size and WM_MOVE with the client origin, as DefWindowProc sends them after a
// WM_WINDOWPOSCHANGED.
void SendSizeAndMove(HWND hwnd);
void SendSize(HWND hwnd);
void SendMove(HWND hwnd);
// Makes the back end's window for a top-level window when it is first shown.
void EnsureNativeWindow(HWND hwnd);

}  // namespace win
