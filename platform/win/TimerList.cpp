#include "platform/win/TimerList.h"

#include <algorithm>

#include "platform/win/Clock.h"

namespace win {

TimerList::Timer* TimerList::find(HWND hwnd, UINT_PTR id) {
  for (auto& t : timers_) {
    if (t.hwnd == hwnd && t.id == id) return &t;
  }
  return nullptr;
}

UINT_PTR TimerList::set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, DWORD now) {
  DWORD period = std::max<DWORD>(elapse, USER_TIMER_MINIMUM);
  if (!hwnd && (id == 0 || !find(nullptr, id))) {
    while (find(nullptr, ++nextThreadTimerId_) || nextThreadTimerId_ == 0) {
    }
    id = nextThreadTimerId_;
  }
  if (Timer* t = find(hwnd, id)) {
    t->period = period;
    t->due = now + period;
    t->proc = proc;
    return id;
  }
  timers_.push_back(Timer{hwnd, id, period, now + period, proc});
  return id;
}

bool TimerList::kill(HWND hwnd, UINT_PTR id) {
  auto before = timers_.size();
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  return timers_.size() != before;
}

void TimerList::killAll(HWND hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool TimerList::exists(HWND hwnd, UINT_PTR id, TIMERPROC proc) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [&](const Timer& t) { return t.hwnd == hwnd && t.id == id && t.proc == proc; });
}

bool TimerList::takeDue(MSG* out, DWORD now, const std::function<bool(const MSG&)>& accept, bool remove) {
  for (auto& t : timers_) {
    if (ClockDiff(now, t.due) < 0) continue;
    MSG msg{};
    msg.hwnd = t.hwnd;
    msg.message = WM_TIMER;
    msg.wParam = t.id;
    msg.lParam = reinterpret_cast<LPARAM>(t.proc);
    msg.time = now;
    if (!accept(msg)) continue;
    *out = msg;
    if (remove) t.due = now + t.period;
    return true;
  }
  return false;
}

std::optional<DWORD> TimerList::untilNextDue(DWORD now) const {
  std::optional<DWORD> best;
  for (const auto& t : timers_) {
    int left = ClockDiff(t.due, now);
    DWORD wait = left > 0 ? static_cast<DWORD>(left) : 0;
    if (!best || wait < *best) best = wait;
  }
  return best;
}

}  // namespace win
