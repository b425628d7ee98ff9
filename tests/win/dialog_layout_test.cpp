// Dialogs made from templates: pixel layout from the font's base units, frame, placement, controls and
// their images.
#include <cstring>
#include <deque>

#include "tests/win/dialog_fixture.h"

namespace dlgtest {
namespace {

struct FontCase {
  const char* face;
  WORD points;
  int baseX;
  int baseY;
};

TEST_F(DialogTest, ClientAreaAndControlsFollowTheBaseUnitsOfTheTemplateFont) {
  const FontCase fonts[] = {
      {"Microsoft Sans Serif", 9, 7, 15},
      {"MS Sans Serif", 9, 7, 15},
      {"Times New Roman", 10, 8, 16},
  };
  // Odd positions and sizes, so that every rounding shows.
  const RECT items[] = {{3, 5, 33, 11}, {7, 9, 57, 23}, {141, 80, 191, 94}};
  UINT id = 500;
  for (const FontCase& font : fonts) {
    SCOPED_TRACE(font.face);
    static std::deque<win::DialogTemplate> keep;
    std::vector<win::DialogItemTemplate> controls;
    for (size_t i = 0; i < std::size(items); ++i) {
      const RECT& du = items[i];
      controls.push_back(Item("static", "x", 10 + static_cast<int>(i), SS_LEFT, static_cast<short>(du.left),
                              static_cast<short>(du.top), static_cast<short>(du.right - du.left),
                              static_cast<short>(du.bottom - du.top)));
    }
    keep.push_back(Template(font.face, font.points, 201, 103, controls));
    HWND dlg = createDialog(id++, keep.back());
    ASSERT_NE(dlg, nullptr);

    RECT client;
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, Scale(201, font.baseX, 4));
    EXPECT_EQ(client.bottom, Scale(103, font.baseY, 8));
    for (size_t i = 0; i < std::size(items); ++i) {
      RECT rc = RectIn(GetDlgItem(dlg, 10 + static_cast<int>(i)), dlg);
      const RECT& du = items[i];
      EXPECT_EQ(rc.left, Scale(du.left, font.baseX, 4)) << i;
      EXPECT_EQ(rc.top, Scale(du.top, font.baseY, 8)) << i;
      EXPECT_EQ(rc.right - rc.left, Scale(du.right - du.left, font.baseX, 4)) << i;
      EXPECT_EQ(rc.bottom - rc.top, Scale(du.bottom - du.top, font.baseY, 8)) << i;
      RECT mapped = du;
      ASSERT_TRUE(MapDialogRect(dlg, &mapped));
      EXPECT_EQ(mapped.left, Scale(du.left, font.baseX, 4)) << i;
      EXPECT_EQ(mapped.bottom, Scale(du.bottom, font.baseY, 8)) << i;
    }
    // The template gives the client size; the frame comes on top of it.
    RECT frame = client;
    AdjustWindowRectEx(&frame, GetWindowLong(dlg, GWL_STYLE), FALSE, GetWindowLong(dlg, GWL_EXSTYLE));
    RECT window;
    GetWindowRect(dlg, &window);
    EXPECT_EQ(window.right - window.left, frame.right - frame.left);
    EXPECT_EQ(window.bottom - window.top, frame.bottom - frame.top);
    DestroyWindow(dlg);
    dialog_ = nullptr;
  }
}

TEST_F(DialogTest, ControlsComeInTemplateOrderWithIdsTextFontAndComboStrings) {
  static win::DialogTemplate tmpl = Template("Microsoft Sans Serif", 9, 200, 100,
                                             {Item("static", "First", 31, SS_LEFT, 5, 5, 40, 8),
                                              Item("button", "Second", 32, BS_PUSHBUTTON, 5, 20, 40, 14),
                                              Item("edit", "Third", 33, WS_BORDER, 5, 40, 40, 14),
                                              Item("combobox", "", 34, CBS_DROPDOWNLIST, 5, 60, 40, 50)});
  tmpl.items[3].initStrings = {"b", "a", "c"};
  HWND dlg = createDialog(600, tmpl);
  ASSERT_NE(dlg, nullptr);
  auto font = SendMessage(dlg, WM_GETFONT, 0, 0);
  EXPECT_NE(font, 0);
  const int ids[] = {31, 32, 33, 34};
  const char* texts[] = {"First", "Second", "Third"};
  HWND child = GetWindow(dlg, GW_CHILD);
  for (int i = 0; i < 4; ++i, child = GetWindow(child, GW_HWNDNEXT)) {
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetDlgCtrlID(child), ids[i]);
    EXPECT_EQ(SendMessage(child, WM_GETFONT, 0, 0), font) << i;
    if (i < 3) {
      EXPECT_EQ(TextOf(child), texts[i]);
    }
  }
  EXPECT_EQ(SendDlgItemMessage(dlg, 34, CB_GETCOUNT, 0, 0), 3);
}

