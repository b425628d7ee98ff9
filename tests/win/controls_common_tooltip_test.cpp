// Tooltip: shown after the initial delay for the tool under the relayed pointer, hidden on leaving, on a
// click and after the auto-pop delay; inactive tooltips and inactive applications show nothing.
#include <string>

#include "tests/win/controls_common_fixture.h"

namespace ctltest {
namespace {

const RECT kToolRect{10, 10, 110, 60};

class ToolTipTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    tip_ = createTip(0);
    addTool(tip_, 1, "Play");
  }
  void TearDown() override {
    win::DesktopActivateApp(true);
    ControlsTest::TearDown();
  }

  HWND createTip(DWORD style) {
    HWND tip = CreateWindowEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, 0, 0, 0, 0, parent_, nullptr,
                              nullptr, nullptr);
    EXPECT_NE(tip, nullptr);
    return tip;
  }
  void addTool(HWND tip, UINT_PTR id, const char* text, RECT rect = kToolRect) {
    TOOLINFO info{sizeof(TOOLINFO), 0, parent_, id, rect, nullptr, const_cast<char*>(text), 0};
    SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info));
  }
  // What the owner does with each of its mouse messages.
  void relay(UINT msg, POINT client, HWND tip = nullptr) {
    MSG m{parent_, msg, 0, MAKELPARAM(client.x, client.y), GetTickCount(), ToScreen(parent_, client)};
    SendMessage(tip ? tip : tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
    win::PumpPendingMessages();
  }
  bool shownAfterHovering(HWND tip, POINT at = POINT{50, 30}) {
    relay(WM_MOUSEMOVE, at, tip);
    Advance(500);
    return IsWindowVisible(tip);
  }
  RECT tipRect(HWND tip) const {
    RECT rc;
    GetWindowRect(tip, &rc);
    return rc;
  }

  HWND tip_ = nullptr;
};

TEST_F(ToolTipTest, ShowsAfterTheInitialDelayBelowRightOfThePointer) {
  relay(WM_MOUSEMOVE, POINT{50, 30});
  Advance(499);
  EXPECT_FALSE(IsWindowVisible(tip_));
  Advance(1);
  ASSERT_TRUE(IsWindowVisible(tip_));
  POINT pointer = ToScreen(parent_, POINT{50, 30});
  RECT rc = tipRect(tip_);
  EXPECT_GE(rc.left, pointer.x);
  EXPECT_GT(rc.top, pointer.y);
  EXPECT_EQ(GetActiveWindow(), parent_) << "showing the tip activates nothing";

  // The 1-pixel black frame around the info colours.
  EXPECT_EQ(PixelAt(tip_, POINT{0, 0}), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(tip_, POINT{1, 1}), GetSysColor(COLOR_INFOBK));
}

TEST_F(ToolTipTest, HidesOnLeavingAndStaysHiddenAfterAClickUntilThePointerLeaves) {
  ASSERT_TRUE(shownAfterHovering(tip_));
  relay(WM_MOUSEMOVE, POINT{200, 200});
  EXPECT_FALSE(IsWindowVisible(tip_));

  ASSERT_TRUE(shownAfterHovering(tip_));
  relay(WM_LBUTTONDOWN, POINT{50, 30});
  EXPECT_FALSE(IsWindowVisible(tip_));
  relay(WM_LBUTTONUP, POINT{50, 30});
  EXPECT_FALSE(shownAfterHovering(tip_, POINT{60, 40}));
  Advance(2000);
  EXPECT_FALSE(IsWindowVisible(tip_));

  relay(WM_MOUSEMOVE, POINT{200, 200});
  EXPECT_TRUE(shownAfterHovering(tip_));
}

TEST_F(ToolTipTest, PopsAfterFiveSecondsAndMovesBetweenTools) {
  addTool(tip_, 2, "Pause", RECT{120, 10, 220, 60});
  ASSERT_TRUE(shownAfterHovering(tip_));
  Advance(4000);
  EXPECT_TRUE(IsWindowVisible(tip_));
  Advance(1000);
  EXPECT_FALSE(IsWindowVisible(tip_));
  EXPECT_FALSE(shownAfterHovering(tip_, POINT{70, 30})) << "not again while the pointer stays on the tool";

  // Onto the other tool: its own tip, after the delay.
  relay(WM_MOUSEMOVE, POINT{150, 30});
  EXPECT_FALSE(IsWindowVisible(tip_));
  Advance(500);
  EXPECT_TRUE(IsWindowVisible(tip_));
  EXPECT_GE(tipRect(tip_).left, ToScreen(parent_, POINT{150, 30}).x);
}

