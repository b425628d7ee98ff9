// Small drawing and notification pieces shared by the controls of this folder.
#pragma once

#include "platform/win/winuser.h"

namespace win {

enum class ArrowDirection { Up, Down, Left, Right };

// Asks `parent` for the control's colours with a WM_CTLCOLOR* message; a parent that gives no brush
// gets the system colours: text COLOR_WINDOWTEXT on the background `fallbackColor`.
HBRUSH AskControlColors(HWND parent, HWND control, HDC hdc, UINT ctlColorMessage, int fallbackColor);

// A solid triangle of the classic arrow glyph, centred in `box`.
void DrawArrowGlyph(HDC hdc, const RECT& box, ArrowDirection direction, COLORREF color);

// Fills a rectangle with one colour without keeping a brush around.
void FillSolidRect(HDC hdc, const RECT& rc, COLORREF color);

// The font a control draws with: the one given by WM_SETFONT, or the default GUI font.
HFONT ControlFontOrDefault(HFONT font);

// Height in pixels of a line of text in `font`, measured on `hwnd`'s DC.
int FontLineHeight(HWND hwnd, HFONT font);

// Answers WM_PAINT: paints the invalid area through `painter(HDC)` between BeginPaint and EndPaint.
template <class Painter>
LRESULT PaintCycle(HWND hwnd, Painter&& painter) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  painter(hdc);
  EndPaint(hwnd, &ps);
  return 0;
}

// WM_COMMAND with the control's id and `code`, sent to `parent`.
void SendCommandNotification(HWND parent, HWND control, WORD code);

}  // namespace win
