// What a brush paints at each pixel of a DC's target, already in the target's colour domain.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/DeviceContext.h"

namespace gdi {

// A COLORREF as a target pixel; monochrome targets take the nearer of black and white.
uint32_t TargetColor(COLORREF color, bool monoTarget);

class Pattern {
 public:
  static Pattern none();
  static Pattern solid(uint32_t pixel);
  // Tiles start at the brush origin in the DC's device coordinates. A monochrome pattern paints
  // 0 bits in the DC's text colour and 1 bits in its background colour.
  static Pattern forBrush(const Brush& brush, const DeviceContext& dc);

  bool isNone() const { return kind_ == Kind::None; }
  bool isSolid() const { return kind_ == Kind::Solid; }
  uint32_t solidPixel() const { return color_; }
  // The pixel at target coordinates.
  uint32_t at(int x, int y) const {
    if (kind_ != Kind::Tiled) return color_;
    return tile_[static_cast<size_t>(Wrap(y - originY_, height_)) * width_ + Wrap(x - originX_, width_)];
  }

 private:
  enum class Kind { None, Solid, Tiled };
  static int Wrap(int v, int n) {
    const int m = v % n;
    return m < 0 ? m + n : m;
  }

  Kind kind_ = Kind::None;
  uint32_t color_ = 0;
  std::vector<uint32_t> tile_;
  int width_ = 0;
  int height_ = 0;
  int originX_ = 0;
  int originY_ = 0;
};

}  // namespace gdi
