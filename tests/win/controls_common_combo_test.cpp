// Combo box in drop-down-list form with sorting: order, drop-down by mouse and keyboard, notifications.
#include <algorithm>
#include <string>

#include "platform/win/controls/TextOrder.h"
#include "tests/win/controls_common_fixture.h"

namespace ctltest {
namespace {

const std::vector<const char*> kBitRates = {"320", "256", "224", "192", "160", "128", "112", "96", "80", "64"};
const std::vector<const char*> kSampleRates = {"48", "44.1", "32", "24", "22.05", "16"};

TEST(TextOrderTest, OrdersCaseInsensitivelyWithPunctuationDigitsLetters) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {
      {"112", "128"}, {"320", "64"},   {"80", "96"},   {"16", "22.05"}, {"22.05", "24"},
      {"44.1", "48"}, {"apple", "Banana"}, {"a.b", "a1"}, {"a1", "ab"},  {"ab", "ABC"},
      {"coop", "co-p"},  // the hyphen only counts when all else is equal
      {"co-op", "coop"},
  };
  for (const Case& c : cases) {
    EXPECT_LT(win::CompareTextNoCase(c.before, c.after), 0) << c.before << " < " << c.after;
    EXPECT_GT(win::CompareTextNoCase(c.after, c.before), 0) << c.after << " > " << c.before;
  }
  EXPECT_EQ(win::CompareTextNoCase("Stereo", "sTEREO"), 0);
}

class ComboBoxTest : public ControlsTest {
 protected:
  HWND createCombo(const std::vector<const char*>& items, std::vector<LRESULT>* indexes = nullptr) {
    HWND combo = createChild("combobox", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 20, 20, 100, 150);
    for (const char* item : items) {
      LRESULT index = SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      if (indexes) indexes->push_back(index);
    }
    return combo;
  }

  static std::vector<std::string> ItemTexts(HWND combo) {
    std::vector<std::string> texts;
    for (int i = 0; i < SendMessage(combo, CB_GETCOUNT, 0, 0); ++i) {
      char buffer[32] = {};
      SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer));
      texts.push_back(buffer);
    }
    return texts;
  }

  static std::string WindowText(HWND hwnd) {
    char buffer[64] = {};
    GetWindowText(hwnd, buffer, sizeof buffer);
    return buffer;
  }

  // The drop-down list is the window right under the box while it is open.
  static HWND DroppedList(HWND combo) {
    RECT box;
    GetWindowRect(combo, &box);
    HWND list = WindowFromPoint(POINT{box.left + 10, box.bottom + 5});
    char name[32] = {};
    GetClassName(list, name, sizeof name);
    return std::string(name) == "listbox" ? list : nullptr;
  }

  static POINT ItemCentre(HWND list, int index) {
    RECT rc{};
    SendMessage(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rc));
    return Centre(rc);
  }

  void openByClick(HWND combo) {
    RECT rc;
    GetClientRect(combo, &rc);
    Click(combo, Centre(rc));
  }
};

TEST_F(ComboBoxTest, AddStringReturnsTheSortedIndex) {
  struct Case {
    const std::vector<const char*>& added;
    std::vector<LRESULT> indexes;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {kBitRates, {0, 0, 0, 0, 0, 0, 0, 7, 7, 7}, {"112", "128", "160", "192", "224", "256", "320", "64", "80", "96"}},
      {kSampleRates, {0, 0, 0, 0, 0, 0}, {"16", "22.05", "24", "32", "44.1", "48"}},
  };
  for (const Case& c : cases) {
    std::vector<LRESULT> indexes;
    HWND combo = createCombo(c.added, &indexes);
    EXPECT_EQ(indexes, c.indexes);
    EXPECT_EQ(ItemTexts(combo), c.order);
    DestroyWindow(combo);
  }
}

TEST_F(ComboBoxTest, WindowTextIsTheSelectedItemAndTheBoxKeepsTheListHeight) {
  HWND combo = createCombo(kBitRates);
  EXPECT_EQ(WindowText(combo), "");
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(WindowText(combo), "128");
  EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 10, 0), CB_ERR);
  EXPECT_EQ(WindowText(combo), "128");

  // Created 150 high: the box takes its own height, the rest belongs to the list.
  RECT box, dropped;
  GetWindowRect(combo, &box);
  SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_LT(box.bottom - box.top, 40);
  EXPECT_EQ(dropped.bottom - dropped.top, 150);
  EXPECT_EQ(dropped.top, box.top);
}

