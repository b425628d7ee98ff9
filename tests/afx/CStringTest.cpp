// CString: the edge cases that decide whether text handling silently goes wrong.
#include "platform/afx/CString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CStringTest, FormatHandlesLongOutputAndRepeatedUse) {
  CString s;
  std::string longText(1000, 'x');
  s.Format("%s-%d", longText.c_str(), 42);
  EXPECT_EQ(s.GetLength(), 1003);
  EXPECT_EQ(s.Right(3), "-42");
  s.Format("%02d:%02d:%02d.%03d", 1, 2, 3, 4);
  EXPECT_EQ(s, "01:02:03.004");
  s.Format("%s", "");
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, FindAndReverseFindReportMinusOneOutsideTheText) {
  const CString s("a/b/c.avi");
  struct Case {
    int actual;
    int expected;
  };
  const Case cases[] = {
      {s.Find('/'), 1},         {s.Find('/', 2), 3},     {s.Find('/', 4), -1},    {s.Find('a', 9), -1},
      {s.Find('a', -1), -1},    {s.Find("c.a"), 4},      {s.Find("c.a", 5), -1},  {s.Find(""), 0},
      {s.Find("", 9), 9},       {s.Find("", 10), -1},    {s.ReverseFind('/'), 3}, {s.ReverseFind('x'), -1},
      {CString().Find('a'), -1}, {CString().ReverseFind('a'), -1},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) EXPECT_EQ(cases[i].actual, cases[i].expected) << i;
}

TEST(CStringTest, MidLeftRightClampInsteadOfOverrunning) {
  const CString s("abcdef");
  struct Case {
    CString actual;
    const char* expected;
  };
  const Case cases[] = {
      {s.Mid(2), "cdef"},      {s.Mid(2, 2), "cd"},   {s.Mid(4, 10), "ef"}, {s.Mid(6), ""},
      {s.Mid(10), ""},         {s.Mid(-3, 2), "ab"},  {s.Mid(1, -1), ""},   {s.Left(3), "abc"},
      {s.Left(99), "abcdef"},  {s.Left(-1), ""},      {s.Right(2), "ef"},   {s.Right(99), "abcdef"},
      {s.Mid(s.ReverseFind('/') + 1), "abcdef"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) EXPECT_EQ(cases[i].actual, cases[i].expected) << i;
}

TEST(CStringTest, EditingOperations) {
  CString s("  Hello, World  ");
  s.TrimLeft();
  s.TrimRight();
  EXPECT_EQ(s, "Hello, World");
  EXPECT_EQ(s.Replace("o", "oo"), 2);  // the replacement is not searched again
  EXPECT_EQ(s, "Helloo, Woorld");
  EXPECT_EQ(s.Replace("", "x"), 0);
  EXPECT_EQ(s.Replace('o', '0'), 4);
  s.MakeUpper();
  EXPECT_EQ(s, "HELL00, W00RLD");
  EXPECT_EQ(s.CompareNoCase("hell00, w00rld"), 0);
  EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
  EXPECT_EQ(CString("x") + "y" + CString('z', 2) + 'w', "xyzzw");
}

TEST(CStringTest, BufferAccessTakesTheWrittenLength) {
  CString s("old");
  char* buffer = s.GetBuffer(10);
  std::snprintf(buffer, 11, "%s", "new text");
  s.ReleaseBuffer();
  EXPECT_EQ(s, "new text");
  s.GetBuffer(0)[0] = 'N';
  s.ReleaseBuffer(3);
  EXPECT_EQ(s, "New");
}

}  // namespace
