// Window and client rectangles, coordinate conversion and finding windows by position.
#include "platform/win/Geometry.h"
#include "platform/win/HitTest.h"
#include "platform/win/NonClient.h"
#include "platform/win/WindowSystem.h"

using win::Sys;
using win::Window;

namespace {

RECT ScreenRect() {
  SIZE s = Sys().backend->screenSize();
  return RECT{0, 0, s.cx, s.cy};
}

// The screen position of a window's client origin; the desktop (or NULL) is the screen itself.
bool ClientOrigin(HWND hwnd, POINT* origin) {
  if (!hwnd || hwnd == GetDesktopWindow()) {
    *origin = POINT{0, 0};
    return true;
  }
  const Window* w = Sys().find(hwnd);
  if (!w) return false;
  *origin = win::ClientScreenOrigin(*w);
  return true;
}

}  // namespace

BOOL GetWindowRect(HWND hwnd, LPRECT rc) {
  if (!rc) return FALSE;
  if (hwnd == GetDesktopWindow()) {
    *rc = ScreenRect();
    return TRUE;
  }
  const Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  *rc = win::WindowScreenRect(*w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rc) {
  if (!rc) return FALSE;
  if (hwnd == GetDesktopWindow()) {
    *rc = ScreenRect();
    return TRUE;
  }
  const Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  *rc = w->clientArea();
  return TRUE;
}

BOOL AdjustWindowRectEx(LPRECT rc, DWORD style, BOOL, DWORD exStyle) {
  if (!rc) return FALSE;
  // Callers pass dialog styles here, so DS_MODALFRAME counts as a frame.
  RECT insets = win::FrameInsets(style, exStyle, true);
  rc->left -= insets.left;
  rc->top -= insets.top;
  rc->right += insets.right;
  rc->bottom += insets.bottom;
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
  POINT origin;
  if (!pt || !hwnd || !ClientOrigin(hwnd, &origin)) return FALSE;
  pt->x += origin.x;
  pt->y += origin.y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
  POINT origin;
  if (!pt || !hwnd || !ClientOrigin(hwnd, &origin)) return FALSE;
  pt->x -= origin.x;
  pt->y -= origin.y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT pts, UINT count) {
  POINT a, b;
  if (!ClientOrigin(from, &a) || !ClientOrigin(to, &b)) return 0;
  int dx = a.x - b.x;
  int dy = a.y - b.y;
  for (UINT i = 0; pts && i < count; ++i) {
    pts[i].x += dx;
    pts[i].y += dy;
  }
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

HWND WindowFromPoint(POINT pt) { return win::HitTestScreen(pt).hwnd; }

HWND ChildWindowFromPoint(HWND parent, POINT pt) {
  const Window* w = Sys().find(parent);
  if (!w) return nullptr;
  RECT area = w->clientArea();
  if (pt.x < area.left || pt.y < area.top || pt.x >= area.right || pt.y >= area.bottom) return nullptr;
  for (HWND child : w->children) {
    const Window* c = Sys().find(child);
    if (!c || !c->isVisibleFlag()) continue;
    if (pt.x >= c->rect.left && pt.x < c->rect.right && pt.y >= c->rect.top && pt.y < c->rect.bottom) return child;
  }
  return parent;
}
