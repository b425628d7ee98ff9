#include "platform/dshow/VideoFrameStore.h"

#include <cstring>

namespace dshow {

void VideoFrameStore::SetRepaintTarget(HWND hwnd, UINT message) {
  std::lock_guard lock(m_mutex);
  m_repaintTarget = hwnd;
  m_repaintMessage = message;
}

void VideoFrameStore::Store(int width, int height, const uint8_t* data, int stride) {
  std::lock_guard lock(m_mutex);
  const size_t rowBytes = static_cast<size_t>(width) * 4;
  m_frame.width = width;
  m_frame.height = height;
  m_frame.pixels.resize(rowBytes * static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    std::memcpy(m_frame.pixels.data() + rowBytes * static_cast<size_t>(y), data + static_cast<ptrdiff_t>(stride) * y,
                rowBytes);
  }
  // Under the lock, so that a window being destroyed (target cleared first) gets no late post.
  if (m_repaintTarget) PostMessage(m_repaintTarget, m_repaintMessage, 0, 0);
}

}  // namespace dshow
