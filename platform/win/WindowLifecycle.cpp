// Classes, and creating and destroying windows.
#include <algorithm>
#include <cstring>

#include "platform/win/Activation.h"
#include "platform/win/Geometry.h"
#include "platform/win/Menu.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowUpdate.h"

using win::Sys;
using win::Window;

BOOL RegisterClass(const WNDCLASS* wc) { return wc && Sys().classes.add(*wc); }

BOOL UnregisterClass(LPCSTR className, HINSTANCE) { return Sys().classes.remove(className); }

BOOL GetClassInfo(HINSTANCE inst, LPCSTR className, LPWNDCLASS wc) {
  auto cls = Sys().classes.find(className);
  if (!cls || !wc) return FALSE;
  *wc = WNDCLASS{cls->style, cls->proc, cls->classExtra, cls->windowExtra, inst, cls->icon, cls->cursor,
                 cls->background, nullptr, className};
  return TRUE;
}

int GetClassName(HWND hwnd, LPSTR name, int maxCount) {
  Window* w = Sys().find(hwnd);
  if (!w || !name || maxCount <= 0) return 0;
  int n = std::min<int>(static_cast<int>(w->cls->name.size()), maxCount - 1);
  std::memcpy(name, w->cls->name.data(), n);
  name[n] = '\0';
  return n;
}

ULONG_PTR GetClassLongPtr(HWND hwnd, int index) {
  Window* w = Sys().find(hwnd);
  if (!w) return 0;
  switch (index) {
    case GCLP_HCURSOR: return reinterpret_cast<ULONG_PTR>(w->cls->cursor);
    case GCLP_HICON: return reinterpret_cast<ULONG_PTR>(w->cls->icon);
    case GCL_STYLE: return w->cls->style;
    default: return 0;
  }
}

namespace {

constexpr int kDefaultX = 40;
constexpr int kDefaultY = 40;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

HWND OwnerFor(HWND parent) {
  if (!parent || parent == GetDesktopWindow()) return nullptr;
  Window* root = win::RootOf(Sys().find(parent));
  return root ? root->handle : nullptr;
}

std::unique_ptr<Window> NewWindow(std::shared_ptr<const win::WindowClass> cls, DWORD exStyle, DWORD style, RECT rect,
                                  HWND parent, HMENU menu) {
  auto w = std::make_unique<Window>();
  w->cls = std::move(cls);
  w->style = style & ~WS_VISIBLE;
  w->exStyle = exStyle;
  w->proc = w->cls->proc;
  w->extra.assign(static_cast<size_t>(w->cls->windowExtra), 0);
  w->rect = rect;
  w->client = RECT{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (style & WS_CHILD) {
    w->parent = parent;
    w->id = reinterpret_cast<LONG_PTR>(menu);
  } else {
    w->owner = OwnerFor(parent);
    w->surface = std::make_unique<gdi::Surface>(std::max(1, w->width()), std::max(1, w->height()));
  }
  return w;
}

RECT InitialRect(DWORD style, int x, int y, int width, int height) {
  bool child = style & WS_CHILD;
  if (x == CW_USEDEFAULT) {
    x = child ? 0 : kDefaultX;
    y = child ? 0 : kDefaultY;
  }
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : kDefaultWidth;
    height = child ? 0 : kDefaultHeight;
  }
  return RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
}

void DestroyTree(HWND hwnd);

void ForgetWindow(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  Sys().timers.killAll(hwnd);
  if (w->systemMenu) DestroyMenu(w->systemMenu);
  if (w->hasNativeWindow) Sys().backend->destroyWindow(hwnd);
  if (Window* parent = Sys().find(w->parent); parent && w->isChild()) std::erase(parent->children, hwnd);
  if (Sys().focus == hwnd) Sys().focus = nullptr;
  if (Sys().active == hwnd) Sys().active = nullptr;
  if (Sys().capture == hwnd) Sys().capture = nullptr;
  Sys().windows.remove(hwnd);
}

// WM_DESTROY goes to a window before its children, WM_NCDESTROY after them.
void DestroyTree(HWND hwnd) {
  if (Window* w = Sys().find(hwnd)) w->destroying = true;
  SendMessage(hwnd, WM_DESTROY, 0, 0);
  Window* w = Sys().find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) {
    if (IsWindow(child)) DestroyTree(child);
  }
  SendMessage(hwnd, WM_NCDESTROY, 0, 0);
  ForgetWindow(hwnd);
}

void DestroyOwnedWindows(HWND owner) {
  std::vector<HWND> tops = Sys().windows.topLevels();
  for (HWND top : tops) {
    Window* t = Sys().find(top);
    if (t && t->owner == owner && !t->destroying) DestroyWindow(top);
  }
}

void HideForDestruction(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w || !w->isVisibleFlag()) return;
  w->style &= ~WS_VISIBLE;
  if (w->isChild()) {
    win::InvalidateParentArea(w->parent, w->rect);
  } else if (w->hasNativeWindow) {
    Sys().backend->showWindow(hwnd, false);
  }
}

}  // namespace

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, HINSTANCE inst, LPVOID param) {
  auto cls = Sys().classes.find(className);
  if (!cls) return nullptr;
  if ((style & WS_CHILD) && (!Sys().find(parent))) return nullptr;
  RECT rect = InitialRect(style, x, y, width, height);
  HWND hwnd = Sys().windows.add(NewWindow(cls, exStyle, style, rect, parent, menu));
  if (Window* p = Sys().find(parent); p && (style & WS_CHILD)) p->children.push_back(hwnd);

  CREATESTRUCT cs{param, inst, menu, parent, rect.bottom - rect.top, rect.right - rect.left, rect.top, rect.left,
                  static_cast<LONG>(style), windowName, className, exStyle};
  if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  win::RecalcClientRect(hwnd);
  if (!IsWindow(hwnd) || SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    return nullptr;
  }
  win::SendSizeAndMove(hwnd);
  if (IsWindow(hwnd) && (style & WS_VISIBLE)) ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w || w->destroying) return FALSE;
  w->destroying = true;
  if (!w->isChild()) DestroyOwnedWindows(hwnd);
  HideForDestruction(hwnd);
  win::LeaveWindow(hwnd);
  DestroyTree(hwnd);
  return TRUE;
}

BOOL IsWindow(HWND hwnd) {
  if (!hwnd) return FALSE;
  if (hwnd == GetDesktopWindow()) return TRUE;
  return Sys().windows.contains(hwnd);
}
