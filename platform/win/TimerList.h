// Window and thread timers. A timer produces a WM_TIMER only when it is due and the queue is asked for
// one, so at most one is ever pending per timer; taking it starts the next period.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/win/winuser.h"

namespace win {

class TimerList {
 public:
  // Returns the timer's id (a new one for thread timers, hwnd == NULL), 0 on failure.
  UINT_PTR set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, DWORD now);
  bool kill(HWND hwnd, UINT_PTR id);
  void killAll(HWND hwnd);
  bool exists(HWND hwnd, UINT_PTR id, TIMERPROC proc) const;

  // The first due timer that `accept` takes, as a WM_TIMER message.
  bool takeDue(MSG* out, DWORD now, const std::function<bool(const MSG&)>& accept, bool remove);
  // Milliseconds until the next timer is due (0 if one is due), nothing when there is no timer.
  std::optional<DWORD> untilNextDue(DWORD now) const;

 private:
  struct Timer {
    HWND hwnd;
    UINT_PTR id;
    DWORD period;
    DWORD due;
    TIMERPROC proc;
  };
  Timer* find(HWND hwnd, UINT_PTR id);

  std::vector<Timer> timers_;
  UINT_PTR nextThreadTimerId_ = 0x7FFF;
};

}  // namespace win
