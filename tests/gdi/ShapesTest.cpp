#include <gtest/gtest.h>

#include "tests/gdi/GdiTestSupport.h"

using gdi_test::ColorCanvas;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);

TEST(Shapes, LinesExcludeTheirEndPoint) {
  struct Case {
    POINT from, to;
    int pixels;
  } cases[] = {{{1, 1}, {8, 1}, 7}, {{1, 1}, {1, 8}, 7}, {{8, 8}, {1, 1}, 7}, {{1, 2}, {8, 5}, 7}, {{3, 3}, {3, 3}, 0}};
  for (const Case& c : cases) {
    ColorCanvas canvas(10, 10);
    MoveToEx(canvas.dc(), c.from.x, c.from.y, nullptr);
    LineTo(canvas.dc(), c.to.x, c.to.y);
    EXPECT_EQ(canvas.Count(kBlack), c.pixels);
    EXPECT_EQ(GetPixel(canvas.dc(), c.to.x, c.to.y), kWhite);
    if (c.pixels > 0) {
      EXPECT_EQ(GetPixel(canvas.dc(), c.from.x, c.from.y), kBlack);
    }
    POINT pos{};
    MoveToEx(canvas.dc(), 0, 0, &pos);
    EXPECT_EQ(pos.x, c.to.x);
  }
}

TEST(Shapes, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  ColorCanvas c(10, 10);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  SelectObject(c.dc(), red);
  Rectangle(c.dc(), 1, 1, 7, 6);
  EXPECT_EQ(c.Count(kBlack), 2 * 6 + 2 * 3);
  EXPECT_EQ(c.Count(RGB(255, 0, 0)), 4 * 3);
  EXPECT_EQ(c.Count(kWhite, RECT{7, 0, 10, 10}), 30);
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  c.Fill(kWhite);
  Rectangle(c.dc(), 1, 1, 7, 6);
  EXPECT_EQ(c.Count(RGB(255, 0, 0)), 5 * 4);  // without a pen the fill stops one pixel short
  SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(red);
}

TEST(Shapes, EllipseStaysInsideItsBoundsAndIsSymmetric) {
  ColorCanvas c(20, 20);
  SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
  Ellipse(c.dc(), 2, 3, 16, 13);
  const int inside = c.Count(kBlack, RECT{2, 3, 16, 13});
  EXPECT_EQ(c.Count(kBlack), inside);
  EXPECT_GT(inside, 14 * 10 * 3 / 4 - 10);
  EXPECT_LT(inside, 14 * 10);
  for (int y = 3; y < 13; ++y)
    for (int x = 2; x < 16; ++x) EXPECT_EQ(GetPixel(c.dc(), x, y), GetPixel(c.dc(), 17 - x, y)) << x << "," << y;
}

TEST(Shapes, PolygonFillsItsInterior) {
  ColorCanvas c(12, 12);
  SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
  SelectObject(c.dc(), GetStockObject(NULL_PEN));
  const POINT square[] = {{2, 2}, {8, 2}, {8, 8}, {2, 8}};
  Polygon(c.dc(), square, 4);
  EXPECT_EQ(c.Count(kBlack), 36);
  EXPECT_EQ(c.Count(kBlack, RECT{2, 2, 8, 8}), 36);
}

TEST(Shapes, FrameRectDrawsOnlyTheBorder) {
  ColorCanvas c(8, 8);
  RECT rc{1, 1, 6, 5};
  FrameRect(c.dc(), &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(c.Count(kBlack), 2 * 5 + 2 * 2);
  EXPECT_EQ(c.Count(kBlack, RECT{2, 2, 5, 4}), 0);
}

}  // namespace
