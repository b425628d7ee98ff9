#include "media/CProgressDialog.h"

#include "media/CMediaGraph.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CProgressDialog, CDialog)
ON_BN_CLICKED(IDC_PROGRESS_EXTRACT, &CProgressDialog::OnExtractNow)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_PROGRESS_CANCEL, &CProgressDialog::OnCancel)
END_MESSAGE_MAP()

CProgressDialog::CProgressDialog(CWnd* pParent) : CDialog(IDD_PROGRESS, pParent), m_request{}, m_pGraph(nullptr) {}

CProgressDialog::~CProgressDialog() { delete m_pGraph; }

void CProgressDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROGRESS_BAR, m_progress);
}

BOOL CProgressDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_pGraph = new CMediaGraph();

  CBitmap bmpBackground;
  bmpBackground.LoadBitmap(IDB_PROGRESS_BACKGROUND);
  m_brBackground.CreatePatternBrush(&bmpBackground);
  bmpBackground.DeleteObject();

  InitSkinButton(m_btnExtractNow, IDB_EXTRACT_HOT, IDB_EXTRACT_NORMAL, IDC_PROGRESS_EXTRACT, "Extract Now");
  InitSkinButton(m_btnCancel, IDB_CANCEL_HOT, IDB_CANCEL_NORMAL, IDC_PROGRESS_CANCEL, "Cancel");
  return TRUE;
}

void CProgressDialog::InitSkinButton(CSkinButton& button, UINT nHotId, UINT nNormalId, UINT nCtrlId,
                                     CString strTip) {
  button.SubclassDlgItem(nCtrlId, this);
  button.LoadSkinBitmaps(nHotId, RGB(0, 0, 0), nNormalId, RGB(0, 255, 0));
  button.SetHotBorder(FALSE);
  button.SetTransparent(TRUE);
  button.SetHoverCursor(IDC_HAND_CURSOR);
  button.SetTipText(strTip, TRUE);
}

void CProgressDialog::OnExtractNow() {
  CWnd* pExtract = GetDlgItem(IDC_PROGRESS_EXTRACT);
  pExtract->EnableWindow(FALSE);
  BeginWaitCursor();
  m_pGraph->CreateGraph();
  BOOL bBuilt = m_pGraph->BuildExtractionGraph(m_request);
  EndWaitCursor();
  if (bBuilt) m_pGraph->RunExtraction(&m_progress);
  pExtract->EnableWindow(TRUE);
  CDialog::OnOK();
}

void CProgressDialog::OnCancel() {
  // Reached re-entrantly from the extraction loop: it only raises the flag and ends the modal state;
  // the loop then finishes in order.
  if (m_pGraph != nullptr) m_pGraph->RequestCancel();
  CDialog::OnCancel();
}

HBRUSH CProgressDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  if (nCtlColor == CTLCOLOR_DLG) return static_cast<HBRUSH>(m_brBackground.GetSafeHandle());
  return hbr;
}

BOOL CProgressDialog::DestroyWindow() {
  delete m_pGraph;
  m_pGraph = nullptr;
  m_brBackground.DeleteObject();
  return CDialog::DestroyWindow();
}
