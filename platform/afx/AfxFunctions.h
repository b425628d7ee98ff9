// The library's global functions: the application and its resources, message boxes, window classes.
#pragma once

#include "platform/win/winuser.h"

class CWinApp;
class CWnd;

CWinApp* AfxGetApp();
// The application's main window; NULL without an application or main window.
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// The application's name: the executable's file name without extension unless the program gave one.
LPCTSTR AfxGetAppName();

// A message box with the application's name as caption, owned by the program's active window.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT textId, UINT type = MB_OK, UINT helpId = 0);

// Registers (once per distinct set of arguments) a window class whose procedure is the library's and
// returns its name.
LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);

// Accepted for source compatibility; there are no ActiveX controls here.
void AfxEnableControlContainer();

// What main() calls: runs the application object (see CWinApp) and returns the exit code.
int AfxWinMain(int argc, char** argv);

// The library's pre-translation of a message in its loops: PreTranslateMessage of the message's
// window and each parent up to its top-level window, then the application's. TRUE takes the message.
BOOL AfxPreTranslateMessage(MSG* msg);
