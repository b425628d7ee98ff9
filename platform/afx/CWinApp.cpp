#include "platform/afx/CWinApp.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <string>
#include <thread>

#include "platform/afx/AfxDebug.h"
#include "platform/afx/AfxFunctions.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/TemporaryObjects.h"

extern char** environ;

namespace {

CWinApp* registeredApp = nullptr;

std::string FileName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Directory(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string WithoutExtension(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// Starts a program without a shell and reaps it in the background, so no zombie stays behind.
bool StartProgram(const std::string& program, const std::string& argument) {
  std::string arg0 = program, arg1 = argument;
  char* argv[] = {arg0.data(), arg1.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR appName) {
  ASSERT(registeredApp == nullptr);
  registeredApp = this;
  if (appName) {
    m_appName = appName;
    m_pszAppName = m_appName.c_str();
  }
}

CWinApp::~CWinApp() {
  if (registeredApp == this) registeredApp = nullptr;
}

CWinApp* CWinApp::GetRegisteredApp() { return registeredApp; }

std::string CWinApp::ExecutablePath() const {
  if (!m_exePath.empty()) return m_exePath;
  char path[4096] = {};
  DWORD length = ::GetModuleFileName(nullptr, path, sizeof path);
  return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

void CWinApp::SetUpFromCommandLine(int argc, char** argv) {
  m_hInstance = ::GetModuleHandle(nullptr);
  m_exePath = ExecutablePath();
  if (m_exePath.empty() && argc > 0 && argv[0]) m_exePath = argv[0];
  m_exeName = WithoutExtension(FileName(m_exePath));
  m_pszExeName = m_exeName.c_str();
  if (!m_pszAppName) {
    m_appName = m_exeName;
    m_pszAppName = m_appName.c_str();
  }
}

void CWinApp::OnWindowDestroyed(CWnd* wnd) {
  if (wnd != m_pMainWnd) return;
  m_pMainWnd = nullptr;
  if (m_bRunning) ::PostQuitMessage(0);
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

int CWinApp::Run() {
  m_bRunning = true;
  MSG msg = {};
  BOOL got;
  for (;;) {
    if (!::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) afx::TemporaryObjects::PurgeDead();
    got = ::GetMessage(&msg, nullptr, 0, 0);
    if (got <= 0) break;
    if (!AfxPreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
  }
  m_bRunning = false;
  m_nExitCode = got == 0 ? static_cast<int>(msg.wParam) : -1;
  return m_nExitCode;
}

BOOL CWinApp::PreTranslateMessage(MSG*) { return FALSE; }

HICON CWinApp::LoadIcon(UINT id) const { return LoadIcon(MAKEINTRESOURCE(id)); }
HICON CWinApp::LoadIcon(LPCTSTR name) const { return ::LoadIcon(AfxGetResourceHandle(), name); }
HCURSOR CWinApp::LoadCursor(UINT id) const { return LoadCursor(MAKEINTRESOURCE(id)); }
HCURSOR CWinApp::LoadCursor(LPCTSTR name) const { return ::LoadCursor(AfxGetResourceHandle(), name); }
HICON CWinApp::LoadStandardIcon(LPCTSTR name) const { return ::LoadIcon(nullptr, name); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR name) const { return ::LoadCursor(nullptr, name); }

void CWinApp::OnHelp() {
  std::string exePath = ExecutablePath();
  std::string helpFile = (exePath.empty() ? std::string(".") : Directory(exePath)) + "/help.html";
  struct stat info;
  if (stat(helpFile.c_str(), &info) != 0) {
    AfxMessageBox(("The help file " + helpFile + " was not found.").c_str(), MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (!StartProgram("xdg-open", helpFile)) {
    AfxMessageBox(("The help file " + helpFile + " could not be opened: xdg-open could not be started.").c_str(),
                  MB_OK | MB_ICONEXCLAMATION);
  }
}

BOOL AfxPreTranslateMessage(MSG* msg) {
  if (CWnd::WalkPreTranslateTree(nullptr, msg)) return TRUE;
  CWinApp* app = AfxGetApp();
  return app && app->PreTranslateMessage(msg);
}
