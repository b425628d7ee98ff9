// The main window's side of an extraction: the range marks and the Extract Now request.
#include <cstring>

#include "media/CProgressDialog.h"
#include "res/resource.h"
#include "ui/CMainDialog.h"
#include "ui/RateText.h"

void CMainDialog::OnMarkStart() {
  // The old band stays drawn until the first band update of the new marking repaints the slider.
  m_slider.SendMessage(TBM_CLEARSEL, FALSE, 0);
  int nPos = static_cast<int>(m_slider.SendMessage(TBM_GETPOS, 0, 0));
  m_slider.SetMarkStart(nPos);
}

void CMainDialog::OnMarkEnd() { m_slider.EndMarking(); }

void CMainDialog::OnExtract() {
  int nStart = static_cast<int>(m_slider.SendMessage(TBM_GETSELSTART, 0, 0));
  int nEnd = static_cast<int>(m_slider.SendMessage(TBM_GETSELEND, 0, 0));
  bool bNoBand = (nStart == 0 && nEnd == 0) || (nStart == -1 && nEnd == -1);
  if (bNoBand || m_slider.IsMarking()) {
    AfxMessageBox("Not Mark point");
    return;
  }
  if (m_pGraph == nullptr) {
    AfxMessageBox("Not Video File");
    return;
  }

  CProgressDialog dlgProgress(nullptr);
  ExtractRequest& request = dlgProgress.m_request;
  request.llStartMs = nStart;
  request.llEndMs = nEnd;
  CString strSampleRate;
  CString strBitRate;
  m_cbSampleRate.GetWindowText(strSampleRate);
  m_cbBitRate.GetWindowText(strBitRate);
  request.nSampleRate = SampleRateFromText(strSampleRate);
  request.nByteRate = ByteRateFromText(strBitRate);
  request.bStereo = IsDlgButtonChecked(IDC_STEREO) == BST_CHECKED ? 1 : 0;
  std::memcpy(request.szSourcePath, m_szSourcePath, sizeof(request.szSourcePath));
  std::memcpy(request.szSaveDir, m_szSaveDir, sizeof(request.szSaveDir));
  dlgProgress.DoModal();
}
