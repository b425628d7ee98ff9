// Walking the controls of a dialog: its children in order, groups, and the focus move that selects an
// edit control's text.
#pragma once

#include <vector>

#include "platform/win/winuser.h"

namespace win {

// The direct children of `dlg` in z-order, which for a template is the order of its items.
std::vector<HWND> DialogChildren(HWND dlg);

// The direct child of `dlg` that is or contains `hwnd`; nullptr when `hwnd` is not inside `dlg`.
HWND DialogChildContaining(HWND dlg, HWND hwnd);

// The group of `ctl` among its siblings: from the nearest WS_GROUP control at or before it up to, not
// including, the next WS_GROUP control. Every member, whatever its state.
std::vector<HWND> ControlGroupOf(HWND ctl);

// Visible and enabled by its own styles: a control the keyboard may move to.
bool CanTakeDialogFocus(HWND ctl);

// Moves the focus to `ctl` as keyboard navigation does: an edit control gets its whole text selected.
void SetDialogFocus(HWND ctl);

// Shows a dialog and, unless one of its controls already has it, gives the focus to the control
// chosen at initialisation, or to the first tab stop, or to the dialog itself.
void ShowDialog(HWND dlg);

}  // namespace win