TEST_F(ToolTipTest, InactiveTooltipsAndInactiveApplicationsShowNothing) {
  SendMessage(tip_, TTM_ACTIVATE, FALSE, 0);
  EXPECT_FALSE(shownAfterHovering(tip_));
  SendMessage(tip_, TTM_ACTIVATE, TRUE, 0);
  relay(WM_MOUSEMOVE, POINT{200, 200});
  ASSERT_TRUE(shownAfterHovering(tip_));
  SendMessage(tip_, TTM_ACTIVATE, FALSE, 0);
  EXPECT_FALSE(IsWindowVisible(tip_)) << "deactivating hides at once";
  SendMessage(tip_, TTM_ACTIVATE, TRUE, 0);
  relay(WM_MOUSEMOVE, POINT{200, 200});

  HWND always = createTip(TTS_ALWAYSTIP);
  addTool(always, 1, "Play");
  win::DesktopActivateApp(false);
  win::PumpPendingMessages();
  EXPECT_FALSE(shownAfterHovering(tip_));
  EXPECT_TRUE(shownAfterHovering(always));
}

TEST_F(ToolTipTest, CountsToolsAndUpdatesTheirText) {
  EXPECT_EQ(SendMessage(tip_, TTM_GETTOOLCOUNT, 0, 0), 1);
  addTool(tip_, 2, "Pause", RECT{120, 10, 220, 60});
  EXPECT_EQ(SendMessage(tip_, TTM_GETTOOLCOUNT, 0, 0), 2);
  TOOLINFO info{sizeof(TOOLINFO), 0, parent_, 1, {}, nullptr, const_cast<char*>("Play the file"), 0};
  SendMessage(tip_, TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
  char text[80] = {};
  info.lpszText = text;
  SendMessage(tip_, TTM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(&info));
  EXPECT_STREQ(text, "Play the file");
  ASSERT_TRUE(shownAfterHovering(tip_)) << "the rectangle stays as added";

  SendMessage(tip_, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(SendMessage(tip_, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_FALSE(IsWindowVisible(tip_)) << "the shown tool went away";
  EXPECT_FALSE(shownAfterHovering(tip_, POINT{60, 40}));
}

TEST_F(ToolTipTest, DelayAndToolAreasCanBeChanged) {
  SendMessage(tip_, TTM_SETDELAYTIME, TTDT_INITIAL, 100);
  relay(WM_MOUSEMOVE, POINT{50, 30});
  Advance(100);
  EXPECT_TRUE(IsWindowVisible(tip_));
  relay(WM_MOUSEMOVE, POINT{200, 200});

  TOOLINFO info{sizeof(TOOLINFO), 0, parent_, 1, RECT{150, 150, 250, 250}, nullptr, nullptr, 0};
  SendMessage(tip_, TTM_NEWTOOLRECT, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_FALSE(shownAfterHovering(tip_, POINT{50, 30}));
  relay(WM_MOUSEMOVE, POINT{300, 10});
  EXPECT_TRUE(shownAfterHovering(tip_, POINT{200, 200}));
  relay(WM_MOUSEMOVE, POINT{300, 10});

  // A tool that is a whole window: its window rectangle counts, wherever it is.
  HWND button = createChild("listbox", 0, 300, 200, 60, 40, 7);
  TOOLINFO whole{sizeof(TOOLINFO), TTF_IDISHWND, parent_, reinterpret_cast<UINT_PTR>(button), {}, nullptr,
                 const_cast<char*>("Window tool"), 0};
  SendMessage(tip_, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&whole));
  EXPECT_TRUE(shownAfterHovering(tip_, POINT{330, 220}));
}

TEST_F(ToolTipTest, MaximumWidthWrapsLongTexts) {
  TOOLINFO info{sizeof(TOOLINFO), 0, parent_, 1, {}, nullptr, const_cast<char*>("Play"), 0};
  ASSERT_TRUE(shownAfterHovering(tip_));
  int oneLine = tipRect(tip_).bottom - tipRect(tip_).top;
  relay(WM_MOUSEMOVE, POINT{200, 200});

  const char* longText = "Seek to the beginning of the file and keep the marks where they are";
  info.lpszText = const_cast<char*>(longText);
  SendMessage(tip_, TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_TRUE(shownAfterHovering(tip_));
  EXPECT_EQ(tipRect(tip_).bottom - tipRect(tip_).top, oneLine);
  int unwrappedWidth = tipRect(tip_).right - tipRect(tip_).left;
  relay(WM_MOUSEMOVE, POINT{200, 200});

  EXPECT_EQ(SendMessage(tip_, TTM_SETMAXTIPWIDTH, 0, 120), -1);
  ASSERT_TRUE(shownAfterHovering(tip_));
  RECT wrapped = tipRect(tip_);
  EXPECT_LE(wrapped.right - wrapped.left, 120 + 8);
  EXPECT_LT(wrapped.right - wrapped.left, unwrappedWidth);
  EXPECT_GE(wrapped.bottom - wrapped.top, 3 * (oneLine - 6));
}

}  // namespace
}  // namespace ctltest
