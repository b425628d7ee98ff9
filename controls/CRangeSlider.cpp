#include "controls/CRangeSlider.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CRangeSlider, CSliderCtrl)
ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

CRangeSlider::CRangeSlider() : m_bMarking(FALSE), m_nMarkStart(-1) {}

CRangeSlider::~CRangeSlider() = default;

// The band is always written start <= end, so a position before the mark never reverses it.
void CRangeSlider::SetBand(int nMovingEnd) {
  SendMessage(TBM_SETSELSTART, FALSE, std::min(nMovingEnd, m_nMarkStart));
  SendMessage(TBM_SETSELEND, FALSE, std::max(nMovingEnd, m_nMarkStart));
  InvalidateRect(nullptr, FALSE);
}

void CRangeSlider::SetMarkStart(int nPos) {
  m_bMarking = TRUE;
  m_nMarkStart = nPos;
}

void CRangeSlider::EndMarking() { m_bMarking = FALSE; }

void CRangeSlider::TrackPosition(int nPos) {
  if (m_bMarking) SetBand(nPos);
}

void CRangeSlider::ClearMarks() {
  m_nMarkStart = -1;
  m_bMarking = FALSE;
  SendMessage(TBM_CLEARSEL, TRUE, 0);
}

BOOL CRangeSlider::IsMarking() const { return m_bMarking; }

void CRangeSlider::HScroll(UINT nSBCode, UINT /*nPos*/) {
  if ((GetStyle() & TBS_ENABLESELRANGE) == 0) return;
  int nMovingEnd = static_cast<int>(SendMessage(TBM_GETPOS, 0, 0));
  // The trackbar reports line and page codes after it has moved; the band's end is taken one step
  // back on the side the thumb came from. The next position tick replaces it with the real position.
  switch (nSBCode) {
    case TB_LINEUP:
      nMovingEnd += static_cast<int>(SendMessage(TBM_GETLINESIZE, 0, 0));
      break;
    case TB_LINEDOWN:
      nMovingEnd -= static_cast<int>(SendMessage(TBM_GETLINESIZE, 0, 0));
      break;
    case TB_PAGEUP:
      nMovingEnd += static_cast<int>(SendMessage(TBM_GETPAGESIZE, 0, 0));
      break;
    case TB_PAGEDOWN:
      nMovingEnd -= static_cast<int>(SendMessage(TBM_GETPAGESIZE, 0, 0));
      break;
    default:
      break;
  }
  if (nSBCode > TB_THUMBTRACK) return;
  if (!m_bMarking) return;
  SetBand(nMovingEnd);
}
