// The application object's life: AfxWinMain, InitInstance, Run, ExitInstance and the name.
#include <unistd.h>

#include <string>

#include "AfxTestSupport.h"

namespace {

class CountingApp : public CWinApp {
 public:
  BOOL initResult = FALSE;
  int initCalls = 0;
  int exitCalls = 0;
  bool mainWindowClearedBeforeExit = false;

  BOOL InitInstance() override {
    ++initCalls;
    if (initResult) ::PostQuitMessage(7);
    return initResult;
  }
  int ExitInstance() override {
    ++exitCalls;
    mainWindowClearedBeforeExit = m_pMainWnd == nullptr;
    return CWinApp::ExitInstance() + 100;
  }
};

std::string ExecutableName() {
  char path[4096] = {};
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string name = length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
  name = name.substr(name.rfind('/') + 1);
  return name.substr(0, name.rfind('.') == std::string::npos || name.rfind('.') == 0 ? name.size() : name.rfind('.'));
}

TEST(AppTest, InitInstanceFalseMeansExitInstanceOnceAndItsResult) {
  CountingApp app;
  char arg0[] = "ignored";
  char* argv[] = {arg0, nullptr};
  EXPECT_EQ(AfxWinMain(1, argv), 100);
  EXPECT_EQ(app.initCalls, 1);
  EXPECT_EQ(app.exitCalls, 1);
}

TEST(AppTest, RunEndsAtTheQuitMessageThenExitInstanceOnce) {
  CountingApp app;
  app.initResult = TRUE;
  char arg0[] = "ignored";
  char* argv[] = {arg0, nullptr};
  EXPECT_EQ(AfxWinMain(1, argv), 107);
  EXPECT_EQ(app.exitCalls, 1);
}

TEST(AppTest, ApplicationIsNamedAfterTheExecutableUnlessGivenAName) {
  char arg0[] = "ignored";
  char* argv[] = {arg0, nullptr};
  {
    CountingApp app;
    AfxWinMain(1, argv);
    EXPECT_STREQ(AfxGetAppName(), ExecutableName().c_str());
    EXPECT_EQ(AfxGetApp(), &app);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);
  class NamedApp : public CWinApp {
   public:
    NamedApp() : CWinApp("given") {}
    BOOL InitInstance() override { return FALSE; }
  } named;
  AfxWinMain(1, argv);
  EXPECT_STREQ(AfxGetAppName(), "given");
}

TEST(AppTest, DestroyingTheMainWindowClearsItAndEndsRun) {
  class WindowApp : public CountingApp {
   public:
    afxtest::HostWnd* window = nullptr;
    BOOL InitInstance() override {
      window = new afxtest::HostWnd;
      m_pMainWnd = window;
      window->PostMessage(WM_CLOSE);  // the default processing destroys the window
      return TRUE;
    }
  } app;
  char arg0[] = "ignored";
  char* argv[] = {arg0, nullptr};
  EXPECT_EQ(AfxWinMain(1, argv), 100);
  EXPECT_TRUE(app.mainWindowClearedBeforeExit);
  EXPECT_EQ(app.window->m_hWnd, nullptr);
  delete app.window;
}

}  // namespace
