// The range slider on a real trackbar: the band it keeps in each marking state, what scroll
// notifications do to it, and what gets redrawn.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <utility>

#include "controls/CRangeSlider.h"
#include "platform/win/Desktop.h"

namespace {

using Band = std::pair<LRESULT, LRESULT>;

class RangeSliderTest : public ::testing::Test {
 protected:
  static constexpr Band kCleared{-1, -1};

  void SetUp() override {
    win::SelectBackend("headless");
    m_host.CreateEx(0, AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE)), "host",
                    WS_POPUP | WS_VISIBLE, 20, 20, 360, 80, nullptr, nullptr);
    ASSERT_TRUE(m_slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE,
                                CRect(10, 10, 330, 40), &m_host, 1001));
    m_slider.SetRange(0, 1000);
    m_slider.SetLineSize(7);
    m_slider.SetPageSize(40);
    ::SetActiveWindow(m_host.m_hWnd);
    Settle();
  }

  void TearDown() override {
    m_host.DestroyWindow();
    win::PumpPendingMessages();
  }

  Band BandNow() { return {m_slider.SendMessage(TBM_GETSELSTART), m_slider.SendMessage(TBM_GETSELEND)}; }

  // Paints what is pending, so that a later update region shows only what came after.
  void Settle() {
    win::PumpPendingMessages();
    ::UpdateWindow(m_host.m_hWnd);
  }

  bool RedrawPending() { return ::GetUpdateRect(m_slider.m_hWnd, nullptr, FALSE) != FALSE; }

  // The columns in which the trackbar paints the band's highlight; {-1, -1} for none.
  std::pair<int, int> HighlightColumns() {
    Settle();
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    CRect rc;
    m_slider.GetClientRect(&rc);
    HDC hdc = ::GetDC(m_slider.m_hWnd);
    std::pair<int, int> columns{-1, -1};
    for (int x = 0; x < rc.right; ++x) {
      for (int y = 0; y < rc.bottom; ++y) {
        if (::GetPixel(hdc, x, y) != highlight) continue;
        if (columns.first < 0) columns.first = x;
        columns.second = x;
        break;
      }
    }
    ::ReleaseDC(m_slider.m_hWnd, hdc);
    return columns;
  }

  void Scroll(UINT code) {
    m_host.SendMessage(WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(m_slider.m_hWnd));
  }

  // Marking from `start`, with the band drawn out to `end` by a position tick.
  void MarkFromTo(int start, int end) {
    m_slider.ClearMarks();
    m_slider.SetMarkStart(start);
    m_slider.TrackPosition(end);
    Settle();
  }

  CWnd m_host;
  CRangeSlider m_slider;
};

TEST_F(RangeSliderTest, WhileMarkingTheBandRunsFromTheStartToThePositionNeverReversed) {
  m_slider.ClearMarks();
  m_slider.SetMarkStart(500);
  EXPECT_TRUE(m_slider.IsMarking());
  struct Case {
    int position;
    Band band;
  } cases[] = {{700, {500, 700}}, {200, {200, 500}}, {500, {500, 500}}, {1000, {500, 1000}}, {0, {0, 500}}};
  for (const Case& c : cases) {
    m_slider.TrackPosition(c.position);
    EXPECT_EQ(BandNow(), c.band) << c.position;
  }
  // Drawn where it lies: a band left of the start ends where one right of it begins; an empty one shows nothing.
  m_slider.TrackPosition(800);
  auto right = HighlightColumns();
  m_slider.TrackPosition(200);
  auto left = HighlightColumns();
  ASSERT_GE(right.first, 0);
  ASSERT_GE(left.first, 0);
  EXPECT_LT(left.first, right.first);
  EXPECT_LE(std::abs(left.second - right.first), 2);
  m_slider.TrackPosition(500);
  EXPECT_EQ(HighlightColumns(), std::make_pair(-1, -1));
}

TEST_F(RangeSliderTest, PositionTicksTouchNothingUnlessMarking) {
  struct Case {
    const char* state;
    std::function<void()> enter;
    Band band;
  } cases[] = {
      {"no marks", [&] { m_slider.ClearMarks(); }, kCleared},
      {"marked",
       [&] {
         MarkFromTo(200, 400);
         m_slider.EndMarking();
       },
       {200, 400}},
  };
  for (const Case& c : cases) {
    c.enter();
    Settle();
    EXPECT_FALSE(m_slider.IsMarking()) << c.state;
    m_slider.TrackPosition(900);
    EXPECT_EQ(BandNow(), c.band) << c.state;
    EXPECT_FALSE(RedrawPending()) << c.state;
  }
}

