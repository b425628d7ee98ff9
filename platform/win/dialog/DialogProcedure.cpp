// DefDlgProc: the window procedure of the dialog class, and the defaults every dialog shares.
#include "platform/win/controls/BasicControlColors.h"
#include "platform/win/dialog/DialogControls.h"
#include "platform/win/dialog/DialogState.h"
#include "platform/win/winuser.h"

namespace {

using win::DialogState;

constexpr WORD kInactive = 0;  // LOWORD of WM_ACTIVATE's wParam when the window loses activation

// Messages whose DLGPROC return value is the result itself rather than a "handled" flag.
bool ReturnsResultDirectly(UINT msg) {
  return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_INITDIALOG ||
         msg == WM_QUERYDRAGICON;
}

void EraseBackground(HWND dlg, HDC hdc) {
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessage(dlg, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(dlg)));
  if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
  RECT rc;
  GetClientRect(dlg, &rc);
  FillRect(hdc, &rc, brush);
}

void CloseAsCancel(HWND dlg) {
  HWND cancel = GetDlgItem(dlg, IDCANCEL);
  if (cancel && !IsWindowEnabled(cancel)) return;
  SendMessage(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
}

void RememberFocus(HWND dlg) {
  HWND focus = GetFocus();
  if (focus && IsChild(dlg, focus)) DialogState::of(dlg).focusControl = focus;
}

// Gives the focus back to the control that had it, or to the first tab stop. False when the dialog
// has no control to take it.
bool RestoreFocus(HWND dlg) {
  HWND focus = GetFocus();
  if (focus && IsChild(dlg, focus)) return true;
  HWND saved = DialogState::of(dlg).focusControl;
  HWND target = saved && IsWindow(saved) && IsChild(dlg, saved) && win::CanTakeDialogFocus(saved)
                    ? saved
                    : GetNextDlgTabItem(dlg, nullptr, FALSE);
  if (!target) return false;
  SetFocus(target);
  return true;
}

bool IsPushButton(HWND ctl) {
  DWORD type = GetWindowLong(ctl, GWL_STYLE) & BS_TYPEMASK;
  return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && (SendMessage(ctl, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON);
}

void SetPushButtonType(HWND button, DWORD type) {
  DWORD style = GetWindowLong(button, GWL_STYLE) & 0xFFFF;
  SendMessage(button, BM_SETSTYLE, (style & ~BS_TYPEMASK) | type, TRUE);
}

LRESULT DefaultId(HWND dlg) {
  int id = DialogState::of(dlg).defaultId;
  if (id) return MAKELRESULT(id, DC_HASDEFID);
  for (HWND child : win::DialogChildren(dlg)) {
    if (SendMessage(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) {
      return MAKELRESULT(GetDlgCtrlID(child), DC_HASDEFID);
    }
  }
  return 0;
}

void SetDefaultId(HWND dlg, int id) {
  for (HWND child : win::DialogChildren(dlg)) {
    if (!IsPushButton(child)) continue;
    bool isDefault = (GetWindowLong(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    bool shouldBe = GetDlgCtrlID(child) == id;
    if (isDefault != shouldBe) SetPushButtonType(child, shouldBe ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  }
  DialogState::of(dlg).defaultId = id;
}

void NextControl(HWND dlg, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(dlg, GetFocus(), wParam != 0);
  if (!target) return;
  // Remembered too, so that a dialog still hidden gets this focus when it is shown.
  DialogState::of(dlg).focusControl = target;
  win::SetDialogFocus(target);
}

LRESULT DefaultDialogProcessing(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      EraseBackground(dlg, reinterpret_cast<HDC>(wParam));
      return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(win::DefaultControlColors(reinterpret_cast<HDC>(wParam), msg));
    case WM_CLOSE:
      CloseAsCancel(dlg);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == kInactive) {
        RememberFocus(dlg);
        return 0;
      }
      if (RestoreFocus(dlg)) return 0;
      break;
    case WM_SETFOCUS:
      RestoreFocus(dlg);
      return 0;
    case WM_SHOWWINDOW:
      if (!wParam) RememberFocus(dlg);
      break;
    case WM_SETFONT:
      DialogState::of(dlg).font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(DialogState::of(dlg).font);
    case DM_GETDEFID:
      return DefaultId(dlg);
    case DM_SETDEFID:
      SetDefaultId(dlg, static_cast<int>(wParam));
      return TRUE;
    case WM_NEXTDLGCTL:
      NextControl(dlg, wParam, lParam);
      return 0;
    case WM_INITDIALOG:
      return FALSE;
    default:
      break;
  }
  return DefWindowProc(dlg, msg, wParam, lParam);
}

}  // namespace

LRESULT DefDlgProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(dlg, DWLP_DLGPROC));
  if (msg == WM_NCDESTROY) {
    if (proc) proc(dlg, msg, wParam, lParam);
    LRESULT result = DefWindowProc(dlg, msg, wParam, lParam);
    DialogState::forget(dlg);
    return result;
  }
  if (proc) {
    INT_PTR handled = proc(dlg, msg, wParam, lParam);
    if (ReturnsResultDirectly(msg)) {
      if (handled || msg == WM_INITDIALOG) return handled;
    } else if (handled) {
      return GetWindowLongPtr(dlg, DWLP_MSGRESULT);
    }
  }
  return DefaultDialogProcessing(dlg, msg, wParam, lParam);
}
