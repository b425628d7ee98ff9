// The painting cycle: update regions, WM_PAINT and the DCs of windows.
#include <set>

#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"

using win::ChildInvalidation;
using win::Sys;
using win::Window;

namespace {

std::set<HDC>& ScreenDCs() {
  static std::set<HDC> dcs;
  return dcs;
}

// The area to act on in client coordinates: a region's bounding box, a rectangle, or (false) everything.
bool AreaFrom(const RECT* rc, HRGN rgn, gdi::Region* area) {
  RECT box;
  if (rgn && GetRgnBox(rgn, &box) != ERROR) {
    *area = gdi::Region(box);
    return true;
  }
  if (rc) {
    *area = gdi::Region(*rc);
    return true;
  }
  return false;
}

void ForEachTopLevel(const std::function<void(HWND)>& fn) {
  for (HWND top : std::vector<HWND>(Sys().windows.topLevels())) fn(top);
}

void InvalidateFramesBelow(HWND hwnd) {
  win::InvalidateFrame(hwnd);
  if (const Window* w = Sys().find(hwnd)) {
    for (HWND child : w->children) InvalidateFramesBelow(child);
  }
}

void ValidateBelow(HWND hwnd, bool frames) {
  win::ValidateClientArea(hwnd, nullptr);
  if (Window* w = Sys().find(hwnd)) {
    if (frames) w->framePending = false;
    for (HWND child : w->children) ValidateBelow(child, frames);
  }
}

}  // namespace

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  Window* w = Sys().find(hwnd);
  if (!w || !ps) return nullptr;
  if (w->framePending) {
    w->framePending = false;
    SendMessage(hwnd, WM_NCPAINT, 1, 0);
    w = Sys().find(hwnd);
    if (!w) return nullptr;
  }
  gdi::Region area = w->update;
  area.intersect(w->clientArea());
  bool erase = w->erasePending;
  w->update.clear();
  w->erasePending = false;

  *ps = PAINTSTRUCT{};
  ps->hdc = win::CreateWindowDC(hwnd, false, &area);
  ps->rcPaint = area.empty() ? RECT{0, 0, 0, 0} : area.bounds();
  if (erase && ps->hdc) ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps->hdc), 0) ? FALSE : TRUE;
  return ps->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* ps) {
  if (ps && ps->hdc) win::ReleaseWindowDC(ps->hdc);
  return TRUE;
}

HDC GetDC(HWND hwnd) {
  if (!hwnd || hwnd == GetDesktopWindow()) {
    HDC hdc = CreateCompatibleDC(nullptr);
    if (hdc) ScreenDCs().insert(hdc);
    return hdc;
  }
  return win::CreateWindowDC(hwnd, false, nullptr);
}

HDC GetWindowDC(HWND hwnd) {
  if (!hwnd || hwnd == GetDesktopWindow()) return GetDC(nullptr);
  return win::CreateWindowDC(hwnd, true, nullptr);
}

int ReleaseDC(HWND, HDC hdc) {
  if (win::ReleaseWindowDC(hdc)) return 1;
  if (ScreenDCs().erase(hdc)) {
    DeleteDC(hdc);
    return 1;
  }
  return 0;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rc, BOOL erase) {
  return RedrawWindow(hwnd, rc, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND hwnd, HRGN rgn, BOOL erase) {
  return RedrawWindow(hwnd, nullptr, rgn, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND hwnd, const RECT* rc) { return RedrawWindow(hwnd, rc, nullptr, RDW_VALIDATE | RDW_NOCHILDREN); }

BOOL RedrawWindow(HWND hwnd, const RECT* rcUpdate, HRGN rgnUpdate, UINT flags) {
  if (!hwnd || hwnd == GetDesktopWindow()) {
    ForEachTopLevel([&](HWND top) { RedrawWindow(top, nullptr, nullptr, flags); });
    return TRUE;
  }
  Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  gdi::Region area;
  bool partial = AreaFrom(rcUpdate, rgnUpdate, &area);
  ChildInvalidation children = (flags & RDW_ALLCHILDREN) ? ChildInvalidation::All
                               : (flags & RDW_NOCHILDREN) ? ChildInvalidation::None
                                                          : ChildInvalidation::Covered;
  if (flags & RDW_INVALIDATE) {
    win::InvalidateClientArea(hwnd, partial ? &area : nullptr, (flags & RDW_ERASE) != 0, children);
    if (flags & RDW_FRAME) {
      if (children == ChildInvalidation::All) {
        InvalidateFramesBelow(hwnd);
      } else {
        win::InvalidateFrame(hwnd);
      }
    }
  } else if (flags & RDW_VALIDATE) {
    if (children == ChildInvalidation::All && !partial) {
      ValidateBelow(hwnd, (flags & RDW_NOFRAME) != 0);
    } else {
      win::ValidateClientArea(hwnd, partial ? &area : nullptr);
      if (flags & RDW_NOFRAME) w->framePending = false;
    }
  }
  if ((flags & RDW_NOERASE) && (w = Sys().find(hwnd))) w->erasePending = false;
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) win::PaintNow(hwnd, !(flags & RDW_NOCHILDREN));
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  if (!IsWindow(hwnd)) return FALSE;
  win::PaintNow(hwnd, true);
  return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rc, BOOL) {
  const Window* w = Sys().find(hwnd);
  if (!w) return FALSE;
  bool any = !w->update.empty();
  if (rc) *rc = any ? w->update.bounds() : RECT{0, 0, 0, 0};
  return any ? TRUE : FALSE;
}
