#include "platform/win/HitTest.h"

#include "platform/win/Geometry.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

bool Contains(const RECT& rc, POINT pt) { return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom; }

HitResult HitTestWindow(HWND hwnd, POINT screen);

HitResult HitTestChildren(const Window& w, POINT screen) {
  POINT client = ClientScreenOrigin(w);
  POINT local{screen.x - client.x, screen.y - client.y};
  if (!Contains(w.clientArea(), local)) return {};
  std::vector<HWND> children = w.children;  // hit testing sends messages that may change the list
  for (HWND child : children) {
    const Window* c = Sys().find(child);
    if (!c || !c->isVisibleFlag() || !Contains(c->rect, local)) continue;
    HitResult r = HitTestWindow(child, screen);
    if (r.hwnd) return r;
  }
  return {};
}

HitResult HitTestWindow(HWND hwnd, POINT screen) {
  const Window* w = Sys().find(hwnd);
  if (!w) return {};
  if (w->style & WS_DISABLED) return {hwnd, HTERROR};
  HitResult inner = HitTestChildren(*w, screen);
  if (inner.hwnd) return inner;
  LRESULT hit = SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
  if (hit == HTTRANSPARENT || !IsWindow(hwnd)) return {};
  return {hwnd, static_cast<int>(hit)};
}

}  // namespace

HitResult HitTestScreen(POINT screen) {
  std::vector<HWND> tops = Sys().windows.topLevels();
  for (HWND top : tops) {
    const Window* w = Sys().find(top);
    if (!w || !w->isVisibleFlag() || !Contains(w->rect, screen)) continue;
    HitResult r = HitTestWindow(top, screen);
    if (r.hwnd) return r;
  }
  return {};
}

}  // namespace win
