#include "platform/win/Geometry.h"

#include "platform/win/WindowSystem.h"

namespace win {

Window* RootOf(Window* w) {
  while (w && w->isChild()) {
    Window* parent = Sys().find(w->parent);
    if (!parent) break;
    w = parent;
  }
  return w;
}

bool IsVisibleChain(const Window& w) {
  const Window* cur = &w;
  while (cur) {
    if (!cur->isVisibleFlag()) return false;
    if (!cur->isChild()) return true;
    cur = Sys().find(cur->parent);
  }
  return false;
}

bool IsDisabledChain(const Window& w) {
  const Window* cur = &w;
  while (cur) {
    if (cur->style & WS_DISABLED) return true;
    if (!cur->isChild()) return false;
    cur = Sys().find(cur->parent);
  }
  return false;
}

POINT WindowScreenOrigin(const Window& w) {
  POINT pt{w.rect.left, w.rect.top};
  const Window* cur = &w;
  while (cur->isChild()) {
    const Window* parent = Sys().find(cur->parent);
    if (!parent) break;
    pt.x += parent->rect.left + parent->client.left;
    pt.y += parent->rect.top + parent->client.top;
    cur = parent;
  }
  return pt;
}

POINT ClientScreenOrigin(const Window& w) {
  POINT pt = WindowScreenOrigin(w);
  return POINT{pt.x + w.client.left, pt.y + w.client.top};
}

RECT WindowScreenRect(const Window& w) {
  POINT pt = WindowScreenOrigin(w);
  return RECT{pt.x, pt.y, pt.x + w.width(), pt.y + w.height()};
}

POINT SurfaceOrigin(const Window& w) {
  if (!w.isChild()) return POINT{0, 0};
  Window* root = RootOf(const_cast<Window*>(&w));
  POINT screen = WindowScreenOrigin(w);
  return POINT{screen.x - root->rect.left, screen.y - root->rect.top};
}

POINT ClientSurfaceOrigin(const Window& w) {
  POINT pt = SurfaceOrigin(w);
  return POINT{pt.x + w.client.left, pt.y + w.client.top};
}

namespace {

RECT OffsetRectBy(RECT rc, POINT by) { return RECT{rc.left + by.x, rc.top + by.y, rc.right + by.x, rc.bottom + by.y}; }

// Subtracts the siblings above `w` (those before it in its parent's list) from `region`.
void ClipSiblingsAbove(const Window& w, gdi::Region& region) {
  const Window* parent = Sys().find(w.parent);
  if (!parent) return;
  POINT parentClient = ClientSurfaceOrigin(*parent);
  for (HWND sibling : parent->children) {
    if (sibling == w.handle) break;
    const Window* s = Sys().find(sibling);
    if (s && s->isVisibleFlag()) region.subtract(OffsetRectBy(s->rect, parentClient));
  }
}

}  // namespace

gdi::Region VisibleRegion(const Window& w, bool wholeWindow) {
  if (!IsVisibleChain(w)) return gdi::Region();
  POINT origin = SurfaceOrigin(w);
  RECT own = wholeWindow ? RECT{0, 0, w.width(), w.height()} : w.client;
  gdi::Region region(OffsetRectBy(own, origin));

  const Window* cur = &w;
  while (cur->isChild()) {
    if (cur->style & WS_CLIPSIBLINGS) ClipSiblingsAbove(*cur, region);
    const Window* parent = Sys().find(cur->parent);
    if (!parent) break;
    region.intersect(OffsetRectBy(parent->client, SurfaceOrigin(*parent)));
    cur = parent;
  }
  if (!cur->isChild()) region.intersect(RECT{0, 0, cur->width(), cur->height()});

  if (w.style & WS_CLIPCHILDREN) {
    POINT client = ClientSurfaceOrigin(w);
    for (HWND child : w.children) {
      const Window* c = Sys().find(child);
      if (c && c->isVisibleFlag()) region.subtract(OffsetRectBy(c->rect, client));
    }
  }
  return region;
}

}  // namespace win
