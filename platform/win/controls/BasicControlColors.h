// Control colours as the button, static and edit controls and the dialog manager use them.
#pragma once

#include "platform/win/winuser.h"

namespace win {

// The system's colours for a WM_CTLCOLOR* message: sets the DC's text and background colours and
// returns the background brush. What a dialog answers when its procedure does not.
HBRUSH DefaultControlColors(HDC hdc, UINT ctlColorMessage);

// Asks the control's parent with `ctlColorMessage` and leaves the DC's colours and background mode
// as the parent set them. Returns the brush to paint the background with, or nullptr when the parent
// gave no brush or a hollow one: then nothing is painted behind the control and its text is drawn
// transparently, so the parent's pixels stay.
HBRUSH QueryControlBrush(HWND control, HDC hdc, UINT ctlColorMessage);

bool IsHollowBrush(HBRUSH brush);

}  // namespace win
