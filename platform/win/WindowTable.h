// The handle table: every live window by handle, and the z-order of the top-level windows. Handles are
// never reused, so a message posted to a window that is gone can never reach a newer one. Only the UI
// thread changes the table; contains() may be asked from any thread.
#pragma once

#include <memory>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

#include "platform/win/Window.h"

namespace win {

class WindowTable {
 public:
  HWND add(std::unique_ptr<Window> window);
  void remove(HWND hwnd);
  Window* find(HWND hwnd) const;
  bool contains(HWND hwnd) const;

  // Top-level windows, topmost first.
  const std::vector<HWND>& topLevels() const { return topLevels_; }
  // Puts a top-level window above every other one of its band (topmost windows stay above).
  void raiseTopLevel(HWND hwnd);
  void lowerTopLevel(HWND hwnd);

  // Live windows in no particular order.
  std::vector<HWND> all() const;

 private:
  bool isTopmost(HWND hwnd) const;

  mutable std::shared_mutex mutex_;
  std::unordered_map<HWND, std::unique_ptr<Window>> windows_;
  std::vector<HWND> topLevels_;
  uintptr_t nextHandle_ = 0x10000;
};

}  // namespace win
