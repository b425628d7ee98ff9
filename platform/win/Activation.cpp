#include "platform/win/Activation.h"

#include "platform/win/Geometry.h"
#include "platform/win/PopupKind.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

bool InSubtree(HWND hwnd, HWND root) {
  return hwnd && (hwnd == root || IsChild(root, hwnd));
}

bool CanBeActive(const Window& w) {
  return !w.destroying && w.isVisibleFlag() && !(w.style & WS_DISABLED) && !IsPopupKind(w);
}

void SendDeactivate(HWND old, HWND next) {
  if (!IsWindow(old)) return;
  SendMessage(old, WM_NCACTIVATE, FALSE, 0);
  SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(next));
}

}  // namespace

void RaiseWithOwned(HWND top) {
  Sys().windows.raiseTopLevel(top);
  Sys().backend->raiseWindow(top);
  std::vector<HWND> tops = Sys().windows.topLevels();
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const Window* w = Sys().find(*it);
    if (w && w->owner == top && *it != top) RaiseWithOwned(*it);
  }
}

HWND ActivateWindow(HWND top, WORD how) {
  WindowSystem& sys = Sys();
  if (top && !IsWindow(top)) return nullptr;
  HWND old = sys.active && IsWindow(sys.active) ? sys.active : nullptr;
  if (top == old) return old;
  sys.active = top;
  if (top) sys.lastActive = top;
  SendDeactivate(old, top);
  if (!top || !IsWindow(top)) {
    if (sys.focus) MoveFocus(nullptr);
    return old;
  }
  RaiseWithOwned(top);
  sys.backend->focusWindow(top);
  SendMessage(top, WM_NCACTIVATE, TRUE, 0);
  SendMessage(top, WM_ACTIVATE, MAKEWPARAM(how, 0), reinterpret_cast<LPARAM>(old));
  if (sys.focus && sys.active == top && !InSubtree(sys.focus, top)) MoveFocus(nullptr);
  return old;
}

bool ActivateOnClick(HWND target, int hit, UINT message) {
  Window* w = Sys().find(target);
  Window* root = RootOf(w);
  if (!root || root->handle == Sys().active || (root->style & WS_DISABLED)) return true;
  HWND rootHandle = root->handle;
  LRESULT ma = SendMessage(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(rootHandle), MAKELPARAM(hit, message));
  if (ma != MA_NOACTIVATE && ma != MA_NOACTIVATEANDEAT) ActivateWindow(rootHandle, WA_CLICKACTIVE);
  return ma != MA_ACTIVATEANDEAT && ma != MA_NOACTIVATEANDEAT;
}

void ActivateApp(bool active) {
  WindowSystem& sys = Sys();
  if (active == sys.appActive) return;
  sys.appActive = active;
  HWND remembered = sys.active ? sys.active : sys.lastActive;
  for (HWND top : std::vector<HWND>(sys.windows.topLevels())) {
    if (IsWindow(top)) SendMessage(top, WM_ACTIVATEAPP, active, 0);
  }
  if (!active) {
    ActivateWindow(nullptr, WA_INACTIVE);
    sys.lastActive = remembered;
  } else if (remembered && IsWindow(remembered)) {
    ActivateWindow(remembered, WA_ACTIVE);
  }
}

HWND MoveFocus(HWND hwnd) {
  WindowSystem& sys = Sys();
  if (hwnd) {
    Window* w = sys.find(hwnd);
    if (!w || w->destroying || IsDisabledChain(*w) || !IsVisibleChain(*w)) return nullptr;
    Window* root = RootOf(w);
    if (root && root->handle != sys.active) {
      if (IsPopupKind(*root)) return nullptr;
      ActivateWindow(root->handle, WA_ACTIVE);
      if (!IsWindow(hwnd)) return nullptr;
    }
  }
  HWND old = sys.focus && IsWindow(sys.focus) ? sys.focus : nullptr;
  if (old == hwnd) return old;
  if (old) SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  sys.focus = hwnd && IsWindow(hwnd) ? hwnd : nullptr;
  if (sys.focus) SendMessage(sys.focus, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND TakeCapture(HWND hwnd) {
  WindowSystem& sys = Sys();
  if (!IsWindow(hwnd)) return nullptr;
  HWND old = sys.capture && IsWindow(sys.capture) ? sys.capture : nullptr;
  sys.capture = hwnd;
  sys.backend->captureMouse(true);
  if (old && old != hwnd) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

void DropCapture() {
  WindowSystem& sys = Sys();
  HWND old = sys.capture;
  if (!old) return;
  sys.capture = nullptr;
  sys.backend->captureMouse(false);
  if (IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
}

HWND NextActiveCandidate(HWND leaving) {
  const Window* w = Sys().find(leaving);
  if (w && w->owner) {
    const Window* owner = Sys().find(w->owner);
    if (owner && CanBeActive(*owner)) return w->owner;
  }
  for (HWND top : Sys().windows.topLevels()) {
    const Window* t = Sys().find(top);
    if (top != leaving && t && CanBeActive(*t) && !InSubtree(top, leaving)) return top;
  }
  return nullptr;
}

void LeaveWindow(HWND hwnd) {
  WindowSystem& sys = Sys();
  Window* w = sys.find(hwnd);
  if (!w) return;
  if (InSubtree(sys.capture, hwnd)) DropCapture();
  if (!w->isChild() && sys.active == hwnd) {
    ActivateWindow(NextActiveCandidate(hwnd), WA_ACTIVE);
    if (sys.active == hwnd) sys.active = nullptr;
  }
  if (InSubtree(sys.focus, hwnd)) {
    w = sys.find(hwnd);
    HWND heir = w && w->isChild() ? w->parent : nullptr;
    if (!heir || !MoveFocus(heir) || InSubtree(sys.focus, hwnd)) MoveFocus(nullptr);
  }
  if (sys.lastActive == hwnd) sys.lastActive = nullptr;
}

}  // namespace win
