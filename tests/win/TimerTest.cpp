#include "WinTestSupport.h"

using namespace wintest;

namespace {

class TimerTest : public WinTest {};

TEST_F(TimerTest, PeriodsBelowTenMillisecondsAreRaisedToTen) {
  HWND w = top(0, 0, 50, 50);
  Pump();
  ASSERT_EQ(SetTimer(w, 50, 1, nullptr), 50u);
  Log().clear();
  DWORD start = win::DesktopTime();
  for (int i = 0; i < 200; ++i) {
    win::DesktopAdvanceClock(1);
    Pump();
  }
  DWORD elapsed = win::DesktopTime() - start;
  int fired = Count(w, WM_TIMER);
  EXPECT_GE(fired, 1);
  EXPECT_LE(fired, static_cast<int>(elapsed / USER_TIMER_MINIMUM) + 1);
  EXPECT_LT(fired, 100);  // a 1 ms timer would have fired about 200 times
  KillTimer(w, 50);
}

TEST_F(TimerTest, AtMostOneTimerMessageIsPendingPerTimer) {
  HWND w = top(0, 0, 50, 50);
  Pump();
  SetTimer(w, 1, 20, nullptr);
  SetTimer(w, 2, 20, nullptr);
  Log().clear();
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_EQ(Count(w, WM_TIMER), 2);
  KillTimer(w, 1);
  KillTimer(w, 2);
}

TEST_F(TimerTest, NoMessageBeforeTheTimerIsDueAndNoneAfterKillTimer) {
  HWND w = top(0, 0, 50, 50);
  Pump();
  SetTimer(w, 9, 60000, nullptr);
  Log().clear();
  Pump();
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  win::DesktopAdvanceClock(60000);
  EXPECT_TRUE(KillTimer(w, 9));
  Pump();
  EXPECT_EQ(Count(w, WM_TIMER), 0);
  EXPECT_FALSE(KillTimer(w, 9));
}

int g_procCalls = 0;
void CALLBACK CountingTimerProc(HWND, UINT, UINT_PTR, DWORD) { ++g_procCalls; }

TEST_F(TimerTest, TimerProcIsCalledByDispatchAndOnlyForARealTimer) {
  g_procCalls = 0;
  UINT_PTR id = SetTimer(nullptr, 0, 10, CountingTimerProc);
  ASSERT_NE(id, 0u);
  win::DesktopAdvanceClock(20);
  Pump();
  EXPECT_EQ(g_procCalls, 1);
  KillTimer(nullptr, id);

  // A posted WM_TIMER naming a procedure that is no timer's must not call it.
  HWND w = top(0, 0, 50, 50);
  PostMessage(w, WM_TIMER, 77, reinterpret_cast<LPARAM>(&CountingTimerProc));
  Pump();
  EXPECT_EQ(g_procCalls, 1);
}

TEST_F(TimerTest, DestroyingAWindowEndsItsTimers) {
  HWND w = top(0, 0, 50, 50);
  SetTimer(w, 3, 10, nullptr);
  DestroyWindow(w);
  win::DesktopAdvanceClock(100);
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) EXPECT_FALSE(msg.message == WM_TIMER && msg.hwnd == w);
}

}  // namespace
