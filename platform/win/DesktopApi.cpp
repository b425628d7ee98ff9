// The desktop's side: input and requests from the back end or from tests.
#include "platform/backend/PngFile.h"
#include "platform/win/Activation.h"
#include "platform/win/Clock.h"
#include "platform/win/Desktop.h"
#include "platform/win/Geometry.h"
#include "platform/win/PopupKind.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

// Decodes UTF-8, replacing malformed sequences with U+FFFD.
std::vector<UINT> CodePoints(const std::string& utf8) {
  std::vector<UINT> out;
  size_t i = 0;
  while (i < utf8.size()) {
    auto c = static_cast<unsigned char>(utf8[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    UINT cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    bool ok = extra >= 0 && i + extra < utf8.size();
    for (int k = 1; ok && k <= extra; ++k) {
      auto cc = static_cast<unsigned char>(utf8[i + k]);
      ok = (cc & 0xC0) == 0x80;
      cp = (cp << 6) | (cc & 0x3F);
    }
    out.push_back(ok ? cp : 0xFFFD);
    i += ok ? extra + 1 : 1;
  }
  return out;
}

}  // namespace

void DesktopMouseMove(POINT screen) { Sys().input.mouseMove(screen, ClockNow()); }

void DesktopMouseButton(MouseButton button, bool down, POINT screen) {
  Sys().input.mouseButton(button, down, screen, ClockNow());
}

void DesktopMouseWheel(int delta, POINT screen) { Sys().input.mouseWheel(delta, screen, ClockNow()); }

void DesktopKey(UINT vk, bool down) { Sys().input.key(vk, down, ClockNow()); }

void DesktopText(const std::string& utf8) {
  for (UINT cp : CodePoints(utf8)) Sys().input.character(cp, ClockNow());
}

void DesktopCloseRequest(HWND topLevel) {
  if (IsWindow(topLevel)) PostMessage(topLevel, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DesktopActivateApp(bool active) { ActivateApp(active); }

void DesktopActivateWindow(HWND topLevel) {
  Window* w = Sys().find(topLevel);
  // Popups (menus, drop-down lists, tooltips) get the desktop's focus when they appear under the
  // pointer, but they never become the active window.
  if (!w || w->isChild() || IsPopupKind(*w)) return;
  if (!(w->style & WS_DISABLED)) {
    SetActiveWindow(topLevel);
    return;
  }
  for (HWND top : Sys().windows.topLevels()) {
    const Window* t = Sys().find(top);
    if (t && t->owner == topLevel && t->isVisibleFlag() && !(t->style & WS_DISABLED)) {
      SetActiveWindow(top);
      return;
    }
  }
}

void DesktopAdvanceClock(DWORD milliseconds) {
  ClockAdvance(milliseconds);
  Sys().backend->wake();
}

DWORD DesktopTime() { return ClockNow(); }

bool SaveWindowPng(HWND topLevel, const std::string& path) {
  Window* w = RootOf(Sys().find(topLevel));
  return w && w->surface && backend::WriteSurfacePng(*w->surface, path);
}

void SelectBackend(const char* name) { RequestBackend(name); }

void PumpPendingMessages() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // left for the program's own loop
      return;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

}  // namespace win
