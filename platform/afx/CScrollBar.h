// A scroll-bar control, and what the scroll handlers receive for the control that scrolled.
#pragma once

#include "platform/afx/CWnd.h"

class CScrollBar : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // The object scroll handlers get for the control behind a WM_HSCROLL/WM_VSCROLL: the control's own
  // object when it is a CScrollBar, otherwise a scroll-bar view of the same window (a trackbar's own
  // object is a CSliderCtrl, and must not be used as something it is not). NULL without a control.
  // Compare windows (m_hWnd), not objects.
  static CScrollBar* FromNotifyingHandle(HWND control);
};
