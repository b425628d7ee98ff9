#include "platform/backend/HeadlessBackend.h"

#include <chrono>

namespace backend {

void HeadlessBackend::wait(int timeoutMs) {
  std::unique_lock lock(mutex_);
  if (timeoutMs < 0) {
    woken_.wait(lock, [this] { return wakePending_; });
  } else if (timeoutMs > 0) {
    woken_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return wakePending_; });
  }
  wakePending_ = false;
}

void HeadlessBackend::wake() {
  {
    std::lock_guard lock(mutex_);
    wakePending_ = true;
  }
  woken_.notify_all();
}

}  // namespace backend
