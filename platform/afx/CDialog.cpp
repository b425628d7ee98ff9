#include "platform/afx/CDialog.h"

#include "platform/afx/AfxDebug.h"
#include "platform/afx/AfxFunctions.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/TemporaryObjects.h"
#include "platform/win/dialog/DialogManager.h"

namespace {

// The dialog DoModal or Create is making; it takes the window on its first message.
CDialog* dialogBeingCreated = nullptr;

constexpr WPARAM kIdleInDialogBox = 0;  // WM_ENTERIDLE's wParam for a dialog's modal loop

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
  ON_COMMAND(IDOK, &CDialog::OnOkCommand)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancelCommand)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDHelp(templateId), m_lpszTemplateName(MAKEINTRESOURCE(templateId)), m_pParentWnd(parent) {}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent) : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

INT_PTR CALLBACK CDialog::AfxDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (dialogBeingCreated && !FromHandlePermanent(hwnd)) {
    CDialog* dialog = dialogBeingCreated;
    dialogBeingCreated = nullptr;
    VERIFY(dialog->SubclassWindow(hwnd));
  }
  // Normally WM_INITDIALOG arrives through the library's procedure once the window is subclassed;
  // this covers a dialog manager that hands it to the dialog procedure directly.
  if (message == WM_INITDIALOG) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    return wnd ? CallWindowProcFor(wnd, hwnd, message, wParam, lParam) : TRUE;
  }
  return FALSE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

HWND CDialog::CreateFromTemplate(HWND owner) {
  ASSERT(m_hWnd == nullptr);
  CDialog* outer = dialogBeingCreated;
  dialogBeingCreated = this;
  HWND hwnd = ::CreateDialogParam(AfxGetResourceHandle(), m_lpszTemplateName, owner, &AfxDlgProc,
                                  reinterpret_cast<LPARAM>(this));
  if (dialogBeingCreated == this) dialogBeingCreated = outer;
  if (hwnd && !m_hWnd) VERIFY(SubclassWindow(hwnd));
  return hwnd;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_lpszTemplateName = MAKEINTRESOURCE(templateId);
  m_pParentWnd = parent;
  HWND owner = parent ? parent->m_hWnd : nullptr;
  return CreateFromTemplate(owner) != nullptr;
}

// The given parent's top-level window, or else the application's main window unless that is this
// dialog itself.
HWND CDialog::ModalOwner() const {
  CWnd* parent = m_pParentWnd;
  if (!parent) {
    CWnd* main = AfxGetMainWnd();
    if (main == this) return nullptr;
    parent = main;
  }
  HWND owner = parent ? parent->m_hWnd : nullptr;
  return owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND owner = ModalOwner();
  bool disabledOwner = owner && ::IsWindowEnabled(owner);
  if (disabledOwner) ::EnableWindow(owner, FALSE);
  m_nModalResult = -1;
  HWND hwnd = CreateFromTemplate(owner);
  if (hwnd && ::IsWindow(hwnd)) RunModalLoop(owner);
  // Hidden first, so the owner, not some other window, becomes active again.
  if (m_hWnd) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (disabledOwner) ::EnableWindow(owner, TRUE);
  if (owner && ::IsWindowVisible(owner)) ::SetActiveWindow(owner);
  if (m_hWnd) DestroyWindow();
  return m_nModalResult;
}

bool CDialog::ModalLoopShouldEnd() const {
  return !m_hWnd || !::IsWindow(m_hWnd) || win::IsDialogEnded(m_hWnd, nullptr);
}

void CDialog::RunModalLoop(HWND owner) {
  if (!ModalLoopShouldEnd()) {
    ShowWindow(SW_SHOWNORMAL);
    HWND focus = ::GetFocus();
    if (!focus || (focus != m_hWnd && !::IsChild(m_hWnd, focus))) {
      HWND first = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
      ::SetFocus(first ? first : m_hWnd);
    }
  }
  MSG msg = {};
  while (!ModalLoopShouldEnd()) {
    if (!::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      afx::TemporaryObjects::PurgeDead();
      if (owner) ::SendMessage(owner, WM_ENTERIDLE, kIdleInDialogBox, reinterpret_cast<LPARAM>(m_hWnd));
      if (ModalLoopShouldEnd()) break;
    }
    if (::GetMessage(&msg, nullptr, 0, 0) <= 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // the quit belongs to the loop outside
      return;
    }
    if (!AfxPreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
  }
  INT_PTR result = -1;
  if (m_hWnd && win::IsDialogEnded(m_hWnd, &result)) m_nModalResult = result;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::IsHelpKey(const MSG* msg) { return msg->message == WM_KEYDOWN && msg->wParam == VK_F1; }

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (!m_hWnd || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return FALSE;
  if (IsHelpKey(msg)) {
    SendMessage(WM_COMMAND, ID_HELP, 0);
    return TRUE;
  }
  bool keyboard = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
  bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
  if (!keyboard && !mouse) return FALSE;
  return ::IsDialogMessage(m_hWnd, msg);
}

// Commands the dialog does not handle go on to the application (ID_HELP, for one).
BOOL CDialog::OnCmdMsg(UINT id, int code) {
  if (CWnd::OnCmdMsg(id, code)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, code);
}
