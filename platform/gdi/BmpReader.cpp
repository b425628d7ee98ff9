#include "platform/gdi/BmpReader.h"

#include <cstring>

#include "platform/gdi/HandleTable.h"

namespace gdi {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr DWORD kBitfields = 3;

uint32_t ReadU32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t ReadU16(const BYTE* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

struct BmpLayout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  size_t pixelOffset = 0;
  size_t stride = 0;
};

bool StandardBitfields(const BYTE* data, size_t size, size_t headerSize) {
  // The masks follow a 40-byte header, or sit inside a larger (V4/V5) one.
  const size_t at = kFileHeaderSize + kInfoHeaderSize;
  if (size < at + 12 || (headerSize < kInfoHeaderSize + 12 && headerSize != kInfoHeaderSize)) return false;
  return ReadU32(data + at) == 0x00FF0000 && ReadU32(data + at + 4) == 0x0000FF00 &&
         ReadU32(data + at + 8) == 0x000000FF;
}

bool ReadLayout(const BYTE* data, size_t size, BmpLayout* layout) {
  if (data == nullptr || size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
  const BYTE* info = data + kFileHeaderSize;
  const size_t headerSize = ReadU32(info);
  const auto width = static_cast<int32_t>(ReadU32(info + 4));
  const auto height = static_cast<int32_t>(ReadU32(info + 8));
  const int bitCount = ReadU16(info + 14);
  const DWORD compression = ReadU32(info + 16);
  if (headerSize < kInfoHeaderSize || ReadU16(info + 12) != 1 || (bitCount != 24 && bitCount != 32)) return false;
  if (compression != BI_RGB && !(compression == kBitfields && bitCount == 32 && StandardBitfields(data, size, headerSize))) {
    return false;
  }
  if (height == INT32_MIN || !BitmapSizeAllowed(width, height < 0 ? -height : height)) return false;
  layout->width = width;
  layout->height = height < 0 ? -height : height;
  layout->topDown = height < 0;
  layout->bitCount = bitCount;
  layout->pixelOffset = ReadU32(data + 10);
  layout->stride = ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
  // Every row must lie inside the file image.
  return layout->pixelOffset <= size && (size - layout->pixelOffset) / layout->stride >= static_cast<size_t>(layout->height);
}

void ReadRow(const BYTE* src, int bitCount, int width, uint32_t* dst) {
  const int bytes = bitCount / 8;
  for (int x = 0; x < width; ++x, src += bytes) {
    const uint32_t alpha = bitCount == 32 ? static_cast<uint32_t>(src[3]) << 24 : 0;
    dst[x] = alpha | (static_cast<uint32_t>(src[2]) << 16) | (static_cast<uint32_t>(src[1]) << 8) | src[0];
  }
}

}  // namespace

std::shared_ptr<Bitmap> ReadBmpFile(const BYTE* data, size_t size) {
  BmpLayout layout;
  if (!ReadLayout(data, size, &layout)) return nullptr;
  auto bmp = std::make_shared<Bitmap>(layout.width, layout.height, false);
  for (int y = 0; y < layout.height; ++y) {
    const int fileRow = layout.topDown ? y : layout.height - 1 - y;
    ReadRow(data + layout.pixelOffset + fileRow * layout.stride, layout.bitCount, layout.width,
            bmp->pixels.data() + static_cast<size_t>(y) * layout.width);
  }
  return bmp;
}

}  // namespace gdi

HBITMAP CreateDIBitmapFromBmpFile(const BYTE* fileBytes, size_t size) {
  auto bmp = gdi::ReadBmpFile(fileBytes, size);
  return bmp ? static_cast<HBITMAP>(gdi::HandleTable::instance().add(bmp)) : nullptr;
}
