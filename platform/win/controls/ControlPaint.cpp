#include "platform/win/controls/ControlPaint.h"

#include <algorithm>

namespace win {

HBRUSH AskControlColors(HWND parent, HWND control, HDC hdc, UINT ctlColorMessage, int fallbackColor) {
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(hdc, GetSysColor(fallbackColor));
  HBRUSH brush = nullptr;
  if (parent) {
    brush = reinterpret_cast<HBRUSH>(SendMessage(parent, ctlColorMessage, reinterpret_cast<WPARAM>(hdc),
                                                 reinterpret_cast<LPARAM>(control)));
  }
  return brush ? brush : GetSysColorBrush(fallbackColor);
}

void DrawArrowGlyph(HDC hdc, const RECT& box, ArrowDirection direction, COLORREF color) {
  bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
  int span = vertical ? box.right - box.left : box.bottom - box.top;
  int depth = vertical ? box.bottom - box.top : box.right - box.left;
  // The classic glyph: a triangle with an odd base of about 2/5 of the box, so that it has a tip pixel.
  int half = std::max(1, std::min(span / 5, depth / 2));
  int cx = (box.left + box.right) / 2;
  int cy = (box.top + box.bottom) / 2;
  for (int row = 0; row <= half; ++row) {
    int width = half - row;  // row 0 is the base
    RECT line;
    switch (direction) {
      case ArrowDirection::Down: SetRect(&line, cx - width, cy - half / 2 + row, cx + width + 1, cy - half / 2 + row + 1); break;
      case ArrowDirection::Up: SetRect(&line, cx - width, cy + half / 2 - row, cx + width + 1, cy + half / 2 - row + 1); break;
      case ArrowDirection::Right: SetRect(&line, cx - half / 2 + row, cy - width, cx - half / 2 + row + 1, cy + width + 1); break;
      case ArrowDirection::Left: SetRect(&line, cx + half / 2 - row, cy - width, cx + half / 2 - row + 1, cy + width + 1); break;
    }
    FillSolidRect(hdc, line, color);
  }
}

void FillSolidRect(HDC hdc, const RECT& rc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rc, brush);
  DeleteObject(brush);
}

HFONT ControlFontOrDefault(HFONT font) {
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int FontLineHeight(HWND hwnd, HFONT font) {
  HDC hdc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(hdc, ControlFontOrDefault(font));
  TEXTMETRIC tm{};
  GetTextMetrics(hdc, &tm);
  SelectObject(hdc, old);
  ReleaseDC(hwnd, hdc);
  return std::max<LONG>(tm.tmHeight, 1);
}

void SendCommandNotification(HWND parent, HWND control, WORD code) {
  if (!parent) return;
  SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

}  // namespace win
