// Drawing helpers of the window system: 3D edges, focus rectangles and icons.
#include <algorithm>

#include "platform/win/Icon.h"
#include "platform/win/winuser.h"

namespace {

struct EdgeColors {
  int topLeft;
  int bottomRight;
};

void FillOne(HDC hdc, int left, int top, int right, int bottom, int colorIndex) {
  RECT rc{left, top, right, bottom};
  if (rc.right > rc.left && rc.bottom > rc.top) FillRect(hdc, &rc, GetSysColorBrush(colorIndex));
}

// One ring of an edge: top and left first, so the bottom-right colour owns the two far corners.
void DrawRing(HDC hdc, RECT& rc, EdgeColors colors, UINT sides) {
  if (sides & BF_TOP) FillOne(hdc, rc.left, rc.top, rc.right, rc.top + 1, colors.topLeft);
  if (sides & BF_LEFT) FillOne(hdc, rc.left, rc.top, rc.left + 1, rc.bottom, colors.topLeft);
  if (sides & BF_BOTTOM) FillOne(hdc, rc.left, rc.bottom - 1, rc.right, rc.bottom, colors.bottomRight);
  if (sides & BF_RIGHT) FillOne(hdc, rc.right - 1, rc.top, rc.right, rc.bottom, colors.bottomRight);
  if (sides & BF_TOP) ++rc.top;
  if (sides & BF_LEFT) ++rc.left;
  if (sides & BF_BOTTOM) --rc.bottom;
  if (sides & BF_RIGHT) --rc.right;
}

bool OuterColors(UINT edge, UINT flags, EdgeColors* out) {
  if (!(edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))) return false;
  if (flags & BF_MONO) {
    *out = {COLOR_WINDOWFRAME, COLOR_WINDOWFRAME};
  } else if (flags & BF_FLAT) {
    *out = {COLOR_BTNSHADOW, COLOR_BTNSHADOW};
  } else if (edge & BDR_RAISEDOUTER) {
    *out = {COLOR_3DLIGHT, COLOR_3DDKSHADOW};
  } else {
    *out = {COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
  }
  return true;
}

bool InnerColors(UINT edge, UINT flags, EdgeColors* out) {
  if (!(edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))) return false;
  if (flags & (BF_MONO | BF_FLAT)) {
    *out = {COLOR_BTNFACE, COLOR_BTNFACE};
  } else if (edge & BDR_RAISEDINNER) {
    *out = {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  } else {
    *out = {COLOR_3DDKSHADOW, COLOR_3DLIGHT};
  }
  return true;
}

COLORREF BlendOver(COLORREF under, uint32_t argb) {
  int a = static_cast<int>(argb >> 24);
  auto mix = [a](int src, int dst) { return static_cast<BYTE>((src * a + dst * (255 - a) + 127) / 255); };
  return RGB(mix((argb >> 16) & 0xFF, GetRValue(under)), mix((argb >> 8) & 0xFF, GetGValue(under)),
             mix(argb & 0xFF, GetBValue(under)));
}

}  // namespace

BOOL DrawEdge(HDC hdc, LPRECT rc, UINT edge, UINT flags) {
  if (!hdc || !rc) return FALSE;
  RECT inner = *rc;
  UINT sides = flags & BF_RECT;
  EdgeColors colors;
  if (OuterColors(edge, flags, &colors)) DrawRing(hdc, inner, colors, sides);
  if (InnerColors(edge, flags, &colors)) DrawRing(hdc, inner, colors, sides);
  if (flags & BF_MIDDLE) FillOne(hdc, inner.left, inner.top, inner.right, inner.bottom, COLOR_BTNFACE);
  if (flags & BF_ADJUST) *rc = inner;
  return TRUE;
}

// Inverts every other pixel of the rectangle's outline, so drawing it twice restores the picture.
BOOL DrawFocusRect(HDC hdc, const RECT* rc) {
  if (!hdc || !rc || rc->right <= rc->left || rc->bottom <= rc->top) return FALSE;
  auto invert = [hdc](int x, int y) {
    COLORREF c = GetPixel(hdc, x, y);
    if (c != CLR_INVALID) SetPixel(hdc, x, y, c ^ 0x00FFFFFF);
  };
  for (int x = rc->left; x < rc->right; x += 2) {
    invert(x, rc->top);
    if (rc->bottom - 1 > rc->top) invert(x, rc->bottom - 1);
  }
  for (int y = rc->top + 1; y < rc->bottom - 1; ++y) {
    if ((y - rc->top) % 2 != 0) continue;
    invert(rc->left, y);
    if (rc->right - 1 > rc->left) invert(rc->right - 1, y);
  }
  return TRUE;
}

BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH flicker, UINT) {
  const win::Icon* found = win::FindIcon(icon);
  if (!hdc || !found) return FALSE;
  int width = cx > 0 ? cx : found->naturalSize();
  const backend::ArgbImage& img = found->best(width);
  if (cx <= 0) width = img.width;
  int height = cy > 0 ? cy : (cx > 0 ? cx : img.height);
  if (flicker) {
    RECT rc{x, y, x + width, y + height};
    FillRect(hdc, &rc, flicker);
  }
  for (int dy = 0; dy < height; ++dy) {
    int sy = std::min(img.height - 1, dy * img.height / height);
    for (int dx = 0; dx < width; ++dx) {
      uint32_t argb = img.at(std::min(img.width - 1, dx * img.width / width), sy);
      uint32_t alpha = argb >> 24;
      if (alpha == 0) continue;
      COLORREF color = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
      if (alpha < 255) {
        COLORREF under = GetPixel(hdc, x + dx, y + dy);
        if (under == CLR_INVALID) continue;
        color = BlendOver(under, argb);
      }
      SetPixel(hdc, x + dx, y + dy, color);
    }
  }
  return TRUE;
}

BOOL DrawIcon(HDC hdc, int x, int y, HICON icon) { return DrawIconEx(hdc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL); }
