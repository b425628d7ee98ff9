#include "platform/backend/Sdl2Backend.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/backend/SdlKeyMap.h"
#include "platform/win/Desktop.h"

namespace backend {
namespace {

SDL_Surface* SurfaceFromImage(const ArgbImage& image) {
  return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(image.pixels.data()), image.width, image.height, 32,
                                            image.width * 4, SDL_PIXELFORMAT_ARGB8888);
}

win::MouseButton ButtonFromSdl(uint8_t button) {
  if (button == SDL_BUTTON_RIGHT) return win::MouseButton::Right;
  if (button == SDL_BUTTON_MIDDLE) return win::MouseButton::Middle;
  return win::MouseButton::Left;
}

Uint32 FlagsFor(WindowKind kind) {
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if (kind == WindowKind::PopupMenu) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  if (kind == WindowKind::Tooltip) flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR;
  return flags;
}

// The desktop's own video driver. SDL would otherwise fall back to drivers that show nothing
// (offscreen, dummy), and the program would run with no window a user can see.
const char* DesktopDriver() {
  const char* wanted = std::getenv("SDL_VIDEODRIVER");
  if (wanted != nullptr && (std::strcmp(wanted, "x11") == 0 || std::strcmp(wanted, "wayland") == 0)) return wanted;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const char* x11 = std::getenv("DISPLAY");
  if ((x11 == nullptr || *x11 == '\0') && wayland != nullptr && *wayland != '\0') return "wayland";
  return "x11";
}

}  // namespace

std::unique_ptr<Sdl2Backend> Sdl2Backend::Open() {
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // SDL would turn SIGINT and SIGTERM into a quit event that nothing here reads, leaving a program
  // that cannot be stopped; the default actions end it.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // An X server that has only just started may refuse the first connection; try a few times.
  const int kAttempts = 5;
  setenv("SDL_VIDEODRIVER", DesktopDriver(), 1);
  for (int attempt = 1;; ++attempt) {
    if (SDL_Init(SDL_INIT_VIDEO) == 0) break;
    if (attempt == kAttempts) {
      std::fprintf(stderr, "velmora: the display cannot be used: %s\n", SDL_GetError());
      return nullptr;
    }
    SDL_Delay(200);
  }
  int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wakeFd < 0) {
    SDL_Quit();
    return nullptr;
  }
  SDL_StartTextInput();
  return std::unique_ptr<Sdl2Backend>(new Sdl2Backend(wakeFd));
}

Sdl2Backend::~Sdl2Backend() {
  for (auto& [hwnd, native] : windows_) SDL_DestroyWindow(native.window);
  if (cursor_) SDL_FreeCursor(cursor_);
  close(wakeFd_);
  SDL_Quit();
}

SIZE Sdl2Backend::screenSize() const {
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return SIZE{1024, 768};
  return SIZE{bounds.w, bounds.h};
}

void Sdl2Backend::createWindow(HWND hwnd, const RECT& rc, WindowKind kind, gdi::Surface* surface) {
  int w = std::max<int>(1, rc.right - rc.left);
  int h = std::max<int>(1, rc.bottom - rc.top);
  SDL_Window* window = SDL_CreateWindow("", rc.left, rc.top, w, h, FlagsFor(kind));
  if (!window) return;
  windows_[hwnd] = NativeWindow{window, surface, false, POINT{rc.left, rc.top}};
}

void Sdl2Backend::destroyWindow(HWND hwnd) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return;
  SDL_DestroyWindow(it->second.window);
  windows_.erase(it);
}

void Sdl2Backend::showWindow(HWND hwnd, bool visible) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return;
  it->second.visible = visible;
  if (visible) {
    SDL_ShowWindow(it->second.window);
    it->second.surface->markAllDirty();
  } else {
    SDL_HideWindow(it->second.window);
  }
}

void Sdl2Backend::moveWindow(HWND hwnd, const RECT& rc) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end()) return;
  int w = std::max<int>(1, rc.right - rc.left);
  int h = std::max<int>(1, rc.bottom - rc.top);
  int oldW = 0;
  int oldH = 0;
  SDL_GetWindowSize(it->second.window, &oldW, &oldH);
  if (oldW != w || oldH != h) {
    SDL_SetWindowSize(it->second.window, w, h);
    it->second.surface->markAllDirty();
  }
  SDL_SetWindowPosition(it->second.window, rc.left, rc.top);
  it->second.origin = POINT{rc.left, rc.top};
  // Motion events already on their way were measured against the old position; turned into screen
  // points with the new one they would move a dragged window twice as far. Later events are exact.
  SDL_PumpEvents();
  SDL_FlushEvent(SDL_MOUSEMOTION);
}

