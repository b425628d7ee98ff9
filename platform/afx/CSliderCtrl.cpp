#include "platform/afx/CSliderCtrl.h"

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create(TRACKBAR_CLASS, nullptr, style, rect, parent, id);
}

int CSliderCtrl::GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }

void CSliderCtrl::SetPos(int pos) { SendMessage(TBM_SETPOS, TRUE, pos); }

void CSliderCtrl::SetRange(int min, int max, BOOL redraw) {
  SetRangeMin(min, FALSE);
  SetRangeMax(max, redraw);
}

void CSliderCtrl::GetRange(int& min, int& max) const {
  min = GetRangeMin();
  max = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int min, BOOL redraw) { SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(redraw), min); }

void CSliderCtrl::SetRangeMax(int max, BOOL redraw) { SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), max); }

int CSliderCtrl::GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }

int CSliderCtrl::GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }

int CSliderCtrl::SetPageSize(int size) { return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size)); }

int CSliderCtrl::GetPageSize() const { return static_cast<int>(SendMessage(TBM_GETPAGESIZE)); }

int CSliderCtrl::SetLineSize(int size) { return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size)); }

int CSliderCtrl::GetLineSize() const { return static_cast<int>(SendMessage(TBM_GETLINESIZE)); }

void CSliderCtrl::SetSelection(int min, int max) {
  SendMessage(TBM_SETSELSTART, FALSE, min);
  SendMessage(TBM_SETSELEND, FALSE, max);
}

void CSliderCtrl::GetSelection(int& min, int& max) const {
  min = static_cast<int>(SendMessage(TBM_GETSELSTART));
  max = static_cast<int>(SendMessage(TBM_GETSELEND));
}

void CSliderCtrl::ClearSel(BOOL redraw) { SendMessage(TBM_CLEARSEL, static_cast<WPARAM>(redraw)); }

void CSliderCtrl::SetTicFreq(int frequency) { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency)); }

void CSliderCtrl::ClearTics(BOOL redraw) { SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(redraw)); }
