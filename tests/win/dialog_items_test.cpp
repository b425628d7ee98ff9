// Reaching controls by id: the integer text conversions.
#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

TEST_F(DialogTest, DialogItemIntegersReadOnlyWholeDecimalText) {
  static win::DialogTemplate tmpl =
      Template("Microsoft Sans Serif", 9, 100, 40, {Item("edit", "", 21, ES_AUTOHSCROLL, 5, 5, 80, 14)});
  HWND dlg = createDialog(900, tmpl);
  ASSERT_NE(dlg, nullptr);
  struct Case {
    const char* text;
    BOOL isSigned;
    BOOL translated;
    UINT value;
  };
  const Case cases[] = {
      {"42", FALSE, TRUE, 42},
      {"  42  ", FALSE, TRUE, 42},
      {"-42", TRUE, TRUE, static_cast<UINT>(-42)},
      {"-42", FALSE, FALSE, 0},
      {"4294967295", FALSE, TRUE, 4294967295u},
      {"4294967296", FALSE, FALSE, 0},
      {"2147483648", TRUE, FALSE, 0},
      {"-2147483648", TRUE, TRUE, 0x80000000u},
      {"12abc", FALSE, FALSE, 0},
      {"", FALSE, FALSE, 0},
      {"-", TRUE, FALSE, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ASSERT_TRUE(SetDlgItemText(dlg, 21, c.text));
    BOOL translated = !c.translated;
    EXPECT_EQ(GetDlgItemInt(dlg, 21, &translated, c.isSigned), c.value);
    EXPECT_EQ(translated, c.translated);
  }
  SetDlgItemInt(dlg, 21, static_cast<UINT>(-7), TRUE);
  EXPECT_EQ(TextOf(GetDlgItem(dlg, 21)), "-7");
  SetDlgItemInt(dlg, 21, static_cast<UINT>(-7), FALSE);
  EXPECT_EQ(TextOf(GetDlgItem(dlg, 21)), "4294967289");
  BOOL translated = TRUE;
  EXPECT_EQ(GetDlgItemInt(dlg, 99, &translated, FALSE), 0u);  // no such control
  EXPECT_FALSE(translated);
}

}  // namespace
}  // namespace dlgtest
