// Keyboard navigation of dialogs: IsDialogMessage and the tab and group walks it uses.
#include <algorithm>

#include "platform/win/dialog/DialogControls.h"
#include "platform/win/winuser.h"

namespace {

using win::CanTakeDialogFocus;

HWND StepCyclic(const std::vector<HWND>& ring, size_t from, bool backwards, bool (*accept)(HWND)) {
  size_t n = ring.size();
  for (size_t i = 1; i <= n; ++i) {
    size_t index = backwards ? (from + n * 2 - i) % n : (from + i) % n;
    if (accept(ring[index])) return ring[index];
  }
  return nullptr;
}

bool IsTabStop(HWND ctl) { return (GetWindowLong(ctl, GWL_STYLE) & WS_TABSTOP) && CanTakeDialogFocus(ctl); }

bool IsArrowKey(WPARAM vk) { return vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN; }

bool IsAutoRadioButton(HWND ctl) {
  return (SendMessage(ctl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
         (GetWindowLong(ctl, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

void SendButtonCommand(HWND dlg, int id, HWND button) {
  SendMessage(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void MoveTab(HWND dlg, HWND focus) {
  bool backwards = GetKeyState(VK_SHIFT) < 0;
  HWND next = GetNextDlgTabItem(dlg, focus == dlg ? nullptr : focus, backwards);
  if (next) win::SetDialogFocus(next);
}

void MoveInGroup(HWND dlg, HWND focus, WPARAM vk) {
  HWND from = win::DialogChildContaining(dlg, focus);
  if (!from) return;
  HWND next = GetNextDlgGroupItem(dlg, from, vk == VK_LEFT || vk == VK_UP);
  if (!next || next == from) return;
  SetFocus(next);
  if (IsAutoRadioButton(next)) SendMessage(next, BM_CLICK, 0, 0);
}

// Enter: a focused push button answers for itself; otherwise the default button, or IDOK.
void PressDefault(HWND dlg, HWND focus, LRESULT focusCode) {
  int id;
  HWND button;
  if (focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
    button = focus;
    id = GetDlgCtrlID(focus);
  } else {
    LRESULT def = SendMessage(dlg, DM_GETDEFID, 0, 0);
    id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK;
    button = GetDlgItem(dlg, id);
  }
  if (button && !IsWindowEnabled(button)) return;
  SendButtonCommand(dlg, id, button);
}

void PressCancel(HWND dlg) {
  HWND button = GetDlgItem(dlg, IDCANCEL);
  if (button && !IsWindowEnabled(button)) return;
  SendButtonCommand(dlg, IDCANCEL, button);
}

// The navigation keys a dialog takes for itself; false leaves the key to the focus window.
bool HandleDialogKey(HWND dlg, const MSG& msg) {
  LRESULT code = SendMessage(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  if (code & DLGC_WANTMESSAGE) return false;
  WPARAM vk = msg.wParam;
  if (vk == VK_TAB) {
    if (code & DLGC_WANTTAB) return false;
    MoveTab(dlg, msg.hwnd);
    return true;
  }
  if (IsArrowKey(vk)) {
    if (code & DLGC_WANTARROWS) return false;
    MoveInGroup(dlg, msg.hwnd, vk);
    return true;
  }
  if (vk == VK_RETURN) {
    PressDefault(dlg, msg.hwnd, code);
    return true;
  }
  if (vk == VK_ESCAPE) {
    PressCancel(dlg);
    return true;
  }
  return false;
}

}  // namespace

HWND GetNextDlgTabItem(HWND dlg, HWND ctl, BOOL previous) {
  std::vector<HWND> children = win::DialogChildren(dlg);
  if (children.empty()) return nullptr;
  HWND from = ctl ? win::DialogChildContaining(dlg, ctl) : nullptr;
  auto it = std::find(children.begin(), children.end(), from);
  size_t start;
  if (it != children.end()) {
    start = static_cast<size_t>(it - children.begin());
  } else {
    // No current control: forwards finds the first tab stop, backwards the last.
    start = previous ? 0 : children.size() - 1;
  }
  HWND next = StepCyclic(children, start, previous, IsTabStop);
  return next ? next : from;
}

HWND GetNextDlgGroupItem(HWND dlg, HWND ctl, BOOL previous) {
  HWND from = win::DialogChildContaining(dlg, ctl);
  if (!from) return nullptr;
  std::vector<HWND> group = win::ControlGroupOf(from);
  size_t start = static_cast<size_t>(std::find(group.begin(), group.end(), from) - group.begin());
  HWND next = StepCyclic(group, start, previous, CanTakeDialogFocus);
  return next ? next : from;
}

BOOL IsDialogMessage(HWND dlg, LPMSG msg) {
  if (!dlg || !msg || !msg->hwnd) return FALSE;
  if (msg->hwnd != dlg && !IsChild(dlg, msg->hwnd)) return FALSE;
  if (msg->message == WM_KEYDOWN && HandleDialogKey(dlg, *msg)) return TRUE;
  TranslateMessage(msg);
  DispatchMessage(msg);
  return TRUE;
}
