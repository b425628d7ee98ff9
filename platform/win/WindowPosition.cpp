// Showing, moving, sizing and stacking windows, and enabling them.
#include <algorithm>

#include "platform/win/Activation.h"
#include "platform/win/Geometry.h"
#include "platform/win/Painting.h"
#include "platform/win/PopupKind.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowUpdate.h"

using win::Sys;
using win::Window;

namespace {

bool ActivatesOnShow(int cmd) {
  return cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && cmd != SW_HIDE && cmd != SW_MINIMIZE &&
         cmd != SW_SHOWMINIMIZED;
}

void MakeShown(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  w->style |= WS_VISIBLE;
  if (!w->isChild()) {
    win::EnsureNativeWindow(hwnd);
    Sys().backend->showWindow(hwnd, true);
  }
  win::InvalidateWhole(hwnd);
}

void MakeHidden(HWND hwnd) {
  win::LeaveWindow(hwnd);
  Window* w = Sys().find(hwnd);
  if (!w) return;
  w->style &= ~WS_VISIBLE;
  if (w->isChild()) {
    win::InvalidateParentArea(w->parent, w->rect);
  } else if (w->hasNativeWindow) {
    Sys().backend->showWindow(hwnd, false);
  }
}

void ActivateShownTopLevel(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w || w->isChild()) return;
  if (win::IsPopupKind(*w)) {
    win::RaiseWithOwned(hwnd);
  } else {
    win::ActivateWindow(hwnd, WA_ACTIVE);
  }
}

void Restack(Window& w, HWND insertAfter) {
  if (!w.isChild()) {
    if (insertAfter == HWND_TOPMOST) w.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) w.exStyle &= ~WS_EX_TOPMOST;
    if (insertAfter == HWND_BOTTOM) {
      Sys().windows.lowerTopLevel(w.handle);
    } else {
      win::RaiseWithOwned(w.handle);
    }
    return;
  }
  Window* parent = Sys().find(w.parent);
  if (!parent) return;
  auto& list = parent->children;
  std::erase(list, w.handle);
  auto pos = list.begin();
  if (insertAfter == HWND_BOTTOM) {
    pos = list.end();
  } else if (auto it = std::find(list.begin(), list.end(), insertAfter); it != list.end()) {
    pos = it + 1;
  }
  list.insert(pos, w.handle);
}

}  // namespace

BOOL ShowWindow(HWND hwnd, int cmd) {
  Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  bool wasVisible = w->isVisibleFlag();
  bool show = cmd != SW_HIDE;
  if (show != wasVisible) {
    SendMessage(hwnd, WM_SHOWWINDOW, show, 0);
    if (!IsWindow(hwnd)) return wasVisible;
    if (show) {
      MakeShown(hwnd);
    } else {
      MakeHidden(hwnd);
    }
  }
  if (show && ActivatesOnShow(cmd) && IsWindow(hwnd)) ActivateShownTopLevel(hwnd);
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  return w && win::IsVisibleChain(*w);
}

BOOL IsIconic(HWND) { return FALSE; }

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    pos.x = w->rect.left;
    pos.y = w->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    pos.cx = w->width();
    pos.cy = w->height();
  }
  SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  w = Sys().find(hwnd);
  if (!w) return FALSE;

  RECT oldRect = w->rect;
  RECT newRect{pos.x, pos.y, pos.x + std::max(0, pos.cx), pos.y + std::max(0, pos.cy)};
  bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
  bool sized = newRect.right - newRect.left != oldRect.right - oldRect.left ||
               newRect.bottom - newRect.top != oldRect.bottom - oldRect.top;
  w->rect = newRect;
  if (sized || (flags & SWP_FRAMECHANGED)) win::RecalcClientRect(hwnd);
  w = Sys().find(hwnd);
  if (!w) return FALSE;
  if (!w->isChild()) {
    if (sized) w->surface->resize(std::max(1, w->width()), std::max(1, w->height()));
    if ((moved || sized) && w->hasNativeWindow) Sys().backend->moveWindow(hwnd, w->rect);
  }
  bool restacked = !(flags & SWP_NOZORDER);
  if (restacked) Restack(*w, pos.hwndInsertAfter);

  bool wasVisible = w->isVisibleFlag();
  if ((flags & SWP_SHOWWINDOW) && !wasVisible) MakeShown(hwnd);
  if ((flags & SWP_HIDEWINDOW) && wasVisible) MakeHidden(hwnd);
  w = Sys().find(hwnd);
  if (!w) return FALSE;

  if (!(flags & SWP_NOREDRAW) && w->isVisibleFlag()) {
    if (w->isChild() && (moved || sized || restacked)) {
      win::InvalidateParentArea(w->parent, oldRect);
      win::InvalidateWhole(hwnd);
    } else if (!w->isChild() && (sized || (flags & SWP_FRAMECHANGED))) {
      win::InvalidateWhole(hwnd);
    }
  }
  if (flags & SWP_FRAMECHANGED) win::InvalidateFrame(hwnd);
  if (!(flags & SWP_NOACTIVATE) && !w->isChild() && w->isVisibleFlag()) ActivateShownTopLevel(hwnd);

  pos.flags = flags | (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);
  if (IsWindow(hwnd)) SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  bool wasDisabled = w->style & WS_DISABLED;
  if (!enable && !wasDisabled) {
    SendMessage(hwnd, WM_CANCELMODE, 0, 0);
    w = Sys().find(hwnd);
    if (!w) return FALSE;
    w->style |= WS_DISABLED;
    HWND focus = Sys().focus;
    if (focus && (focus == hwnd || IsChild(hwnd, focus))) win::MoveFocus(nullptr);
    HWND capture = Sys().capture;
    if (capture && (capture == hwnd || IsChild(hwnd, capture))) win::DropCapture();
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_ENABLE, FALSE, 0);
  } else if (enable && wasDisabled) {
    w->style &= ~WS_DISABLED;
    SendMessage(hwnd, WM_ENABLE, TRUE, 0);
  }
  return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  return w && !(w->style & WS_DISABLED);
}
