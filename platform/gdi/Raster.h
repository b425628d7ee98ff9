// The pixel engine behind blits, brushes and shapes: raster operations over clipped rectangles of a
// DC's target, with the colour/monochrome conversions of the platform.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Pattern.h"

namespace gdi {

// Pixels read by a blit. `top` points at row 0; `stride` (in pixels) may be negative for images
// stored bottom-up.
struct SourceImage {
  const uint32_t* top = nullptr;
  ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
  bool mono = false;
  uint32_t bkPixel = 0xFFFFFF;  // the source DC's background colour: the key of colour -> mono

  const uint32_t* row(int y) const { return top + static_cast<ptrdiff_t>(y) * stride; }
};

SourceImage SourceOf(DeviceContext& dc);

// Applies `code` with `pattern` over `rc` (target coordinates) inside the DC's clip. Does not mark
// the surface: callers mark the bounds of what they drew once.
void PaintRect(DeviceContext& dc, const RECT& rc, const Pattern& pattern, uint8_t code);

// PaintRect with the brush pattern and surface marking; a NULL brush paints nothing where the
// operation reads the pattern.
void RasterFill(DeviceContext& dc, const RECT& rc, const Brush& brush, uint8_t code);

// Copies `srcRect` of `src` to `dstRect` (both may differ in size: nearest-neighbour scaling; a
// negative width or height mirrors). Source pixels outside the image are not drawn.
void RasterCopy(DeviceContext& dc, const RECT& dstRect, const SourceImage& src, const RECT& srcRect, uint8_t code);

}  // namespace gdi
