// Buttons driven by real input: owner-drawn states, where a click counts, double clicks, Space, and the
// style switch the class library uses.
#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

class ButtonTest : public DialogTest {
 protected:
  HWND createButton(DWORD style) { return createChild("button", "Press", WS_TABSTOP | style, {20, 20, 100, 50}, 77); }
  static int Clicks() {
    int n = 0;
    for (const Command& c : TheLog().commands) n += c == Command{77, BN_CLICKED};
    return n;
  }
};

TEST_F(ButtonTest, OwnerDrawnStatesFollowThePressAndClickOnlyOnReleaseOverIt) {
  HWND button = createButton(BS_OWNERDRAW);
  UpdateWindow(button);
  ASSERT_FALSE(TheLog().drawItems.empty());
  EXPECT_EQ(TheLog().drawItems.back(), (DrawItem{ODA_DRAWENTIRE, 0}));

  struct Step {
    const char* name;
    POINT at;
    int mouse;  // 1 press, 0 move, -1 release
    UINT state;
    int clicks;
  };
  const Step steps[] = {
      {"press", {10, 10}, 1, ODS_SELECTED | ODS_FOCUS, 0},
      {"drag off", {200, 10}, 0, ODS_FOCUS, 0},
      {"drag back", {40, 20}, 0, ODS_SELECTED | ODS_FOCUS, 0},
      {"release over it", {40, 20}, -1, ODS_FOCUS, 1},
      {"press again", {10, 10}, 1, ODS_SELECTED | ODS_FOCUS, 1},
      {"drag off again", {10, 90}, 0, ODS_FOCUS, 1},
      {"release off it", {10, 90}, -1, ODS_FOCUS, 1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    Wait();
    if (step.mouse == 0) {
      MoveTo(button, step.at);
    } else {
      Button(button, step.at, step.mouse > 0);
    }
    EXPECT_EQ(TheLog().drawItems.back().state, step.state);
    EXPECT_EQ(Clicks(), step.clicks);
  }
  // The DC handed over has the default colours whatever the parent did to it.
  for (COLORREF c : {TheLog().drawItemColors[TheLog().drawItemColors.size() - 2], TheLog().drawItemColors.back()}) {
    EXPECT_TRUE(c == RGB(0, 0, 0) || c == RGB(255, 255, 255));
  }

  EnableWindow(button, FALSE);
  UpdateWindow(button);
  EXPECT_EQ(TheLog().drawItems.back(), (DrawItem{ODA_DRAWENTIRE, ODS_DISABLED}));
}

TEST_F(ButtonTest, OwnerDrawnDcHasDefaultColoursEvenWhenTheParentAnswersColours) {
  HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
  TheLog().answerBrush = brush;
  HWND button = createButton(BS_OWNERDRAW);
  UpdateWindow(button);
  ASSERT_GE(TheLog().drawItemColors.size(), 2u);
  EXPECT_EQ(TheLog().drawItemColors[0], RGB(0, 0, 0));
  EXPECT_EQ(TheLog().drawItemColors[1], RGB(255, 255, 255));
  EXPECT_EQ(TheLog().colorRequests.front(), static_cast<UINT>(WM_CTLCOLORBTN));
  DestroyWindow(button);
  TheLog().answerBrush = nullptr;
  DeleteObject(brush);
}

TEST_F(ButtonTest, DoubleClickCountsAsTwoClicks) {
  for (DWORD style : {BS_PUSHBUTTON, BS_OWNERDRAW}) {
    SCOPED_TRACE(style);
    HWND button = createButton(style);
    TheLog().commands.clear();
    Wait();
    Click(button, {10, 10});
    Click(button, {10, 10});
    EXPECT_EQ(Clicks(), 2);
    DestroyWindow(button);
  }
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndAutomaticCheckBoxToggles) {
  HWND push = createButton(BS_PUSHBUTTON);
  SetFocus(push);
  Key(VK_SPACE, true);
  EXPECT_EQ(Clicks(), 0);
  EXPECT_TRUE(SendMessage(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
  Key(VK_SPACE, false);
  EXPECT_EQ(Clicks(), 1);
  EXPECT_FALSE(SendMessage(push, BM_GETSTATE, 0, 0) & BST_PUSHED);
  DestroyWindow(push);

  HWND check = createButton(BS_AUTOCHECKBOX);
  const UINT expected[] = {BST_CHECKED, BST_UNCHECKED, BST_CHECKED};
  for (UINT state : expected) {
    Wait();
    Click(check, {5, 10});
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(state));
  }
  SendMessage(check, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(Clicks(), 5);
}

TEST_F(ButtonTest, SetStyleToOwnerDrawnHandsDrawingToTheParent) {
  HWND button = createButton(BS_PUSHBUTTON);
  UpdateWindow(button);
  EXPECT_TRUE(TheLog().drawItems.empty());
  SendMessage(button, BM_SETSTYLE, (GetWindowLong(button, GWL_STYLE) & 0xF0) | BS_OWNERDRAW, TRUE);
  EXPECT_EQ(GetWindowLong(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_TRUE(GetWindowLong(button, GWL_STYLE) & WS_TABSTOP);
  UpdateWindow(button);
  ASSERT_FALSE(TheLog().drawItems.empty());
  EXPECT_EQ(TheLog().drawItems.back().action, static_cast<UINT>(ODA_DRAWENTIRE));
}

TEST_F(ButtonTest, ClicksGoThroughAGroupBoxToTheControlBelowIt) {
  HWND below = createButton(BS_PUSHBUTTON);
  HWND group = createChild("button", "Group", BS_GROUPBOX, {10, 10, 200, 100}, 78);
  SetWindowPos(group, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Pump();
  Click(below, {10, 10});
  EXPECT_EQ(Clicks(), 1);
}

}  // namespace
}  // namespace dlgtest
