#include <gtest/gtest.h>

#include <vector>

#include "tests/gdi/GdiTestSupport.h"

namespace {

void Put32(std::vector<BYTE>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = BYTE(x >> (8 * i));
}

// A .bmp file image whose pixel (x, y) (top row first) has colour pixel(x, y).
std::vector<BYTE> MakeBmp(int w, int h, int bitCount, bool topDown, uint32_t (*pixel)(int, int)) {
  const size_t stride = ((size_t(w) * bitCount + 31) / 32) * 4;
  std::vector<BYTE> file(54 + stride * h, 0xEE);  // padding bytes deliberately not zero
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, uint32_t(file.size()));
  Put32(file, 10, 54);
  Put32(file, 14, 40);
  Put32(file, 18, uint32_t(w));
  Put32(file, 22, uint32_t(topDown ? -h : h));
  file[26] = 1;
  file[27] = 0;
  file[28] = BYTE(bitCount);
  file[29] = 0;
  Put32(file, 30, 0);
  for (int y = 0; y < h; ++y) {
    BYTE* row = &file[54 + stride * (topDown ? y : h - 1 - y)];
    for (int x = 0; x < w; ++x) {
      const uint32_t p = pixel(x, y);
      for (int b = 0; b < bitCount / 8; ++b) row[x * (bitCount / 8) + b] = BYTE(p >> (8 * b));
    }
  }
  return file;
}

uint32_t Distinct(int x, int y) { return 0x80000000u | uint32_t(x * 40) << 16 | uint32_t(y * 70) << 8 | uint32_t(x + y); }

TEST(BmpReader, ReadsRowsInEitherOrderAndPaddedOddWidths) {
  struct Case {
    int bits;
    bool topDown;
  };
  for (const Case& c : {Case{24, false}, Case{24, true}, Case{32, false}, Case{32, true}}) {
    const auto file = MakeBmp(5, 3, c.bits, c.topDown, Distinct);
    HBITMAP bmp = CreateDIBitmapFromBmpFile(file.data(), file.size());
    ASSERT_NE(bmp, nullptr) << c.bits << c.topDown;
    BITMAP info{};
    GetObject(bmp, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);
    std::vector<uint32_t> px(15);
    GetBitmapBits(bmp, 60, px.data());
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        const uint32_t want = c.bits == 32 ? Distinct(x, y) : Distinct(x, y) & 0xFFFFFF;
        EXPECT_EQ(px[y * 5 + x], want) << c.bits << " " << c.topDown << " " << x << "," << y;
      }
    }
    DeleteObject(bmp);
  }
}

TEST(BmpReader, RefusesMalformedImages) {
  const auto good = MakeBmp(3, 2, 24, false, Distinct);
  auto truncated = good;
  truncated.resize(good.size() - 1);
  auto badMagic = good;
  badMagic[0] = 'X';
  auto eightBit = good;
  eightBit[28] = 8;
  auto hugeOffset = good;
  Put32(hugeOffset, 10, 0xFFFFFFF0u);
  auto hugeWidth = good;
  Put32(hugeWidth, 18, 0x7FFFFFFF);
  for (const auto* file : {&truncated, &badMagic, &eightBit, &hugeOffset, &hugeWidth}) {
    EXPECT_EQ(CreateDIBitmapFromBmpFile(file->data(), file->size()), nullptr);
  }
  EXPECT_EQ(CreateDIBitmapFromBmpFile(good.data(), 20), nullptr);
  EXPECT_EQ(CreateDIBitmapFromBmpFile(nullptr, 0), nullptr);
}

}  // namespace
