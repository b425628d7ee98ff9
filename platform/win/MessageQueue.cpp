#include "platform/win/MessageQueue.h"

#include "platform/win/Clock.h"

namespace win {

void MessageQueue::post(const MSG& msg) {
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(msg);
  }
  wake_();
}

void MessageQueue::postFront(const MSG& msg) {
  std::lock_guard lock(mutex_);
  posted_.push_front(msg);
}

bool MessageQueue::take(MSG* out, const std::function<bool(const MSG&)>& accept, bool remove) {
  std::lock_guard lock(mutex_);
  for (auto it = posted_.begin(); it != posted_.end(); ++it) {
    if (!accept(*it)) continue;
    *out = *it;
    if (remove) posted_.erase(it);
    return true;
  }
  return false;
}

void MessageQueue::discardIf(const std::function<bool(const MSG&)>& gone) {
  std::lock_guard lock(mutex_);
  std::erase_if(posted_, gone);
}

void MessageQueue::postQuit(int exitCode) {
  {
    std::lock_guard lock(mutex_);
    quitPending_ = true;
    quitCode_ = exitCode;
  }
  wake_();
}

bool MessageQueue::takeQuit(MSG* out, bool remove) {
  std::lock_guard lock(mutex_);
  if (!quitPending_) return false;
  *out = MSG{};
  out->message = WM_QUIT;
  out->wParam = static_cast<WPARAM>(quitCode_);
  out->time = ClockNow();
  if (remove) quitPending_ = false;
  return true;
}

LRESULT MessageQueue::sendAndWait(std::function<LRESULT()> call) {
  SentCall entry;
  entry.call = std::move(call);
  std::unique_lock lock(mutex_);
  sent_.push_back(&entry);
  lock.unlock();
  wake_();
  lock.lock();
  sentDone_.wait(lock, [&] { return entry.done; });
  return entry.result;
}

void MessageQueue::runSentCalls() {
  std::unique_lock lock(mutex_);
  while (!sent_.empty()) {
    SentCall* entry = sent_.front();
    sent_.pop_front();
    lock.unlock();
    LRESULT result = entry->call();
    lock.lock();
    entry->result = result;
    entry->done = true;
    sentDone_.notify_all();
  }
}

}  // namespace win
