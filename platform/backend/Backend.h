// The desktop under the window system. The window system tells a back end which top-level windows
// exist, where they are and which pixels changed; the back end turns the desktop's events into the
// win::Desktop* calls (platform/win/Desktop.h). Nothing here knows the desktop's own types.
#pragma once

#include <memory>
#include <string>

#include "platform/backend/ArgbImage.h"
#include "platform/gdi/Surface.h"
#include "platform/win/windef.h"

namespace backend {

// How the desktop should treat a top-level window.
enum class WindowKind {
  Normal,     // captioned or framed windows: main windows and dialogs
  PopupMenu,  // menus and drop-down lists: no task bar entry, never managed by the window manager
  Tooltip,
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual const char* name() const = 0;
  virtual SIZE screenSize() const = 0;

  // `surface` belongs to the window system and lives until destroyWindow.
  virtual void createWindow(HWND hwnd, const RECT& screenRect, WindowKind kind, gdi::Surface* surface) = 0;
  virtual void destroyWindow(HWND hwnd) = 0;
  virtual void showWindow(HWND hwnd, bool visible) = 0;
  virtual void moveWindow(HWND hwnd, const RECT& screenRect) = 0;
  virtual void raiseWindow(HWND hwnd) = 0;
  // Gives the desktop's keyboard focus to a top-level window that has just become active.
  virtual void focusWindow(HWND /*hwnd*/) {}
  virtual void setTitle(HWND hwnd, const std::string& utf8) = 0;
  virtual void setIcon(HWND hwnd, const ArgbImage* icon) = 0;

  // Shows what changed on the window's surface since the last call.
  virtual void present(HWND hwnd) = 0;

  // nullptr hides the pointer.
  virtual void setCursor(const ArgbImage* cursor) = 0;
  // Keeps mouse events coming while a button is held outside the windows (the window system's capture).
  virtual void captureMouse(bool capture) = 0;
  virtual void warpMouse(POINT screen) = 0;

  // Delivers the desktop's pending events through win::Desktop*; then, if none came, blocks until an
  // event arrives, wake() is called, or timeoutMs passes (negative: no limit; 0: only poll).
  virtual void wait(int timeoutMs) = 0;
  // Ends a wait; safe from any thread.
  virtual void wake() = 0;
};

// "headless" or "sdl2"; nullptr or "" picks sdl2 when a display can be opened, headless otherwise.
// An sdl2 request that cannot be met falls back to headless.
std::unique_ptr<Backend> CreateBackend(const char* requested);

}  // namespace backend
