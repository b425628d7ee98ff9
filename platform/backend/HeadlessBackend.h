// A desktop that exists only in memory: a fixed 1024x768 screen, windows are their surfaces, input
// comes from tests through win::Desktop*, and waiting blocks on a condition variable.
#pragma once

#include <condition_variable>
#include <mutex>

#include "platform/backend/Backend.h"

namespace backend {

class HeadlessBackend : public Backend {
 public:
  const char* name() const override { return "headless"; }
  SIZE screenSize() const override { return SIZE{1024, 768}; }

  void createWindow(HWND, const RECT&, WindowKind, gdi::Surface*) override {}
  void destroyWindow(HWND) override {}
  void showWindow(HWND, bool) override {}
  void moveWindow(HWND, const RECT&) override {}
  void raiseWindow(HWND) override {}
  void setTitle(HWND, const std::string&) override {}
  void setIcon(HWND, const ArgbImage*) override {}
  void present(HWND) override {}
  void setCursor(const ArgbImage*) override {}
  void captureMouse(bool) override {}
  void warpMouse(POINT) override {}

  void wait(int timeoutMs) override;
  void wake() override;

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wakePending_ = false;
};

}  // namespace backend
