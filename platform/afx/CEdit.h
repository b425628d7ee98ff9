// An edit control.
#pragma once

#include "platform/afx/CWnd.h"

class CEdit : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  void SetSel(int start, int end, BOOL noScroll = FALSE);
  void GetSel(int& start, int& end) const;
  void ReplaceSel(LPCTSTR text);
  void LimitText(int maxChars = 0);
  BOOL SetReadOnly(BOOL readOnly = TRUE);
};
