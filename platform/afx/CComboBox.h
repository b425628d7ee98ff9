// A combo box. Indexes are 0-based; CB_ERR (-1) reports a failure or "none".
#pragma once

#include "platform/afx/CString.h"
#include "platform/afx/CWnd.h"

class CComboBox : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int AddString(LPCTSTR text);
  int InsertString(int index, LPCTSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetLBTextLen(int index) const;
  // Empty when there is no such item.
  void GetLBText(int index, CString& text) const;
  // The caller's buffer must hold GetLBTextLen(index) + 1 bytes.
  int GetLBText(int index, LPTSTR text) const;
  int FindString(int startAfter, LPCTSTR text) const;
  int FindStringExact(int startAfter, LPCTSTR text) const;
  int SelectString(int startAfter, LPCTSTR text);
  DWORD_PTR GetItemData(int index) const;
  int SetItemData(int index, DWORD_PTR data);
  void ShowDropDown(BOOL show = TRUE);
  BOOL GetDroppedState() const;
};
