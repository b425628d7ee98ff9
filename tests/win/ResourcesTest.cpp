#include <cstring>
#include <string>
#include <vector>

#include "WinTestSupport.h"
#include "platform/win/Resources.h"

using namespace wintest;

namespace {

class ResourcesTest : public WinTest {};

// A .bmp file image: 24-bit (black is transparent for icons) or 32-bit with alpha, bottom-up rows.
std::vector<BYTE> MakeBmp(int width, int height, int bits, const std::vector<uint32_t>& argbTopDown) {
  int stride = ((width * bits + 31) / 32) * 4;
  std::vector<BYTE> file(54 + static_cast<size_t>(stride) * height, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<BYTE>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  file[26] = 1;
  file[28] = static_cast<BYTE>(bits);
  for (int y = 0; y < height; ++y) {
    BYTE* row = file.data() + 54 + static_cast<size_t>(stride) * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      uint32_t p = argbTopDown[static_cast<size_t>(y) * width + x];
      BYTE* px = row + x * (bits / 8);
      px[0] = static_cast<BYTE>(p);
      px[1] = static_cast<BYTE>(p >> 8);
      px[2] = static_cast<BYTE>(p >> 16);
      if (bits == 32) px[3] = static_cast<BYTE>(p >> 24);
    }
  }
  return file;
}

// Draws `icon` at (0, 0) of a 4x4 window filled with grey and returns the pixels of its first row.
std::vector<COLORREF> DrawnRow(HWND w, HICON icon, int size) {
  HDC hdc = GetDC(w);
  RECT rc{0, 0, 4, 4};
  HBRUSH grey = CreateSolidBrush(RGB(100, 100, 100));
  FillRect(hdc, &rc, grey);
  DeleteObject(grey);
  EXPECT_TRUE(DrawIconEx(hdc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
  std::vector<COLORREF> row;
  for (int x = 0; x < size; ++x) row.push_back(GetPixel(hdc, x, 0));
  ReleaseDC(w, hdc);
  return row;
}

TEST_F(ResourcesTest, IconsKeepTransparencyAndBlendAlpha) {
  HWND w = top(0, 0, 10, 10, WS_POPUP | WS_VISIBLE);
  static const std::vector<BYTE> plain = MakeBmp(2, 2, 24, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF});
  static const std::vector<BYTE> alpha = MakeBmp(2, 2, 32, {0x00FFFFFF, 0x80FFFFFF, 0xFF0000FF, 0xFF0000FF});
  win::RegisterIconResource(9001, {{plain.data(), plain.size()}});
  win::RegisterIconResource(9002, {{alpha.data(), alpha.size()}});
  EXPECT_EQ(DrawnRow(w, LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(9001)), 2),
            (std::vector<COLORREF>{RGB(100, 100, 100), RGB(255, 0, 0)}));
  EXPECT_EQ(DrawnRow(w, LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(9002)), 2),
            (std::vector<COLORREF>{RGB(100, 100, 100), RGB(178, 178, 178)}));
}

TEST_F(ResourcesTest, CursorsFromRowsAndSystemCursorsAreSharedHandles) {
  static const char* const rows[] = {"#o.", "...", "..."};
  win::RegisterCursorResource(9100, 3, 3, 1, 1, rows);
  HCURSOR own = LoadCursor(GetModuleHandle(nullptr), MAKEINTRESOURCE(9100));
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own, LoadCursor(GetModuleHandle(nullptr), MAKEINTRESOURCE(9100)));
  EXPECT_FALSE(DestroyCursor(own));  // shared: never freed
  for (LPCSTR id : {IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_HAND}) EXPECT_NE(LoadCursor(nullptr, id), nullptr);
  EXPECT_NE(LoadCursor(nullptr, IDC_ARROW), LoadCursor(nullptr, IDC_HAND));
  EXPECT_EQ(LoadCursor(GetModuleHandle(nullptr), MAKEINTRESOURCE(9199)), nullptr);

  HWND w = top(0, 0, 10, 10, WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(DrawnRow(w, own, 3), (std::vector<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255), RGB(100, 100, 100)}));

  HANDLE owned = LoadImage(GetModuleHandle(nullptr), MAKEINTRESOURCE(9100), IMAGE_CURSOR, 0, 0, 0);
  ASSERT_NE(owned, nullptr);
  EXPECT_NE(owned, own);
  EXPECT_TRUE(DestroyCursor(static_cast<HCURSOR>(owned)));
  EXPECT_FALSE(DestroyCursor(static_cast<HCURSOR>(owned)));  // a second destroy is refused, not a crash
}

TEST_F(ResourcesTest, StringsAreCutAtCharacterBoundaries) {
  win::RegisterStringResource(9200, "Gr\xC3\xBC\xC3\x9F" "e");  // "Grüße"
  char buf[16];
  EXPECT_EQ(LoadString(nullptr, 9200, buf, sizeof buf), 7);
  EXPECT_STREQ(buf, "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(LoadString(nullptr, 9200, buf, 4), 2);  // "Gr" and not half of the "ü"
  EXPECT_STREQ(buf, "Gr");
  EXPECT_EQ(LoadString(nullptr, 9299, buf, sizeof buf), 0);
}

TEST_F(ResourcesTest, BitmapsLoadFromTheTable) {
  static const std::vector<BYTE> bmp = MakeBmp(3, 2, 24, {0, 0, 0, 0, 0, 0});
  win::RegisterBitmapResource(9300, bmp.data(), bmp.size());
  HBITMAP loaded = LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(9300));
  ASSERT_NE(loaded, nullptr);
  BITMAP info{};
  GetObject(loaded, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  DeleteObject(loaded);
  EXPECT_EQ(LoadBitmap(nullptr, MAKEINTRESOURCE(9399)), nullptr);
}

TEST_F(ResourcesTest, ModuleFileNameIsThisProgram) {
  char path[4096];
  DWORD n = GetModuleFileName(nullptr, path, sizeof path);
  ASSERT_GT(n, 0u);
  EXPECT_NE(std::string(path).find("test_win"), std::string::npos);
  char tiny[5];
  EXPECT_EQ(GetModuleFileName(nullptr, tiny, sizeof tiny), static_cast<DWORD>(sizeof tiny));
  EXPECT_EQ(std::strlen(tiny), 4u);
}

}  // namespace
