// Trackbar: notifications for dragging, channel clicks and keys; messages, clamping and the band.
#include <algorithm>

#include "tests/win/controls_common_fixture.h"

namespace ctltest {
namespace {

class TrackbarTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    bar_ = createChild(TRACKBAR_CLASS, TBS_NOTICKS | TBS_ENABLESELRANGE | WS_TABSTOP, 10, 10, 300, 30);
    ASSERT_NE(bar_, nullptr);
  }

  RECT thumbRect() const {
    RECT rc{};
    SendMessage(bar_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rc));
    return rc;
  }
  RECT channelRect() const {
    RECT rc{};
    SendMessage(bar_, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&rc));
    return rc;
  }
  LRESULT pos() const { return SendMessage(bar_, TBM_GETPOS, 0, 0); }
  void setPos(int p) { SendMessage(bar_, TBM_SETPOS, TRUE, p); }

  static std::vector<WORD> Codes() {
    std::vector<WORD> codes;
    for (const Notification& n : log()) codes.push_back(n.code);
    return codes;
  }

  HWND bar_ = nullptr;
};

TEST_F(TrackbarTest, DragSendsThumbTrackThenThumbPositionThenEndTrack) {
  POINT at = Centre(thumbRect());
  Press(bar_, at, true);
  for (int step = 1; step <= 3; ++step) MoveTo(bar_, POINT{at.x + 30 * step, at.y});
  Press(bar_, POINT{at.x + 90, at.y}, false);

  EXPECT_EQ(Codes(), (std::vector<WORD>{TB_THUMBTRACK, TB_THUMBTRACK, TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}));
  EXPECT_GT(pos(), 25);
  for (const Notification& n : log()) {
    EXPECT_EQ(n.message, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(n.pos, n.code == TB_ENDTRACK ? 0 : n.posNow) << "code " << n.code;
  }
  EXPECT_EQ(log()[3].posNow, pos());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TrackbarTest, HeldChannelClickPagesTowardsThePointerUntilTheThumbArrives) {
  struct Case {
    int start;
    bool rightEnd;
    std::vector<LRESULT> positions;  // after the press, then after each repeat
    WORD code;
  };
  const Case cases[] = {
      {0, true, {20, 40, 60, 80, 100}, TB_PAGEDOWN},
      {100, false, {80, 60, 40, 20, 0}, TB_PAGEUP},
  };
  for (const Case& c : cases) {
    setPos(c.start);
    log().clear();
    RECT channel = channelRect();
    POINT target{c.rightEnd ? channel.right - 3 : channel.left + 3, Centre(channel).y};
    Press(bar_, target, true);
    std::vector<LRESULT> positions{pos()};
    for (int repeat = 0; repeat < 6; ++repeat) {
      Advance(repeat == 0 ? 300 : 100);
      if (pos() != positions.back()) positions.push_back(pos());
    }
    Press(bar_, target, false);
    EXPECT_EQ(positions, c.positions);
    std::vector<WORD> expected(c.positions.size(), c.code);
    expected.push_back(TB_ENDTRACK);
    EXPECT_EQ(Codes(), expected);
    for (const Notification& n : log()) EXPECT_EQ(n.pos, 0);
  }
}

TEST_F(TrackbarTest, KeysMoveThenNotifyAndEndTrackOnRelease) {
  struct Case {
    UINT vk;
    WORD code;
    LRESULT after;
  };
  const Case cases[] = {
      {VK_RIGHT, TB_LINEDOWN, 51}, {VK_DOWN, TB_LINEDOWN, 51}, {VK_LEFT, TB_LINEUP, 49},
      {VK_UP, TB_LINEUP, 49},      {VK_NEXT, TB_PAGEDOWN, 70}, {VK_PRIOR, TB_PAGEUP, 30},
      {VK_HOME, TB_TOP, 0},        {VK_END, TB_BOTTOM, 100},
  };
  SetFocus(bar_);
  win::PumpPendingMessages();
  for (const Case& c : cases) {
    setPos(50);
    log().clear();
    Key(c.vk, true);
    ASSERT_EQ(log().size(), 1u) << c.vk;
    EXPECT_EQ(log()[0].code, c.code);
    EXPECT_EQ(log()[0].posNow, c.after) << "notified after the move";
    Key(c.vk, false);
    EXPECT_EQ(Codes(), (std::vector<WORD>{c.code, TB_ENDTRACK}));
  }
  EXPECT_EQ(SendMessage(bar_, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
}

TEST_F(TrackbarTest, MessagesClampIntoTheRange) {
  struct Step {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    UINT query;
    LRESULT expected;
  };
  const Step steps[] = {
      {TBM_SETPOS, TRUE, 150, TBM_GETPOS, 100},
      {TBM_SETPOS, TRUE, -5, TBM_GETPOS, 0},
      {TBM_GETPAGESIZE, 0, 0, TBM_GETPAGESIZE, 20},  // a fifth of the range until set
      {TBM_SETRANGEMAX, TRUE, 1000, TBM_GETPAGESIZE, 200},
      {TBM_SETPAGESIZE, 0, 7, TBM_GETPAGESIZE, 7},
      {TBM_SETRANGEMAX, TRUE, 100, TBM_GETPAGESIZE, 7},
      {TBM_GETLINESIZE, 0, 0, TBM_GETLINESIZE, 1},
      {TBM_SETPOS, TRUE, 60, TBM_GETPOS, 60},
      {TBM_SETRANGEMAX, TRUE, 40, TBM_GETPOS, 40},
      {TBM_SETRANGEMIN, TRUE, 10, TBM_GETRANGEMIN, 10},
      {TBM_SETRANGEMAX, TRUE, 5, TBM_GETRANGEMAX, 10},  // never below the minimum
      {TBM_SETRANGE, TRUE, MAKELPARAM(0, 100), TBM_GETPOS, 10},
      {TBM_SETSELSTART, TRUE, 150, TBM_GETSELSTART, 100},
      {TBM_SETSEL, TRUE, MAKELPARAM(20, 40), TBM_GETSELSTART, 20},
      {TBM_GETSELEND, 0, 0, TBM_GETSELEND, 40},
      {TBM_CLEARSEL, TRUE, 0, TBM_GETSELSTART, -1},
      {TBM_GETSELEND, 0, 0, TBM_GETSELEND, -1},
  };
  for (const Step& s : steps) {
    SendMessage(bar_, s.msg, s.wParam, s.lParam);
    EXPECT_EQ(SendMessage(bar_, s.query, 0, 0), s.expected) << "message " << std::hex << s.msg << " " << s.lParam;
  }
  EXPECT_EQ(SendMessage(bar_, TBM_SETPAGESIZE, 0, 9), 7) << "returns the previous page size";
}

TEST_F(TrackbarTest, RedrawFalseChangesStateWithoutInvalidating) {
  UpdateWindow(bar_);
  RECT dirty;
  SendMessage(bar_, TBM_SETPOS, FALSE, 70);
  SendMessage(bar_, TBM_SETSEL, FALSE, MAKELPARAM(10, 30));
  EXPECT_FALSE(GetUpdateRect(bar_, &dirty, FALSE));
  EXPECT_EQ(pos(), 70);
  SendMessage(bar_, TBM_SETPOS, TRUE, 10);
  EXPECT_TRUE(GetUpdateRect(bar_, &dirty, FALSE));
}

TEST_F(TrackbarTest, BandIsDrawnInTheChannelOnlyWithSelectionRangeStyle) {
  answerBrush() = CreateSolidBrush(RGB(255, 255, 255));
  HWND plain = createChild(TRACKBAR_CLASS, TBS_NOTICKS, 10, 60, 300, 30, 101);
  for (HWND bar : {bar_, plain}) {
    SendMessage(bar, TBM_SETPOS, TRUE, 100);  // the thumb out of the way, at the right end
    SendMessage(bar, TBM_SETSEL, TRUE, MAKELPARAM(20, 80));
    RECT channel{};
    SendMessage(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    bool highlighted = PixelAt(bar, Centre(channel)) == GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(highlighted, bar == bar_);
    // Outside the band the channel is not highlighted, and the control's background is the parent's brush.
    EXPECT_NE(PixelAt(bar, POINT{channel.left + 3, Centre(channel).y}), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(PixelAt(bar, POINT{3, 28}), RGB(255, 255, 255));
  }
  EXPECT_NE(std::find(colorRequests().begin(), colorRequests().end(), WM_CTLCOLORSTATIC), colorRequests().end());
  DeleteObject(answerBrush());
  answerBrush() = nullptr;
}

}  // namespace
}  // namespace ctltest
