// A trackbar control. Ranges, positions and the selection are full ints (no 16-bit packing).
#pragma once

#include "platform/afx/CWnd.h"
#include "platform/win/commctrl.h"

class CSliderCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetPos() const;
  void SetPos(int pos);
  void SetRange(int min, int max, BOOL redraw = FALSE);
  void GetRange(int& min, int& max) const;
  void SetRangeMin(int min, BOOL redraw = FALSE);
  void SetRangeMax(int max, BOOL redraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  int SetPageSize(int size);
  int GetPageSize() const;
  int SetLineSize(int size);
  int GetLineSize() const;
  void SetSelection(int min, int max);
  void GetSelection(int& min, int& max) const;
  void ClearSel(BOOL redraw = FALSE);
  void SetTicFreq(int frequency);
  void ClearTics(BOOL redraw = FALSE);
};
