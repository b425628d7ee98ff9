// Binding of a dialog's controls and values to members (DoDataExchange and the DDX_ functions).
#pragma once

#include "platform/afx/CString.h"
#include "platform/win/winuser.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

  BOOL m_bSaveAndValidate;  // TRUE: controls -> members; FALSE: members -> controls
  CWnd* m_pDlgWnd;

  // The control's window; a missing control is a programming error.
  HWND PrepareCtrl(int id);
};

// Subclasses control `id` of the dialog with `control` the first time; later calls do nothing.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Exchanges the text of control `id` with `value`.
void DDX_Text(CDataExchange* dx, int id, CString& value);
