#include "WinTestSupport.h"

using namespace wintest;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Paints the whole client area of `hwnd` in `color` whenever it gets WM_PAINT.
void PaintSolid(HWND hwnd, COLORREF color) {
  auto previous = Handlers()[WM_PAINT];
  Handlers()[WM_PAINT] = [=](HWND h, UINT m, WPARAM wp, LPARAM lp, LRESULT* r) {
    if (h != hwnd) return previous ? previous(h, m, wp, lp, r) : false;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    RECT rc;
    GetClientRect(h, &rc);
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
    *r = 0;
    return true;
  };
}

// Reads the top-level window's surface, children included: a DC made while the window does not clip
// its children sees every pixel.
COLORREF PixelOf(HWND topLevel, int x, int y) {
  LONG style = GetWindowLong(topLevel, GWL_STYLE);
  SetWindowLong(topLevel, GWL_STYLE, style & ~WS_CLIPCHILDREN);
  HDC hdc = GetWindowDC(topLevel);
  SetWindowLong(topLevel, GWL_STYLE, style);
  COLORREF c = GetPixel(hdc, x, y);
  ReleaseDC(topLevel, hdc);
  return c;
}

class PaintingTest : public WinTest {
 protected:
  void SetUp() override {
    WinTest::SetUp();
    WNDCLASS wc{};
    if (!GetClassInfo(nullptr, "RecBare", &wc)) {
      GetClassInfo(nullptr, "RecWnd", &wc);
      wc.hbrBackground = nullptr;
      wc.lpszClassName = "RecBare";
      ASSERT_TRUE(RegisterClass(&wc));
    }
  }
};

struct ClipCase {
  DWORD parentStyle;
  bool childAreaRed;
};

class ClipChildrenTest : public PaintingTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(ClipChildrenTest, ParentPaintsOverItsChildrenOnlyWithoutClipChildren) {
  HWND parent = top(0, 0, 100, 100, WS_POPUP | WS_VISIBLE | GetParam().parentStyle, "RecBare");
  HWND kid = child(parent, 1, 20, 20, 30, 30, WS_CHILD | WS_VISIBLE, "RecBare");
  PaintSolid(parent, kRed);
  Pump();
  EXPECT_EQ(PixelOf(parent, 5, 5), kRed);
  EXPECT_EQ(PixelOf(parent, 35, 35) == kRed, GetParam().childAreaRed);
  ASSERT_TRUE(IsWindow(kid));
}

INSTANTIATE_TEST_SUITE_P(Styles, ClipChildrenTest,
                         ::testing::Values(ClipCase{WS_CLIPCHILDREN, false}, ClipCase{0, true}));

TEST_F(PaintingTest, ClipSiblingsKeepsALowerSiblingOutOfTheOneAbove) {
  HWND parent = top(0, 0, 100, 100, WS_POPUP | WS_VISIBLE, "RecBare");
  HWND upper = child(parent, 1, 0, 0, 50, 50, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "RecBare");
  HWND lower = child(parent, 2, 25, 25, 50, 50, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "RecBare");
  PaintSolid(upper, kRed);
  PaintSolid(lower, kBlue);
  Pump();
  InvalidateRect(lower, nullptr, FALSE);
  Pump();
  EXPECT_EQ(PixelOf(parent, 40, 40), kRed);   // the overlap belongs to the upper sibling
  EXPECT_EQ(PixelOf(parent, 60, 60), kBlue);
}

TEST_F(PaintingTest, ParentsPaintBeforeTheirChildren) {
  HWND parent = top(0, 0, 100, 100);
  HWND kid = child(parent, 1, 10, 10, 20, 20);
  HWND grandkid = child(kid, 2, 1, 1, 5, 5);
  Pump();
  Log().clear();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  Pump();
  std::vector<HWND> painted;
  for (const auto& l : Log()) {
    if (l.msg == WM_PAINT) painted.push_back(l.hwnd);
  }
  EXPECT_EQ(painted, (std::vector<HWND>{parent, kid, grandkid}));
}

