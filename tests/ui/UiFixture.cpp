#include "UiFixture.h"

#include <strings.h>

#include "res/ProgramResources.h"

namespace uitest {

namespace {

// An application object as the program has one: it names the application (the caption of message
// boxes) and holds the main window, which nested dialogs take as their owner.
CWinApp& TestApp() {
  static CWinApp app;
  return app;
}

constexpr int kIdleTurnsAfterScript = 20;
constexpr DWORD kNoProgressLimitMs = 20000;

void CALLBACK WatchdogProc(HWND, UINT, UINT_PTR, DWORD) { Script::Instance().CheckProgress(); }

}  // namespace

Script& Script::Instance() {
  static Script script;
  return script;
}

void Script::Load(std::vector<Step> steps) {
  m_steps.assign(steps.begin(), steps.end());
  m_nIdleAfterScript = 0;
  m_dwLastIdle = win::DesktopTime();
  m_bStuck = false;
}

void Script::OnIdle(HWND idleDialog) {
  m_dwLastIdle = win::DesktopTime();
  if (!m_steps.empty()) {
    Step step = std::move(m_steps.front());
    m_steps.pop_front();
    step(idleDialog);
  } else if (++m_nIdleAfterScript > kIdleTurnsAfterScript) {
    m_bStuck = true;
    ::EndDialog(idleDialog, kStuck);
  }
  ::PostMessage(idleDialog, WM_NULL, 0, 0);  // another turn of the loop, so the script goes on
}

void Script::CheckProgress() {
  if (win::DesktopTime() - m_dwLastIdle < kNoProgressLimitMs) return;
  m_bStuck = true;
  m_dwLastIdle = win::DesktopTime();
  if (HWND active = ::GetActiveWindow()) ::EndDialog(active, kStuck);
}

BEGIN_MESSAGE_MAP(HostWnd, CWnd)
ON_MESSAGE(WM_ENTERIDLE, &HostWnd::OnEnterIdle)
END_MESSAGE_MAP()

HostWnd::HostWnd() {
  CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 760, 40, 200, 120, nullptr, nullptr);
  ::SetActiveWindow(m_hWnd);
  win::PumpPendingMessages();
}

LRESULT HostWnd::OnEnterIdle(WPARAM, LPARAM lParam) {
  Script::Instance().OnIdle(reinterpret_cast<HWND>(lParam));
  return 0;
}

BEGIN_MESSAGE_MAP(TestMainDialog, CMainDialog)
ON_MESSAGE(WM_ENTERIDLE, &TestMainDialog::OnEnterIdle)
END_MESSAGE_MAP()

LRESULT TestMainDialog::OnEnterIdle(WPARAM, LPARAM lParam) {
  Script::Instance().OnIdle(reinterpret_cast<HWND>(lParam));
  return 0;
}

void QueueClickAt(POINT screen) {
  win::DesktopMouseMove(screen);
  win::DesktopMouseButton(win::MouseButton::Left, true, screen);
  win::DesktopMouseButton(win::MouseButton::Left, false, screen);
}

void QueueClick(HWND hwnd) {
  RECT rc;
  ::GetClientRect(hwnd, &rc);
  POINT pt{rc.right / 2, rc.bottom / 2};
  ::ClientToScreen(hwnd, &pt);
  // Far from the last click in time, so no two clicks of a test pair into a double click.
  win::DesktopAdvanceClock(::GetDoubleClickTime() + 100);
  QueueClickAt(pt);
}

void QueueKey(UINT vk) {
  win::DesktopKey(vk, true);
  win::DesktopKey(vk, false);
}

std::string TextOf(HWND hwnd) {
  char buffer[512] = {};
  ::GetWindowText(hwnd, buffer, sizeof buffer);
  return buffer;
}

std::string StaticTexts(HWND dlg) {
  std::string texts;
  for (HWND child = ::GetWindow(dlg, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char cls[64] = {};
    ::GetClassName(child, cls, sizeof cls);
    if (strcasecmp(cls, "static") != 0) continue;
    if (!texts.empty()) texts += '|';
    texts += TextOf(child);
  }
  return texts;
}

HWND ChildWithText(HWND parent, const char* text) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (TextOf(child) == text) return child;
  }
  return nullptr;
}

RECT RectIn(HWND hwnd, HWND reference) {
  RECT rc;
  ::GetWindowRect(hwnd, &rc);
  ::MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

POINT CloseBoxPoint(HWND topLevel) {
  RECT rc;
  ::GetWindowRect(topLevel, &rc);
  POINT clientOrigin{0, 0};
  ::ClientToScreen(topLevel, &clientOrigin);
  int y = (rc.top + clientOrigin.y) / 2;  // the middle of the caption
  for (int x = rc.right - 1; x > rc.left; --x) {
    LRESULT hit = ::SendMessage(topLevel, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    if (hit == HTCLOSE) return POINT{x - 3, y};
  }
  ADD_FAILURE() << "no close box on the caption";
  return POINT{rc.right - 1, y};
}

ResourceBitmap::ResourceBitmap(UINT id)
    : m_hBitmap(::LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(id))),
      m_hdc(::CreateCompatibleDC(nullptr)),
      m_hOld(::SelectObject(m_hdc, m_hBitmap)) {}

ResourceBitmap::~ResourceBitmap() {
  ::SelectObject(m_hdc, m_hOld);
  ::DeleteDC(m_hdc);
  ::DeleteObject(m_hBitmap);
}

COLORREF ResourceBitmap::At(int x, int y) const { return ::GetPixel(m_hdc, x, y); }

double ShareOfPixels(HWND hwnd, const RECT& rc, const std::function<bool(int x, int y, COLORREF colour)>& matches) {
  ::UpdateWindow(::GetAncestor(hwnd, GA_ROOT));
  ::UpdateWindow(hwnd);
  HDC hdc = ::GetDC(hwnd);
  int nTotal = 0;
  int nMatching = 0;
  for (int y = rc.top; y < rc.bottom; ++y) {
    for (int x = rc.left; x < rc.right; ++x) {
      ++nTotal;
      if (matches(x, y, ::GetPixel(hdc, x, y))) ++nMatching;
    }
  }
  ::ReleaseDC(hwnd, hdc);
  return nTotal == 0 ? 0.0 : static_cast<double>(nMatching) / nTotal;
}

void MainDialogTest::SetUp() {
  win::SelectBackend("headless");
  RegisterProgramResources();
  TestApp().SetUpFromCommandLine(0, nullptr);
  m_pHost = new HostWnd;
}

void MainDialogTest::TearDown() {
  m_pHost->DestroyWindow();
  delete m_pHost;
  m_pHost = nullptr;
  ReleaseCapture();
  win::PumpPendingMessages();
}

INT_PTR MainDialogTest::RunMainDialog(std::vector<Step> steps) {
  Script::Instance().Load(std::move(steps));
  UINT_PTR nWatchdog = ::SetTimer(nullptr, 0, 1000, WatchdogProc);
  TestMainDialog dialog(m_pHost);
  TestApp().m_pMainWnd = &dialog;
  INT_PTR nResult = dialog.DoModal();
  TestApp().m_pMainWnd = nullptr;
  ::KillTimer(nullptr, nWatchdog);
  EXPECT_TRUE(Script::Instance().Done()) << "the dialog ended before the script did";
  EXPECT_FALSE(Script::Instance().Stuck()) << "a modal loop had to be ended by the test";
  return nResult;
}

}  // namespace uitest
