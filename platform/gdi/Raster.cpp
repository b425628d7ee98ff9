#include "platform/gdi/Raster.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/RasterOp.h"

namespace gdi {
namespace {

// Turns source pixels into the destination's domain: colour -> mono gives 1 where the pixel equals
// the source DC's background colour; mono -> colour gives the destination's background colour for 1
// and its text colour for 0.
struct SourceConverter {
  enum class Kind { Same, ColorToMono, MonoToColor } kind = Kind::Same;
  uint32_t key = 0;
  uint32_t one = 0;
  uint32_t zero = 0;

  uint32_t operator()(uint32_t s) const {
    switch (kind) {
      case Kind::ColorToMono: return (s & 0xFFFFFF) == key ? Bitmap::kMonoWhite : 0;
      case Kind::MonoToColor: return s != 0 ? one : zero;
      case Kind::Same: break;
    }
    return s;
  }
};

SourceConverter ConverterFor(const SourceImage& src, const DeviceContext& dst, bool monoTarget) {
  SourceConverter c;
  if (!src.mono && monoTarget) {
    c.kind = SourceConverter::Kind::ColorToMono;
    c.key = src.bkPixel;
  } else if (src.mono && !monoTarget) {
    c.kind = SourceConverter::Kind::MonoToColor;
    c.one = PixelFromColorRef(dst.state().bkColor);
    c.zero = PixelFromColorRef(dst.state().textColor);
  }
  return c;
}

// Nearest-neighbour mapping of one axis: destination offset i reads source index map[i].
struct AxisMap {
  std::vector<int> map;
  int first = 0;  // the range of offsets whose source lies inside the image
  int last = 0;
};

AxisMap MapAxis(int dstLength, int srcStart, int srcLength, bool mirror, int srcLimit) {
  AxisMap axis;
  axis.map.resize(static_cast<size_t>(dstLength));
  axis.first = dstLength;
  axis.last = 0;
  for (int i = 0; i < dstLength; ++i) {
    int offset = static_cast<int>((int64_t{2} * i + 1) * srcLength / (int64_t{2} * dstLength));
    if (mirror) offset = srcLength - 1 - offset;
    const int s = srcStart + offset;
    axis.map[static_cast<size_t>(i)] = s;
    if (s >= 0 && s < srcLimit) {
      axis.first = std::min(axis.first, i);
      axis.last = std::max(axis.last, i + 1);
    }
  }
  return axis;
}

RECT Normalized(const RECT& rc, bool* mirrorX, bool* mirrorY) {
  *mirrorX = rc.right < rc.left;
  *mirrorY = rc.bottom < rc.top;
  return RECT{std::min(rc.left, rc.right), std::min(rc.top, rc.bottom), std::max(rc.left, rc.right),
              std::max(rc.top, rc.bottom)};
}

// Blits from a buffer into itself must read the source as it was before the blit.
SourceImage SnapshotIfShared(const SourceImage& src, const PixelTarget& t, std::vector<uint32_t>& store) {
  const uint32_t* begin = t.pixels;
  const uint32_t* end = t.pixels + static_cast<size_t>(t.width) * static_cast<size_t>(t.height);
  if (src.top < begin || src.top >= end) return src;
  store.resize(static_cast<size_t>(src.width) * static_cast<size_t>(src.height));
  for (int y = 0; y < src.height; ++y) {
    std::memcpy(store.data() + static_cast<size_t>(y) * src.width, src.row(y), src.width * sizeof(uint32_t));
  }
  SourceImage copy = src;
  copy.top = store.data();
  copy.stride = src.width;
  return copy;
}

uint32_t ResultMask(const PixelTarget& t, const SourceImage& src, uint8_t code) {
  return t.keepsAlpha && !src.mono && code == 0xCC ? 0xFFFFFFFFu : 0x00FFFFFFu;
}

void CopyRows(const PixelTarget& t, const RECT& r, const RECT& dst, const SourceImage& src, const AxisMap& xs,
              const AxisMap& ys, const SourceConverter& convert, const Pattern& pattern, uint8_t code) {
  const uint32_t mask = ResultMask(t, src, code);
  const bool plainCopy = code == 0xCC && convert.kind == SourceConverter::Kind::Same;
  for (int y = r.top; y < r.bottom; ++y) {
    const uint32_t* srow = src.row(ys.map[static_cast<size_t>(y - dst.top)]);
    const int* cols = xs.map.data() + (r.left - dst.left);
    uint32_t* drow = t.row(y);
    if (plainCopy) {
      for (int x = r.left; x < r.right; ++x) drow[x] = srow[*cols++] & mask;
      continue;
    }
    for (int x = r.left; x < r.right; ++x) {
      const uint32_t s = convert(srow[*cols++]);
      drow[x] = ApplyRop(code, pattern.at(x, y), s, drow[x]) & mask;
    }
  }
}

}  // namespace

SourceImage SourceOf(DeviceContext& dc) {
  const PixelTarget t = dc.target();
  SourceImage s;
  s.top = t.pixels;
  s.stride = t.width;
  s.width = t.width;
  s.height = t.height;
  s.mono = t.mono;
  s.bkPixel = PixelFromColorRef(dc.state().bkColor);
  return s;
}

void PaintRect(DeviceContext& dc, const RECT& rc, const Pattern& pattern, uint8_t code) {
  const PixelTarget t = dc.target();
  const uint32_t mask = 0x00FFFFFF;
  for (const RECT& c : dc.clip().rects()) {
    const RECT r = IntersectRectRaw(rc, c);
    if (IsRectEmptyRaw(r)) continue;
    for (int y = r.top; y < r.bottom; ++y) {
      uint32_t* row = t.row(y);
      if (code == 0xF0 && pattern.isSolid()) {
        std::fill(row + r.left, row + r.right, pattern.solidPixel());
        continue;
      }
      for (int x = r.left; x < r.right; ++x) row[x] = ApplyRop(code, pattern.at(x, y), 0, row[x]) & mask;
    }
  }
}

void RasterFill(DeviceContext& dc, const RECT& rc, const Brush& brush, uint8_t code) {
  const Pattern pattern = Pattern::forBrush(brush, dc);
  if (pattern.isNone() && RopUsesPattern(code)) return;
  PaintRect(dc, rc, pattern, code);
  dc.markDrawn(rc);
}

void RasterCopy(DeviceContext& dc, const RECT& dstRect, const SourceImage& source, const RECT& srcRect,
                uint8_t code) {
  bool dstMirrorX = false, dstMirrorY = false, srcMirrorX = false, srcMirrorY = false;
  const RECT dst = Normalized(dstRect, &dstMirrorX, &dstMirrorY);
  const RECT srcArea = Normalized(srcRect, &srcMirrorX, &srcMirrorY);
  const int dw = dst.right - dst.left, dh = dst.bottom - dst.top;
  if (dw == 0 || dh == 0 || srcArea.right == srcArea.left || srcArea.bottom == srcArea.top) return;
  const PixelTarget t = dc.target();
  std::vector<uint32_t> snapshot;
  const SourceImage src = SnapshotIfShared(source, t, snapshot);
  const AxisMap xs = MapAxis(dw, srcArea.left, srcArea.right - srcArea.left, dstMirrorX != srcMirrorX, src.width);
  const AxisMap ys = MapAxis(dh, srcArea.top, srcArea.bottom - srcArea.top, dstMirrorY != srcMirrorY, src.height);
  const RECT inside{dst.left + xs.first, dst.top + ys.first, dst.left + xs.last, dst.top + ys.last};
  if (IsRectEmptyRaw(inside)) return;
  Pattern pattern = Pattern::none();
  if (RopUsesPattern(code)) {
    pattern = Pattern::forBrush(*dc.state().brush, dc);
    if (pattern.isNone()) return;
  }
  const SourceConverter convert = ConverterFor(src, dc, t.mono);
  for (const RECT& c : dc.clip().rects()) {
    const RECT r = IntersectRectRaw(inside, c);
    if (!IsRectEmptyRaw(r)) CopyRows(t, r, dst, src, xs, ys, convert, pattern, code);
  }
  dc.markDrawn(inside);
}

}  // namespace gdi

