#include "platform/win/WindowTable.h"

#include <algorithm>
#include <mutex>

namespace win {

HWND WindowTable::add(std::unique_ptr<Window> window) {
  std::unique_lock lock(mutex_);
  HWND hwnd = reinterpret_cast<HWND>(nextHandle_);
  nextHandle_ += 4;
  window->handle = hwnd;
  bool topLevel = !window->isChild();
  windows_[hwnd] = std::move(window);
  if (topLevel) {
    topLevels_.push_back(hwnd);
    lock.unlock();
    raiseTopLevel(hwnd);
  }
  return hwnd;
}

void WindowTable::remove(HWND hwnd) {
  std::unique_lock lock(mutex_);
  topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), hwnd), topLevels_.end());
  windows_.erase(hwnd);
}

Window* WindowTable::find(HWND hwnd) const {
  auto it = windows_.find(hwnd);
  return it == windows_.end() ? nullptr : it->second.get();
}

bool WindowTable::contains(HWND hwnd) const {
  std::shared_lock lock(mutex_);
  return windows_.count(hwnd) > 0;
}

bool WindowTable::isTopmost(HWND hwnd) const {
  Window* w = find(hwnd);
  return w && (w->exStyle & WS_EX_TOPMOST);
}

void WindowTable::raiseTopLevel(HWND hwnd) {
  std::unique_lock lock(mutex_);
  auto it = std::find(topLevels_.begin(), topLevels_.end(), hwnd);
  if (it == topLevels_.end()) return;
  topLevels_.erase(it);
  auto pos = topLevels_.begin();
  if (!isTopmost(hwnd)) {
    while (pos != topLevels_.end() && isTopmost(*pos)) ++pos;
  }
  topLevels_.insert(pos, hwnd);
}

void WindowTable::lowerTopLevel(HWND hwnd) {
  std::unique_lock lock(mutex_);
  auto it = std::find(topLevels_.begin(), topLevels_.end(), hwnd);
  if (it == topLevels_.end()) return;
  topLevels_.erase(it);
  topLevels_.push_back(hwnd);
}

std::vector<HWND> WindowTable::all() const {
  std::vector<HWND> out;
  out.reserve(windows_.size());
  for (const auto& [hwnd, w] : windows_) out.push_back(hwnd);
  return out;
}

}  // namespace win
