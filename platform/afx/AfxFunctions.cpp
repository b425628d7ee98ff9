#include "platform/afx/AfxFunctions.h"

#include <cstdio>
#include <map>
#include <string>
#include <tuple>

#include "platform/afx/CString.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"

CWinApp* AfxGetApp() { return CWinApp::GetRegisteredApp(); }

CWnd* AfxGetMainWnd() {
  CWinApp* app = AfxGetApp();
  return app ? app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
  CWinApp* app = AfxGetApp();
  return app && app->m_hInstance ? app->m_hInstance : ::GetModuleHandle(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

LPCTSTR AfxGetAppName() {
  CWinApp* app = AfxGetApp();
  return app && app->m_pszAppName ? app->m_pszAppName : "";
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT) {
  HWND owner = ::GetActiveWindow();
  if (!owner) {
    CWnd* main = AfxGetMainWnd();
    owner = main ? main->m_hWnd : nullptr;
  }
  return ::MessageBox(owner, text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT textId, UINT type, UINT helpId) {
  CString text;
  if (!text.LoadString(textId)) text.Format("(string %u)", textId);
  return AfxMessageBox(text, type, helpId ? helpId : textId);
}

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
  static auto* registered = new std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::string>;
  auto key = std::make_tuple(classStyle, cursor, background, icon);
  auto found = registered->find(key);
  if (found != registered->end()) return found->second.c_str();
  char name[96];
  std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor),
                static_cast<void*>(background), static_cast<void*>(icon));
  std::string& stored = (*registered)[key] = name;
  WNDCLASS wc = {};
  wc.style = classStyle;
  wc.lpfnWndProc = &CWnd::AfxWndProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hIcon = icon;
  wc.hCursor = cursor ? cursor : ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = stored.c_str();
  ::RegisterClass(&wc);
  return stored.c_str();
}

void AfxEnableControlContainer() {}

int AfxWinMain(int argc, char** argv) {
  CWinApp* app = AfxGetApp();
  if (!app) {
    std::fprintf(stderr, "%s: no application object\n", argc > 0 ? argv[0] : "program");
    return -1;
  }
  app->SetUpFromCommandLine(argc, argv);
  if (!app->InitInstance()) return app->ExitInstance();
  app->Run();
  return app->ExitInstance();
}
