// List box: selection by mouse and keys with notifications, its own scroll bar, items and selection.
#include <string>

#include "tests/win/controls_common_fixture.h"

namespace ctltest {
namespace {

class ListBoxTest : public ControlsTest {
 protected:
  HWND createList(DWORD style, int rows, int count) {
    HWND probe = createChild("listbox", 0, 0, 0, 10, 10, 999);
    int itemHeight = static_cast<int>(SendMessage(probe, LB_GETITEMHEIGHT, 0, 0));
    DestroyWindow(probe);
    HWND list = createChild("listbox", style, 10, 10, 150, rows * itemHeight);
    for (int i = 0; i < count; ++i) {
      std::string text = "item " + std::to_string(100 + i);
      SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return list;
  }
  static POINT ItemCentre(HWND list, int index) {
    RECT rc{};
    SendMessage(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
    return Centre(rc);
  }
  static LRESULT Selection(HWND list) { return SendMessage(list, LB_GETCURSEL, 0, 0); }
  static LRESULT Top(HWND list) { return SendMessage(list, LB_GETTOPINDEX, 0, 0); }
};

TEST_F(ListBoxTest, MouseSelectsAndNotifiesOnlyWithNotifyStyle) {
  for (DWORD style : {DWORD{LBS_NOTIFY}, DWORD{0}}) {
    HWND list = createList(style, 4, 4);
    log().clear();
    Click(list, ItemCentre(list, 2));
    EXPECT_EQ(Selection(list), 2);
    EXPECT_EQ(GetFocus(), list);
    Advance(GetDoubleClickTime() + 1);
    Click(list, ItemCentre(list, 1));
    Click(list, ItemCentre(list, 1));  // a double click
    EXPECT_EQ(Selection(list), 1);
    std::vector<WORD> expected;
    if (style & LBS_NOTIFY) expected = {LBN_SELCHANGE, LBN_SELCHANGE, LBN_DBLCLK};
    EXPECT_EQ(commandCodes(), expected) << "style " << style;
    DestroyWindow(list);
  }
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
  struct Case {
    UINT vk;
    LRESULT selection;
    LRESULT top;
  };
  // Four rows show at a time; Page Down moves by one less than a page.
  const Case cases[] = {{VK_DOWN, 0, 0}, {VK_DOWN, 1, 0}, {VK_NEXT, 4, 1}, {VK_END, 19, 16},
                        {VK_UP, 18, 16}, {VK_PRIOR, 15, 15}, {VK_HOME, 0, 0}};
  HWND list = createList(LBS_NOTIFY | WS_VSCROLL, 4, 20);
  SetFocus(list);
  win::PumpPendingMessages();
  for (const Case& c : cases) {
    log().clear();
    Tap(c.vk);
    EXPECT_EQ(Selection(list), c.selection) << c.vk;
    EXPECT_EQ(Top(list), c.top) << c.vk;
    EXPECT_EQ(commandCodes(), (std::vector<WORD>{LBN_SELCHANGE}));
  }
  win::DesktopText("i");
  win::PumpPendingMessages();
  EXPECT_EQ(Selection(list), 1) << "a typed letter finds the next item starting with it";
}

TEST_F(ListBoxTest, ScrollBarArrowsTrackAndThumbScroll) {
  HWND list = createList(WS_VSCROLL, 4, 20);
  RECT client;
  GetClientRect(list, &client);
  POINT downArrow{client.right - 4, client.bottom - 3};
  POINT upArrow{client.right - 4, 2};

  Press(list, downArrow, true);
  EXPECT_EQ(Top(list), 1);
  Advance(300);
  Advance(50);
  EXPECT_EQ(Top(list), 3) << "a held arrow repeats";
  Press(list, downArrow, false);
  Advance(500);
  EXPECT_EQ(Top(list), 3);

  Click(list, upArrow);
  EXPECT_EQ(Top(list), 2);
  // The track below the thumb pages down by the visible rows.
  Click(list, POINT{client.right - 4, client.bottom - GetSystemMetrics(SM_CXVSCROLL) - 2});
  EXPECT_EQ(Top(list), 6);

  // Dragging the thumb, which starts at the top of the track, to the bottom shows the last items.
  SendMessage(list, LB_SETTOPINDEX, 0, 0);
  POINT thumb{client.right - 4, GetSystemMetrics(SM_CXVSCROLL) + 3};
  Press(list, thumb, true);
  MoveTo(list, POINT{thumb.x, client.bottom + 40});
  Press(list, POINT{thumb.x, client.bottom + 40}, false);
  EXPECT_EQ(Top(list), 16);
  EXPECT_EQ(Selection(list), -1) << "scrolling selects nothing";
}

TEST_F(ListBoxTest, SelectionFollowsItsItemThroughInsertAndDelete) {
  HWND list = createList(0, 4, 6);
  struct Step {
    UINT msg;
    WPARAM index;
    LRESULT returned;
    LRESULT selection;
  };
  const Step steps[] = {
      {LB_SETCURSEL, 3, 3, 3},  {LB_INSERTSTRING, 0, 0, 4}, {LB_DELETESTRING, 1, 6, 3},
      {LB_DELETESTRING, 3, 5, -1}, {LB_SETCURSEL, 9, LB_ERR, -1}, {LB_INSERTSTRING, 9, LB_ERR, -1},
      {LB_SETCURSEL, 4, 4, 4}, {LB_SETCURSEL, static_cast<WPARAM>(-1), LB_ERR, -1},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(SendMessage(list, s.msg, s.index, reinterpret_cast<LPARAM>("new")), s.returned) << s.msg;
    EXPECT_EQ(Selection(list), s.selection) << s.msg;
  }
}

TEST_F(ListBoxTest, SortedListInsertsInTextOrderAndPaintsTheSelection) {
  HWND list = createChild("listbox", LBS_SORT, 10, 10, 150, 80);
  const char* added[] = {"pear", "Apple", "fig", "banana"};
  std::vector<LRESULT> indexes;
  for (const char* text : added) indexes.push_back(SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  EXPECT_EQ(indexes, (std::vector<LRESULT>{0, 0, 1, 1}));
  char text[16] = {};
  SendMessage(list, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "pear");

  SendMessage(list, LB_SETCURSEL, 1, 0);
  RECT selected{}, other{};
  SendMessage(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  SendMessage(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&other));
  EXPECT_EQ(PixelAt(list, POINT{selected.right - 2, selected.top + 1}), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(PixelAt(list, POINT{other.right - 2, other.top + 1}), GetSysColor(COLOR_WINDOW));
}

}  // namespace
}  // namespace ctltest
