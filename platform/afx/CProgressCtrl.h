// A progress bar control.
#pragma once

#include "platform/afx/CWnd.h"
#include "platform/win/commctrl.h"

class CProgressCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  // 16-bit range, as the control's PBM_SETRANGE carries it; SetRange32 for larger ranges.
  void SetRange(short lower, short upper);
  void SetRange32(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  // Each returns the previous position.
  int SetPos(int pos);
  int GetPos() const;
  int OffsetPos(int delta);
  int SetStep(int step);
  int StepIt();
};
