#include "platform/win/SysColors.h"

#include "platform/win/WindowSystem.h"

namespace win {

SysColors& SysColors::instance() {
  static SysColors colors;
  return colors;
}

SysColors::SysColors() {
  const COLORREF face = RGB(212, 208, 200);
  const COLORREF grey = RGB(128, 128, 128);
  colors_.fill(face);
  colors_[COLOR_SCROLLBAR] = face;
  colors_[COLOR_BACKGROUND] = RGB(58, 110, 165);
  colors_[COLOR_ACTIVECAPTION] = RGB(10, 36, 106);
  colors_[COLOR_INACTIVECAPTION] = grey;
  colors_[COLOR_MENU] = face;
  colors_[COLOR_WINDOW] = RGB(255, 255, 255);
  colors_[COLOR_WINDOWFRAME] = RGB(0, 0, 0);
  colors_[COLOR_MENUTEXT] = RGB(0, 0, 0);
  colors_[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
  colors_[COLOR_CAPTIONTEXT] = RGB(255, 255, 255);
  colors_[COLOR_ACTIVEBORDER] = face;
  colors_[COLOR_INACTIVEBORDER] = face;
  colors_[COLOR_APPWORKSPACE] = grey;
  colors_[COLOR_HIGHLIGHT] = RGB(10, 36, 106);
  colors_[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
  colors_[COLOR_BTNFACE] = face;
  colors_[COLOR_BTNSHADOW] = grey;
  colors_[COLOR_GRAYTEXT] = grey;
  colors_[COLOR_BTNTEXT] = RGB(0, 0, 0);
  colors_[COLOR_INACTIVECAPTIONTEXT] = face;
  colors_[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
  colors_[COLOR_3DDKSHADOW] = RGB(64, 64, 64);
  colors_[COLOR_3DLIGHT] = face;
  colors_[COLOR_INFOTEXT] = RGB(0, 0, 0);
  colors_[COLOR_INFOBK] = RGB(255, 255, 225);
  colors_[25] = RGB(181, 181, 181);
  colors_[COLOR_HOTLIGHT] = RGB(0, 0, 128);
  colors_[COLOR_GRADIENTACTIVECAPTION] = RGB(166, 202, 240);
  colors_[COLOR_GRADIENTINACTIVECAPTION] = RGB(192, 192, 192);
  colors_[29] = RGB(10, 36, 106);  // menu highlight
  colors_[30] = face;              // menu bar
}

COLORREF SysColors::color(int index) const {
  if (index < 0 || index >= kCount) return 0;
  return colors_[index];
}

HBRUSH SysColors::brush(int index) {
  if (index < 0 || index >= kCount) return nullptr;
  if (!brushes_[index]) brushes_[index] = CreateSolidBrush(colors_[index]);
  return brushes_[index];
}

void SysColors::set(int index, COLORREF color) {
  if (index < 0 || index >= kCount || colors_[index] == color) return;
  colors_[index] = color;
  if (brushes_[index]) retired_.push_back(brushes_[index]);
  brushes_[index] = nullptr;
}

HBRUSH SysColors::resolveClassBrush(HBRUSH brush) {
  auto value = reinterpret_cast<uintptr_t>(brush);
  if (value >= 1 && value <= static_cast<uintptr_t>(kCount)) return this->brush(static_cast<int>(value) - 1);
  return brush;
}

}  // namespace win

using win::SysColors;

DWORD GetSysColor(int index) { return SysColors::instance().color(index); }

HBRUSH GetSysColorBrush(int index) { return SysColors::instance().brush(index); }

BOOL SetSysColors(int count, const int* elements, const COLORREF* values) {
  if (count < 0 || (count > 0 && (!elements || !values))) return FALSE;
  for (int i = 0; i < count; ++i) SysColors::instance().set(elements[i], values[i]);
  for (HWND top : std::vector<HWND>(win::Sys().windows.topLevels())) {
    if (!IsWindow(top)) continue;
    SendMessage(top, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return TRUE;
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return win::Sys().backend->screenSize().cx;
    case SM_CYSCREEN: return win::Sys().backend->screenSize().cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CXFRAME:
    case SM_CYFRAME: return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
  }
}
