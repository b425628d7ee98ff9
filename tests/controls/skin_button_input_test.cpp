// The skin button under real mouse and keyboard input: hover, press, focus, cursor and tooltip.
#include <cstring>
#include <vector>

#include "platform/win/Desktop.h"
#include "skin_button_fixture.h"

namespace skintest {
namespace {

enum class Act { Move, Down, Up, FocusAway, Disable, Deactivate };
enum class Spot { A, AEdge, B, Off };
enum class Holder { None, A, B };

struct Step {
  Act act;
  Spot spot;
  Look a;
  Look b;
  Holder capture;
};

class SkinButtonHoverTest : public SkinButtonTest {
 protected:
  POINT PointAt(Spot spot) {
    switch (spot) {
      case Spot::A: return ScreenPoint(m_a, 20, 15);
      case Spot::AEdge: return ScreenPoint(m_a, 39, 29);
      case Spot::B: return ScreenPoint(m_b, 3, 3);
      case Spot::Off: break;
    }
    return ScreenPoint(m_dialog, 150, 5);
  }

  void Run(const std::vector<Step>& steps) {
    int index = 0;
    for (const Step& step : steps) {
      SCOPED_TRACE(testing::Message() << "step " << index++);
      const POINT pt = PointAt(step.spot);
      switch (step.act) {
        case Act::Move: MoveTo(pt); break;
        case Act::Down: LeftButton(true, pt); break;
        case Act::Up: LeftButton(false, pt); break;
        case Act::FocusAway: m_dialog.GetDlgItem(kOtherButton)->SetFocus(); break;
        case Act::Disable: m_a.EnableWindow(FALSE); break;
        case Act::Deactivate: win::DesktopActivateApp(false); break;
      }
      Pump();
      EXPECT_STREQ(LookName(LookOf(m_a)), LookName(step.a));
      EXPECT_STREQ(LookName(LookOf(m_b)), LookName(step.b));
      const HWND expected = step.capture == Holder::A ? m_a.m_hWnd : step.capture == Holder::B ? m_b.m_hWnd : nullptr;
      EXPECT_EQ(::GetCapture(), expected);
    }
  }
};

using L = Look;
using H = Holder;

TEST_F(SkinButtonHoverTest, EnterMoveAndLeave) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Move, Spot::AEdge, L::Hot, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::None}});
}

TEST_F(SkinButtonHoverTest, StraightOntoTheNeighbour) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Move, Spot::B, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::B, L::Normal, L::Hot, H::B}});
}

TEST_F(SkinButtonHoverTest, ClickLeavesTheButtonHotWithoutCapture) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Down, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Up, Spot::A, L::Hot, L::Normal, H::None},
       {Act::Move, Spot::A, L::Hot, L::Normal, H::A}});
  EXPECT_EQ(m_dialog.m_clicksA, 1);
}

TEST_F(SkinButtonHoverTest, PressDraggedOffTurnsColdAndKeepsTheCapture) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Down, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::A},
       {Act::Move, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Up, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Hot, L::Normal, H::A}});
  EXPECT_EQ(m_dialog.m_clicksA, 1);
}

TEST_F(SkinButtonHoverTest, PressReleasedOffTheButtonIsNoClick) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Down, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::A},
       {Act::Up, Spot::Off, L::Normal, L::Normal, H::None}});
  EXPECT_EQ(m_dialog.m_clicksA, 0);
}

TEST_F(SkinButtonHoverTest, DragStartedElsewhereDoesNotLightTheButton) {
  Run({{Act::Down, Spot::Off, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Up, Spot::A, L::Normal, L::Normal, H::None}});
  EXPECT_EQ(m_dialog.m_clicksA, 0);
}

TEST_F(SkinButtonHoverTest, FocusLostWhileHotTurnsColdUntilThePointerComesBack) {
  m_a.SetFocus();
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::FocusAway, Spot::A, L::Normal, L::Normal, H::A},
       {Act::Move, Spot::AEdge, L::Normal, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Hot, L::Normal, H::A}});
}

TEST_F(SkinButtonHoverTest, DisablingAHotButtonShowsTheNormalImageAtOnce) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Disable, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::AEdge, L::Normal, L::Normal, H::None}});
}

TEST_F(SkinButtonHoverTest, InactiveApplicationGetsNoHotState) {
  Run({{Act::Deactivate, Spot::Off, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::AEdge, L::Normal, L::Normal, H::None}});
}

TEST_F(SkinButtonHoverTest, HotBorderIsRaisedWhileHotAndSunkenWhilePressed) {
  m_a.SetHotBorder(TRUE);
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF faceTopLeft = FaceAt(m_a, 0, 0, m_dialog.m_base);
  const COLORREF faceBottomRight = FaceAt(m_a, 39, 29, m_dialog.m_base);
  struct Case {
    Act act;
    Spot spot;
    COLORREF topLeft, bottomRight;
  };
  const Case cases[] = {
      {Act::Move, Spot::A, light, shadow},
      {Act::Down, Spot::A, shadow, light},
      {Act::Up, Spot::A, light, shadow},
      {Act::Move, Spot::A, light, shadow},
      {Act::Move, Spot::Off, faceTopLeft, faceBottomRight},
  };
  for (const Case& c : cases) {
    if (c.act == Act::Move) MoveTo(PointAt(c.spot));
    if (c.act == Act::Down || c.act == Act::Up) LeftButton(c.act == Act::Down, PointAt(c.spot));
    EXPECT_EQ(ButtonPixel(m_a, 0, 0), c.topLeft);
    EXPECT_EQ(ButtonPixel(m_a, 39, 29), c.bottomRight);
  }
}

