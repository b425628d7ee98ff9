// The edit control with real typing, keys and mouse: UTF-8 text never split, selection, limit,
// clipboard, read-only, and the selection highlight.
#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

class EditTest : public DialogTest {
 protected:
  HWND createEdit(DWORD style = ES_AUTOHSCROLL, RECT rc = {20, 20, 220, 44}) {
    HWND edit = createChild("edit", "", WS_BORDER | style, rc, 55);
    SetFocus(edit);
    Pump();
    return edit;
  }
  static std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  static int Changes() {
    int n = 0;
    for (const Command& c : TheLog().commands) n += c == Command{55, EN_CHANGE};
    return n;
  }
};

TEST_F(EditTest, TypingUtf8AndEditingByWholeCharacters) {
  HWND edit = createEdit();
  Type("Grüße €😀");
  EXPECT_EQ(TextOf(edit), "Grüße €😀");
  EXPECT_EQ(Changes(), 8);  // one per character typed

  struct Step {
    UINT modifier;  // 0: none
    UINT vk;
    const char* text;
    std::pair<DWORD, DWORD> selection;
  };
  const Step steps[] = {
      {0, VK_BACK, "Grüße €", {11, 11}},  // the four bytes of the emoji go at once
      {0, VK_LEFT, "Grüße €", {8, 8}},
      {0, VK_LEFT, "Grüße €", {7, 7}},
      {0, VK_LEFT, "Grüße €", {6, 6}},
      {VK_SHIFT, VK_LEFT, "Grüße €", {4, 6}},
      {VK_SHIFT, VK_HOME, "Grüße €", {0, 6}},
      {0, VK_RIGHT, "Grüße €", {6, 6}},
      {0, VK_DELETE, "Grüß €", {6, 6}},
      {VK_CONTROL, VK_LEFT, "Grüß €", {0, 0}},
      {VK_CONTROL, VK_RIGHT, "Grüß €", {7, 7}},
      {VK_SHIFT, VK_END, "Grüß €", {7, 10}},
  };
  for (const Step& step : steps) {
    if (step.modifier) {
      TapWith(step.modifier, step.vk);
    } else {
      Tap(step.vk);
    }
    EXPECT_EQ(TextOf(edit), step.text);
    EXPECT_EQ(Selection(edit), step.selection);
  }
  Type("ok");  // replaces the selection
  EXPECT_EQ(TextOf(edit), "Grüß ok");
}

TEST_F(EditTest, LimitAndSelectionsNeverSplitACharacter) {
  HWND edit = createEdit();
  SendMessage(edit, EM_LIMITTEXT, 5, 0);
  Type("ab€c");
  EXPECT_EQ(TextOf(edit), "ab€");
  SendMessage(edit, EM_SETSEL, 0, -1);
  Type("abcd");
  EXPECT_EQ(TextOf(edit), "abcd");
  Type("€");  // three more bytes do not fit beside four
  EXPECT_EQ(TextOf(edit), "abcd");

  SetWindowText(edit, "a€b");
  SendMessage(edit, EM_SETSEL, 2, 3);  // inside the euro sign: snapped to its start
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{1, 1}));
  char small[4] = {};
  EXPECT_EQ(SendMessage(edit, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 1);
  EXPECT_STREQ(small, "a");
}

TEST_F(EditTest, ClipboardKeysAndReadOnly) {
  HWND edit = createEdit();
  Type("one two");
  TapWith(VK_CONTROL, 'A');
  TapWith(VK_CONTROL, 'C');
  Tap(VK_END);
  TapWith(VK_CONTROL, 'V');
  EXPECT_EQ(TextOf(edit), "one twoone two");
  SendMessage(edit, EM_SETSEL, 0, 4);
  TapWith(VK_CONTROL, 'X');
  EXPECT_EQ(TextOf(edit), "twoone two");

  SendMessage(edit, EM_SETREADONLY, TRUE, 0);
  int changes = Changes();
  Type("zz");
  Tap(VK_BACK);
  TapWith(VK_CONTROL, 'V');
  EXPECT_EQ(TextOf(edit), "twoone two");
  EXPECT_EQ(Changes(), changes);
}

TEST_F(EditTest, MousePlacesTheCaretDragSelectsAndDoubleClickSelectsAWord) {
  HWND edit = createEdit();
  Type("alpha beta");
  RECT client;
  GetClientRect(edit, &client);
  Wait();
  Click(edit, {client.right - 3, client.bottom / 2});
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{10, 10}));
  Wait();
  Button(edit, {1, client.bottom / 2}, true);
  MoveTo(edit, {client.right - 3, client.bottom / 2});
  Button(edit, {client.right - 3, client.bottom / 2}, false);
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 10}));
  Wait();
  Click(edit, {4, client.bottom / 2});
  Click(edit, {4, client.bottom / 2});
  EXPECT_EQ(Selection(edit), (std::pair<DWORD, DWORD>{0, 5}));
}

TEST_F(EditTest, SelectionIsHighlightedWhileFocused) {
  HWND edit = createEdit();
  SetWindowText(edit, "        ");
  SendMessage(edit, EM_SETSEL, 0, -1);
  RECT client;
  GetClientRect(edit, &client);
  POINT inBand{6, client.bottom / 2};
  EXPECT_EQ(PixelAt(edit, inBand), GetSysColor(COLOR_HIGHLIGHT));
  SetFocus(host_);
  Pump();
  EXPECT_NE(PixelAt(edit, inBand), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(EditTest, WithoutAutoScrollTypingStopsAtTheRightEdge) {
  HWND edit = createEdit(0, {20, 20, 60, 44});
  Type("WWWWWWWWWWWWWWWWWWWW");
  std::string text = TextOf(edit);
  EXPECT_GT(text.size(), 0u);
  EXPECT_LT(text.size(), 20u);
  HWND scrolling = createEdit(ES_AUTOHSCROLL, {20, 60, 60, 84});
  Type("WWWWWWWWWWWWWWWWWWWW");
  EXPECT_EQ(TextOf(scrolling).size(), 20u);
}

}  // namespace
}  // namespace dlgtest