TEST_F(DialogTest, TemplateAtOriginIsCentredOverItsOwnerOrTheScreen) {
  static win::DialogTemplate tmpl = Template("Microsoft Sans Serif", 9, 120, 60, {});
  tmpl.x = tmpl.y = 0;
  win::RegisterDialogResource(610, &tmpl);
  for (HWND owner : {host_, static_cast<HWND>(nullptr)}) {
    HWND dlg = CreateDialogParam(nullptr, MAKEINTRESOURCE(610), owner, TestDialogProc, 0);
    ASSERT_NE(dlg, nullptr);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &area);
    RECT rc;
    GetWindowRect(dlg, &rc);
    EXPECT_NEAR((rc.left + rc.right) / 2, (area.left + area.right) / 2, 1) << (owner ? "owner" : "screen");
    EXPECT_NEAR((rc.top + rc.bottom) / 2, (area.top + area.bottom) / 2, 1) << (owner ? "owner" : "screen");
    DestroyWindow(dlg);
  }
}

// A 24-bit .bmp file image of one colour.
std::vector<BYTE> SolidBmp(int width, int height, COLORREF color) {
  int stride = (width * 3 + 3) & ~3;
  std::vector<BYTE> file(54 + static_cast<size_t>(stride) * height, 0);
  auto put32 = [&file](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      BYTE* px = &file[54 + static_cast<size_t>(y) * stride + x * 3];
      px[0] = GetBValue(color);
      px[1] = GetGValue(color);
      px[2] = GetRValue(color);
    }
  }
  return file;
}

TEST_F(DialogTest, BitmapStaticShowsItsResourceAtTheBitmapsSizeUnlessCentred) {
  static const std::vector<BYTE> bmp = SolidBmp(37, 21, RGB(10, 20, 250));
  win::RegisterBitmapResource(901, bmp.data(), bmp.size());
  static win::DialogTemplate tmpl = Template("Microsoft Sans Serif", 9, 200, 100,
                                             {Item("static", nullptr, 41, SS_BITMAP, 4, 3, 10, 10),
                                              Item("static", nullptr, 42, SS_BITMAP | SS_CENTERIMAGE, 60, 3, 40, 30)});
  tmpl.items[0].resourceId = 901;
  tmpl.items[1].resourceId = 901;
  HWND dlg = createDialog(620, tmpl);
  ASSERT_NE(dlg, nullptr);
  HWND sized = GetDlgItem(dlg, 41);
  HWND centred = GetDlgItem(dlg, 42);
  RECT rc;
  GetClientRect(sized, &rc);
  EXPECT_EQ(rc.right, 37);
  EXPECT_EQ(rc.bottom, 21);
  GetClientRect(centred, &rc);
  EXPECT_EQ(rc.right, Scale(40, 7, 4));
  EXPECT_EQ(rc.bottom, Scale(30, 15, 8));
  EXPECT_NE(SendMessage(sized, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
  EXPECT_EQ(PixelAt(sized, {36, 20}), RGB(10, 20, 250));
  EXPECT_EQ(PixelAt(centred, {rc.right / 2, rc.bottom / 2}), RGB(10, 20, 250));
}

TEST_F(DialogTest, BackgroundIsTheBrushTheDialogAnswersForItselfOrTheButtonFace) {
  static win::DialogTemplate tmpl = Template("Microsoft Sans Serif", 9, 100, 60, {});
  HWND dlg = createDialog(630, tmpl);
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(PixelAt(dlg, {5, 5}), GetSysColor(COLOR_BTNFACE));
  HBRUSH brush = CreateSolidBrush(RGB(90, 30, 200));
  TheLog().answerBrush = brush;
  InvalidateRect(dlg, nullptr, TRUE);
  EXPECT_EQ(PixelAt(dlg, {5, 5}), RGB(90, 30, 200));
  EXPECT_NE(std::find(TheLog().colorRequests.begin(), TheLog().colorRequests.end(), WM_CTLCOLORDLG),
            TheLog().colorRequests.end());
  TheLog().answerBrush = nullptr;
  DestroyWindow(dlg);
  DeleteObject(brush);
}

}  // namespace
}  // namespace dlgtest
