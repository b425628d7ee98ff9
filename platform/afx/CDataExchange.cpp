#include "platform/afx/CDataExchange.h"

#include "platform/afx/AfxDebug.h"
#include "platform/afx/CWnd.h"

HWND CDataExchange::PrepareCtrl(int id) {
  HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
  if (!control) TRACE("DDX: dialog has no control %d\n", id);
  ASSERT(control != nullptr);
  return control;
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  HWND window = dx->PrepareCtrl(id);
  if (window && !control.SubclassWindow(window)) {
    TRACE("DDX_Control: control %d is already bound to another object\n", id);
    ASSERT(FALSE);
  }
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  HWND window = dx->PrepareCtrl(id);
  if (!window) return;
  if (dx->m_bSaveAndValidate) {
    CWnd::FromHandle(window)->GetWindowText(value);
  } else {
    ::SetWindowText(window, value);
  }
}
