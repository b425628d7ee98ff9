#include "platform/win/controls/BasicControlColors.h"

namespace win {

HBRUSH DefaultControlColors(HDC hdc, UINT ctlColorMessage) {
  bool windowColors = ctlColorMessage == WM_CTLCOLOREDIT || ctlColorMessage == WM_CTLCOLORLISTBOX;
  int background = windowColors ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(hdc, GetSysColor(windowColors ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
  SetBkColor(hdc, GetSysColor(background));
  return GetSysColorBrush(background);
}

bool IsHollowBrush(HBRUSH brush) {
  if (!brush) return true;
  if (brush == static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))) return true;
  LOGBRUSH lb{};
  return GetObject(brush, sizeof(lb), &lb) == static_cast<int>(sizeof(lb)) && lb.lbStyle == BS_NULL;
}

HBRUSH QueryControlBrush(HWND control, HDC hdc, UINT ctlColorMessage) {
  HWND parent = GetParent(control);
  HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(SendMessage(parent, ctlColorMessage, reinterpret_cast<WPARAM>(hdc),
                                                               reinterpret_cast<LPARAM>(control)))
                        : DefaultControlColors(hdc, ctlColorMessage);
  if (IsHollowBrush(brush)) {
    SetBkMode(hdc, TRANSPARENT);
    return nullptr;
  }
  return brush;
}

}  // namespace win