TEST_F(RangeSliderTest, ClearMarksForgetsTheMarksAndRedrawsAtOnce) {
  MarkFromTo(200, 800);
  ASSERT_GE(HighlightColumns().first, 0);
  m_slider.ClearMarks();
  EXPECT_TRUE(RedrawPending());
  EXPECT_FALSE(m_slider.IsMarking());
  EXPECT_EQ(BandNow(), kCleared);
  EXPECT_EQ(HighlightColumns(), std::make_pair(-1, -1));
  m_slider.TrackPosition(300);
  EXPECT_EQ(BandNow(), kCleared) << "the start mark survived";
}

TEST_F(RangeSliderTest, MarkStartAndEndMarkingRedrawNothing) {
  MarkFromTo(200, 800);
  auto drawn = HighlightColumns();
  ASSERT_GE(drawn.first, 0);
  m_slider.SetMarkStart(300);
  EXPECT_FALSE(RedrawPending());
  EXPECT_EQ(BandNow(), Band(200, 800));
  m_slider.EndMarking();
  EXPECT_FALSE(RedrawPending());
  EXPECT_EQ(BandNow(), Band(200, 800));
  EXPECT_EQ(HighlightColumns(), drawn);
  // The new start counts from the next tick on, although marking has ended meanwhile.
  m_slider.SetMarkStart(300);
  m_slider.TrackPosition(100);
  EXPECT_EQ(BandNow(), Band(100, 300));
}

TEST_F(RangeSliderTest, ScrollCodesWhileMarking) {
  // The trackbar reports line and page codes after it has moved; the band's end is taken one step
  // back on the side the thumb came from. Home, End and the end of a drag leave the band alone.
  const Band untouched{500, 600};
  struct Case {
    UINT code;
    Band band;
  } cases[] = {
      {TB_LINEUP, {307, 500}},      {TB_LINEDOWN, {293, 500}},   {TB_PAGEUP, {340, 500}},
      {TB_PAGEDOWN, {260, 500}},    {TB_THUMBPOSITION, {300, 500}}, {TB_THUMBTRACK, {300, 500}},
      {TB_TOP, untouched},          {TB_BOTTOM, untouched},      {TB_ENDTRACK, untouched},
  };
  for (const Case& c : cases) {
    MarkFromTo(500, 600);
    m_slider.SetPos(300);
    Settle();
    Scroll(c.code);
    EXPECT_EQ(BandNow(), c.band) << c.code;
    EXPECT_EQ(RedrawPending(), c.band != untouched) << c.code;
    EXPECT_TRUE(m_slider.IsMarking()) << c.code;
  }
}

TEST_F(RangeSliderTest, ScrollsTouchNothingUnlessMarking) {
  for (bool marked : {false, true}) {
    for (UINT code = TB_LINEUP; code <= TB_ENDTRACK; ++code) {
      m_slider.ClearMarks();
      if (marked) {
        MarkFromTo(200, 400);
        m_slider.EndMarking();
      }
      m_slider.SetPos(700);
      Settle();
      Scroll(code);
      EXPECT_EQ(BandNow(), marked ? Band(200, 400) : kCleared) << code;
      EXPECT_FALSE(RedrawPending()) << code;
    }
  }
}

TEST_F(RangeSliderTest, KeysOnTheTrackbarMoveTheBandThroughItsOwnNotifications) {
  MarkFromTo(500, 600);
  m_slider.SetFocus();
  auto key = [](UINT vk) {
    win::DesktopKey(vk, true);
    win::DesktopKey(vk, false);
    win::PumpPendingMessages();
  };
  key(VK_END);  // TB_BOTTOM, then TB_ENDTRACK
  EXPECT_EQ(m_slider.GetPos(), 1000);
  EXPECT_EQ(BandNow(), Band(500, 600));
  key(VK_LEFT);  // TB_LINEUP from 1000 to 993
  EXPECT_EQ(m_slider.GetPos(), 993);
  EXPECT_EQ(BandNow(), Band(500, 1000));
}

}  // namespace
