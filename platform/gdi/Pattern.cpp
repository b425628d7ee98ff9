#include "platform/gdi/Pattern.h"

namespace gdi {
namespace {

uint32_t PatternPixel(const Bitmap& tile, uint32_t pixel, const DeviceContext& dc, bool monoTarget) {
  if (tile.mono) {
    if (monoTarget) return pixel;
    return PixelFromColorRef(pixel != 0 ? dc.state().bkColor : dc.state().textColor);
  }
  if (monoTarget) return TargetColor(ColorRefFromPixel(pixel & 0xFFFFFF), true);
  return pixel & 0xFFFFFF;
}

}  // namespace

uint32_t TargetColor(COLORREF color, bool monoTarget) {
  if (!monoTarget) return PixelFromColorRef(color & 0xFFFFFF);
  const int luma = GetRValue(color) * 299 + GetGValue(color) * 587 + GetBValue(color) * 114;
  return luma >= 128 * 1000 ? Bitmap::kMonoWhite : 0;
}

Pattern Pattern::none() { return Pattern(); }

Pattern Pattern::solid(uint32_t pixel) {
  Pattern p;
  p.kind_ = Kind::Solid;
  p.color_ = pixel;
  return p;
}

Pattern Pattern::forBrush(const Brush& brush, const DeviceContext& dc) {
  const bool monoTarget = dc.target().mono;
  if (brush.style == BS_NULL) return none();
  if (brush.style != BS_PATTERN || !brush.pattern) return solid(TargetColor(brush.color, monoTarget));
  Pattern p;
  p.kind_ = Kind::Tiled;
  p.width_ = brush.pattern->width;
  p.height_ = brush.pattern->height;
  p.tile_.reserve(brush.pattern->pixels.size());
  for (uint32_t pixel : brush.pattern->pixels) p.tile_.push_back(PatternPixel(*brush.pattern, pixel, dc, monoTarget));
  p.originX_ = dc.state().brushOrigin.x + dc.deviceOffset().x;
  p.originY_ = dc.state().brushOrigin.y + dc.deviceOffset().y;
  return p;
}

}  // namespace gdi
