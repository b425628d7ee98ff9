#include <gtest/gtest.h>

#include "platform/gdi/Surface.h"
#include "platform/gdi/SurfaceDC.h"
#include "tests/gdi/GdiTestSupport.h"

using gdi_test::ColorCanvas;

namespace {

// A memory DC holding a fresh monochrome bitmap.
struct MonoCanvas {
  MonoCanvas(int w, int h) : dc(CreateCompatibleDC(nullptr)), bmp(CreateBitmap(w, h, 1, 1, nullptr)) {
    old = SelectObject(dc, bmp);
  }
  ~MonoCanvas() {
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bmp);
  }
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
};

TEST(Raster, ColorToMonoSetsOnlyPixelsEqualToSourceBackground) {
  ColorCanvas src(3, 1);
  SetPixel(src.dc(), 0, 0, RGB(0, 255, 0));
  SetPixel(src.dc(), 1, 0, RGB(0, 254, 0));
  SetPixel(src.dc(), 2, 0, RGB(255, 255, 255));
  MonoCanvas mask(3, 1);
  SetBkColor(src.dc(), RGB(0, 255, 0));
  // The destination's own colours must not matter for this direction.
  SetBkColor(mask.dc, RGB(1, 2, 3));
  ASSERT_TRUE(BitBlt(mask.dc, 0, 0, 3, 1, src.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(mask.dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(mask.dc, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(mask.dc, 2, 0), RGB(0, 0, 0));
}

TEST(Raster, MonoToColorUsesDestinationColours) {
  const BYTE bits[2] = {0x80, 0};  // first pixel 1, second 0
  HBITMAP monoBmp = CreateBitmap(2, 1, 1, 1, bits);
  HDC monoDc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(monoDc, monoBmp);
  SetBkColor(monoDc, RGB(9, 9, 9));  // the source's colours must not matter
  SetTextColor(monoDc, RGB(8, 8, 8));
  ColorCanvas dst(2, 1);
  SetBkColor(dst.dc(), RGB(10, 20, 30));
  SetTextColor(dst.dc(), RGB(40, 50, 60));
  ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 1, monoDc, 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(dst.dc(), 0, 0), RGB(10, 20, 30));
  EXPECT_EQ(GetPixel(dst.dc(), 1, 0), RGB(40, 50, 60));
  SelectObject(monoDc, old);
  DeleteDC(monoDc);
  DeleteObject(monoBmp);
}

// Every operation against its formula; with these inputs each result is also the code's own byte.
TEST(Raster, RasterOperationsFollowTheirTruthTables) {
  const BYTE p = 0xF0, s = 0xCC, d = 0xAA;
  struct Case {
    DWORD rop;
    BYTE expected;
  } cases[] = {
      {SRCCOPY, s},           {SRCAND, BYTE(s & d)},  {SRCPAINT, BYTE(s | d)},   {SRCINVERT, BYTE(s ^ d)},
      {PATCOPY, p},           {PATINVERT, BYTE(p ^ d)}, {BLACKNESS, 0},           {WHITENESS, 0xFF},
      {DSTINVERT, BYTE(~d)},  {NOTSRCCOPY, BYTE(~s)}, {MERGECOPY, BYTE(p & s)},  {SRCERASE, BYTE(s & ~d)},
      {MERGEPAINT, BYTE(~s | d)}, {0x00E20746, BYTE((s & p) | (d & ~s))},  // the source picks pattern or dest
  };
  for (const Case& c : cases) {
    ColorCanvas src(1, 1, RGB(s, s, s));
    ColorCanvas dst(1, 1, RGB(d, d, d));
    HBRUSH brush = CreateSolidBrush(RGB(p, p, p));
    HGDIOBJ oldBrush = SelectObject(dst.dc(), brush);
    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, c.rop));
    EXPECT_EQ(GetPixel(dst.dc(), 0, 0), RGB(c.expected, c.expected, c.expected)) << std::hex << c.rop;
    SelectObject(dst.dc(), oldBrush);
    DeleteObject(brush);
  }
}

TEST(Raster, PatBltRefusesOperationsThatReadASource) {
  ColorCanvas dst(2, 2, RGB(1, 2, 3));
  EXPECT_FALSE(PatBlt(dst.dc(), 0, 0, 2, 2, SRCCOPY));
  EXPECT_TRUE(PatBlt(dst.dc(), 0, 0, 2, 2, DSTINVERT));
  EXPECT_EQ(dst.Count(RGB(254, 253, 252)), 4);
}

