// A device context: where drawing goes (a memory bitmap or a window surface), the selected objects,
// colours, origins and clipping, with a SaveDC/RestoreDC stack of that state.
//
// Three coordinate spaces: logical (what callers pass), device (logical + viewport origin; what the
// meta clip and brush origin use) and target (device + the DC's origin on its surface; pixel indexes).
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Surface.h"

namespace gdi {

struct DcState {
  std::shared_ptr<Bitmap> bitmap;  // memory DCs only
  std::shared_ptr<Brush> brush;
  std::shared_ptr<Pen> pen;
  std::shared_ptr<Font> font;
  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF textColor = RGB(0, 0, 0);
  int bkMode = OPAQUE;
  POINT brushOrigin{0, 0};
  POINT viewportOrigin{0, 0};
  POINT penPosition{0, 0};
  std::optional<Region> metaClip;  // device coordinates; none means no clip of the caller's own
};

// The pixels a DC draws into, in target coordinates.
struct PixelTarget {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  bool mono = false;
  bool keepsAlpha = false;  // a colour bitmap: straight copies keep the fourth byte

  uint32_t* row(int y) const { return pixels + static_cast<size_t>(y) * static_cast<size_t>(width); }
  RECT bounds() const { return RECT{0, 0, width, height}; }
};

class DeviceContext : public GdiObject {
 public:
  // A memory DC holding the stock 1x1 monochrome bitmap.
  DeviceContext();
  // A DC on a window surface; `clip` is in surface coordinates.
  DeviceContext(Surface* surface, POINT origin, const Region& clip);
  ~DeviceContext() override;

  DWORD type() const override { return surface_ != nullptr ? OBJ_DC : OBJ_MEMDC; }
  bool isMemory() const { return surface_ == nullptr; }

  DcState& state() { return state_; }
  const DcState& state() const { return state_; }

  PixelTarget target() const;
  // The effective clip: system clip, bitmap or surface bounds, and meta clip; target coordinates.
  const Region& clip();
  void clipChanged() { clipValid_ = false; }
  void setSystemClip(const Region& clip);

  POINT toTarget(int x, int y) const;
  RECT toTarget(const RECT& logical) const;
  // Device coordinates are target coordinates minus this.
  POINT deviceOffset() const { return origin_; }

  // Records drawing at `rc` (target coordinates) so the surface presents it.
  void markDrawn(const RECT& rc);

  // Installs `bitmap` and returns the previous one; fails for surface DCs and for bitmaps held by
  // another DC.
  bool selectBitmap(const std::shared_ptr<Bitmap>& bitmap);

  int save();
  bool restore(int savedIndex);

 private:
  void releaseBitmap();
  void takeBitmap(const std::shared_ptr<Bitmap>& bitmap);

  Surface* surface_ = nullptr;
  POINT origin_{0, 0};
  Region systemClip_;
  DcState state_;
  std::vector<DcState> saved_;
  Region clip_;
  bool clipValid_ = false;
  int clipWidth_ = -1;
  int clipHeight_ = -1;
};

// Looks a DC up; NULL for handles that are not DCs.
std::shared_ptr<DeviceContext> FindDC(HDC hdc);

}  // namespace gdi
