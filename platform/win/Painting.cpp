#include "platform/win/Painting.h"

#include <map>

#include "platform/gdi/SurfaceDC.h"
#include "platform/win/Geometry.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

std::map<HDC, HWND>& WindowDCs() {
  static std::map<HDC, HWND> dcs;
  return dcs;
}


void InvalidateChildren(const Window& parent, const gdi::Region& area, bool erase, ChildInvalidation mode) {
  if (mode == ChildInvalidation::None) return;
  if (mode == ChildInvalidation::Covered && (parent.style & WS_CLIPCHILDREN)) return;
  for (HWND child : parent.children) {
    const Window* c = Sys().find(child);
    if (!c || !c->isVisibleFlag()) continue;
    gdi::Region part = area;
    part.intersect(c->rect);
    if (part.empty()) continue;
    RECT clientInParent = c->clientInParent();
    if (part.bounds().left < clientInParent.left || part.bounds().top < clientInParent.top ||
        part.bounds().right > clientInParent.right || part.bounds().bottom > clientInParent.bottom)
      InvalidateFrame(child);
    part.offset(-clientInParent.left, -clientInParent.top);
    InvalidateClientArea(child, &part, erase, mode);
  }
}

}  // namespace

void InvalidateClientArea(HWND hwnd, const gdi::Region* area, bool erase, ChildInvalidation children) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  gdi::Region add = area ? *area : gdi::Region(w->clientArea());
  add.intersect(w->clientArea());
  if (!add.empty()) {
    w->update.add(add);
    if (erase) w->erasePending = true;
  }
  InvalidateChildren(*w, add, erase, children);
}

void InvalidateFrame(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  if (w->client.left > 0 || w->client.top > 0 || w->client.right < w->width() || w->client.bottom < w->height())
    w->framePending = true;
}

void InvalidateWhole(HWND hwnd) {
  InvalidateFrame(hwnd);
  InvalidateClientArea(hwnd, nullptr, true, ChildInvalidation::All);
}

void InvalidateParentArea(HWND parent, const RECT& areaInParentClient) {
  gdi::Region area(areaInParentClient);
  InvalidateClientArea(parent, &area, true, ChildInvalidation::Covered);
}

void ValidateClientArea(HWND hwnd, const gdi::Region* area) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  if (area) {
    w->update.subtract(*area);
  } else {
    w->update.clear();
  }
  if (w->update.empty()) w->erasePending = false;
}

bool NeedsPaint(const Window& w) { return !w.update.empty() || w.framePending; }

namespace {

HWND FindInTree(HWND hwnd, const std::function<bool(HWND)>& accept) {
  const Window* w = Sys().find(hwnd);
  if (!w || !w->isVisibleFlag()) return nullptr;
  if (NeedsPaint(*w) && accept(hwnd)) return hwnd;
  for (HWND child : w->children) {
    if (HWND found = FindInTree(child, accept)) return found;
  }
  return nullptr;
}

}  // namespace

HWND FindWindowToPaint(const std::function<bool(HWND)>& accept) {
  for (HWND top : Sys().windows.topLevels()) {
    if (HWND found = FindInTree(top, accept)) return found;
  }
  return nullptr;
}

void PaintNow(HWND hwnd, bool withChildren) {
  const Window* w = Sys().find(hwnd);
  if (!w || !IsVisibleChain(*w)) return;
  if (NeedsPaint(*w)) SendMessage(hwnd, WM_PAINT, 0, 0);
  if (!withChildren) return;
  w = Sys().find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) PaintNow(child, true);
}

void PresentAll() {
  WindowSystem& sys = Sys();
  for (HWND top : sys.windows.topLevels()) {
    const Window* w = sys.find(top);
    if (w && w->hasNativeWindow && w->isVisibleFlag()) sys.backend->present(top);
  }
}

HDC CreateWindowDC(HWND hwnd, bool wholeWindow, const gdi::Region* clipInClient) {
  Window* w = Sys().find(hwnd);
  if (!w) return nullptr;
  Window* root = RootOf(w);
  if (!root || !root->surface) return nullptr;
  gdi::Region clip = VisibleRegion(*w, wholeWindow);
  POINT origin = wholeWindow ? SurfaceOrigin(*w) : ClientSurfaceOrigin(*w);
  if (clipInClient) {
    gdi::Region limit = *clipInClient;
    limit.offset(origin.x, origin.y);
    clip.intersect(limit);
  }
  HDC hdc = gdi::CreateSurfaceDC(root->surface.get(), origin, clip);
  if (hdc) WindowDCs()[hdc] = hwnd;
  return hdc;
}

bool ReleaseWindowDC(HDC hdc) {
  auto it = WindowDCs().find(hdc);
  if (it == WindowDCs().end()) return false;
  WindowDCs().erase(it);
  gdi::DeleteSurfaceDC(hdc);
  return true;
}

}  // namespace win
