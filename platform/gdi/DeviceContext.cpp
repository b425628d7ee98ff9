#include "platform/gdi/DeviceContext.h"

#include "platform/gdi/HandleTable.h"

namespace gdi {
namespace {

void SelectStockObjects(DcState& state) {
  const HandleTable& table = HandleTable::instance();
  state.brush = table.findAs<Brush>(table.stockObject(WHITE_BRUSH));
  state.pen = table.findAs<Pen>(table.stockObject(BLACK_PEN));
  state.font = table.findAs<Font>(table.stockObject(SYSTEM_FONT));
}

}  // namespace

DeviceContext::DeviceContext() {
  SelectStockObjects(state_);
  state_.bitmap = HandleTable::instance().stockBitmap();
}

DeviceContext::DeviceContext(Surface* surface, POINT origin, const Region& clip)
    : surface_(surface), origin_(origin), systemClip_(clip) {
  SelectStockObjects(state_);
}

DeviceContext::~DeviceContext() { releaseBitmap(); }

PixelTarget DeviceContext::target() const {
  PixelTarget t;
  if (surface_ != nullptr) {
    t.pixels = surface_->data();
    t.width = surface_->width();
    t.height = surface_->height();
  } else if (state_.bitmap) {
    t.pixels = state_.bitmap->pixels.data();
    t.width = state_.bitmap->width;
    t.height = state_.bitmap->height;
    t.mono = state_.bitmap->mono;
    t.keepsAlpha = !state_.bitmap->mono;
  }
  return t;
}

const Region& DeviceContext::clip() {
  const PixelTarget t = target();
  if (clipValid_ && t.width == clipWidth_ && t.height == clipHeight_) return clip_;
  clip_ = surface_ != nullptr ? systemClip_ : Region(t.bounds());
  clip_.intersect(t.bounds());
  if (state_.metaClip) {
    Region meta = *state_.metaClip;
    meta.offset(origin_.x, origin_.y);
    clip_.intersect(meta);
  }
  clipValid_ = true;
  clipWidth_ = t.width;
  clipHeight_ = t.height;
  return clip_;
}

void DeviceContext::setSystemClip(const Region& clip) {
  systemClip_ = clip;
  clipChanged();
}

POINT DeviceContext::toTarget(int x, int y) const {
  return POINT{x + state_.viewportOrigin.x + origin_.x, y + state_.viewportOrigin.y + origin_.y};
}

RECT DeviceContext::toTarget(const RECT& logical) const {
  const POINT topLeft = toTarget(logical.left, logical.top);
  return RECT{topLeft.x, topLeft.y, topLeft.x + (logical.right - logical.left),
              topLeft.y + (logical.bottom - logical.top)};
}

void DeviceContext::markDrawn(const RECT& rc) {
  if (surface_ == nullptr) return;
  const RECT drawn = IntersectRectRaw(rc, clip().bounds());
  if (!IsRectEmptyRaw(drawn)) surface_->markDirty(drawn);
}

bool DeviceContext::selectBitmap(const std::shared_ptr<Bitmap>& bitmap) {
  if (surface_ != nullptr || !bitmap) return false;
  if (!bitmap->stock && bitmap->selectedInto != nullptr && bitmap->selectedInto != handle) return false;
  releaseBitmap();
  takeBitmap(bitmap);
  return true;
}

void DeviceContext::releaseBitmap() {
  if (state_.bitmap && !state_.bitmap->stock && state_.bitmap->selectedInto == handle) {
    state_.bitmap->selectedInto = nullptr;
  }
}

void DeviceContext::takeBitmap(const std::shared_ptr<Bitmap>& bitmap) {
  state_.bitmap = bitmap;
  if (!bitmap->stock) bitmap->selectedInto = static_cast<HDC>(handle);
  clipChanged();
}

int DeviceContext::save() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool DeviceContext::restore(int savedIndex) {
  const int depth = static_cast<int>(saved_.size());
  // A negative index counts back from the latest save; a positive one names a save level.
  const int level = savedIndex < 0 ? depth + savedIndex + 1 : savedIndex;
  if (savedIndex == 0 || level < 1 || level > depth) return false;
  DcState restored = std::move(saved_[static_cast<size_t>(level - 1)]);
  saved_.resize(static_cast<size_t>(level - 1));
  std::shared_ptr<Bitmap> wanted = restored.bitmap;
  restored.bitmap = state_.bitmap;
  state_ = std::move(restored);
  // The saved bitmap comes back only if no other DC has taken it meanwhile.
  if (wanted && wanted != state_.bitmap &&
      (wanted->stock || wanted->selectedInto == nullptr || wanted->selectedInto == handle)) {
    releaseBitmap();
    takeBitmap(wanted);
  }
  clipChanged();
  return true;
}

std::shared_ptr<DeviceContext> FindDC(HDC hdc) { return HandleTable::instance().findAs<DeviceContext>(hdc); }

}  // namespace gdi