void Sdl2Backend::raiseWindow(HWND hwnd) {
  auto it = windows_.find(hwnd);
  if (it != windows_.end() && it->second.visible) SDL_RaiseWindow(it->second.window);
}

void Sdl2Backend::focusWindow(HWND hwnd) {
  auto it = windows_.find(hwnd);
  // Without a window manager nobody hands the keyboard to the window that became active: take it.
  if (it != windows_.end() && it->second.visible) SDL_SetWindowInputFocus(it->second.window);
}

void Sdl2Backend::setTitle(HWND hwnd, const std::string& utf8) {
  auto it = windows_.find(hwnd);
  if (it != windows_.end()) SDL_SetWindowTitle(it->second.window, utf8.c_str());
}

void Sdl2Backend::setIcon(HWND hwnd, const ArgbImage* icon) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end() || !icon) return;
  SDL_Surface* surface = SurfaceFromImage(*icon);
  if (!surface) return;
  SDL_SetWindowIcon(it->second.window, surface);
  SDL_FreeSurface(surface);
}

void Sdl2Backend::presentRegion(NativeWindow& native, const gdi::Region& region) {
  SDL_Surface* target = SDL_GetWindowSurface(native.window);
  if (!target) return;
  const gdi::Surface& source = *native.surface;
  int maxW = std::min(source.width(), target->w);
  int maxH = std::min(source.height(), target->h);
  std::vector<SDL_Rect> rects;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  for (const RECT& r : region.rects()) {
    int left = std::max<int>(0, r.left);
    int top = std::max<int>(0, r.top);
    int right = std::min<int>(maxW, r.right);
    int bottom = std::min<int>(maxH, r.bottom);
    if (right <= left || bottom <= top) continue;
    const uint32_t* src = source.row(top) + left;
    auto* dst = static_cast<uint8_t*>(target->pixels) + top * target->pitch + left * target->format->BytesPerPixel;
    SDL_ConvertPixels(right - left, bottom - top, SDL_PIXELFORMAT_RGB888, src, source.width() * 4,
                      target->format->format, dst, target->pitch);
    rects.push_back(SDL_Rect{left, top, right - left, bottom - top});
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  if (!rects.empty()) SDL_UpdateWindowSurfaceRects(native.window, rects.data(), static_cast<int>(rects.size()));
}

void Sdl2Backend::present(HWND hwnd) {
  auto it = windows_.find(hwnd);
  if (it == windows_.end() || !it->second.visible) return;
  gdi::Region dirty = it->second.surface->takeDirty();
  if (!dirty.empty()) presentRegion(it->second, dirty);
}

void Sdl2Backend::setCursor(const ArgbImage* image) {
  if (!image) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_Surface* surface = SurfaceFromImage(*image);
  SDL_Cursor* cursor = surface ? SDL_CreateColorCursor(surface, image->hotspot.x, image->hotspot.y) : nullptr;
  if (surface) SDL_FreeSurface(surface);
  if (!cursor) return;
  SDL_SetCursor(cursor);
  SDL_ShowCursor(SDL_ENABLE);
  if (cursor_) SDL_FreeCursor(cursor_);
  cursor_ = cursor;
}

void Sdl2Backend::captureMouse(bool capture) { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

void Sdl2Backend::warpMouse(POINT screen) { SDL_WarpMouseGlobal(screen.x, screen.y); }

HWND Sdl2Backend::hwndFromId(uint32_t windowId) const {
  for (const auto& [hwnd, native] : windows_) {
    if (SDL_GetWindowID(native.window) == windowId) return hwnd;
  }
  return nullptr;
}

void Sdl2Backend::dispatchWindowEvent(const SDL_Event& event) {
  HWND hwnd = hwndFromId(event.window.windowID);
  if (!hwnd) return;
  switch (event.window.event) {
    case SDL_WINDOWEVENT_CLOSE: win::DesktopCloseRequest(hwnd); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      focusLostAt_ = 0;
      win::DesktopActivateApp(true);
      win::DesktopActivateWindow(hwnd);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST: focusLostAt_ = SDL_GetTicks() | 1; break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      auto it = windows_.find(hwnd);
      if (it == windows_.end()) break;
      it->second.surface->markAllDirty();
      present(hwnd);
      break;
    }
    default: break;
  }
}

POINT Sdl2Backend::screenPoint(uint32_t windowId, int x, int y) {
  HWND hwnd = hwndFromId(windowId);
  if (hwnd) {
    const POINT& origin = windows_[hwnd].origin;
    lastPointer_ = POINT{origin.x + x, origin.y + y};
  }
  return lastPointer_;
}

void Sdl2Backend::dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      win::DesktopMouseMove(screenPoint(event.motion.windowID, event.motion.x, event.motion.y));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      // A click in one of our windows means the user is here, whatever the focus events said.
      focusLostAt_ = 0;
      win::DesktopMouseButton(ButtonFromSdl(event.button.button), event.type == SDL_MOUSEBUTTONDOWN,
                              screenPoint(event.button.windowID, event.button.x, event.button.y));
      break;
    case SDL_MOUSEWHEEL: win::DesktopMouseWheel(event.wheel.y * 120, lastPointer_); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (UINT vk = VirtualKeyFromSdl(event.key.keysym.sym)) win::DesktopKey(vk, event.type == SDL_KEYDOWN);
      break;
    case SDL_TEXTINPUT: win::DesktopText(event.text.text); break;
    case SDL_WINDOWEVENT: dispatchWindowEvent(event); break;
    default: break;
  }
}

