// The desktop's raw input, in arrival order, and how each event becomes a message: mouse events go to
// the capture window or to the window under the pointer (as its WM_NCHITTEST decides), keys to the
// focus window. Consecutive mouse moves collapse into the last one.
#pragma once

#include <array>
#include <deque>
#include <functional>

#include "platform/win/Desktop.h"
#include "platform/win/winuser.h"

namespace win {

class InputRouter {
 public:
  void mouseMove(POINT screen, DWORD time);
  void mouseButton(MouseButton button, bool down, POINT screen, DWORD time);
  void mouseWheel(int delta, POINT screen, DWORD time);
  void key(UINT vk, bool down, DWORD time);
  void character(UINT codePoint, DWORD time);

  bool empty() const { return raw_.empty(); }
  // The message for the oldest input event if `accept` takes it. Removing it also updates the key
  // state, sends WM_SETCURSOR and activates a clicked window; events that reach no window are dropped.
  bool take(MSG* out, const std::function<bool(const MSG&)>& accept, bool remove);

  short keyState(int vk) const;
  short asyncKeyState(int vk) const;
  POINT cursorPos() const { return asyncCursor_; }

 private:
  enum class Kind { Move, Button, Wheel, Key, Char };
  struct Raw {
    Kind kind;
    POINT pt;
    MouseButton button;
    bool down;
    int delta;
    UINT vk;
    DWORD time;
  };
  struct Routed {
    MSG msg{};
    int hit = HTNOWHERE;
    HWND underPointer = nullptr;  // for WM_SETCURSOR; null while the mouse is captured
    bool doubleClick = false;
  };

  void push(const Raw& raw);
  void collapseMoves();
  bool route(const Raw& raw, Routed* out);
  bool routeMouse(const Raw& raw, Routed* out);
  bool routeKey(const Raw& raw, Routed* out);
  UINT mouseMessage(const Raw& raw, bool client, bool doubleClick) const;
  bool isDoubleClick(const Raw& raw, HWND target, bool client) const;
  WPARAM mouseKeyFlags() const;
  // Returns false when the click was eaten by activation.
  bool commit(const Raw& raw, const Routed& routed);
  void updateKeyState(const Raw& raw);

  std::deque<Raw> raw_;
  std::array<bool, 256> down_{};       // as of the messages taken so far
  std::array<bool, 256> toggled_{};
  std::array<bool, 256> asyncDown_{};  // as of the events delivered so far
  POINT asyncCursor_{0, 0};

  HWND lastClickWindow_ = nullptr;
  MouseButton lastClickButton_ = MouseButton::Left;
  DWORD lastClickTime_ = 0;
  POINT lastClickPt_{0, 0};
  bool lastClickValid_ = false;
};

}  // namespace win
