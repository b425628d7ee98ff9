// The non-client area this layer draws itself: frames, borders and the caption with its icon, title
// and close button. One layout serves measuring, hit testing and painting.
#pragma once

#include "platform/win/Window.h"

namespace win {

constexpr int kCaptionHeight = 19;
constexpr int kDialogFrame = 3;

// How much frame lies on each side of the client area.
RECT FrameInsets(DWORD style, DWORD exStyle, bool isDialogClass);
RECT FrameInsetsOf(const Window& w);

struct CaptionLayout {
  bool present = false;
  RECT bar{};    // the coloured bar
  RECT line{};   // the line of button face under it, still part of the caption
  RECT icon{};   // empty without WS_SYSMENU
  RECT title{};
  RECT close{};  // empty without WS_SYSMENU
};
// In window coordinates.
CaptionLayout CaptionLayoutOf(const Window& w);

// The hit-test code for a screen point, as DefWindowProc answers WM_NCHITTEST.
int NonClientHitTest(const Window& w, POINT screen);

void PaintNonClient(HWND hwnd, bool closePressed = false);

}  // namespace win
