// Every basic control asks its parent for colours with the right message and paints with the answer;
// a hollow brush leaves the parent's pixels.
#include <algorithm>

#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

struct ColorCase {
  const char* name;
  const char* className;
  const char* text;
  DWORD style;
  UINT expectedMessage;
  POINT probe;  // a client point the background shows through; x < 0 counts from the right
  bool probeUsesBrush;
};

const ColorCase kCases[] = {
    {"push button", "button", "OK", BS_PUSHBUTTON, WM_CTLCOLORBTN, {0, 0}, false},
    {"check box", "button", "C", BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC, {-2, 1}, true},
    {"radio button", "button", "R", BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC, {-2, 1}, true},
    {"group box caption", "button", "Group", BS_GROUPBOX, WM_CTLCOLORSTATIC, {8, 3}, true},
    {"static text", "static", "T", SS_LEFT, WM_CTLCOLORSTATIC, {-2, 1}, true},
    {"edit", "edit", "e", ES_AUTOHSCROLL, WM_CTLCOLOREDIT, {-2, 1}, true},
    {"read-only edit", "edit", "e", ES_READONLY, WM_CTLCOLORSTATIC, {-2, 1}, true},
};

TEST_F(DialogTest, ControlsAskTheirParentForColoursAndPaintWithTheAnswer) {
  const COLORREF answer = RGB(200, 30, 40);
  HBRUSH solid = CreateSolidBrush(answer);
  HBRUSH hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  for (const ColorCase& c : kCases) {
    SCOPED_TRACE(c.name);
    HWND ctl = createChild(c.className, c.text, c.style, {20, 20, 120, 44});
    RECT client;
    GetClientRect(ctl, &client);
    POINT probe{c.probe.x < 0 ? client.right + c.probe.x : c.probe.x, c.probe.y};

    TheLog().colorRequests.clear();
    TheLog().answerBrush = solid;
    InvalidateRect(ctl, nullptr, TRUE);
    COLORREF withBrush = PixelAt(ctl, probe);
    ASSERT_FALSE(TheLog().colorRequests.empty());
    EXPECT_TRUE(std::all_of(TheLog().colorRequests.begin(), TheLog().colorRequests.end(),
                            [&](UINT m) { return m == c.expectedMessage; }));
    if (c.probeUsesBrush) {
      EXPECT_EQ(withBrush, answer);
    }

    TheLog().answerBrush = hollow;
    InvalidateRect(host_, nullptr, TRUE);
    if (c.probeUsesBrush) {
      EXPECT_EQ(PixelAt(ctl, probe), kHostColor);
    }
    DestroyWindow(ctl);
  }
  TheLog().answerBrush = nullptr;
  DeleteObject(solid);
}

TEST_F(DialogTest, DisabledStaticTextIsGrey) {
  HWND text = createChild("static", "IIII", SS_LEFT, {20, 20, 200, 60});
  // Large bold letters, so that their stems have pixels of the exact text colour.
  HFONT big = CreateFont(-40, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Liberation Sans");
  SendMessage(text, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  TheLog().answerBrush = white;
  auto colours = [&] {
    std::vector<COLORREF> seen;
    InvalidateRect(text, nullptr, TRUE);
    UpdateWindow(text);
    HDC hdc = GetDC(text);
    for (int x = 0; x < 80; ++x)
      for (int y = 0; y < 40; ++y) seen.push_back(GetPixel(hdc, x, y));
    ReleaseDC(text, hdc);
    return seen;
  };
  auto has = [](const std::vector<COLORREF>& seen, COLORREF c) {
    return std::find(seen.begin(), seen.end(), c) != seen.end();
  };
  std::vector<COLORREF> enabled = colours();
  EXPECT_FALSE(has(enabled, GetSysColor(COLOR_GRAYTEXT)));
  EnableWindow(text, FALSE);
  std::vector<COLORREF> disabled = colours();
  EXPECT_TRUE(has(disabled, GetSysColor(COLOR_GRAYTEXT)));
  EXPECT_FALSE(has(disabled, RGB(1, 2, 3)));  // the parent's text colour
  EXPECT_TRUE(has(enabled, RGB(1, 2, 3)));
  TheLog().answerBrush = nullptr;
  DestroyWindow(text);
  DeleteObject(big);
}

}  // namespace
}  // namespace dlgtest