TEST_F(PaintingTest, InvalidatingAParentReachesCoveredChildrenUnlessItClipsThem) {
  for (DWORD clip : {0ul, static_cast<unsigned long>(WS_CLIPCHILDREN)}) {
    HWND parent = top(0, 0, 100, 100, WS_POPUP | WS_VISIBLE | clip);
    HWND inside = child(parent, 1, 10, 10, 20, 20);
    HWND outside = child(parent, 2, 60, 60, 20, 20);
    Pump();
    Log().clear();
    RECT rc{0, 0, 40, 40};
    InvalidateRect(parent, &rc, TRUE);
    Pump();
    EXPECT_EQ(Count(parent, WM_PAINT), 1);
    EXPECT_EQ(Count(inside, WM_PAINT), clip ? 0 : 1);
    EXPECT_EQ(Count(outside, WM_PAINT), 0);
    DestroyWindow(parent);
  }
}

TEST_F(PaintingTest, EraseUsesTheClassBrushAndANullBrushLeavesPixelsAlone) {
  HWND white = top(0, 0, 60, 60);
  HWND bare = top(100, 0, 60, 60, WS_POPUP | WS_VISIBLE, "RecBare");
  Pump();
  EXPECT_EQ(PixelOf(white, 30, 30), RGB(255, 255, 255));
  PaintSolid(bare, kBlue);
  InvalidateRect(bare, nullptr, FALSE);
  Pump();
  ASSERT_EQ(PixelOf(bare, 30, 30), kBlue);
  Handlers().clear();
  Log().clear();
  InvalidateRect(bare, nullptr, TRUE);
  Pump();
  EXPECT_EQ(Count(bare, WM_ERASEBKGND), 1);
  EXPECT_EQ(PixelOf(bare, 30, 30), kBlue);
}

TEST_F(PaintingTest, UpdateWindowPaintsAtOnceAndValidateRectCancelsPainting) {
  HWND w = top(0, 0, 60, 60);
  Pump();
  Log().clear();
  InvalidateRect(w, nullptr, FALSE);
  UpdateWindow(w);
  EXPECT_EQ(Count(w, WM_PAINT), 1);
  InvalidateRect(w, nullptr, FALSE);
  ValidateRect(w, nullptr);
  Pump();
  EXPECT_EQ(Count(w, WM_PAINT), 1);
}

TEST_F(PaintingTest, BeginPaintReportsAndClipsToTheUpdateArea) {
  HWND w = top(0, 0, 100, 100, WS_POPUP | WS_VISIBLE, "RecBare");
  Pump();
  RECT seen{};
  Handlers()[WM_PAINT] = [&](HWND h, UINT, WPARAM, LPARAM, LRESULT* r) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    seen = ps.rcPaint;
    RECT all{0, 0, 100, 100};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(hdc, &all, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
    *r = 0;
    return true;
  };
  RECT part{10, 20, 30, 40};
  InvalidateRect(w, &part, FALSE);
  Pump();
  EXPECT_EQ(seen.left, 10);
  EXPECT_EQ(seen.top, 20);
  EXPECT_EQ(seen.right, 30);
  EXPECT_EQ(seen.bottom, 40);
  EXPECT_EQ(PixelOf(w, 15, 25), kRed);
  EXPECT_NE(PixelOf(w, 50, 50), kRed);
}

TEST_F(PaintingTest, AChildDCDrawsAtTheChildsPlaceAndNoFurther) {
  HWND parent = top(0, 0, 100, 100, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, "RecBare");
  HWND kid = child(parent, 1, 20, 30, 10, 10, WS_CHILD | WS_VISIBLE, "RecBare");
  Pump();
  HDC hdc = GetDC(kid);
  RECT big{0, 0, 50, 50};
  HBRUSH brush = CreateSolidBrush(kBlue);
  FillRect(hdc, &big, brush);
  DeleteObject(brush);
  ReleaseDC(kid, hdc);
  EXPECT_EQ(PixelOf(parent, 20, 30), kBlue);
  EXPECT_EQ(PixelOf(parent, 29, 39), kBlue);
  EXPECT_NE(PixelOf(parent, 30, 40), kBlue);
  EXPECT_NE(PixelOf(parent, 19, 29), kBlue);
}

}  // namespace
