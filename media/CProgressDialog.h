// The extraction window: a progress bar with Extract Now and Cancel. Extract Now builds and runs the
// extraction on the window's own media graph; after it the window always closes.
#pragma once

#include "controls/CSkinButton.h"
#include "media/ExtractRequest.h"
#include "platform/afx/afxcmn.h"
#include "platform/afx/afxwin.h"

class CMediaGraph;

class CProgressDialog : public CDialog {
 public:
  explicit CProgressDialog(CWnd* pParent);
  ~CProgressDialog() override;

  BOOL DestroyWindow() override;

  ExtractRequest m_request;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;

  afx_msg void OnExtractNow();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

 private:
  void InitSkinButton(CSkinButton& button, UINT nHotId, UINT nNormalId, UINT nCtrlId, CString strTip);

  CProgressCtrl m_progress;
  CBrush m_brBackground;
  CMediaGraph* m_pGraph;
  CSkinButton m_btnExtractNow;
  CSkinButton m_btnCancel;
};
