#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/win/winuser.h"

namespace {

TEST(TextConversion, Utf8AndUtf16RoundTripIncludingSurrogatePairs) {
  const std::string utf8 = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x8E\xB5";  // A, e-acute, CJK, a supplementary character
  const std::u16string utf16 = u"A\u00E9\u4E2D\U0001F3B5";
  for (UINT cp : {UINT(CP_ACP), UINT(CP_UTF8)}) {
    WCHAR wide[16] = {};
    EXPECT_EQ(MultiByteToWideChar(cp, 0, utf8.c_str(), -1, nullptr, 0), int(utf16.size()) + 1);
    ASSERT_EQ(MultiByteToWideChar(cp, 0, utf8.c_str(), -1, wide, 16), int(utf16.size()) + 1);
    EXPECT_EQ(std::u16string(wide), utf16);
    char narrow[32] = {};
    ASSERT_EQ(WideCharToMultiByte(cp, 0, wide, -1, narrow, 32, nullptr, nullptr), int(utf8.size()) + 1);
    EXPECT_EQ(std::string(narrow), utf8);
  }
}

TEST(TextConversion, BrokenInputBecomesReplacementCharacters) {
  WCHAR wide[8] = {};
  // A lone continuation byte, a truncated sequence and an overlong '/'.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\x80" "a\xE4\xB8" "b\xC0\xAF", 7, wide, 8), 6);
  EXPECT_EQ(std::u16string(wide, 6), u"\uFFFDa\uFFFDb\uFFFD\uFFFD");
  const WCHAR lone[] = {u'x', 0xD800, u'y'};
  char narrow[8] = {};
  BOOL replaced = FALSE;
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 3, narrow, 8, nullptr, &replaced), 5);
  EXPECT_EQ(std::string(narrow, 5), "x\xEF\xBF\xBDy");
  EXPECT_TRUE(replaced);
}

TEST(TextConversion, SmallBuffersAndBadArgumentsFail) {
  WCHAR wide[2];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "abc", 3, wide, 2), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abc", 3, wide, 2), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, nullptr, 3, wide, 2), 0);
}

TEST(Rects, HelpersTreatRightAndBottomAsExclusive) {
  const RECT a{0, 0, 10, 10}, b{5, 5, 20, 8}, empty{3, 3, 3, 9};
  RECT r{};
  EXPECT_TRUE(IntersectRect(&r, &a, &b));
  EXPECT_TRUE(EqualRect(&r, std::array<RECT, 1>{RECT{5, 5, 10, 8}}.data()));
  EXPECT_FALSE(IntersectRect(&r, &a, &empty));
  EXPECT_TRUE(IsRectEmpty(&r));
  EXPECT_TRUE(UnionRect(&r, &a, &empty));  // an empty rectangle adds nothing
  EXPECT_TRUE(EqualRect(&r, &a));
  EXPECT_TRUE(UnionRect(&r, &a, &b));
  EXPECT_EQ(r.right, 20);
  EXPECT_TRUE(PtInRect(&a, POINT{9, 9}));
  EXPECT_FALSE(PtInRect(&a, POINT{10, 9}));
  r = a;
  InflateRect(&r, -2, 1);
  OffsetRect(&r, 1, 1);
  const RECT want{3, 0, 9, 12};
  EXPECT_TRUE(EqualRect(&r, &want));
}

TEST(Clock, TickCountAdvancesAcrossSleep) {
  const DWORD start = GetTickCount();
  Sleep(20);
  EXPECT_GE(GetTickCount() - start, 20u);
}

}  // namespace
