// The position slider of the main window: a trackbar whose selection band shows the range the user
// marks for extraction. Mark Start fixes one end; until Mark End the other end follows the position.
#pragma once

#include "platform/afx/afxcmn.h"
#include "platform/afx/afxwin.h"

class CRangeSlider : public CSliderCtrl {
 public:
  CRangeSlider();
  ~CRangeSlider() override;

  void SetMarkStart(int nPos);
  void EndMarking();
  void TrackPosition(int nPos);
  void ClearMarks();
  BOOL IsMarking() const;

 protected:
  void HScroll(UINT nSBCode, UINT nPos);
  DECLARE_MESSAGE_MAP()

 private:
  void SetBand(int nMovingEnd);

  BOOL m_bMarking;
  int m_nMarkStart;
};
