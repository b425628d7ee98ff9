#include "platform/dshow/EventQueue.h"

#include <chrono>

namespace dshow {

namespace {

// Waits on cv until ready() holds; msTimeout INFINITE waits for ever. False on timeout.
template <class Ready>
bool WaitFor(std::condition_variable& cv, std::unique_lock<std::mutex>& lock, LONG msTimeout, Ready ready) {
  if (static_cast<DWORD>(msTimeout) == INFINITE) {
    cv.wait(lock, ready);
    return true;
  }
  return cv.wait_for(lock, std::chrono::milliseconds(msTimeout < 0 ? 0 : msTimeout), ready);
}

}  // namespace

bool EventQueue::IsCompletion(LONG code) {
  return code == EC_COMPLETE || code == EC_ERRORABORT || code == EC_USERABORT;
}

void EventQueue::Post(LONG code, LONG_PTR param1, LONG_PTR param2) {
  std::lock_guard lock(m_mutex);
  m_events.push_back({code, param1, param2});
  // An abort outranks a completion: the program must learn that the output is not whole.
  if (IsCompletion(code) && (m_completion == 0 || m_completion == EC_COMPLETE)) m_completion = code;
  // Posting only queues a message, safe from any thread; done under the lock so that a window
  // unregistered by SetNotifyWindow(0) never receives a late one.
  if (m_notifyWindow) PostMessage(m_notifyWindow, m_notifyMessage, 0, m_notifyInstance);
  m_changed.notify_all();
}

HRESULT EventQueue::Get(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG msTimeout) {
  if (!code || !param1 || !param2) return E_POINTER;
  std::unique_lock lock(m_mutex);
  if (!WaitFor(m_changed, lock, msTimeout, [this] { return !m_events.empty(); })) {
    *code = 0;
    *param1 = *param2 = 0;
    return E_ABORT;
  }
  Event event = m_events.front();
  m_events.pop_front();
  *code = event.code;
  *param1 = event.param1;
  *param2 = event.param2;
  return S_OK;
}

HRESULT EventQueue::WaitForCompletion(LONG msTimeout, LONG* code) {
  if (!code) return E_POINTER;
  std::unique_lock lock(m_mutex);
  if (!WaitFor(m_changed, lock, msTimeout, [this] { return m_completion != 0; })) {
    *code = 0;
    return E_ABORT;
  }
  *code = m_completion;
  return S_OK;
}

void EventQueue::SetNotifyWindow(HWND hwnd, UINT message, LONG_PTR instance) {
  std::lock_guard lock(m_mutex);
  m_notifyWindow = hwnd;
  m_notifyMessage = message;
  m_notifyInstance = instance;
}

void EventQueue::ResetCompletion() {
  std::lock_guard lock(m_mutex);
  if (m_completion == EC_COMPLETE) m_completion = 0;
}

}  // namespace dshow