// The key-colour mask of a skinned button, built and applied exactly the way the button does.
TEST(Raster, KeyColourMaskShowsTheFaceWhereTheImageHadTheKey) {
  const COLORREF key = RGB(0, 255, 0), faceColor = RGB(200, 100, 50);
  const COLORREF art[4] = {key, RGB(10, 20, 30), RGB(255, 255, 255), key};
  ColorCanvas image(4, 1);
  for (int x = 0; x < 4; ++x) SetPixel(image.dc(), x, 0, art[x]);

  HBITMAP mask = CreateBitmap(4, 1, 1, 1, nullptr);
  HDC maskDc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  SetBkColor(image.dc(), key);
  BitBlt(maskDc, 0, 0, 4, 1, image.dc(), 0, 0, SRCCOPY);
  SetTextColor(image.dc(), RGB(255, 255, 255));
  SetBkColor(image.dc(), RGB(0, 0, 0));
  BitBlt(image.dc(), 0, 0, 4, 1, maskDc, 0, 0, SRCAND);

  ColorCanvas face(6, 3, faceColor);
  SetBkColor(face.dc(), RGB(255, 255, 255));
  SetTextColor(face.dc(), RGB(0, 0, 0));
  BitBlt(face.dc(), 1, 1, 4, 1, maskDc, 0, 0, SRCAND);
  BitBlt(face.dc(), 1, 1, 4, 1, image.dc(), 0, 0, SRCPAINT);

  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(GetPixel(face.dc(), x + 1, 1), art[x] == key ? faceColor : art[x]) << x;
  }
  EXPECT_EQ(face.Count(faceColor), 18 - 2);  // only the two non-key pixels changed
  SelectObject(maskDc, oldMask);
  DeleteDC(maskDc);
  DeleteObject(mask);
}

TEST(Raster, OverlappingBlitWithinOneBitmapReadsTheOriginal) {
  ColorCanvas c(4, 1);
  for (int x = 0; x < 4; ++x) SetPixel(c.dc(), x, 0, RGB(x, 0, 0));
  BitBlt(c.dc(), 1, 0, 3, 1, c.dc(), 0, 0, SRCCOPY);
  for (int x = 1; x < 4; ++x) EXPECT_EQ(GetPixel(c.dc(), x, 0), RGB(x - 1, 0, 0));
}

TEST(Raster, StretchBltScalesAndMirrors) {
  ColorCanvas src(2, 1);
  SetPixel(src.dc(), 0, 0, RGB(255, 0, 0));
  SetPixel(src.dc(), 1, 0, RGB(0, 0, 255));
  ColorCanvas dst(4, 2);
  StretchBlt(dst.dc(), 0, 0, 4, 2, src.dc(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(dst.Count(RGB(255, 0, 0), RECT{0, 0, 2, 2}), 4);
  EXPECT_EQ(dst.Count(RGB(0, 0, 255), RECT{2, 0, 4, 2}), 4);
  // A negative width spans x + cx .. x and mirrors the image.
  StretchBlt(dst.dc(), 4, 0, -4, 1, src.dc(), 0, 0, 2, 1, SRCCOPY);
  EXPECT_EQ(dst.Count(RGB(0, 0, 255), RECT{0, 0, 2, 1}), 2);
  EXPECT_EQ(dst.Count(RGB(255, 0, 0), RECT{2, 0, 4, 1}), 2);
}

// A 4x2 image of distinct colours, shown bottom-up and top-down, scaled by 2 and clipped by the DC.
TEST(Raster, StretchDIBitsScalesBothRowOrders) {
  uint32_t rows[2][4];
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) rows[y][x] = 0xFF000000u | (uint32_t(x * 60) << 16) | (uint32_t(y * 200) << 8);
  for (bool topDown : {true, false}) {
    uint32_t bits[8];
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) bits[(topDown ? y : 1 - y) * 4 + x] = rows[y][x];
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, topDown ? -2 : 2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ColorCanvas dst(9, 5, RGB(1, 1, 1));
    EXPECT_EQ(StretchDIBits(dst.dc(), 1, 1, 8, 4, 0, 0, 4, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 8; ++x) {
        const uint32_t p = rows[y / 2][x / 2];
        EXPECT_EQ(GetPixel(dst.dc(), x + 1, y + 1), RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF))
            << topDown << " " << x << "," << y;
      }
    }
    EXPECT_EQ(dst.Count(RGB(1, 1, 1)), 45 - 32);
  }
}