TEST_F(ComboBoxTest, MousePicksFromTheDroppedList) {
  HWND combo = createCombo(kBitRates);
  SendMessage(combo, CB_SETCURSEL, 1, 0);
  openByClick(combo);
  ASSERT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  HWND list = DroppedList(combo);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(GetWindowLong(list, GWL_STYLE) & WS_CHILD, 0);

  MoveTo(list, ItemCentre(list, 3));
  EXPECT_EQ(SendMessage(list, LB_GETCURSEL, 0, 0), 3) << "hover highlights";
  EXPECT_EQ(commandCodes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN})) << "the click takes the focus";
  Click(list, ItemCentre(list, 3));

  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(WindowText(combo), "192");
  EXPECT_EQ(commandCodes(),
            (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
  EXPECT_EQ(GetFocus(), combo);
}

TEST_F(ComboBoxTest, AsksEditColoursForTheBoxAndListColoursForTheList) {
  answerBrush() = CreateSolidBrush(RGB(10, 200, 30));
  HWND combo = createCombo(kSampleRates);
  openByClick(combo);
  HWND list = DroppedList(combo);
  ASSERT_NE(list, nullptr);
  UpdateWindow(combo);
  UpdateWindow(list);
  EXPECT_NE(std::find(colorRequests().begin(), colorRequests().end(), WM_CTLCOLOREDIT), colorRequests().end());
  EXPECT_NE(std::find(colorRequests().begin(), colorRequests().end(), WM_CTLCOLORLISTBOX), colorRequests().end());
  // An unselected item shows the parent's brush.
  RECT item{};
  SendMessage(list, LB_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(PixelAt(list, POINT{item.right - 2, item.top + 1}), RGB(10, 200, 30));
  SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
  DeleteObject(answerBrush());
  answerBrush() = nullptr;
}

TEST_F(ComboBoxTest, ClickOutsideClosesWithoutChange) {
  HWND combo = createCombo(kBitRates);
  SendMessage(combo, CB_SETCURSEL, 1, 0);
  openByClick(combo);
  HWND list = DroppedList(combo);
  ASSERT_NE(list, nullptr);
  MoveTo(list, ItemCentre(list, 5));
  Click(parent_, POINT{300, 250});

  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(commandCodes(), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, KeyboardChangesSelectionClosedAndPicksWhenOpen) {
  HWND combo = createCombo(kBitRates);
  SendMessage(combo, CB_SETCURSEL, 1, 0);
  SetFocus(combo);
  win::PumpPendingMessages();
  log().clear();

  Tap(VK_DOWN);
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(commandCodes(), (std::vector<WORD>{CBN_SELCHANGE}));
  EXPECT_EQ(SendMessage(combo, WM_GETDLGCODE, 0, 0) & DLGC_WANTMESSAGE, 0);

  log().clear();
  Tap(VK_F4);
  ASSERT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_NE(SendMessage(combo, WM_GETDLGCODE, 0, 0) & DLGC_WANTMESSAGE, 0) << "Enter and Esc must reach the box";
  Tap(VK_DOWN);
  Tap(VK_DOWN);
  Tap(VK_RETURN);
  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(commandCodes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));

  // Alt+Down opens too; Esc closes and forgets the highlight.
  log().clear();
  Key(VK_MENU, true);
  Tap(VK_DOWN);
  Key(VK_MENU, false);
  ASSERT_TRUE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  Tap(VK_DOWN);
  Tap(VK_ESCAPE);
  EXPECT_FALSE(SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0));
  EXPECT_EQ(SendMessage(combo, CB_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(commandCodes(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));

  // A typed character jumps to the next item that starts with it.
  win::DesktopText("6");
  win::PumpPendingMessages();
  EXPECT_EQ(WindowText(combo), "64");
}

}  // namespace
}  // namespace ctltest
