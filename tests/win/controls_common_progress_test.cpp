// Progress bar: range, clamped position, steps, and the blocks it draws.
#include "tests/win/controls_common_fixture.h"

namespace ctltest {
namespace {

class ProgressBarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar_ = createChild(PROGRESS_CLASS, 0, 10, 10, 200, 16);
    ASSERT_NE(bar_, nullptr);
  }
  HWND bar_ = nullptr;
};

TEST_F(ProgressBarTest, PositionStaysInTheRangeAndMessagesReturnThePreviousValue) {
  struct Step {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT returned;
    LRESULT posAfter;
  };
  const Step steps[] = {
      {PBM_SETPOS, 50, 0, 0, 50},
      {PBM_SETPOS, 150, 0, 50, 100},
      {PBM_SETPOS, static_cast<WPARAM>(-5), 0, 100, 0},
      {PBM_DELTAPOS, 30, 0, 0, 30},
      {PBM_DELTAPOS, 500, 0, 30, 100},
      {PBM_SETPOS, 30, 0, 100, 30},
      {PBM_SETSTEP, 40, 0, 10, 30},  // the step was 10
      {PBM_STEPIT, 0, 0, 30, 70},
      {PBM_STEPIT, 0, 0, 70, 10},  // past the end it starts over
      {PBM_SETRANGE, 0, MAKELPARAM(20, 60), MAKELRESULT(0, 100), 20},
      {PBM_SETRANGE32, 0, 1000, MAKELRESULT(20, 60), 20},
      {PBM_SETPOS, 999, 0, 20, 999},
      {PBM_SETRANGE32, 0, 100, MAKELRESULT(0, 1000), 100},
  };
  EXPECT_EQ(SendMessage(bar_, PBM_GETRANGE, FALSE, 0), 100) << "the range starts as 0 to 100";
  for (const Step& s : steps) {
    EXPECT_EQ(SendMessage(bar_, s.msg, s.wParam, s.lParam), s.returned) << "message " << s.msg << " " << s.wParam;
    EXPECT_EQ(SendMessage(bar_, PBM_GETPOS, 0, 0), s.posAfter);
  }
  PBRANGE range{};
  EXPECT_EQ(SendMessage(bar_, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 100);
}

TEST_F(ProgressBarTest, FillsWithHighlightBlocksUpToThePosition) {
  // The last highlighted pixel of the middle row: the blocks reach as far as the position says.
  auto lastHighlighted = [this]() {
    UpdateWindow(bar_);
    HDC hdc = GetDC(bar_);
    int last = -1;
    for (int x = 0; x < 200; ++x)
      if (GetPixel(hdc, x, 8) == GetSysColor(COLOR_HIGHLIGHT)) last = x;
    ReleaseDC(bar_, hdc);
    return last;
  };
  struct Case {
    int pos;
    int lastMin, lastMax;
  };
  const Case cases[] = {{0, -1, -1}, {50, 85, 105}, {100, 188, 197}};
  for (const Case& c : cases) {
    SendMessage(bar_, PBM_SETPOS, c.pos, 0);
    int last = lastHighlighted();
    EXPECT_GE(last, c.lastMin) << c.pos;
    EXPECT_LE(last, c.lastMax) << c.pos;
  }
}

}  // namespace
}  // namespace ctltest
