// The application object: prepares the user interface and COM, runs the main window modally, and
// undoes the COM initialisation when it has closed.
#pragma once

#include "platform/afx/afxwin.h"

class CMainApp : public CWinApp {
 public:
  CMainApp();

  BOOL InitInstance() override;
  int ExitInstance() override;

  DECLARE_MESSAGE_MAP()
};

extern CMainApp theApp;
