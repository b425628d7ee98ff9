// The main window's layout, skin, initial state and life.
#include "ui/CMainDialog.h"

#include <cstdio>

#include "app/CAboutDialog.h"
#include "media/CMediaGraph.h"
#include "platform/shell/DesktopAssociations.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMainDialog, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_OPEN_FILE, &CMainDialog::OnOpenVideoFile)
ON_WM_TIMER()
ON_WM_HSCROLL()
ON_BN_CLICKED(IDC_MARK_START, &CMainDialog::OnMarkStart)
ON_BN_CLICKED(IDC_MARK_END, &CMainDialog::OnMarkEnd)
ON_BN_CLICKED(IDC_PLAY, &CMainDialog::OnPlay)
ON_BN_CLICKED(IDC_PAUSE, &CMainDialog::OnPause)
ON_BN_CLICKED(IDC_FAST_BACKWARD, &CMainDialog::OnFastBackward)
ON_BN_CLICKED(IDC_FAST_FORWARD, &CMainDialog::OnFastForward)
ON_BN_CLICKED(IDC_SEEK_BEGIN, &CMainDialog::OnSeekBegin)
ON_BN_CLICKED(IDC_SEEK_END, &CMainDialog::OnSeekEnd)
ON_MESSAGE(WM_GRAPHNOTIFY, &CMainDialog::OnGraphNotify)
ON_BN_CLICKED(IDC_SAVE_DIR, &CMainDialog::OnBrowseSaveDir)
ON_BN_CLICKED(IDC_EXTRACT, &CMainDialog::OnExtract)
ON_WM_CTLCOLOR()
ON_WM_ERASEBKGND()
ON_BN_CLICKED(IDC_HELP_BUTTON, &CMainDialog::OnHelpButton)
ON_BN_CLICKED(IDC_HOMEPAGE, &CMainDialog::OnHomePage)
ON_COMMAND(IDOK, &CMainDialog::OnOkCommand)
END_MESSAGE_MAP()

CMainDialog::CMainDialog(CWnd* pParent)
    : CDialog(IDD_MAIN_DIALOG, pParent),
      m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)),
      m_pGraph(nullptr),
      m_nTimerId(0),
      m_szSourcePath{},
      m_szSaveDir{},
      m_llDurationMs(0) {}

CMainDialog::~CMainDialog() = default;

void CMainDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SAMPLE_RATE, m_cbSampleRate);
  DDX_Control(pDX, IDC_BIT_RATE, m_cbBitRate);
  DDX_Control(pDX, IDC_SOURCE_EDIT, m_editSource);
  DDX_Control(pDX, IDC_SAVE_DIR_EDIT, m_editSaveDir);
  DDX_Control(pDX, IDC_POSITION_SLIDER, m_slider);
  DDX_Control(pDX, IDC_VIDEO_PICTURE, m_picVideo);
}

BOOL CMainDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  AddAboutMenuItem();

  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  // A 3-pixel frame and a 19-pixel caption leave exactly the 716 x 392 background as client area.
  SetWindowPos(&wndNoTopMost, 0, 0, 722, 417, SWP_NOMOVE);
  m_picVideo.ModifyStyle(0, WS_CLIPCHILDREN);

  m_llDurationMs = 0;
  m_pGraph = nullptr;
  m_nTimerId = 0;

  // The documents folder stands for the classic start-up save directory. One that does not fit the
  // buffer is left empty rather than cut, so an extraction can never write into a truncated path.
  std::string documents = shell::DocumentsDirectory();
  if (documents.size() < sizeof(m_szSaveDir)) std::snprintf(m_szSaveDir, sizeof(m_szSaveDir), "%s", documents.c_str());
  m_editSaveDir.SetWindowText(m_szSaveDir);

  CBitmap bmpBackground;
  bmpBackground.LoadBitmap(IDB_MAIN_BACKGROUND);
  m_brBackground.CreatePatternBrush(&bmpBackground);
  bmpBackground.DeleteObject();

  CheckRadioButton(IDC_FORMAT_MP3, IDC_FORMAT_MP3, IDC_FORMAT_MP3);
  CheckRadioButton(IDC_MONO, IDC_STEREO, IDC_STEREO);
  m_cbBitRate.SetCurSel(1);     // "128" in text order
  m_cbSampleRate.SetCurSel(4);  // "44.1" in text order

  InitSkinButtons();
  EnableTransportButtons(FALSE);
  return TRUE;
}

void CMainDialog::AddAboutMenuItem() {
  CMenu* pSysMenu = GetSystemMenu(FALSE);
  if (pSysMenu == nullptr) return;
  CString strAboutMenu;
  strAboutMenu.LoadString(IDS_ABOUTBOX);
  if (strAboutMenu.IsEmpty()) return;
  pSysMenu->AppendMenu(MF_SEPARATOR, 0, nullptr);
  pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
}

