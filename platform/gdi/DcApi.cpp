// Device contexts: creation, state, origins, capabilities and clipping.
#include <atomic>
#include <utility>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/HandleTable.h"
#include "platform/gdi/SurfaceDC.h"

namespace gdi {
namespace {

std::atomic<int> screenWidth{1920};
std::atomic<int> screenHeight{1080};

HandleTable& Table() { return HandleTable::instance(); }

RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
  const POINT vp = dc.state().viewportOrigin;
  return RECT{left + vp.x, top + vp.y, right + vp.x, bottom + vp.y};
}

// Without a clip of its own a DC may draw everywhere its system clip allows.
Region& MetaClip(DeviceContext& dc) {
  auto& meta = dc.state().metaClip;
  if (!meta) meta = Region(RECT{-(1 << 28), -(1 << 28), 1 << 28, 1 << 28});
  return *meta;
}

template <typename Fn>
BOOL WithDC(HDC hdc, Fn fn) {
  auto dc = FindDC(hdc);
  if (!dc) return FALSE;
  fn(*dc);
  return TRUE;
}

}  // namespace

HDC CreateSurfaceDC(Surface* surface, POINT origin, const Region& clip) {
  if (surface == nullptr) return nullptr;
  return static_cast<HDC>(Table().add(std::make_shared<DeviceContext>(surface, origin, clip)));
}

void SetSurfaceDCClip(HDC hdc, const Region& clip) {
  if (auto dc = FindDC(hdc)) dc->setSystemClip(clip);
}

void DeleteSurfaceDC(HDC hdc) { DeleteDC(hdc); }

void SetScreenSize(int width, int height) {
  screenWidth = width;
  screenHeight = height;
}

}  // namespace gdi

using gdi::DeviceContext;

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc != nullptr && !gdi::FindDC(hdc)) return nullptr;
  return static_cast<HDC>(gdi::Table().add(std::make_shared<DeviceContext>()));
}

BOOL DeleteDC(HDC hdc) {
  if (!gdi::FindDC(hdc)) return FALSE;
  return gdi::Table().remove(hdc) ? TRUE : FALSE;
}

int SaveDC(HDC hdc) {
  auto dc = gdi::FindDC(hdc);
  return dc ? dc->save() : 0;
}

BOOL RestoreDC(HDC hdc, int savedDC) {
  auto dc = gdi::FindDC(hdc);
  return dc && dc->restore(savedDC) ? TRUE : FALSE;
}

int GetDeviceCaps(HDC hdc, int index) {
  if (!gdi::FindDC(hdc)) return 0;
  switch (index) {
    case HORZRES: return gdi::screenWidth;
    case VERTRES: return gdi::screenHeight;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
  }
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  auto dc = gdi::FindDC(hdc);
  return dc ? std::exchange(dc->state().bkColor, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetBkColor(HDC hdc) {
  auto dc = gdi::FindDC(hdc);
  return dc ? dc->state().bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  auto dc = gdi::FindDC(hdc);
  return dc ? std::exchange(dc->state().textColor, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetTextColor(HDC hdc) {
  auto dc = gdi::FindDC(hdc);
  return dc ? dc->state().textColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->state().bkMode, mode);
}

int GetBkMode(HDC hdc) {
  auto dc = gdi::FindDC(hdc);
  return dc ? dc->state().bkMode : 0;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return gdi::WithDC(hdc, [&](DeviceContext& dc) {
    if (old != nullptr) *old = dc.state().brushOrigin;
    dc.state().brushOrigin = POINT{x, y};
  });
}

BOOL GetBrushOrgEx(HDC hdc, LPPOINT pt) {
  if (pt == nullptr) return FALSE;
  return gdi::WithDC(hdc, [&](DeviceContext& dc) { *pt = dc.state().brushOrigin; });
}

BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return gdi::WithDC(hdc, [&](DeviceContext& dc) {
    if (old != nullptr) *old = dc.state().viewportOrigin;
    dc.state().viewportOrigin = POINT{x, y};
  });
}

BOOL GetViewportOrgEx(HDC hdc, LPPOINT pt) {
  if (pt == nullptr) return FALSE;
  return gdi::WithDC(hdc, [&](DeviceContext& dc) { *pt = dc.state().viewportOrigin; });
}

int SelectClipRgn(HDC hdc, HRGN rgn) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return ERROR;
  if (rgn == nullptr) {
    dc->state().metaClip.reset();
  } else {
    auto region = gdi::Table().findAs<gdi::RegionObject>(rgn);
    if (!region) return ERROR;
    // The region is in device coordinates and copied: later changes to it do not affect the DC.
    dc->state().metaClip = region->region;
  }
  dc->clipChanged();
  return gdi::RegionKind(dc->clip());
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return ERROR;
  gdi::MetaClip(*dc).subtract(gdi::DeviceRect(*dc, left, top, right, bottom));
  dc->clipChanged();
  return gdi::RegionKind(dc->clip());
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return ERROR;
  gdi::MetaClip(*dc).intersect(gdi::DeviceRect(*dc, left, top, right, bottom));
  dc->clipChanged();
  return gdi::RegionKind(dc->clip());
}

int GetClipBox(HDC hdc, LPRECT rc) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || rc == nullptr) return ERROR;
  const gdi::Region& clip = dc->clip();
  const POINT origin = dc->toTarget(0, 0);
  *rc = clip.bounds();
  if (!clip.empty()) {
    rc->left -= origin.x;
    rc->right -= origin.x;
    rc->top -= origin.y;
    rc->bottom -= origin.y;
  }
  return gdi::RegionKind(clip);
}

BOOL PtVisible(HDC hdc, int x, int y) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return FALSE;
  const POINT p = dc->toTarget(x, y);
  return dc->clip().contains(p.x, p.y) ? TRUE : FALSE;
}
