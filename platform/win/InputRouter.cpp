#include "platform/win/InputRouter.h"

#include <cstdlib>

#include "platform/win/Activation.h"
#include "platform/win/Clock.h"
#include "platform/win/Geometry.h"
#include "platform/win/HitTest.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

int ButtonVk(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return VK_LBUTTON;
    case MouseButton::Right: return VK_RBUTTON;
    case MouseButton::Middle: return 0x04;  // VK_MBUTTON
  }
  return VK_LBUTTON;
}

bool IsMouse(int kind) { return kind <= 2; }

}  // namespace

void InputRouter::push(const Raw& raw) {
  raw_.push_back(raw);
  if (raw.kind == Kind::Key) asyncDown_[raw.vk & 0xFF] = raw.down;
  if (raw.kind == Kind::Button) asyncDown_[ButtonVk(raw.button)] = raw.down;
  if (IsMouse(static_cast<int>(raw.kind))) asyncCursor_ = raw.pt;
}

void InputRouter::mouseMove(POINT screen, DWORD time) { push(Raw{Kind::Move, screen, MouseButton::Left, false, 0, 0, time}); }

void InputRouter::mouseButton(MouseButton button, bool down, POINT screen, DWORD time) {
  push(Raw{Kind::Button, screen, button, down, 0, 0, time});
}

void InputRouter::mouseWheel(int delta, POINT screen, DWORD time) {
  push(Raw{Kind::Wheel, screen, MouseButton::Left, false, delta, 0, time});
}

void InputRouter::key(UINT vk, bool down, DWORD time) {
  push(Raw{Kind::Key, asyncCursor_, MouseButton::Left, down, 0, vk & 0xFF, time});
}

void InputRouter::character(UINT codePoint, DWORD time) {
  push(Raw{Kind::Char, asyncCursor_, MouseButton::Left, false, 0, codePoint, time});
}

short InputRouter::keyState(int vk) const {
  int i = vk & 0xFF;
  return static_cast<short>((down_[i] ? 0x8000 : 0) | (toggled_[i] ? 1 : 0));
}

short InputRouter::asyncKeyState(int vk) const { return static_cast<short>(asyncDown_[vk & 0xFF] ? 0x8000 : 0); }

void InputRouter::collapseMoves() {
  while (raw_.size() >= 2 && raw_[0].kind == Kind::Move && raw_[1].kind == Kind::Move) raw_.pop_front();
}

bool InputRouter::take(MSG* out, const std::function<bool(const MSG&)>& accept, bool remove) {
  while (!raw_.empty()) {
    collapseMoves();
    Raw raw = raw_.front();
    Routed routed;
    if (!route(raw, &routed)) {
      raw_.pop_front();
      updateKeyState(raw);
      if (raw.kind != Kind::Key && raw.kind != Kind::Char && !Sys().capture) SetCursor(LoadCursor(nullptr, IDC_ARROW));
      continue;
    }
    routed.msg.time = raw.time;
    routed.msg.pt = raw.pt;
    if (!accept(routed.msg)) return false;
    if (!remove) {
      *out = routed.msg;
      return true;
    }
    raw_.pop_front();
    if (!commit(raw, routed)) continue;
    *out = routed.msg;
    return true;
  }
  return false;
}

bool InputRouter::route(const Raw& raw, Routed* out) {
  if (raw.kind == Kind::Key || raw.kind == Kind::Char) return routeKey(raw, out);
  return routeMouse(raw, out);
}

WPARAM InputRouter::mouseKeyFlags() const {
  WPARAM flags = 0;
  if (down_[VK_LBUTTON]) flags |= MK_LBUTTON;
  if (down_[VK_RBUTTON]) flags |= MK_RBUTTON;
  if (down_[0x04]) flags |= MK_MBUTTON;
  if (down_[VK_SHIFT]) flags |= MK_SHIFT;
  if (down_[VK_CONTROL]) flags |= MK_CONTROL;
  return flags;
}

UINT InputRouter::mouseMessage(const Raw& raw, bool client, bool doubleClick) const {
  if (raw.kind == Kind::Move) return client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
  // Offsets from the left-button messages: down 0, up 1, double click 2; right +3, middle +6.
  UINT base = client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN;
  UINT kind = raw.down ? (doubleClick ? 2 : 0) : 1;
  UINT button = raw.button == MouseButton::Left ? 0 : raw.button == MouseButton::Right ? 3 : 6;
  if (!client && raw.button == MouseButton::Middle) return 0;
  return base + button + kind;
}

bool InputRouter::isDoubleClick(const Raw& raw, HWND target, bool client) const {
  if (raw.kind != Kind::Button || !raw.down || !lastClickValid_) return false;
  if (target != lastClickWindow_ || raw.button != lastClickButton_) return false;
  if (ClockDiff(raw.time, lastClickTime_) > static_cast<int>(GetDoubleClickTime())) return false;
  if (std::abs(raw.pt.x - lastClickPt_.x) > GetSystemMetrics(SM_CXDOUBLECLK) ||
      std::abs(raw.pt.y - lastClickPt_.y) > GetSystemMetrics(SM_CYDOUBLECLK))
    return false;
  if (!client) return true;
  const Window* w = Sys().find(target);
  return w && (w->cls->style & CS_DBLCLKS);
}

