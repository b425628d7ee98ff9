// The application's life: the main window runs modally inside InitInstance, and closing it ends the
// program with one ExitInstance and COM uninitialised once.
#include <gtest/gtest.h>

#include "app/CMainApp.h"
#include "platform/com/objbase.h"
#include "platform/win/Desktop.h"
#include "res/ProgramResources.h"

namespace {

// Creating an unregistered class tells whether COM is initialised without changing its count.
bool ComInitialised() {
  void* object = nullptr;
  return CoCreateInstance(CLSID{}, nullptr, CLSCTX_INPROC_SERVER, IID{}, &object) != CO_E_NOTINITIALIZED;
}

class ObservedApp : public CMainApp {
 public:
  HWND mainWindow = nullptr;
  bool comInitialisedWhileShown = false;
  int ticksWithoutWindow = 0;
  int exitCalls = 0;
  bool windowGoneAtExit = false;

  BOOL InitInstance() override {
    m_nTimer = ::SetTimer(nullptr, 0, 10, &ObservedApp::Tick);
    return CMainApp::InitInstance();
  }

  int ExitInstance() override {
    ++exitCalls;
    windowGoneAtExit = m_pMainWnd == nullptr && mainWindow != nullptr && !::IsWindow(mainWindow);
    ::KillTimer(nullptr, m_nTimer);
    return CMainApp::ExitInstance();
  }

 private:
  // Runs inside the main window's modal loop: looks at the shown window once, then closes it with Esc.
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    auto* app = static_cast<ObservedApp*>(AfxGetApp());
    if (app->mainWindow != nullptr) return;
    HWND active = ::GetActiveWindow();
    if (active == nullptr || app->m_pMainWnd == nullptr || active != app->m_pMainWnd->m_hWnd) {
      // Give up after a few seconds rather than hang.
      if (++app->ticksWithoutWindow > 500 && app->m_pMainWnd != nullptr) ::EndDialog(app->m_pMainWnd->m_hWnd, -1);
      return;
    }
    app->mainWindow = active;
    app->comInitialisedWhileShown = ComInitialised();
    // The test's own hold on COM: an extra uninitialisation at exit would drop it.
    CoInitialize(nullptr);
    win::DesktopKey(VK_ESCAPE, true);
    win::DesktopKey(VK_ESCAPE, false);
  }

  UINT_PTR m_nTimer = 0;
};

TEST(MainApp, ClosingTheMainWindowRunsExitInstanceOnceAndUninitialisesComOnce) {
  win::SelectBackend("headless");
  RegisterProgramResources();
  ASSERT_FALSE(ComInitialised());
  ObservedApp app;
  char arg0[] = "velmora";
  char* argv[] = {arg0, nullptr};
  AfxWinMain(1, argv);

  ASSERT_NE(app.mainWindow, nullptr) << "the main window never became active";
  EXPECT_TRUE(app.comInitialisedWhileShown);
  EXPECT_EQ(app.exitCalls, 1);
  EXPECT_TRUE(app.windowGoneAtExit);
  EXPECT_TRUE(ComInitialised()) << "COM was uninitialised more than once";
  CoUninitialize();  // the test's hold
  EXPECT_FALSE(ComInitialised()) << "COM was not uninitialised";
}

}  // namespace
