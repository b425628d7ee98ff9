// A top-level window's pixels: 32-bit 0x00RRGGBB, rows top to bottom, plus the area changed since the
// back end last presented it.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/gdi/Region.h"

namespace gdi {

class Surface {
 public:
  Surface(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  uint32_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint32_t* data() { return pixels_.data(); }
  const uint32_t* data() const { return pixels_.data(); }

  // Keeps the top-left pixels that still fit; new area is black.
  void resize(int width, int height);

  void markDirty(const RECT& rc);
  void markAllDirty();
  // Returns and forgets the changed area.
  Region takeDirty();

 private:
  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
  Region dirty_;
};

// 0x00BBGGRR (COLORREF) <-> 0x00RRGGBB (surface pixel).
inline uint32_t PixelFromColorRef(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ColorRefFromPixel(uint32_t p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

}  // namespace gdi
