#include "platform/win/dialog/DialogControls.h"

#include <algorithm>

#include "platform/win/dialog/DialogState.h"

namespace win {

std::vector<HWND> DialogChildren(HWND dlg) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(dlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

HWND DialogChildContaining(HWND dlg, HWND hwnd) {
  while (hwnd) {
    HWND parent = GetParent(hwnd);
    if (parent == dlg) return hwnd;
    // A top-level window's parent is its owner; stop there.
    if (!(GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
    hwnd = parent;
  }
  return nullptr;
}

std::vector<HWND> ControlGroupOf(HWND ctl) {
  std::vector<HWND> siblings = DialogChildren(GetParent(ctl));
  auto self = std::find(siblings.begin(), siblings.end(), ctl);
  if (self == siblings.end()) return {ctl};
  auto start = self;
  while (start != siblings.begin() && !(GetWindowLong(*start, GWL_STYLE) & WS_GROUP)) --start;
  auto end = self + 1;
  while (end != siblings.end() && !(GetWindowLong(*end, GWL_STYLE) & WS_GROUP)) ++end;
  return {start, end};
}

// The control's own styles: the dialog itself may still be hidden while it initialises.
bool CanTakeDialogFocus(HWND ctl) {
  DWORD style = static_cast<DWORD>(GetWindowLong(ctl, GWL_STYLE));
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

void SetDialogFocus(HWND ctl) {
  if (!ctl) return;
  if (SendMessage(ctl, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessage(ctl, EM_SETSEL, 0, -1);
  SetFocus(ctl);
}

void ShowDialog(HWND dlg) {
  ShowWindow(dlg, SW_SHOWNORMAL);
  HWND focus = GetFocus();
  if (focus && (focus == dlg || IsChild(dlg, focus))) return;
  HWND target = DialogState::of(dlg).focusControl;
  if (!target || !IsWindow(target)) target = GetNextDlgTabItem(dlg, nullptr, FALSE);
  SetFocus(target ? target : dlg);
}

}  // namespace win
