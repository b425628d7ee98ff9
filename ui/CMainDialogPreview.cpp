// The main window's preview: opening a file, the transport buttons, the position timer, the slider
// and the graph's events.
#include <cstdio>

#include "media/CMediaGraph.h"
#include "res/resource.h"
#include "ui/CMainDialog.h"
#include "ui/TimeText.h"

namespace {

const UINT kPositionTimerId = 50;
const UINT kPositionTimerPeriodMs = 1;  // the window system raises it to its minimum period
const int kSliderPageSize = 10;
const LONGLONG kSkipMs = 3000;

const char kVideoFilter[] =
    "All Video Support(*.avi;*.mpeg;*.mpg;*.rm;*.rmvb;*.asf;*.wmv)|*.avi;*.mpeg;*.mpg;*.rm;*.rmvb;*.asf;*.wmv|"
    "Avi File(*.avi)|*.avi|"
    "Mpeg File(*.mpeg;*.mpg)|*.mpeg;*.mpg|"
    "RM File(*.rm)|*.rm|"
    "RMVB File(*.rmvb)|*.rmvb|"
    "ASF File(*.asf)|*.asf|"
    "WMV File(*.wmv)|*.wmv|";

// Positions are shown and handed to the slider as 32-bit milliseconds.
int ToMs32(REFERENCE_TIME rt) { return static_cast<int>(static_cast<LONGLONG>(rt / 10000)); }

}  // namespace

void CMainDialog::OnOpenVideoFile() {
  EnableTransportButtons(TRUE);
  CFileDialog dlgFile(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, kVideoFilter, this);
  if (dlgFile.DoModal() != IDOK) return;

  CString strPath = dlgFile.GetPathName();
  // A path cut to fit the buffer would name another file; refuse it before anything changes.
  if (strPath.GetLength() >= static_cast<int>(sizeof(m_szSourcePath))) {
    AfxMessageBox("The path of this video file is too long to be opened. Please move or rename the file.");
    return;
  }
  BeginWaitCursor();
  std::snprintf(m_szSourcePath, sizeof(m_szSourcePath), "%s", static_cast<LPCTSTR>(strPath));
  m_editSource.SetWindowText(m_szSourcePath);

  ReplaceGraph();
  m_pGraph->CreateGraph();
  m_pGraph->OpenMediaFile(m_szSourcePath);
  m_pGraph->SetEventWindow(GetSafeHwnd());
  m_pGraph->AttachVideoWindow(m_picVideo.GetSafeHwnd());

  InitPositionDisplay();
  m_slider.ClearMarks();
  m_pGraph->Play();
  EndWaitCursor();
}

void CMainDialog::ReplaceGraph() {
  // The old graph goes before the new one is made, so two never play at once.
  delete m_pGraph;
  m_pGraph = new CMediaGraph();
  if (m_nTimerId != 0) {
    KillTimer(m_nTimerId);
    m_nTimerId = 0;
  }
}

void CMainDialog::StartPositionTimer() {
  m_nTimerId = static_cast<UINT>(SetTimer(kPositionTimerId, kPositionTimerPeriodMs, nullptr));
}

void CMainDialog::InitPositionDisplay() {
  if (m_nTimerId != 0) {
    KillTimer(m_nTimerId);
    m_nTimerId = 0;
  }
  int nDurationMs = ToMs32(m_pGraph->GetDuration());
  m_llDurationMs = nDurationMs;
  SetDlgItemText(IDC_DURATION_TEXT, FormatTimeText(nDurationMs).c_str());
  StartPositionTimer();
  m_slider.SendMessage(TBM_SETRANGEMIN, FALSE, 0);
  m_slider.SendMessage(TBM_SETRANGEMAX, FALSE, nDurationMs);
  m_slider.SendMessage(TBM_SETPAGESIZE, 0, kSliderPageSize);
}

void CMainDialog::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == m_nTimerId) UpdatePosition();
  CDialog::OnTimer(nIDEvent);
}

void CMainDialog::UpdatePosition() {
  if (m_pGraph == nullptr) return;
  int nPosMs = ToMs32(m_pGraph->GetCurrentPosition());
  m_slider.SendMessage(TBM_SETPOS, TRUE, nPosMs);
  SetDlgItemText(IDC_POSITION_TEXT, FormatTimeText(nPosMs).c_str());
  m_slider.TrackPosition(nPosMs);
}

void CMainDialog::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  bool bFromSlider = pScrollBar != nullptr && pScrollBar->GetSafeHwnd() == m_slider.GetSafeHwnd();
  if (m_pGraph != nullptr && m_pGraph->GetMediaSeeking() != nullptr && bFromSlider) {
    if (m_nTimerId == 0) StartPositionTimer();
    int nPosMs = static_cast<int>(m_slider.SendMessage(TBM_GETPOS, 0, 0));
    m_pGraph->SeekToMs(nPosMs);
  }
  // The base reflects the notification to the slider, whose band update follows the seek.
  CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

// The transport buttons are enabled by the first Open even when it is cancelled; without a graph
// they have nothing to act on.
void CMainDialog::OnPlay() {
  if (m_pGraph == nullptr) return;
  if (m_nTimerId == 0) StartPositionTimer();
  m_pGraph->Play();
}

void CMainDialog::OnPause() {
  if (m_pGraph != nullptr) m_pGraph->Pause();
}

void CMainDialog::OnFastBackward() {
  if (m_pGraph != nullptr) m_pGraph->SeekByMs(-kSkipMs);
}

void CMainDialog::OnFastForward() {
  if (m_pGraph != nullptr) m_pGraph->SeekByMs(kSkipMs);
}

void CMainDialog::OnSeekBegin() {
  if (m_pGraph != nullptr && m_pGraph->GetMediaSeeking() != nullptr) m_pGraph->SeekToMs(0);
}

void CMainDialog::OnSeekEnd() {
  if (m_pGraph != nullptr && m_pGraph->GetMediaSeeking() != nullptr) m_pGraph->SeekToMs(m_llDurationMs);
}

LRESULT CMainDialog::OnGraphNotify(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  // A notification posted by a graph that has since been replaced finds no graph.
  IMediaEventEx* pEvent = m_pGraph != nullptr ? m_pGraph->GetMediaEvent() : nullptr;
  if (pEvent == nullptr) return 0;
  LONG lEventCode = 0;
  LONG_PTR lParam1 = 0;
  LONG_PTR lParam2 = 0;
  while (SUCCEEDED(pEvent->GetEvent(&lEventCode, &lParam1, &lParam2, 0))) {
    pEvent->FreeEventParams(lEventCode, lParam1, lParam2);
    if (lEventCode == EC_COMPLETE) {
      m_pGraph->Pause();
      KillTimer(m_nTimerId);
      m_nTimerId = 0;
    } else if (lEventCode == EC_USERABORT || lEventCode == EC_ERRORABORT) {
      m_pGraph->Stop();
      KillTimer(m_nTimerId);
      m_nTimerId = 0;
    }
  }
  return 0;
}
