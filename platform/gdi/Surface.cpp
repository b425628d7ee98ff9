#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace gdi {

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0) {}

void Surface::resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<uint32_t> next(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  const int keepW = std::min(width, width_);
  const int keepH = std::min(height, height_);
  for (int y = 0; y < keepH; ++y) {
    std::memcpy(next.data() + static_cast<size_t>(y) * width, row(y), static_cast<size_t>(keepW) * sizeof(uint32_t));
  }
  pixels_.swap(next);
  width_ = width;
  height_ = height;
  dirty_.intersect(RECT{0, 0, width_, height_});
}

void Surface::markDirty(const RECT& rc) { dirty_.add(IntersectRectRaw(rc, RECT{0, 0, width_, height_})); }

void Surface::markAllDirty() {
  dirty_.clear();
  dirty_.add(RECT{0, 0, width_, height_});
}

Region Surface::takeDirty() {
  Region taken = std::move(dirty_);
  dirty_.clear();
  return taken;
}

}  // namespace gdi