TEST_F(SkinButtonTest, DoubleClickGivesTwoClickNotifications) {
  const POINT pt = ScreenPoint(m_a, 20, 15);
  MoveTo(pt);
  for (int press = 0; press < 2; ++press) {
    LeftButton(true, pt);
    win::DesktopAdvanceClock(50);
    LeftButton(false, pt);
    win::DesktopAdvanceClock(50);
  }
  EXPECT_EQ(m_dialog.m_clicksA, 2);
  EXPECT_EQ(m_dialog.m_doubleClicksA, 0);
}

TEST_F(SkinButtonTest, SpaceKeyPressShowsThePressedImage) {
  m_a.SetFocus();
  win::DesktopKey(VK_SPACE, true);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "pressed");
  win::DesktopKey(VK_SPACE, false);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "normal");
  EXPECT_EQ(m_dialog.m_clicksA, 1);
}

TEST_F(SkinButtonTest, ButtonAnswersItsControlColourWithTheHollowBrush) {
  HDC hdc = ::GetDC(m_a.m_hWnd);
  const LRESULT brush = m_dialog.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                                             reinterpret_cast<LPARAM>(m_a.m_hWnd));
  ::ReleaseDC(m_a.m_hWnd, hdc);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
}

TEST_F(SkinButtonTest, HoverCursor) {
  struct Case {
    UINT secondId;
    BOOL result;
    bool hand;
  };
  const Case cases[] = {{kCursorId, TRUE, true}, {0, TRUE, false}, {kMissingId, FALSE, false}};
  const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "cursor " << c.secondId);
    ASSERT_TRUE(m_a.SetHoverCursor(kCursorId));
    EXPECT_EQ(m_a.SetHoverCursor(c.secondId), c.result);
    MoveTo(ScreenPoint(m_a, 20, 15));
    const HCURSOR shown = ::GetCursor();
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(shown != arrow, c.hand);
    // The move that leaves the button still goes to it through the capture; the next one asks the
    // dialog for its cursor.
    MoveTo(ScreenPoint(m_dialog, 150, 5));
    MoveTo(ScreenPoint(m_dialog, 151, 5));
    EXPECT_EQ(::GetCursor(), arrow);
  }
}

// The tooltip window that holds tool 1 of `button`, if any.
HWND TipOf(HWND button) {
  for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
    char cls[64] = {};
    ::GetClassName(h, cls, sizeof(cls));
    TOOLINFO ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = button;
    ti.uId = 1;
    if (std::strcmp(cls, TOOLTIPS_CLASS) == 0 && ::SendMessage(h, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ti))) {
      return h;
    }
  }
  return nullptr;
}

bool TipVisible(HWND button) {
  HWND tip = TipOf(button);
  return tip != nullptr && ::IsWindowVisible(tip);
}

TEST_F(SkinButtonTest, TipShowsAfterTheDelayOnlyWhileTheApplicationIsActive) {
  m_a.SetTipText("Play", TRUE);
  ASSERT_NE(TipOf(m_a.m_hWnd), nullptr);
  EXPECT_EQ(::SendMessage(TipOf(m_a.m_hWnd), TTM_GETMAXTIPWIDTH, 0, 0), 400);
  for (bool active : {true, false}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    win::DesktopActivateApp(active);
    MoveTo(ScreenPoint(m_a, 20, 15));
    MoveTo(ScreenPoint(m_a, 21, 15));
    win::DesktopAdvanceClock(1000);
    Pump();
    EXPECT_EQ(TipVisible(m_a.m_hWnd), active);
    EXPECT_STREQ(LookName(LookOf(m_a)), active ? "hot" : "normal");
    MoveTo(ScreenPoint(m_dialog, 150, 5));
    win::DesktopAdvanceClock(1000);
    Pump();
  }
}

TEST_F(SkinButtonTest, SecondTipTextKeepsTheFirstRectangle) {
  m_a.SetTipText("first", TRUE);
  PlaceButton(m_a, 10, 10, 80, 30);
  m_a.SetTipText("second", FALSE);
  m_a.SetTipText(nullptr, TRUE);  // ignored: the tip stays inactive
  MoveTo(ScreenPoint(m_a, 20, 15));
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_FALSE(TipVisible(m_a.m_hWnd));
  MoveTo(ScreenPoint(m_dialog, 150, 5));

  m_a.SetTipText("second", TRUE);
  MoveTo(ScreenPoint(m_a, 60, 15));  // inside the button, outside the registered rectangle
  MoveTo(ScreenPoint(m_a, 61, 15));
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_FALSE(TipVisible(m_a.m_hWnd));
  MoveTo(ScreenPoint(m_a, 20, 15));
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_TRUE(TipVisible(m_a.m_hWnd));
  HWND tip = TipOf(m_a.m_hWnd);
  ASSERT_NE(tip, nullptr);

  char text[80] = {};
  TOOLINFO ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = m_a.m_hWnd;
  ti.uId = 1;
  ti.lpszText = text;
  ASSERT_TRUE(::SendMessage(tip, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ti)));
  EXPECT_EQ(ti.rect.right - ti.rect.left, 40);
  EXPECT_EQ(ti.rect.bottom - ti.rect.top, 30);
  ::SendMessage(tip, TTM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(&ti));
  EXPECT_STREQ(text, "second");
  EXPECT_EQ(::SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

}  // namespace
}  // namespace skintest
