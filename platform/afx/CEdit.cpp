#include "platform/afx/CEdit.h"

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("edit", nullptr, style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void CEdit::GetSel(int& start, int& end) const {
  DWORD first = 0, last = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void CEdit::ReplaceSel(LPCTSTR text) { SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text)); }

void CEdit::LimitText(int maxChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }

BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly))); }
