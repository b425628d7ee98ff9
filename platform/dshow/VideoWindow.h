// The video renderer's window: a child window of the owner the program names, painting the newest
// frame scaled into itself. Its properties are kept before the window exists and applied when the
// owner is given.
#pragma once

#include "platform/dshow/VideoFrameStore.h"
#include "platform/win/winuser.h"

namespace dshow {

class VideoWindow {
 public:
  explicit VideoWindow(VideoFrameStore& store);
  ~VideoWindow();
  VideoWindow(const VideoWindow&) = delete;
  VideoWindow& operator=(const VideoWindow&) = delete;

  // Creates the window as a child of owner, or moves it there; null owner destroys it.
  bool SetOwner(HWND owner);
  HWND Owner() const { return m_owner; }
  HWND Handle() const { return m_hwnd; }

  void SetVisible(bool visible);
  bool Visible() const { return m_visible; }
  void SetPosition(RECT rect);
  RECT Position() const { return m_rect; }
  void SetStyle(LONG style);
  LONG Style() const { return m_style; }
  void SetMessageDrain(HWND drain) { m_drain = drain; }
  HWND MessageDrain() const { return m_drain; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static bool IsInputMessage(UINT message);
  void Paint(HWND hwnd);
  void Destroy();
  void Detach();

  VideoFrameStore& m_store;
  HWND m_hwnd = nullptr;
  HWND m_owner = nullptr;
  HWND m_drain = nullptr;
  RECT m_rect = {0, 0, 0, 0};
  LONG m_style = WS_CHILD | WS_CLIPSIBLINGS;
  bool m_visible = false;
};

}  // namespace dshow
