#include "platform/win/NonClient.h"

#include <strings.h>

#include <algorithm>

#include "platform/win/Geometry.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

bool Contains(const RECT& rc, POINT pt) { return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom; }

bool IsDialogClass(const Window& w) { return w.cls && strcasecmp(w.cls->name.c_str(), "#32770") == 0; }

bool HasCaptionStyle(DWORD style) { return !(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION; }

}  // namespace

RECT FrameInsets(DWORD style, DWORD exStyle, bool isDialogClass) {
  int side = 0;
  bool child = style & WS_CHILD;
  bool modalFrame = (exStyle & WS_EX_DLGMODALFRAME) || (!child && isDialogClass && (style & DS_MODALFRAME));
  if ((style & (WS_DLGFRAME | WS_THICKFRAME)) || modalFrame) {
    side = kDialogFrame;
  } else if (style & WS_BORDER) {
    side = 1;
  }
  if (exStyle & WS_EX_CLIENTEDGE) side += 2;
  if (child && (exStyle & WS_EX_STATICEDGE)) side += 1;
  RECT insets{side, side, side, side};
  if (HasCaptionStyle(style)) insets.top += kCaptionHeight;
  return insets;
}

RECT FrameInsetsOf(const Window& w) { return FrameInsets(w.style, w.exStyle, IsDialogClass(w)); }

CaptionLayout CaptionLayoutOf(const Window& w) {
  CaptionLayout c;
  if (!HasCaptionStyle(w.style)) return c;
  c.present = true;
  int f = kDialogFrame;
  int width = w.width();
  c.bar = RECT{f, f, width - f, f + kCaptionHeight - 1};
  c.line = RECT{f, f + kCaptionHeight - 1, width - f, f + kCaptionHeight};
  int titleLeft = f + 3;
  int titleRight = width - f - 2;
  if (w.style & WS_SYSMENU) {
    c.icon = RECT{f + 1, f + 1, f + 17, f + 17};
    c.close = RECT{width - f - 2 - 16, f + 2, width - f - 2, f + 2 + 14};
    titleLeft = c.icon.right + 3;
    titleRight = c.close.left - 2;
  }
  c.title = RECT{titleLeft, f, std::max(titleLeft, titleRight), f + kCaptionHeight - 1};
  return c;
}

int NonClientHitTest(const Window& w, POINT screen) {
  POINT origin = WindowScreenOrigin(w);
  POINT pt{screen.x - origin.x, screen.y - origin.y};
  if (!Contains(RECT{0, 0, w.width(), w.height()}, pt)) return HTNOWHERE;
  if (Contains(w.client, pt)) return HTCLIENT;
  CaptionLayout c = CaptionLayoutOf(w);
  if (c.present) {
    if (Contains(c.close, pt)) return HTCLOSE;
    if (Contains(c.icon, pt)) return HTSYSMENU;
    if (Contains(c.bar, pt) || Contains(c.line, pt)) return HTCAPTION;
  }
  return HTBORDER;
}

namespace {

COLORREF Blend(COLORREF a, COLORREF b, int num, int den) {
  auto mix = [&](int ca, int cb) { return static_cast<BYTE>(ca + (cb - ca) * num / std::max(den, 1)); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void FillSolid(HDC hdc, const RECT& rc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rc, brush);
  DeleteObject(brush);
}

// Left to right from one colour to the other, one brush per run of equal colour.
void FillGradient(HDC hdc, const RECT& rc, COLORREF from, COLORREF to) {
  int width = rc.right - rc.left;
  int x = 0;
  while (x < width) {
    COLORREF color = Blend(from, to, x, width - 1);
    int run = x + 1;
    while (run < width && Blend(from, to, run, width - 1) == color) ++run;
    FillSolid(hdc, RECT{rc.left + x, rc.top, rc.left + run, rc.bottom}, color);
    x = run;
  }
}

HFONT CaptionFont() {
  static HFONT font = CreateFont(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Liberation Sans");
  return font;
}

void DrawCloseGlyph(HDC hdc, const RECT& button, bool pressed) {
  int x0 = button.left + (button.right - button.left - 8) / 2 + (pressed ? 1 : 0);
  int y0 = button.top + (button.bottom - button.top - 7) / 2 + (pressed ? 1 : 0);
  COLORREF ink = GetSysColor(COLOR_BTNTEXT);
  for (int i = 0; i < 7; ++i) {
    SetPixel(hdc, x0 + i, y0 + i, ink);
    SetPixel(hdc, x0 + i + 1, y0 + i, ink);
    SetPixel(hdc, x0 + 6 - i, y0 + i, ink);
    SetPixel(hdc, x0 + 7 - i, y0 + i, ink);
  }
}

HICON CaptionIcon(HWND hwnd, const Window& w) {
  if (w.smallIcon) return w.smallIcon;
  if (w.bigIcon) return w.bigIcon;
  (void)hwnd;
  return w.cls ? w.cls->icon : nullptr;
}

void PaintCaption(HDC hdc, HWND hwnd, const Window& w, const CaptionLayout& c, bool closePressed) {
  bool active = w.captionActive;
  COLORREF from = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  COLORREF to = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
  FillGradient(hdc, c.bar, from, to);
  FillRect(hdc, &c.line, GetSysColorBrush(COLOR_BTNFACE));
  if (HICON icon = CaptionIcon(hwnd, w); icon && !IsRectEmpty(&c.icon))
    DrawIconEx(hdc, c.icon.left, c.icon.top, icon, 16, 16, 0, nullptr, DI_NORMAL);
  HGDIOBJ oldFont = SelectObject(hdc, CaptionFont());
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  RECT title = c.title;
  DrawText(hdc, w.text.c_str(), -1, &title, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(hdc, oldFont);
  if (!IsRectEmpty(&c.close)) {
    RECT button = c.close;
    DrawEdge(hdc, &button, closePressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE);
    DrawCloseGlyph(hdc, c.close, closePressed);
  }
}

void PaintFrameEdges(HDC hdc, const Window& w) {
  RECT rc{0, 0, w.width(), w.height()};
  RECT insets = FrameInsetsOf(w);
  int side = insets.left;
  if (w.exStyle & WS_EX_CLIENTEDGE) side -= 2;
  if (w.isChild() && (w.exStyle & WS_EX_STATICEDGE)) side -= 1;
  if (side >= kDialogFrame) {
    DrawEdge(hdc, &rc, EDGE_RAISED, BF_RECT | BF_ADJUST);
    for (int i = 2; i < side; ++i) {
      FrameRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
      InflateRect(&rc, -1, -1);
    }
  } else if (side == 1) {
    FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rc, -1, -1);
  }
  if (insets.top > insets.left) rc.top += kCaptionHeight;
  if (w.exStyle & WS_EX_CLIENTEDGE) DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (w.isChild() && (w.exStyle & WS_EX_STATICEDGE)) DrawEdge(hdc, &rc, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

}  // namespace

void PaintNonClient(HWND hwnd, bool closePressed) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  HDC hdc = GetWindowDC(hwnd);
  if (!hdc) return;
  ExcludeClipRect(hdc, w->client.left, w->client.top, w->client.right, w->client.bottom);
  PaintFrameEdges(hdc, *w);
  CaptionLayout c = CaptionLayoutOf(*w);
  if (c.present) PaintCaption(hdc, hwnd, *w, c, closePressed);
  ReleaseDC(hwnd, hdc);
}

}  // namespace win
