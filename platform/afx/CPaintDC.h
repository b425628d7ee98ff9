// The DC of a WM_PAINT handler: BeginPaint when made, EndPaint when it goes.
#pragma once

#include "platform/afx/CDC.h"

class CWnd;

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps = {};

 protected:
  HWND m_hWnd;
};
