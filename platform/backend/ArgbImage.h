// An image with straight alpha, 0xAARRGGBB, rows top to bottom: icons and cursors, and what a back end
// shows as a window icon or mouse pointer.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/win/windef.h"

namespace backend {

struct ArgbImage {
  int width = 0;
  int height = 0;
  POINT hotspot{0, 0};  // cursors only
  std::vector<uint32_t> pixels;

  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

}  // namespace backend
