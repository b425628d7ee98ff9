// The drawing objects behind GDI handles: bitmaps, brushes, pens, fonts and regions.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/Region.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

class FontFace;

class GdiObject {
 public:
  virtual ~GdiObject() = default;
  virtual DWORD type() const = 0;

  HGDIOBJ handle = nullptr;
  bool stock = false;  // stock objects are shared and never deleted
};

// Pixels are 32-bit 0xAARRGGBB, rows top to bottom. A monochrome bitmap keeps one pixel per word as
// well, 0 (bit 0, black) or 0xFFFFFF (bit 1, white), so every raster operation treats both alike.
class Bitmap : public GdiObject {
 public:
  static constexpr uint32_t kMonoWhite = 0xFFFFFF;

  Bitmap(int width, int height, bool mono);
  DWORD type() const override { return OBJ_BITMAP; }

  int width;
  int height;
  bool mono;
  std::vector<uint32_t> pixels;
  HDC selectedInto = nullptr;  // the memory DC holding this bitmap, if any
};

class Brush : public GdiObject {
 public:
  DWORD type() const override { return OBJ_BRUSH; }

  UINT style = BS_SOLID;
  COLORREF color = 0;
  std::shared_ptr<const Bitmap> pattern;  // a private copy for BS_PATTERN
};

class Pen : public GdiObject {
 public:
  DWORD type() const override { return OBJ_PEN; }

  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
};

class Font : public GdiObject {
 public:
  explicit Font(const LOGFONT& lf) : logFont(lf) {}
  DWORD type() const override { return OBJ_FONT; }
  // Resolved on first use, so creating a font never touches FreeType.
  FontFace& face() const;

  LOGFONT logFont;

 private:
  mutable std::shared_ptr<FontFace> face_;
};

class RegionObject : public GdiObject {
 public:
  DWORD type() const override { return OBJ_REGION; }

  Region region;
};

// Largest bitmap side accepted; keeps width * height * 4 far from overflow.
inline constexpr int kMaxBitmapSide = 32768;
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 28;
bool BitmapSizeAllowed(int width, int height);

// The region type constants for a region: NULLREGION, SIMPLEREGION or COMPLEXREGION.
int RegionKind(const Region& region);

}  // namespace gdi
