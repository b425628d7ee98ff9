// The real desktop through SDL2: every visible top-level window is a borderless SDL window at the
// window's screen position, showing the window's surface. Only this file pair knows SDL.
#pragma once

#include <atomic>
#include <cstdint>
#include <unordered_map>

#include "platform/backend/Backend.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace backend {

class Sdl2Backend : public Backend {
 public:
  // nullptr when SDL's video cannot start (no display).
  static std::unique_ptr<Sdl2Backend> Open();
  ~Sdl2Backend() override;

  const char* name() const override { return "sdl2"; }
  SIZE screenSize() const override;

  void createWindow(HWND hwnd, const RECT& screenRect, WindowKind kind, gdi::Surface* surface) override;
  void destroyWindow(HWND hwnd) override;
  void showWindow(HWND hwnd, bool visible) override;
  void moveWindow(HWND hwnd, const RECT& screenRect) override;
  void raiseWindow(HWND hwnd) override;
  void focusWindow(HWND hwnd) override;
  void setTitle(HWND hwnd, const std::string& utf8) override;
  void setIcon(HWND hwnd, const ArgbImage* icon) override;
  void present(HWND hwnd) override;
  void setCursor(const ArgbImage* cursor) override;
  void captureMouse(bool capture) override;
  void warpMouse(POINT screen) override;
  void wait(int timeoutMs) override;
  void wake() override;

 private:
  struct NativeWindow {
    SDL_Window* window = nullptr;
    gdi::Surface* surface = nullptr;
    bool visible = false;
    POINT origin{0, 0};  // where this layer last put the window
  };

  explicit Sdl2Backend(int wakeFd) : wakeFd_(wakeFd) {}
  // Waits until the desktop has events, wake() was called, or the time is up.
  void waitForEvents(int timeoutMs);
  int desktopFd();
  void dispatch(const SDL_Event& event);
  void dispatchWindowEvent(const SDL_Event& event);
  HWND hwndFromId(uint32_t windowId) const;
  // A window-relative event position on the screen; the last one when the window is not ours.
  POINT screenPoint(uint32_t windowId, int x, int y);
  void presentRegion(NativeWindow& native, const gdi::Region& region);

  std::unordered_map<HWND, NativeWindow> windows_;
  std::atomic<bool> wakePending_{false};
  // Other threads wake the UI thread through this eventfd, never through SDL: SDL's own wake-up talks
  // to the X server from the calling thread, which races with the UI thread destroying windows.
  int wakeFd_;
  int desktopFd_ = -1;
  SDL_Cursor* cursor_ = nullptr;
  // When the desktop took the keyboard focus from our windows (0: it did not); see wait().
  uint32_t focusLostAt_ = 0;
  void deactivateIfFocusStaysAway();
  int waitLimit(int timeoutMs) const;
  POINT lastPointer_{0, 0};
};

}  // namespace backend
