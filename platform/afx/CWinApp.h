// The application object. The program defines one global object of a class derived from CWinApp
// (`theApp`); constructing it registers it, and main() hands over to AfxWinMain, which sets the
// application up, calls InitInstance, then either ExitInstance at once (InitInstance returned
// FALSE, as in a program whose main window runs modally inside InitInstance) or Run and then
// ExitInstance; ExitInstance's result is the process's exit code.
#pragma once

#include <string>

#include "platform/afx/CCmdTarget.h"

// The standard help command; F1 in the library's modal loops sends it (see CDialog).
#define ID_HELP 0xE146

class CWnd;

class CWinApp : public CCmdTarget {
 public:
  // appName: the application's name; NULL names it after the executable file without extension.
  explicit CWinApp(LPCTSTR appName = nullptr);
  ~CWinApp() override;

  HINSTANCE m_hInstance = nullptr;
  LPCTSTR m_pszAppName = nullptr;
  LPCTSTR m_pszExeName = nullptr;
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The message loop, until WM_QUIT; returns the quit code. Destroying the main window ends it.
  virtual int Run();
  // Last step of the library's pre-translation of a message in its loops; TRUE takes the message.
  virtual BOOL PreTranslateMessage(MSG* msg);

  HICON LoadIcon(UINT id) const;
  HICON LoadIcon(LPCTSTR name) const;
  HCURSOR LoadCursor(UINT id) const;
  HCURSOR LoadCursor(LPCTSTR name) const;
  HICON LoadStandardIcon(LPCTSTR name) const;
  HCURSOR LoadStandardCursor(LPCTSTR name) const;
  // Controls always have their look here; kept for source compatibility.
  BOOL Enable3dControls() { return TRUE; }
  BOOL Enable3dControlsStatic() { return TRUE; }

  // The standard help command: opens help.html from the executable's directory with xdg-open, as a
  // process of its own; a message box tells the user when that cannot be done.
  afx_msg void OnHelp();

  // The library's bookkeeping; not for programs.
  static CWinApp* GetRegisteredApp();
  void SetUpFromCommandLine(int argc, char** argv);
  void OnWindowDestroyed(CWnd* wnd);

  DECLARE_MESSAGE_MAP()

 private:
  std::string ExecutablePath() const;

  std::string m_appName;
  std::string m_exeName;
  std::string m_exePath;
  bool m_bRunning = false;
  int m_nExitCode = 0;
};
