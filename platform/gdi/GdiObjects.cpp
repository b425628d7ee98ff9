#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/FontCache.h"

namespace gdi {

Bitmap::Bitmap(int w, int h, bool isMono)
    : width(w), height(h), mono(isMono), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), 0) {}

FontFace& Font::face() const {
  if (!face_) face_ = FontCache::instance().face(logFont);
  return *face_;
}

bool BitmapSizeAllowed(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide &&
         static_cast<int64_t>(width) * height <= kMaxBitmapPixels;
}

int RegionKind(const Region& region) {
  if (region.empty()) return NULLREGION;
  return region.rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace gdi