void Sdl2Backend::wait(int timeoutMs) {
  SDL_Event event;
  bool any = false;
  while (SDL_PollEvent(&event)) {
    dispatch(event);
    any = true;
  }
  if (!any && timeoutMs != 0) {
    waitForEvents(waitLimit(timeoutMs));
    while (SDL_PollEvent(&event)) dispatch(event);
  }
  deactivateIfFocusStaysAway();
}

int Sdl2Backend::desktopFd() {
  if (desktopFd_ >= 0 || windows_.empty()) return desktopFd_;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(windows_.begin()->second.window, &info) && info.subsystem == SDL_SYSWM_X11) {
    desktopFd_ = ConnectionNumber(info.info.x11.display);
  }
  return desktopFd_;
}

void Sdl2Backend::waitForEvents(int timeoutMs) {
  // Without the desktop's connection to watch (no window yet, or not X11), look again every 10 ms.
  const int kFallbackMs = 10;
  pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {desktopFd(), POLLIN, 0}};
  int count = fds[1].fd >= 0 ? 2 : 1;
  int limit = timeoutMs;
  if (count == 1 && (limit < 0 || limit > kFallbackMs)) limit = kFallbackMs;
  poll(fds, static_cast<nfds_t>(count), limit);
  uint64_t value = 0;
  if (read(wakeFd_, &value, sizeof(value)) > 0) wakePending_ = false;
  SDL_PumpEvents();
}

// Without a window manager (Xvfb) the X server moves the focus away and back around pointer grabs
// and popups, so a press on a button can arrive as "focus lost" before its release. Deactivating at
// once would cancel the press. The application is deactivated only when none of our windows has
// regained the focus, and no click has reached them, for a moment after the loss.
void Sdl2Backend::deactivateIfFocusStaysAway() {
  const uint32_t kGraceMs = 300;
  if (focusLostAt_ == 0) return;
  if (SDL_GetKeyboardFocus()) {
    focusLostAt_ = 0;
    return;
  }
  if (SDL_GetTicks() - focusLostAt_ < kGraceMs) return;
  focusLostAt_ = 0;
  win::DesktopActivateApp(false);
}

int Sdl2Backend::waitLimit(int timeoutMs) const {
  if (focusLostAt_ == 0) return timeoutMs;
  const int kCheckMs = 50;
  return (timeoutMs < 0 || timeoutMs > kCheckMs) ? kCheckMs : timeoutMs;
}

void Sdl2Backend::wake() {
  if (wakePending_.exchange(true)) return;
  uint64_t one = 1;
  if (write(wakeFd_, &one, sizeof(one)) < 0) wakePending_ = false;
}

}  // namespace backend
