#include <gtest/gtest.h>

#include "platform/gdi/TextLayout.h"
#include "tests/gdi/GdiTestSupport.h"

using gdi_test::ColorCanvas;

namespace {

constexpr COLORREF kText = RGB(255, 0, 0);
bool Reddish(COLORREF c) { return GetRValue(c) > 0 && GetGValue(c) < GetRValue(c); }

TEST(Text, CentredSingleLineStaysInsideItsRectangle) {
  ColorCanvas c(120, 40);
  SetTextColor(c.dc(), kText);
  SetBkMode(c.dc(), TRANSPARENT);
  RECT rc{20, 10, 100, 30};
  DrawText(c.dc(), "Extract", -1, &rc, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  EXPECT_GT(c.Count(Reddish, rc), 20);
  EXPECT_EQ(c.Count(Reddish, RECT{0, 0, 120, 40}), c.Count(Reddish, rc));
  // Centred: about as much ink in the left half as in the right half.
  const int left = c.Count(Reddish, RECT{20, 10, 60, 30}), right = c.Count(Reddish, RECT{60, 10, 100, 30});
  EXPECT_LT(std::abs(left - right), (left + right) / 3);
}

TEST(Text, CjkTextDrawsThroughFallbackFaces) {
  ColorCanvas c(80, 30);
  SetTextColor(c.dc(), kText);
  TextOut(c.dc(), 2, 2, "\xE4\xB8\xAD\xE6\x96\x87", 6);  // two CJK ideographs
  EXPECT_GT(c.Count(Reddish, RECT{0, 0, 80, 30}), 30);
  SIZE size{};
  GetTextExtentPoint32(c.dc(), "\xE4\xB8\xAD\xE6\x96\x87", 6, &size);
  EXPECT_GE(size.cx, 18);  // full-width characters at a 12-pixel size
}

TEST(Text, CalcRectMeasuresWithoutDrawing) {
  ColorCanvas c(200, 100);
  SIZE one{};
  GetTextExtentPoint32(c.dc(), "Hello", 5, &one);
  TEXTMETRIC tm{};
  GetTextMetrics(c.dc(), &tm);
  RECT rc{10, 10, 200, 10};
  const int h = DrawText(c.dc(), "Hello\nHello, world", -1, &rc, DT_CALCRECT);
  EXPECT_EQ(h, 2 * tm.tmHeight);
  EXPECT_EQ(rc.bottom - rc.top, 2 * tm.tmHeight);
  EXPECT_GT(rc.right - rc.left, one.cx);
  EXPECT_EQ(c.Count(RGB(255, 255, 255)), 200 * 100);
}

TEST(Text, OpaqueModeFillsTheCellWithTheBackgroundColour) {
  ColorCanvas c(60, 30);
  SetBkColor(c.dc(), RGB(0, 0, 255));
  TextOut(c.dc(), 0, 0, "ab", 2);
  SIZE size{};
  GetTextExtentPoint32(c.dc(), "ab", 2, &size);
  const int blue = c.Count(RGB(0, 0, 255));
  EXPECT_GT(blue, size.cx * size.cy / 2);
  EXPECT_EQ(c.Count(RGB(0, 0, 255), RECT{size.cx, 0, 60, 30}), 0);
  EXPECT_EQ(c.Count(RGB(0, 0, 255), RECT{0, size.cy, 60, 30}), 0);
}

TEST(Text, StockFontMetricsMatchA12PixelSansFace) {
  ColorCanvas c(1, 1);
  TEXTMETRIC tm{};
  SelectObject(c.dc(), GetStockObject(DEFAULT_GUI_FONT));
  ASSERT_TRUE(GetTextMetrics(c.dc(), &tm));
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_GE(tm.tmHeight, 13);
  EXPECT_LE(tm.tmHeight, 15);
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 12);
  EXPECT_GE(tm.tmAveCharWidth, 5);
  EXPECT_LE(tm.tmAveCharWidth, 8);
  EXPECT_EQ(GetDeviceCaps(c.dc(), LOGPIXELSY), 96);
}

TEST(Text, HeightSignSelectsEmOrCellHeight) {
  ColorCanvas c(1, 1);
  for (int cell : {14, 20, 33}) {
    HFONT f = CreateFont(cell, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman");
    SelectObject(c.dc(), f);
    TEXTMETRIC tm{};
    GetTextMetrics(c.dc(), &tm);
    EXPECT_NEAR(tm.tmHeight, cell, 1) << cell;
    HFONT em = CreateFont(-cell, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Times New Roman");
    SelectObject(c.dc(), em);
    GetTextMetrics(c.dc(), &tm);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, cell);
    SelectObject(c.dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(f);
    DeleteObject(em);
  }
}

TEST(Text, PrefixUnderlinesTheMarkedCharacterOnly) {
  ColorCanvas plain(80, 30), marked(80, 30);
  RECT rc{0, 0, 80, 30};
  DrawText(plain.dc(), "Open", -1, &rc, DT_SINGLELINE);
  DrawText(marked.dc(), "&Open", -1, &rc, DT_SINGLELINE);
  ColorCanvas noPrefix(80, 30);
  DrawText(noPrefix.dc(), "&Open", -1, &rc, DT_SINGLELINE | DT_NOPREFIX);
  const auto ink = [](COLORREF c) { return c != RGB(255, 255, 255); };
  EXPECT_GT(marked.Count(ink, rc), plain.Count(ink, rc));
  EXPECT_GT(noPrefix.Count(ink, rc), plain.Count(ink, rc));  // the '&' itself is drawn
}

// Layout over a fixed-width measure: every character is 10 pixels wide.
std::vector<gdi::TextLine> Lay(std::u32string_view text, UINT format, int width) {
  return gdi::LayoutText(text, format, width, 80,
                         [](std::u32string_view s) { return static_cast<int>(s.size()) * 10; });
}

TEST(TextLayout, LinesPrefixesWrappingAndEllipses) {
  struct Case {
    std::u32string_view text;
    UINT format;
    int width;
    std::vector<std::u32string> lines;
  } cases[] = {
      {U"a&&b", 0, 100, {U"a&b"}},
      {U"&File", 0, 100, {U"File"}},
      {U"&File", DT_NOPREFIX, 100, {U"&File"}},
      {U"one\r\ntwo\nthree", 0, 100, {U"one", U"two", U"three"}},
      {U"one\r\ntwo", DT_SINGLELINE, 100, {U"onetwo"}},
      {U"aa bb cc dd", DT_WORDBREAK, 50, {U"aa bb", U"cc dd"}},
      {U"aa bbbbbbbbbb cc", DT_WORDBREAK, 50, {U"aa", U"bbbbbbbbbb", U"cc"}},
      {U"abcdefghij", DT_END_ELLIPSIS, 60, {U"abc..."}},
      {U"abc", DT_END_ELLIPSIS, 60, {U"abc"}},
      {U"a\tb", DT_EXPANDTABS, 200, {U"a       b"}},
  };
  for (const Case& c : cases) {
    const auto lines = Lay(c.text, c.format, c.width);
    ASSERT_EQ(lines.size(), c.lines.size()) << std::string(c.text.begin(), c.text.end());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i].text == c.lines[i]) << i;
  }
  const auto marked = Lay(U"E&xit", 0, 100);
  ASSERT_EQ(marked[0].underlined, std::vector<size_t>{1});
}

}  // namespace
