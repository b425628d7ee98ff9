// The whole-window DC (frame included) of a window, released when the object goes.
#pragma once

#include "platform/afx/CDC.h"

class CWnd;

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* wnd);
  ~CWindowDC() override;

 protected:
  HWND m_hWnd;
};
