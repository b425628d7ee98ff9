// The dialog manager's functions beyond the platform API, for other modal loops and this layer's own
// dialogs.
#pragma once

#include "platform/win/winuser.h"

namespace win {

// True once EndDialog was called for `dlg`; `result` (may be null) gets the value given to it.
// A modal loop of its own checks this after every message and destroys the dialog when it is true.
bool IsDialogEnded(HWND dlg, INT_PTR* result);

// Runs `dlg` modally over `owner` (may be null): disables the owner, shows the dialog and runs
// messages through IsDialogMessage until EndDialog; then re-enables and activates the owner, destroys
// the dialog and returns the EndDialog result. While the queue is empty the owner gets WM_ENTERIDLE.
INT_PTR RunModalDialog(HWND dlg, HWND owner);

}  // namespace win
