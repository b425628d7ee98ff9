#include <gtest/gtest.h>

#include <cstring>

#include "tests/gdi/GdiTestSupport.h"

namespace {

TEST(Objects, DeletedAndMadeUpHandlesFailSafely) {
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_TRUE(DeleteObject(brush));
  LOGBRUSH lb{};
  const HGDIOBJ bogus[] = {brush, reinterpret_cast<HGDIOBJ>(uintptr_t{0x7777}), nullptr};
  for (HGDIOBJ h : bogus) {
    EXPECT_EQ(GetObject(h, sizeof lb, &lb), 0);
    EXPECT_EQ(GetObjectType(h), 0u);
    EXPECT_EQ(SelectObject(dc, h), nullptr);
    EXPECT_FALSE(DeleteObject(h));
    RECT rc{0, 0, 1, 1};
    EXPECT_FALSE(FillRect(dc, &rc, static_cast<HBRUSH>(h)));
  }
  ASSERT_TRUE(DeleteDC(dc));
  EXPECT_FALSE(DeleteDC(dc));
  EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
  EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, nullptr, 0, 0, BLACKNESS));
}

TEST(Objects, StockObjectsSurviveDeletion) {
  for (int index : {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, BLACK_PEN, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
    HGDIOBJ stock = GetStockObject(index);
    ASSERT_NE(stock, nullptr) << index;
    DeleteObject(stock);
    EXPECT_EQ(GetStockObject(index), stock);
    EXPECT_NE(GetObjectType(stock), 0u) << index;
  }
  LOGBRUSH lb{};
  ASSERT_EQ(GetObject(GetStockObject(NULL_BRUSH), sizeof lb, &lb), int(sizeof lb));
  EXPECT_EQ(lb.lbStyle, UINT(BS_NULL));
  EXPECT_EQ(GetStockObject(9), nullptr);
}

TEST(Objects, ABitmapLivesInOneDCAtATime) {
  HBITMAP bmp = CreateBitmap(2, 2, 1, 32, nullptr);
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HGDIOBJ stock = SelectObject(first, bmp);
  ASSERT_NE(stock, nullptr);
  EXPECT_EQ(SelectObject(second, bmp), nullptr);
  EXPECT_FALSE(DeleteObject(bmp));  // still selected
  EXPECT_EQ(SelectObject(first, stock), bmp);
  EXPECT_NE(SelectObject(second, bmp), nullptr);
  DeleteDC(second);  // deleting the DC frees the bitmap
  EXPECT_NE(SelectObject(first, bmp), nullptr);
  SelectObject(first, stock);
  EXPECT_TRUE(DeleteObject(bmp));
  DeleteDC(first);
}

TEST(Objects, FreshMemoryDCHoldsAOnePixelMonoBitmapAndMakesMonoBitmaps) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAP info{};
  ASSERT_EQ(GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidth, 1);
  EXPECT_EQ(info.bmHeight, 1);
  EXPECT_EQ(info.bmBitsPixel, 1);
  EXPECT_EQ(GetObjectType(dc), DWORD(OBJ_MEMDC));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);

  struct Case {
    HDC from;
    int bits;
  };
  HBITMAP colour = CreateCompatibleBitmap(nullptr, 3, 3);
  HDC colourDc = CreateCompatibleDC(dc);
  SelectObject(colourDc, colour);
  for (const Case& c : {Case{dc, 1}, Case{colourDc, 32}, Case{nullptr, 32}}) {
    HBITMAP made = CreateCompatibleBitmap(c.from, 5, 3);
    ASSERT_EQ(GetObject(made, sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmBitsPixel, c.bits);
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmWidthBytes, c.bits == 1 ? 2 : 20);
    DeleteObject(made);
  }
  DeleteDC(colourDc);
  DeleteObject(colour);
  DeleteDC(dc);
}

TEST(Objects, MonoBitsRoundTripWithWordAlignedRows) {
  const BYTE bits[6] = {0xA5, 0x80, 0x00, 0x00, 0xFF, 0x00};  // 9 pixels wide: 2 bytes a row
  HBITMAP bmp = CreateBitmap(9, 3, 1, 1, bits);
  BYTE back[6] = {};
  EXPECT_EQ(GetBitmapBits(bmp, sizeof back, back), 6);
  EXPECT_EQ(std::memcmp(bits, back, sizeof bits), 0);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bmp);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(dc, 8, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 9, 0), CLR_INVALID);
  DeleteDC(dc);
  DeleteObject(bmp);
}

TEST(Objects, ImpossibleBitmapsAreRefused) {
  EXPECT_EQ(CreateBitmap(-1, 4, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(1 << 20, 1 << 20, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
}

TEST(Objects, SelectObjectReturnsThePreviousObjectOfEachKind) {
  HDC dc = CreateCompatibleDC(nullptr);
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 1, 1));
  HFONT font = CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  LOGPEN lp{};
  ASSERT_EQ(GetObject(pen, sizeof lp, &lp), int(sizeof lp));
  EXPECT_EQ(lp.lopnWidth.x, 2);
  LOGFONT lf{};
  ASSERT_EQ(GetObject(font, sizeof lf, &lf), int(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -20);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  DeleteDC(dc);
  DeleteObject(pen);
  DeleteObject(font);
}

}  // namespace
