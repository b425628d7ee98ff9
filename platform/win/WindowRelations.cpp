// Parents, owners, children and siblings.
#include <algorithm>

#include "platform/win/Geometry.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"

using win::Sys;
using win::Window;

namespace {

const HWND kDesktop = reinterpret_cast<HWND>(0x10);

const std::vector<HWND>* SiblingsOf(const Window& w) {
  if (!w.isChild()) return &Sys().windows.topLevels();
  const Window* parent = Sys().find(w.parent);
  return parent ? &parent->children : nullptr;
}

}  // namespace

HWND GetDesktopWindow() { return kDesktop; }

BOOL IsChild(HWND parent, HWND hwnd) {
  const Window* w = Sys().find(hwnd);
  while (w && w->isChild()) {
    if (w->parent == parent) return TRUE;
    w = Sys().find(w->parent);
  }
  return FALSE;
}

HWND GetParent(HWND hwnd) {
  const Window* w = Sys().find(hwnd);
  if (!w) return nullptr;
  if (w->isChild()) return w->parent;
  return (w->style & WS_POPUP) ? w->owner : nullptr;
}

HWND SetParent(HWND child, HWND newParent) {
  Window* w = Sys().find(child);
  Window* p = Sys().find(newParent);
  if (!w || !p || !w->isChild() || child == newParent || IsChild(child, newParent)) return nullptr;
  HWND old = w->parent;
  if (old == newParent) return old;
  if (w->isVisibleFlag()) win::InvalidateParentArea(old, w->rect);
  if (Window* oldParent = Sys().find(old)) std::erase(oldParent->children, child);
  p->children.insert(p->children.begin(), child);
  w->parent = newParent;
  if (w->isVisibleFlag()) win::InvalidateWhole(child);
  return old;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  if (hwnd == kDesktop) {
    const auto& tops = Sys().windows.topLevels();
    return cmd == GW_CHILD && !tops.empty() ? tops.front() : nullptr;
  }
  const Window* w = Sys().find(hwnd);
  if (!w) return nullptr;
  if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front();
  if (cmd == GW_OWNER) return w->isChild() ? nullptr : w->owner;
  const std::vector<HWND>* siblings = SiblingsOf(*w);
  if (!siblings || siblings->empty()) return nullptr;
  auto it = std::find(siblings->begin(), siblings->end(), hwnd);
  switch (cmd) {
    case GW_HWNDFIRST: return siblings->front();
    case GW_HWNDLAST: return siblings->back();
    case GW_HWNDNEXT: return (it == siblings->end() || it + 1 == siblings->end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV: return (it == siblings->end() || it == siblings->begin()) ? nullptr : *(it - 1);
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) { return GetWindow(hwnd ? hwnd : kDesktop, GW_CHILD); }

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = Sys().find(hwnd);
  if (!w) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->isChild() ? w->parent : kDesktop;
    case GA_ROOT: return win::RootOf(w)->handle;
    case GA_ROOTOWNER: {
      Window* root = win::RootOf(w);
      while (root && root->owner) {
        Window* owner = Sys().find(root->owner);
        if (!owner) break;
        root = owner;
      }
      return root ? root->handle : nullptr;
    }
    default: return nullptr;
  }
}

HWND GetDlgItem(HWND dlg, int id) {
  const Window* w = Sys().find(dlg);
  if (!w) return nullptr;
  for (HWND child : w->children) {
    const Window* c = Sys().find(child);
    if (c && c->id == id) return child;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  const Window* w = Sys().find(hwnd);
  return w && w->isChild() ? static_cast<int>(w->id) : 0;
}
