// The client area DC of a window, released when the object goes.
#pragma once

#include "platform/afx/CDC.h"

class CWnd;

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};
