// Blits, pattern fills, device-independent images and single pixels.
#include <cstring>
#include <vector>

#include "platform/gdi/Raster.h"
#include "platform/gdi/RasterOp.h"

namespace gdi {
namespace {

bool Blit(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, int cx1, int cy1, DWORD rop) {
  auto dc = FindDC(dst);
  if (!dc) return false;
  const uint8_t code = RopCode(rop);
  const POINT d = dc->toTarget(x, y);
  const RECT dstRect{d.x, d.y, d.x + cx, d.y + cy};
  if (!RopUsesSource(code)) {
    RasterFill(*dc, dstRect, *dc->state().brush, code);
    return true;
  }
  auto sourceDc = FindDC(src);
  if (!sourceDc) return false;
  const POINT s = sourceDc->toTarget(x1, y1);
  RasterCopy(*dc, dstRect, SourceOf(*sourceDc), RECT{s.x, s.y, s.x + cx1, s.y + cy1}, code);
  return true;
}

// Rows of a DIB; bottom-up images (positive height) start with the lowest row.
bool DibSource(const void* bits, const BITMAPINFO* info, SourceImage* out, std::vector<uint32_t>& aligned) {
  if (bits == nullptr || info == nullptr) return false;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0 ||
      h.biHeight == INT32_MIN || !BitmapSizeAllowed(h.biWidth, h.biHeight < 0 ? -h.biHeight : h.biHeight)) {
    return false;
  }
  const int width = h.biWidth;
  const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  const uint32_t* pixels = static_cast<const uint32_t*>(bits);
  if (reinterpret_cast<uintptr_t>(bits) % alignof(uint32_t) != 0) {
    aligned.resize(static_cast<size_t>(width) * height);
    std::memcpy(aligned.data(), bits, aligned.size() * sizeof(uint32_t));
    pixels = aligned.data();
  }
  out->width = width;
  out->height = height;
  out->mono = false;
  out->top = h.biHeight < 0 ? pixels : pixels + static_cast<size_t>(height - 1) * width;
  out->stride = h.biHeight < 0 ? width : -static_cast<ptrdiff_t>(width);
  return true;
}

}  // namespace
}  // namespace gdi

BOOL BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop) {
  return gdi::Blit(dst, x, y, cx, cy, src, x1, y1, cx, cy, rop) ? TRUE : FALSE;
}

BOOL StretchBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, int cx1, int cy1, DWORD rop) {
  return gdi::Blit(dst, x, y, cx, cy, src, x1, y1, cx1, cy1, rop) ? TRUE : FALSE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  const uint8_t code = gdi::RopCode(rop);
  if (gdi::RopUsesSource(code)) return FALSE;
  return gdi::Blit(hdc, x, y, w, h, nullptr, 0, 0, 0, 0, rop) ? TRUE : FALSE;
}

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                  int srcHeight, const void* bits, const BITMAPINFO* info, UINT /*usage*/, DWORD rop) {
  auto dc = gdi::FindDC(hdc);
  gdi::SourceImage src;
  std::vector<uint32_t> aligned;
  if (!dc || !gdi::DibSource(bits, info, &src, aligned)) return 0;
  // For a bottom-up image the source rectangle is measured from its lower-left corner.
  const int top = info->bmiHeader.biHeight < 0 ? ySrc : src.height - ySrc - srcHeight;
  const POINT d = dc->toTarget(xDest, yDest);
  gdi::RasterCopy(*dc, RECT{d.x, d.y, d.x + destWidth, d.y + destHeight}, src,
                  RECT{xSrc, top, xSrc + srcWidth, top + srcHeight}, gdi::RopCode(rop));
  return srcHeight < 0 ? -srcHeight : srcHeight;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return CLR_INVALID;
  const POINT p = dc->toTarget(x, y);
  if (!dc->clip().contains(p.x, p.y)) return CLR_INVALID;
  const gdi::PixelTarget t = dc->target();
  const uint32_t pixel = gdi::TargetColor(color, t.mono);
  t.row(p.y)[p.x] = pixel;
  dc->markDrawn(RECT{p.x, p.y, p.x + 1, p.y + 1});
  return gdi::ColorRefFromPixel(pixel);
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return CLR_INVALID;
  const POINT p = dc->toTarget(x, y);
  if (!dc->clip().contains(p.x, p.y)) return CLR_INVALID;
  return gdi::ColorRefFromPixel(dc->target().row(p.y)[p.x] & 0xFFFFFF);
}