TEST(Raster, StretchDIBitsRejectsUnsupportedImages) {
  uint32_t bits[4] = {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  ColorCanvas dst(2, 2);
  EXPECT_EQ(StretchDIBits(dst.dc(), 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biWidth = -2;
  EXPECT_EQ(StretchDIBits(dst.dc(), 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
}

// A 2x2 checker pattern: pixel (x, y) shows tile cell ((x - orgX) mod 2, (y - orgY) mod 2).
TEST(Raster, PatternBrushTilesFromTheBrushOrigin) {
  const uint32_t tile[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  HBITMAP tileBmp = CreateBitmap(2, 2, 1, 32, tile);
  HBRUSH brush = CreatePatternBrush(tileBmp);
  DeleteObject(tileBmp);  // the brush keeps its own copy
  const COLORREF expected[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
  for (POINT org : {POINT{0, 0}, POINT{1, 0}, POINT{1, 1}, POINT{-3, 2}}) {
    ColorCanvas c(5, 4);
    SetBrushOrgEx(c.dc(), org.x, org.y, nullptr);
    RECT rc{0, 0, 5, 4};
    FillRect(c.dc(), &rc, brush);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 5; ++x) {
        const int tx = ((x - org.x) % 2 + 2) % 2, ty = ((y - org.y) % 2 + 2) % 2;
        EXPECT_EQ(GetPixel(c.dc(), x, y), expected[ty * 2 + tx]) << org.x << "," << org.y << " at " << x << "," << y;
      }
    }
  }
  DeleteObject(brush);
}

TEST(Raster, MonoPatternBrushUsesTextAndBackgroundColours) {
  const BYTE bits[4] = {0x80, 0, 0x40, 0};  // row 0: 1 0; row 1: 0 1
  HBITMAP tileBmp = CreateBitmap(2, 2, 1, 1, bits);
  HBRUSH brush = CreatePatternBrush(tileBmp);
  ColorCanvas c(2, 2);
  SetTextColor(c.dc(), RGB(1, 2, 3));
  SetBkColor(c.dc(), RGB(4, 5, 6));
  RECT rc{0, 0, 2, 2};
  FillRect(c.dc(), &rc, brush);
  EXPECT_EQ(GetPixel(c.dc(), 0, 0), RGB(4, 5, 6));
  EXPECT_EQ(GetPixel(c.dc(), 1, 0), RGB(1, 2, 3));
  EXPECT_EQ(GetPixel(c.dc(), 1, 1), RGB(4, 5, 6));
  DeleteObject(brush);
  DeleteObject(tileBmp);
}

TEST(Raster, NullBrushPaintsNothing) {
  ColorCanvas c(3, 3, RGB(7, 7, 7));
  RECT rc{0, 0, 3, 3};
  FillRect(c.dc(), &rc, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  SelectObject(c.dc(), GetStockObject(NULL_BRUSH));
  PatBlt(c.dc(), 0, 0, 3, 3, PATCOPY);
  EXPECT_EQ(c.Count(RGB(7, 7, 7)), 9);
}

}  // namespace

namespace {

// Brush origins are in the DC's own device coordinates: a DC placed at x = 3 on its surface starts
// the tile at its own left edge, not at the surface's.
TEST(Raster, PatternTilesAlignToTheSurfaceDCsOrigin) {
  const uint32_t tile[2] = {0xFF0000, 0x0000FF};
  HBITMAP tileBmp = CreateBitmap(2, 1, 1, 32, tile);
  HBRUSH brush = CreatePatternBrush(tileBmp);
  gdi::Surface surface(8, 1);
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{3, 0}, gdi::Region(RECT{0, 0, 8, 1}));
  RECT rc{0, 0, 4, 1};
  FillRect(dc, &rc, brush);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.row(0)[3 + x], tile[x % 2]) << x;
  gdi::DeleteSurfaceDC(dc);
  DeleteObject(brush);
  DeleteObject(tileBmp);
}

}  // namespace
