// What the desktop delivers to the window system. A back end turns its own events into these calls;
// tests call them directly to inject input exactly as the desktop would. All of them run on the UI
// thread and only queue input; GetMessage/PeekMessage then produce the messages.
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace win {

enum class MouseButton { Left, Right, Middle };

void DesktopMouseMove(POINT screen);
void DesktopMouseButton(MouseButton button, bool down, POINT screen);
void DesktopMouseWheel(int delta, POINT screen);
// vk is a virtual-key code (VK_*, 'A'-'Z', '0'-'9').
void DesktopKey(UINT vk, bool down);
// Text typed by the user, UTF-8; becomes WM_CHAR messages for the focus window.
void DesktopText(const std::string& utf8);
// The desktop's close request for a top-level window (the window manager's close button).
void DesktopCloseRequest(HWND topLevel);
// The application lost or got the desktop's focus.
void DesktopActivateApp(bool active);
// The desktop gave the focus to one of the program's top-level windows. A disabled window (the owner of
// a modal dialog) hands it to the enabled window it owns.
void DesktopActivateWindow(HWND topLevel);
// Advances the window system's clock in tests using the headless back end (timers, double clicks).
void DesktopAdvanceClock(DWORD milliseconds);
// The window system's clock in milliseconds: the time of messages and timers.
DWORD DesktopTime();

// Saves a top-level window's surface (frame included) as a PNG file.
bool SaveWindowPng(HWND topLevel, const std::string& path);

// Chooses the back end once, before the first window is created. "headless" or "sdl2"; the default
// is sdl2 when a display is there, headless otherwise, or what VELMORA_BACKEND says.
void SelectBackend(const char* name);

// Runs every pending message (sent, posted, input, paint, due timers) without waiting; for tests.
void PumpPendingMessages();

}  // namespace win
