#include <gtest/gtest.h>

#include "platform/gdi/Surface.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/win/winuser.h"

namespace {

constexpr uint32_t kBlank = 0x123456;

struct SurfaceFixture : ::testing::Test {
  gdi::Surface surface{20, 20};
  SurfaceFixture() { std::fill(surface.data(), surface.data() + 400, kBlank); }
  int CountChanged(const RECT& area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += surface.row(y)[x] != kBlank;
    return n;
  }
  int CountChangedOutside(const gdi::Region& allowed) const {
    int n = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) n += surface.row(y)[x] != kBlank && !allowed.contains(x, y);
    return n;
  }
  // Every way of drawing over the DC's whole logical area.
  static void DrawEverything(HDC dc) {
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT all{-30, -30, 30, 30};
    FillRect(dc, &all, red);
    SelectObject(dc, red);
    Rectangle(dc, -5, -5, 25, 25);
    Ellipse(dc, -5, -5, 25, 25);
    PatBlt(dc, -30, -30, 60, 60, DSTINVERT);
    MoveToEx(dc, -10, -10, nullptr);
    LineTo(dc, 30, 30);
    for (int i = -10; i < 30; ++i) SetPixel(dc, i, 3, RGB(0, 0, 255));
    SetBkMode(dc, OPAQUE);
    TextOut(dc, -3, -3, "Wide text WWWWWWWW", 18);
    RECT text{-10, -10, 40, 40};
    DrawText(dc, "clipped text", -1, &text, DT_NOCLIP);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
  }
};

TEST_F(SurfaceFixture, SurfaceDCNeverWritesOutsideItsClip) {
  gdi::Region clip(RECT{4, 4, 12, 12});
  clip.subtract(RECT{6, 6, 8, 8});
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{4, 4}, clip);
  DrawEverything(dc);
  EXPECT_EQ(CountChangedOutside(clip), 0);
  EXPECT_EQ(CountChanged(RECT{4, 4, 12, 12}), 64 - 4);
  gdi::DeleteSurfaceDC(dc);
}

TEST_F(SurfaceFixture, SurfaceDCMarksWhatItDrawsAsDirty) {
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{2, 3}, gdi::Region(RECT{0, 0, 20, 20}));
  surface.takeDirty();
  RECT rc{1, 1, 4, 3};
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const gdi::Region dirty = surface.takeDirty();
  for (int y = 4; y < 6; ++y)
    for (int x = 3; x < 6; ++x) EXPECT_TRUE(dirty.contains(x, y)) << x << "," << y;
  EXPECT_TRUE(surface.takeDirty().empty());
  gdi::DeleteSurfaceDC(dc);
}

TEST_F(SurfaceFixture, ExcludeAndIntersectClipRectUseLogicalCoordinates) {
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{5, 5}, gdi::Region(RECT{0, 0, 20, 20}));
  SetViewportOrgEx(dc, 1, 0, nullptr);
  EXPECT_EQ(IntersectClipRect(dc, 0, 0, 6, 6), SIMPLEREGION);
  EXPECT_EQ(ExcludeClipRect(dc, 2, 2, 4, 4), COMPLEXREGION);
  DrawEverything(dc);
  gdi::Region expected(RECT{6, 5, 12, 11});
  expected.subtract(RECT{8, 7, 10, 9});
  EXPECT_EQ(CountChangedOutside(expected), 0);
  EXPECT_EQ(CountChanged(RECT{6, 5, 12, 11}), 36 - 4);
  RECT box{};
  EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.right, 6);
  EXPECT_FALSE(PtVisible(dc, 2, 2));
  EXPECT_TRUE(PtVisible(dc, 1, 2));
  gdi::DeleteSurfaceDC(dc);
}

TEST_F(SurfaceFixture, SaveAndRestoreBringBackClipAndColours) {
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{0, 0}, gdi::Region(RECT{0, 0, 20, 20}));
  const int first = SaveDC(dc);
  ExcludeClipRect(dc, 0, 0, 10, 20);
  SetBkColor(dc, RGB(1, 1, 1));
  const int second = SaveDC(dc);
  EXPECT_EQ(second, first + 1);
  IntersectClipRect(dc, 0, 0, 15, 20);
  SetTextColor(dc, RGB(2, 2, 2));

  EXPECT_TRUE(RestoreDC(dc, -1));  // back to the second save
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(1, 1, 1));
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.right, 20);

  EXPECT_TRUE(RestoreDC(dc, first));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  GetClipBox(dc, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_FALSE(RestoreDC(dc, first));  // that level is used up
  EXPECT_FALSE(RestoreDC(dc, 0));
  gdi::DeleteSurfaceDC(dc);
}

TEST_F(SurfaceFixture, ReplacingTheSystemClipKeepsTheMetaClip) {
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{0, 0}, gdi::Region(RECT{0, 0, 5, 5}));
  ExcludeClipRect(dc, 0, 0, 10, 1);
  gdi::SetSurfaceDCClip(dc, gdi::Region(RECT{0, 0, 10, 10}));
  DrawEverything(dc);
  gdi::Region expected(RECT{0, 1, 10, 10});
  EXPECT_EQ(CountChangedOutside(expected), 0);
  EXPECT_EQ(CountChanged(RECT{0, 1, 10, 10}), 90);
  gdi::DeleteSurfaceDC(dc);
}

TEST_F(SurfaceFixture, SelectClipRgnIsACopyAndNullRemovesIt) {
  HDC dc = gdi::CreateSurfaceDC(&surface, POINT{0, 0}, gdi::Region(RECT{0, 0, 20, 20}));
  HRGN rgn = CreateRectRgn(0, 0, 2, 2);
  EXPECT_EQ(SelectClipRgn(dc, rgn), SIMPLEREGION);
  SetRectRgn(rgn, 0, 0, 20, 20);
  DrawEverything(dc);
  EXPECT_EQ(CountChangedOutside(gdi::Region(RECT{0, 0, 2, 2})), 0);
  SelectClipRgn(dc, nullptr);
  DrawEverything(dc);
  EXPECT_EQ(CountChanged(RECT{0, 0, 20, 20}), 400);
  DeleteObject(rgn);
  gdi::DeleteSurfaceDC(dc);
}

}  // namespace
