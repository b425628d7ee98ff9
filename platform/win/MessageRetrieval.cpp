#include "platform/win/MessageRetrieval.h"

#include <algorithm>

#include "platform/win/Clock.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"

namespace win {

bool MessageFilter::acceptsNumber(UINT message) const {
  return (min == 0 && max == 0) || (message >= min && message <= max);
}

bool MessageFilter::accepts(const MSG& msg) const {
  if (!acceptsNumber(msg.message)) return false;
  if (!hwnd) return true;
  if (hwnd == reinterpret_cast<HWND>(-1)) return msg.hwnd == nullptr;
  return msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd);
}

namespace {

bool TakePosted(MSG* out, const MessageFilter& filter, bool remove) {
  WindowSystem& sys = Sys();
  sys.queue.discardIf([&](const MSG& m) { return m.hwnd && !sys.windows.contains(m.hwnd); });
  return sys.queue.take(out, [&](const MSG& m) { return filter.accepts(m); }, remove);
}

bool TakePaint(MSG* out, const MessageFilter& filter) {
  if (!filter.acceptsNumber(WM_PAINT)) return false;
  HWND hwnd = FindWindowToPaint([&](HWND h) {
    MSG m{};
    m.hwnd = h;
    m.message = WM_PAINT;
    return filter.accepts(m);
  });
  if (!hwnd) return false;
  *out = MSG{};
  out->hwnd = hwnd;
  out->message = WM_PAINT;
  out->time = ClockNow();
  out->pt = Sys().input.cursorPos();
  return true;
}

bool TakeTimer(MSG* out, const MessageFilter& filter, bool remove) {
  if (!filter.acceptsNumber(WM_TIMER)) return false;
  auto accept = [&](const MSG& m) { return (!m.hwnd || IsWindow(m.hwnd)) && filter.accepts(m); };
  if (!Sys().timers.takeDue(out, ClockNow(), accept, remove)) return false;
  out->pt = Sys().input.cursorPos();
  return true;
}

}  // namespace

bool RetrieveMessage(MSG* out, const MessageFilter& filter, bool remove) {
  WindowSystem& sys = Sys();
  sys.queue.runSentCalls();
  bool found = TakePosted(out, filter, remove) || (filter.acceptsNumber(WM_QUIT) && sys.queue.takeQuit(out, remove)) ||
               sys.input.take(out, [&](const MSG& m) { return filter.accepts(m); }, remove) ||
               TakePaint(out, filter) || TakeTimer(out, filter, remove);
  if (found && remove) sys.lastMessage = *out;
  return found;
}

int IdleTimeout() {
  auto next = Sys().timers.untilNextDue(ClockNow());
  if (!next) return -1;
  // A due timer the filter keeps out must not turn waiting into spinning.
  return static_cast<int>(std::max<DWORD>(*next, 1));
}

}  // namespace win
