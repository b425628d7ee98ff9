// The main window: preview of the chosen video, the marks of the range to extract, the output choices,
// and the commands that reach outside the program.
#pragma once

#include "controls/CRangeSlider.h"
#include "controls/CSkinButton.h"
#include "platform/afx/afxcmn.h"
#include "platform/afx/afxdlgs.h"
#include "platform/afx/afxwin.h"

class CMediaGraph;

// The private message the preview graph posts when it has queued events.
#define WM_GRAPHNOTIFY (WM_APP + 10)

class CMainDialog : public CDialog {
 public:
  explicit CMainDialog(CWnd* pParent);
  ~CMainDialog() override;

  BOOL DestroyWindow() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // Window layout, skin and life.
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnPaint();
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnOkCommand();

  // Preview transport and position display.
  afx_msg void OnOpenVideoFile();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnPlay();
  afx_msg void OnPause();
  afx_msg void OnFastBackward();
  afx_msg void OnFastForward();
  afx_msg void OnSeekBegin();
  afx_msg void OnSeekEnd();
  afx_msg LRESULT OnGraphNotify(WPARAM wParam, LPARAM lParam);

  // Range marks and extraction request.
  afx_msg void OnMarkStart();
  afx_msg void OnMarkEnd();
  afx_msg void OnExtract();

  // Save folder, help and home page.
  afx_msg void OnBrowseSaveDir();
  afx_msg void OnHelpButton();
  afx_msg void OnHomePage();

  DECLARE_MESSAGE_MAP()

 private:
  void AddAboutMenuItem();
  void InitSkinButton(CSkinButton& button, UINT nHotId, UINT nNormalId, UINT nCtrlId, CString strTip);
  void InitSkinButtons();
  void EnableTransportButtons(BOOL bEnable);
  void StartPositionTimer();
  void ReplaceGraph();
  void InitPositionDisplay();
  void UpdatePosition();

  CComboBox m_cbSampleRate;
  CComboBox m_cbBitRate;
  CEdit m_editSource;
  CEdit m_editSaveDir;
  CRangeSlider m_slider;
  CStatic m_picVideo;
  HICON m_hIcon;
  CMediaGraph* m_pGraph;
  UINT m_nTimerId;
  char m_szSourcePath[MAX_PATH];
  char m_szSaveDir[MAX_PATH];
  LONGLONG m_llDurationMs;
  CBrush m_brBackground;
  CSkinButton m_btnMarkStart;
  CSkinButton m_btnMarkEnd;
  CSkinButton m_btnPlay;
  CSkinButton m_btnPause;
  CSkinButton m_btnBackward;
  CSkinButton m_btnForward;
  CSkinButton m_btnSeekBegin;
  CSkinButton m_btnSeekEnd;
  CSkinButton m_btnExtract;
  CSkinButton m_btnHomePage;
  CSkinButton m_btnHelp;
  CSkinButton m_btnSaveDir;
  CSkinButton m_btnOpenFile;
};
