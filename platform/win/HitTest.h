// Which window is under a screen point.
#pragma once

#include "platform/win/winuser.h"

namespace win {

struct HitResult {
  HWND hwnd = nullptr;
  int hit = HTNOWHERE;  // HTERROR for a disabled window
};

// The deepest visible window under the point, topmost first. Enabled windows are asked with
// WM_NCHITTEST, and one answering HTTRANSPARENT lets the point through to the windows below it. A
// disabled window is returned as it is, with HTERROR, and its children are not searched.
HitResult HitTestScreen(POINT screen);

}  // namespace win
