// A message loop that runs while a window holds the mouse capture: dragging the caption, pressing the
// close button, tracking a menu. The handler sees every message first.
#pragma once

#include <functional>

#include "platform/win/winuser.h"

namespace win {

enum class LoopStep {
  Pass,      // not the loop's business: dispatch it as usual
  Consumed,  // handled; keep going
  Done,      // handled; the loop ends
};

// Ends when the handler says so, when the capture moves elsewhere, when the window goes away, or on
// WM_QUIT (which is posted again for the outer loop). Releases the capture at the end.
void RunCaptureLoop(HWND hwnd, const std::function<LoopStep(const MSG&)>& handle);

}  // namespace win
