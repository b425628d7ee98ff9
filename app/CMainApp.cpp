#include "app/CMainApp.h"

#include "platform/com/objbase.h"
#include "ui/CMainDialog.h"

BEGIN_MESSAGE_MAP(CMainApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()


CMainApp::CMainApp() = default;

BOOL CMainApp::InitInstance() {
  AfxEnableControlContainer();
  Enable3dControlsStatic();
  CoInitialize(nullptr);

  CMainDialog* pDialog = new CMainDialog(nullptr);
  m_pMainWnd = pDialog;
  pDialog->DoModal();
  m_pMainWnd = nullptr;
  delete pDialog;
  // No message loop of the application's own: the framework goes straight to ExitInstance.
  return FALSE;
}

int CMainApp::ExitInstance() {
  CoUninitialize();
  return CWinApp::ExitInstance();
}
