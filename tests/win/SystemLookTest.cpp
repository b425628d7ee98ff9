#include "WinTestSupport.h"

using namespace wintest;

namespace {

class SystemLookTest : public WinTest {
 protected:
  // Fills a 20x20 area with white, runs `draw` on it and returns the DC's pixel reader.
  template <typename Draw>
  std::vector<COLORREF> DrawAndRead(Draw draw, const std::vector<POINT>& at) {
    HWND w = top(0, 0, 40, 40, WS_POPUP | WS_VISIBLE);
    Pump();
    HDC hdc = GetDC(w);
    draw(hdc);
    std::vector<COLORREF> out;
    for (POINT p : at) out.push_back(GetPixel(hdc, p.x, p.y));
    ReleaseDC(w, hdc);
    return out;
  }
};

struct EdgeCase {
  UINT edge;
  int outerTopLeft, innerTopLeft, innerBottomRight, outerBottomRight;
};

class DrawEdgeTest : public SystemLookTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(DrawEdgeTest, EachRingUsesItsSystemColours) {
  const EdgeCase& c = GetParam();
  RECT rc{0, 0, 20, 20};
  auto pixels = DrawAndRead([&](HDC hdc) { DrawEdge(hdc, &rc, c.edge, BF_RECT | BF_ADJUST); },
                            {{0, 5}, {1, 5}, {18, 5}, {19, 5}});
  EXPECT_EQ(pixels, (std::vector<COLORREF>{GetSysColor(c.outerTopLeft), GetSysColor(c.innerTopLeft),
                                           GetSysColor(c.innerBottomRight), GetSysColor(c.outerBottomRight)}));
  EXPECT_EQ(rc.left, 2);
  EXPECT_EQ(rc.bottom, 18);
}

INSTANTIATE_TEST_SUITE_P(Edges, DrawEdgeTest,
                         ::testing::Values(EdgeCase{EDGE_RAISED, COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
                                                    COLOR_3DDKSHADOW},
                                           EdgeCase{EDGE_SUNKEN, COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT,
                                                    COLOR_BTNHIGHLIGHT}));

TEST_F(SystemLookTest, FocusRectangleDrawnTwiceLeavesNoTrace) {
  RECT rc{2, 2, 12, 12};
  auto once = DrawAndRead([&](HDC hdc) { DrawFocusRect(hdc, &rc); }, {{2, 2}, {3, 2}, {6, 6}});
  EXPECT_EQ(once, (std::vector<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255), RGB(255, 255, 255)}));
  auto twice = DrawAndRead(
      [&](HDC hdc) {
        DrawFocusRect(hdc, &rc);
        DrawFocusRect(hdc, &rc);
      },
      {{2, 2}, {3, 2}});
  EXPECT_EQ(twice, (std::vector<COLORREF>{RGB(255, 255, 255), RGB(255, 255, 255)}));
}

TEST_F(SystemLookTest, ColourChangesReachTopLevelWindowsAndTheirControls) {
  HWND w = top(0, 0, 40, 40);
  HWND c = child(w, 1, 0, 0, 10, 10);
  HWND grandchild = child(c, 2, 0, 0, 5, 5);
  COLORREF old = GetSysColor(COLOR_BTNFACE);
  int element = COLOR_BTNFACE;
  COLORREF pink = RGB(250, 200, 200);
  Log().clear();
  ASSERT_TRUE(SetSysColors(1, &element, &pink));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), pink);
  HBRUSH brush = GetSysColorBrush(COLOR_BTNFACE);
  LOGBRUSH lb{};
  GetObject(brush, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, pink);
  for (HWND h : {w, c, grandchild}) EXPECT_EQ(Count(h, WM_SYSCOLORCHANGE), 1);
  SetSysColors(1, &element, &old);
}

TEST_F(SystemLookTest, MetricsOfTheClassicLook) {
  struct {
    int index;
    int value;
  } cases[] = {{SM_CYCAPTION, 19}, {SM_CXDLGFRAME, 3},  {SM_CXBORDER, 1},    {SM_CXICON, 32},
               {SM_CXSMICON, 16},  {SM_CXDOUBLECLK, 4}, {SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768}};
  for (auto c : cases) EXPECT_EQ(GetSystemMetrics(c.index), c.value) << c.index;
  EXPECT_EQ(GetDoubleClickTime(), 500u);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
  EXPECT_EQ(GetSysColor(COLOR_GRADIENTACTIVECAPTION), RGB(166, 202, 240));
}

}  // namespace
