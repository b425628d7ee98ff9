#include "platform/win/BmpImage.h"

#include <cstdint>
#include <cstring>

namespace win {
namespace {

uint32_t ReadU32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t ReadU16(const BYTE* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;
constexpr int kMaxSide = 1024;

}  // namespace

bool DecodeIconBmp(const BYTE* data, size_t size, backend::ArgbImage* out) {
  if (!data || size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M') return false;
  uint32_t pixelOffset = ReadU32(data + 10);
  const BYTE* info = data + kFileHeader;
  int32_t width = static_cast<int32_t>(ReadU32(info + 4));
  int32_t height = static_cast<int32_t>(ReadU32(info + 8));
  uint16_t bits = ReadU16(info + 14);
  uint32_t compression = ReadU32(info + 16);
  bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if ((bits != 24 && bits != 32) || (compression != 0 && compression != 3)) return false;
  size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  if (pixelOffset > size || stride * height > size - pixelOffset) return false;

  out->width = width;
  out->height = height;
  out->pixels.assign(static_cast<size_t>(width) * height, 0);
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = data + pixelOffset + stride * (topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const BYTE* px = row + x * (bits / 8);
      uint32_t rgb = (px[2] << 16) | (px[1] << 8) | px[0];
      uint32_t alpha = bits == 32 ? px[3] : (rgb == 0 ? 0 : 255);
      anyAlpha = anyAlpha || (bits == 32 && alpha != 0);
      out->pixels[static_cast<size_t>(y) * width + x] = (alpha << 24) | rgb;
    }
  }
  if (bits == 32 && !anyAlpha) {
    for (auto& p : out->pixels) p |= 0xFF000000u;
  }
  return true;
}

backend::ArgbImage ImageFromRows(int cx, int cy, int hotX, int hotY, const char* const* rows) {
  backend::ArgbImage img;
  img.width = cx;
  img.height = cy;
  img.hotspot = POINT{hotX, hotY};
  img.pixels.assign(static_cast<size_t>(cx) * cy, 0);
  for (int y = 0; y < cy && rows && rows[y]; ++y) {
    size_t len = std::strlen(rows[y]);
    for (int x = 0; x < cx && static_cast<size_t>(x) < len; ++x) {
      char c = rows[y][x];
      if (c == '#') img.pixels[static_cast<size_t>(y) * cx + x] = 0xFF000000u;
      if (c == 'o') img.pixels[static_cast<size_t>(y) * cx + x] = 0xFFFFFFFFu;
    }
  }
  return img;
}

}  // namespace win
