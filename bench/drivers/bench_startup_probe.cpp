// bench_startup_probe: the program itself (the same application object and resources as its main()),
// plus a thread timer that notices the first moment the main window is shown and fully painted. It
// prints that moment on the monotonic clock as "painted_ns=N" and closes the window, so the program
// ends as it does when the user closes it. Started by bench_startup, which knows when it was started.
#include <time.h>

#include <cstdio>

#include "app/CMainApp.h"
#include "platform/afx/afxwin.h"
#include "res/ProgramResources.h"

CMainApp theApp;

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Timers are retrieved only when no window of the thread needs painting, so a shown main window seen
// from here has been painted completely, child controls included.
void CALLBACK ProbeMainWindow(HWND, UINT, UINT_PTR id, DWORD) {
  CWnd* main = AfxGetMainWnd();
  if (main == nullptr || main->GetSafeHwnd() == nullptr || !::IsWindowVisible(main->GetSafeHwnd())) return;
  const long long painted = MonotonicNs();
  ::KillTimer(nullptr, id);
  std::printf("painted_ns=%lld\n", painted);
  std::fflush(stdout);
  main->PostMessage(WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

int main(int argc, char** argv) {
  RegisterProgramResources();
  ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &ProbeMainWindow);
  return AfxWinMain(argc, argv);
}