bool InputRouter::routeMouse(const Raw& raw, Routed* out) {
  HWND target = nullptr;
  int hit = HTCLIENT;
  if (raw.kind == Kind::Wheel) {
    target = Sys().focus ? Sys().focus : Sys().active;
  } else if (Sys().capture && IsWindow(Sys().capture)) {
    target = Sys().capture;
  } else {
    HitResult r = HitTestScreen(raw.pt);
    const Window* w = Sys().find(r.hwnd);
    if (!w || r.hit == HTERROR || r.hit == HTNOWHERE || IsDisabledChain(*w)) return false;
    target = r.hwnd;
    hit = r.hit;
    out->underPointer = target;
  }
  const Window* w = Sys().find(target);
  if (!w) return false;
  out->hit = hit;
  MSG& m = out->msg;
  m.hwnd = target;
  if (raw.kind == Kind::Wheel) {
    m.message = WM_MOUSEWHEEL;
    m.wParam = MAKEWPARAM(mouseKeyFlags(), raw.delta);
    m.lParam = MAKELPARAM(raw.pt.x, raw.pt.y);
    return true;
  }
  bool client = hit == HTCLIENT;
  out->doubleClick = isDoubleClick(raw, target, client);
  m.message = mouseMessage(raw, client, out->doubleClick);
  if (m.message == 0) return false;
  if (client) {
    WPARAM flags = mouseKeyFlags();
    if (raw.kind == Kind::Button) {
      WPARAM bit = raw.button == MouseButton::Left ? MK_LBUTTON : raw.button == MouseButton::Right ? MK_RBUTTON : MK_MBUTTON;
      flags = raw.down ? (flags | bit) : (flags & ~bit);
    }
    POINT origin = ClientScreenOrigin(*w);
    m.wParam = flags;
    m.lParam = MAKELPARAM(raw.pt.x - origin.x, raw.pt.y - origin.y);
  } else {
    m.wParam = static_cast<WPARAM>(hit);
    m.lParam = MAKELPARAM(raw.pt.x, raw.pt.y);
  }
  return true;
}

bool InputRouter::routeKey(const Raw& raw, Routed* out) {
  HWND target = Sys().focus && IsWindow(Sys().focus) ? Sys().focus : nullptr;
  bool noFocus = target == nullptr;
  if (noFocus) target = Sys().active && IsWindow(Sys().active) ? Sys().active : nullptr;
  if (!target) return false;
  MSG& m = out->msg;
  m.hwnd = target;
  bool alt = down_[VK_MENU] || (raw.kind == Kind::Key && raw.vk == VK_MENU && raw.down);
  if (raw.kind == Kind::Char) {
    m.message = WM_CHAR;
    m.wParam = raw.vk;
    m.lParam = 1;
    return true;
  }
  bool sys = alt || noFocus;
  if (raw.down) {
    m.message = sys ? WM_SYSKEYDOWN : WM_KEYDOWN;
  } else {
    m.message = sys ? WM_SYSKEYUP : WM_KEYUP;
  }
  m.wParam = raw.vk;
  LPARAM lp = 1;
  if (alt) lp |= 1L << 29;
  if (down_[raw.vk] || !raw.down) lp |= 1L << 30;
  if (!raw.down) lp |= static_cast<LPARAM>(1u << 31);
  m.lParam = static_cast<LPARAM>(static_cast<DWORD>(lp));
  return true;
}

void InputRouter::updateKeyState(const Raw& raw) {
  int vk = raw.kind == Kind::Key ? static_cast<int>(raw.vk) : raw.kind == Kind::Button ? ButtonVk(raw.button) : -1;
  if (vk < 0) return;
  if (raw.down && !down_[vk]) toggled_[vk] = !toggled_[vk];
  down_[vk] = raw.down;
}

bool InputRouter::commit(const Raw& raw, const Routed& routed) {
  updateKeyState(raw);
  if (raw.kind == Kind::Key || raw.kind == Kind::Char || raw.kind == Kind::Wheel) return true;
  HWND target = routed.msg.hwnd;
  bool eaten = false;
  if (raw.kind == Kind::Button && raw.down && routed.underPointer) eaten = !ActivateOnClick(target, routed.hit, routed.msg.message);
  if (routed.underPointer && IsWindow(routed.underPointer)) {
    SendMessage(routed.underPointer, WM_SETCURSOR, reinterpret_cast<WPARAM>(routed.underPointer),
                MAKELPARAM(routed.hit, routed.msg.message));
  }
  if (raw.kind == Kind::Button && raw.down) {
    lastClickValid_ = !routed.doubleClick;
    lastClickWindow_ = target;
    lastClickButton_ = raw.button;
    lastClickTime_ = raw.time;
    lastClickPt_ = raw.pt;
  }
  return !eaten && IsWindow(target);
}

}  // namespace win
