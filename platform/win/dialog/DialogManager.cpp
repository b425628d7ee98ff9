#include "platform/win/dialog/DialogManager.h"

#include "platform/win/Resources.h"
#include "platform/win/dialog/DialogBuilder.h"
#include "platform/win/dialog/DialogControls.h"
#include "platform/win/dialog/DialogState.h"

namespace win {

namespace {

constexpr WPARAM kIdleInDialogBox = 0;  // MSGF_DIALOGBOX: WM_ENTERIDLE's wParam from a dialog's loop

const DialogTemplate* FindTemplate(LPCSTR name) {
  return IS_INTRESOURCE(name) ? FindDialogResource(LOWORD(reinterpret_cast<ULONG_PTR>(name))) : nullptr;
}

// A popup dialog is owned by the top-level window of the window it was given.
HWND OwnerFor(const DialogTemplate& tmpl, HWND parent) {
  if (!parent || (tmpl.style & WS_CHILD)) return parent;
  return GetAncestor(parent, GA_ROOT);
}

bool LoopShouldEnd(HWND dlg) { return !IsWindow(dlg) || IsDialogEnded(dlg, nullptr); }

void RunLoop(HWND dlg, HWND owner) {
  MSG msg;
  while (!LoopShouldEnd(dlg)) {
    if (owner && !PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      SendMessage(owner, WM_ENTERIDLE, kIdleInDialogBox, reinterpret_cast<LPARAM>(dlg));
      if (LoopShouldEnd(dlg)) break;
    }
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the loop outside
      break;
    }
    if (!IsDialogMessage(dlg, &msg)) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
}

}  // namespace

bool IsDialogEnded(HWND dlg, INT_PTR* result) {
  DialogState* state = DialogState::find(dlg);
  if (!state || !state->ended) return false;
  if (result) *result = state->result;
  return true;
}

INT_PTR RunModalDialog(HWND dlg, HWND owner) {
  bool disabledOwner = owner && IsWindowEnabled(owner);
  if (disabledOwner) EnableWindow(owner, FALSE);
  if (!IsDialogEnded(dlg, nullptr)) {
    ShowDialog(dlg);
    RunLoop(dlg, owner);
  }
  INT_PTR result = 0;
  IsDialogEnded(dlg, &result);
  if (disabledOwner) EnableWindow(owner, TRUE);
  if (owner && IsWindowVisible(owner)) SetActiveWindow(owner);
  if (IsWindow(dlg)) DestroyWindow(dlg);
  return result;
}

}  // namespace win

INT_PTR DialogBoxParam(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam) {
  const win::DialogTemplate* tmpl = win::FindTemplate(templateName);
  if (!tmpl) return -1;
  HWND owner = win::OwnerFor(*tmpl, parent);
  HWND dlg = win::DialogBuilder(*tmpl, owner, true).create(proc, initParam);
  if (!dlg) return -1;
  return win::RunModalDialog(dlg, owner);
}

HWND CreateDialogParam(HINSTANCE, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam) {
  const win::DialogTemplate* tmpl = win::FindTemplate(templateName);
  if (!tmpl) return nullptr;
  return win::DialogBuilder(*tmpl, win::OwnerFor(*tmpl, parent), false).create(proc, initParam);
}

BOOL EndDialog(HWND dlg, INT_PTR result) {
  win::DialogState* state = win::DialogState::find(dlg);
  if (!state || !IsWindow(dlg)) return FALSE;
  state->ended = true;
  state->result = result;
  PostMessage(dlg, WM_NULL, 0, 0);  // wakes a modal loop that waits for messages
  return TRUE;
}

BOOL MapDialogRect(HWND dlg, LPRECT rc) {
  win::DialogState* state = win::DialogState::find(dlg);
  if (!state || !rc) return FALSE;
  rc->left = win::MulDivRounded(rc->left, state->baseUnitX, 4);
  rc->right = win::MulDivRounded(rc->right, state->baseUnitX, 4);
  rc->top = win::MulDivRounded(rc->top, state->baseUnitY, 8);
  rc->bottom = win::MulDivRounded(rc->bottom, state->baseUnitY, 8);
  return TRUE;
}

LONG GetDialogBaseUnits() {
  win::DialogFont system = win::DialogFont::forTemplate(win::DialogTemplate{});
  return MAKELONG(system.baseUnitX, system.baseUnitY);
}
