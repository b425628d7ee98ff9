// The UI thread's queue of posted messages, the quit request, and messages sent from other threads.
// Posting is safe from any thread and wakes the UI thread through the wake function.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <list>
#include <mutex>

#include "platform/win/winuser.h"

namespace win {

class MessageQueue {
 public:
  explicit MessageQueue(std::function<void()> wake) : wake_(std::move(wake)) {}

  void post(const MSG& msg);
  // Characters made by TranslateMessage come before anything posted later or earlier.
  void postFront(const MSG& msg);
  // The first posted message that `accept` takes; removed when `remove` is set. `accept` runs under
  // the queue's lock and must not post.
  bool take(MSG* out, const std::function<bool(const MSG&)>& accept, bool remove);
  // Drops posted messages whose window is gone.
  void discardIf(const std::function<bool(const MSG&)>& gone);

  void postQuit(int exitCode);
  bool takeQuit(MSG* out, bool remove);

  // Called on another thread: runs `call` on the UI thread in its next message retrieval and waits.
  LRESULT sendAndWait(std::function<LRESULT()> call);
  // UI thread: runs the calls other threads are waiting for.
  void runSentCalls();

 private:
  struct SentCall {
    std::function<LRESULT()> call;
    LRESULT result = 0;
    bool done = false;
  };

  std::function<void()> wake_;
  std::mutex mutex_;
  std::condition_variable sentDone_;
  std::deque<MSG> posted_;
  std::list<SentCall*> sent_;
  bool quitPending_ = false;
  int quitCode_ = 0;
};

}  // namespace win
