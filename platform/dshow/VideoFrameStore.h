// The newest decoded video frame, handed from the streaming thread to the UI thread under a mutex.
// The streaming thread never touches a window: it only stores the frame and posts a repaint request.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/win/winuser.h"

namespace dshow {

struct VideoFrame {
  int width = 0;
  int height = 0;
  // Top-down rows of width * 4 bytes, BGRx.
  std::vector<uint8_t> pixels;
};

class VideoFrameStore {
 public:
  // The window that repaints when a frame arrives (null: none); it receives `message`.
  void SetRepaintTarget(HWND hwnd, UINT message);
  // Streaming thread: copies rows of `stride` bytes into the store and asks for a repaint.
  void Store(int width, int height, const uint8_t* data, int stride);
  // Calls use(const VideoFrame&) with the store locked; false when no frame has arrived.
  template <class Use>
  bool WithFrame(Use use) const {
    std::lock_guard lock(m_mutex);
    if (m_frame.pixels.empty()) return false;
    use(m_frame);
    return true;
  }

 private:
  mutable std::mutex m_mutex;
  VideoFrame m_frame;
  HWND m_repaintTarget = nullptr;
  UINT m_repaintMessage = 0;
};

}  // namespace dshow
