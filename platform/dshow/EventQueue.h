// The graph's event queue: filled from streaming threads, read by the program, announced to a notify
// window by posted messages.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/dshow/dshow.h"
#include "platform/win/winuser.h"

namespace dshow {

class EventQueue {
 public:
  // Any thread. Completion codes (EC_COMPLETE, EC_ERRORABORT, EC_USERABORT) also end waits in
  // WaitForCompletion.
  void Post(LONG code, LONG_PTR param1, LONG_PTR param2);
  HRESULT Get(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG msTimeout);
  HRESULT WaitForCompletion(LONG msTimeout, LONG* code);
  void SetNotifyWindow(HWND hwnd, UINT message, LONG_PTR instance);
  // The stream starts again (a seek or a run after the end): an earlier EC_COMPLETE no longer counts.
  // An abort stays.
  void ResetCompletion();

 private:
  struct Event {
    LONG code;
    LONG_PTR param1;
    LONG_PTR param2;
  };

  static bool IsCompletion(LONG code);

  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::deque<Event> m_events;
  LONG m_completion = 0;
  HWND m_notifyWindow = nullptr;
  UINT m_notifyMessage = 0;
  LONG_PTR m_notifyInstance = 0;
};

}  // namespace dshow