void CMainDialog::InitSkinButton(CSkinButton& button, UINT nHotId, UINT nNormalId, UINT nCtrlId, CString strTip) {
  button.SubclassDlgItem(nCtrlId, this);
  button.LoadSkinBitmaps(nHotId, RGB(0, 0, 0), nNormalId, RGB(0, 255, 0));
  button.SetHotBorder(FALSE);
  button.SetTransparent(TRUE);
  button.SetHoverCursor(IDC_HAND_CURSOR);
  button.SetTipText(strTip, TRUE);
}

void CMainDialog::InitSkinButtons() {
  InitSkinButton(m_btnMarkStart, IDB_MARK_START_HOT, IDB_MARK_START_NORMAL, IDC_MARK_START, "Mark Start Breakpoint");
  InitSkinButton(m_btnMarkEnd, IDB_MARK_END_HOT, IDB_MARK_END_NORMAL, IDC_MARK_END, "Mark End Breakpoint");
  InitSkinButton(m_btnPlay, IDB_PLAY_HOT, IDB_PLAY_NORMAL, IDC_PLAY, "Play");
  InitSkinButton(m_btnPause, IDB_PAUSE_HOT, IDB_PAUSE_NORMAL, IDC_PAUSE, "Pause");
  InitSkinButton(m_btnBackward, IDB_FAST_BACKWARD_HOT, IDB_FAST_BACKWARD_NORMAL, IDC_FAST_BACKWARD, "Fast backward");
  InitSkinButton(m_btnForward, IDB_FAST_FORWARD_HOT, IDB_FAST_FORWARD_NORMAL, IDC_FAST_FORWARD, "Fast foreward");
  InitSkinButton(m_btnSeekBegin, IDB_SEEK_BEGIN_HOT, IDB_SEEK_BEGIN_NORMAL, IDC_SEEK_BEGIN, "Seek to Begin");
  InitSkinButton(m_btnSeekEnd, IDB_SEEK_END_HOT, IDB_SEEK_END_NORMAL, IDC_SEEK_END, "Seek to End");
  InitSkinButton(m_btnExtract, IDB_EXTRACT_HOT, IDB_EXTRACT_NORMAL, IDC_EXTRACT, "Extract Now");
  InitSkinButton(m_btnHelp, IDB_HELP_HOT, IDB_HELP_NORMAL, IDC_HELP_BUTTON, "Help");
  InitSkinButton(m_btnHomePage, IDB_HOMEPAGE_HOT, IDB_HOMEPAGE_NORMAL, IDC_HOMEPAGE, "HomePage");
  InitSkinButton(m_btnOpenFile, IDB_OPEN_FILE_HOT, IDB_OPEN_FILE_NORMAL, IDC_OPEN_FILE, "Open video File");
  InitSkinButton(m_btnSaveDir, IDB_SAVE_DIR_HOT, IDB_SAVE_DIR_NORMAL, IDC_SAVE_DIR, "Save directory");
}

void CMainDialog::EnableTransportButtons(BOOL bEnable) {
  for (UINT nId = IDC_PLAY; nId <= IDC_SEEK_END; ++nId) GetDlgItem(nId)->EnableWindow(bEnable);
}

void CMainDialog::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDialog dlgAbout;
    dlgAbout.DoModal();
  } else {
    CDialog::OnSysCommand(nID, lParam);
  }
}

void CMainDialog::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  int cxIcon = GetSystemMetrics(SM_CXICON);
  int cyIcon = GetSystemMetrics(SM_CYICON);
  CRect rect;
  GetClientRect(&rect);
  int x = (rect.Width() - cxIcon + 1) / 2;
  int y = (rect.Height() - cyIcon + 1) / 2;
  dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CMainDialog::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

HBRUSH CMainDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  static HBRUSH s_hbrWhite = ::CreateSolidBrush(RGB(255, 255, 255));
  // The output-format options are drawn straight onto the skin.
  switch (pWnd->GetDlgCtrlID()) {
    case IDC_FORMAT_MP3:
    case IDC_MONO:
    case IDC_STEREO:
    case IDC_CHANNELS_LABEL:
    case IDC_BIT_RATE_LABEL:
    case IDC_SAMPLE_RATE_LABEL:
      pDC->SetBkMode(TRANSPARENT);
      return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    default:
      break;
  }
  if (nCtlColor == CTLCOLOR_DLG) return static_cast<HBRUSH>(m_brBackground.GetSafeHandle());
  if (nCtlColor == CTLCOLOR_STATIC) {
    pDC->SetBkColor(RGB(255, 255, 255));
    return s_hbrWhite;
  }
  return hbr;
}

BOOL CMainDialog::OnEraseBkgnd(CDC* pDC) {
  // The picture area is never erased, so neither the picture nor the video flickers.
  CRect rcPicture;
  m_picVideo.GetWindowRect(&rcPicture);
  ScreenToClient(&rcPicture);
  pDC->ExcludeClipRect(&rcPicture);
  return CDialog::OnEraseBkgnd(pDC);
}

void CMainDialog::OnOkCommand() {}

BOOL CMainDialog::DestroyWindow() {
  delete m_pGraph;
  m_pGraph = nullptr;
  m_brBackground.DeleteObject();
  return CDialog::DestroyWindow();
}
