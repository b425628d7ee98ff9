#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win/Resources.h"
#include "platform/win/commctrl.h"
#include "platform/win/winuser.h"
#include "res/HandCursor.h"
#include "res/ProgramResources.h"
#include "res/resource.h"

namespace {

// Reads the registered .bmp file directly, so these checks hold whatever the drawing layer does.
class BmpFile {
 public:
  explicit BmpFile(UINT id) {
    const BYTE* data = nullptr;
    size_t size = 0;
    registered_ = win::FindBitmapResource(id, &data, &size);
    if (!registered_ || size < 54 || data[0] != 'B' || data[1] != 'M') return;
    data_ = data;
    width_ = Read32(18);
    height_ = Read32(22);
    bits_ = Read16(28);
    const int bytesPerRow = ((width_ * bits_ + 31) / 32) * 4;
    const size_t pixelOffset = static_cast<size_t>(Read32(10));
    valid_ =
        Read32(30) == 0 && width_ > 0 && height_ > 0 && pixelOffset + size_t(bytesPerRow) * height_ <= size;
    stride_ = bytesPerRow;
    pixels_ = data + pixelOffset;
  }

  bool registered() const { return registered_; }
  bool valid() const { return valid_; }
  int width() const { return width_; }
  int height() const { return height_; }
  int bits() const { return bits_; }

  // Rows are stored bottom-up; (0, 0) is the top-left pixel. 24-bit only.
  COLORREF Pixel(int x, int y) const {
    const BYTE* p = pixels_ + size_t(height_ - 1 - y) * stride_ + size_t(x) * 3;
    return RGB(p[2], p[1], p[0]);
  }

  int CountPixels(COLORREF colour) const {
    int count = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) count += Pixel(x, y) == colour;
    return count;
  }

 private:
  int Read16(size_t at) const { return data_[at] | data_[at + 1] << 8; }
  int Read32(size_t at) const {
    return static_cast<int>(uint32_t(data_[at]) | uint32_t(data_[at + 1]) << 8 |
                            uint32_t(data_[at + 2]) << 16 | uint32_t(data_[at + 3]) << 24);
  }

  bool registered_ = false;
  bool valid_ = false;
  const BYTE* data_ = nullptr;
  const BYTE* pixels_ = nullptr;
  int width_ = 0, height_ = 0, bits_ = 0, stride_ = 0;
};

class ProgramResourcesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterProgramResources(); }

  static const win::DialogItemTemplate* FindItem(const win::DialogTemplate& tmpl, int id) {
    for (const auto& item : tmpl.items)
      if (item.id == id) return &item;
    return nullptr;
  }

  static std::vector<int> ItemIds(UINT dialogId) {
    std::vector<int> ids;
    if (const win::DialogTemplate* tmpl = win::FindDialogResource(dialogId))
      for (const auto& item : tmpl->items) ids.push_back(item.id);
    return ids;
  }
};

struct SkinPair {
  UINT normal, hot;
  int width, height;
};

// Every button image of both windows, with the size the buttons were laid out for.
constexpr SkinPair kSkinPairs[] = {
    {138, 139, 75, 21}, {142, 143, 75, 21}, {144, 145, 18, 18}, {146, 147, 18, 18}, {156, 157, 18, 18},
    {150, 151, 18, 18}, {152, 153, 18, 18}, {154, 155, 18, 18}, {158, 159, 62, 21}, {164, 165, 62, 21},
    {166, 167, 62, 21}, {170, 171, 30, 30}, {174, 175, 30, 30}, {184, 185, 62, 21},
};

void ExpectBitmap(const BmpFile& bmp, int width, int height) {
  ASSERT_TRUE(bmp.registered());
  ASSERT_TRUE(bmp.valid());
  EXPECT_EQ(bmp.width(), width);
  EXPECT_EQ(bmp.height(), height);
  EXPECT_EQ(bmp.bits(), 24);
}

// A key-coloured pixel would let the window's background show through the image.
TEST_F(ProgramResourcesTest, SkinImagesHaveTheirSizeAndNoPixelOfTheirKeyColour) {
  for (const SkinPair& pair : kSkinPairs) {
    SCOPED_TRACE("bitmaps " + std::to_string(pair.normal) + "/" + std::to_string(pair.hot));
    const BmpFile normal(pair.normal), hot(pair.hot);
    ExpectBitmap(normal, pair.width, pair.height);
    ExpectBitmap(hot, pair.width, pair.height);
    if (normal.valid()) {
      EXPECT_EQ(normal.CountPixels(RGB(0, 255, 0)), 0);
    }
    if (hot.valid()) {
      EXPECT_EQ(hot.CountPixels(RGB(0, 0, 0)), 0);
    }
  }
}

TEST_F(ProgramResourcesTest, BackgroundsAndPictureHaveTheirWindowSizes) {
  struct Case {
    UINT id;
    int width, height;
  };
  for (const Case& c : {Case{IDB_MAIN_BACKGROUND, 716, 392}, Case{IDB_NO_VIDEO, 371, 281},
                        Case{IDB_PROGRESS_BACKGROUND, 378, 132}}) {
    SCOPED_TRACE("bitmap " + std::to_string(c.id));
    ExpectBitmap(BmpFile(c.id), c.width, c.height);
  }
}

// The labels and radio buttons of the output format box draw black text straight onto the skin.
TEST_F(ProgramResourcesTest, OutputFormatTextSitsOnALightPartOfTheBackground) {
  const BmpFile background(IDB_MAIN_BACKGROUND);
  ASSERT_TRUE(background.valid());
  const win::DialogTemplate* tmpl = win::FindDialogResource(IDD_MAIN_DIALOG);
  ASSERT_NE(tmpl, nullptr);
  auto toPixels = [](int units, int base, int divisor) { return (units * base + divisor / 2) / divisor; };
  for (int id : {IDC_FORMAT_MP3, IDC_MONO, IDC_STEREO, IDC_CHANNELS_LABEL, IDC_BIT_RATE_LABEL,
                 IDC_SAMPLE_RATE_LABEL}) {
    SCOPED_TRACE("control " + std::to_string(id));
    const win::DialogItemTemplate* item = FindItem(*tmpl, id);
    ASSERT_NE(item, nullptr);
    const int left = toPixels(item->x, 7, 4), top = toPixels(item->y, 15, 8);
    const int right = left + toPixels(item->cx, 7, 4), bottom = top + toPixels(item->cy, 15, 8);
    ASSERT_LE(right, background.width());
    ASSERT_LE(bottom, background.height());
    int darkest = 255;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const COLORREF c = background.Pixel(x, y);
        darkest = std::min(darkest, (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000);
      }
    }
    EXPECT_GE(darkest, 200);
  }
}

TEST_F(ProgramResourcesTest, TemplatesHoldTheirControlsInTabOrder) {
  EXPECT_EQ(ItemIds(IDD_ABOUTBOX), std::vector<int>{IDC_STATIC});
  EXPECT_EQ(ItemIds(IDD_PROGRESS), (std::vector<int>{1039, 1024, 1040}));
  const std::vector<int> mainIds = {1000, -1,   1001, 1006, -1,   1003, 1004, 1005, -1,   -1,   -1,
                                    1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016, -1,
                                    1017, 1036, 1018, 1019, 1037, 1038, 1021, 1022, 1023, 1034, 1035};
  EXPECT_EQ(ItemIds(IDD_MAIN_DIALOG), mainIds);
}

TEST_F(ProgramResourcesTest, WindowStylesAreThoseTheWindowsWereDesignedWith) {
  struct Case {
    UINT id;
    DWORD style, exStyle;
    short cx, cy;
  };
  for (const Case& c :
       {Case{IDD_ABOUTBOX, 0x80C800C0, 0, 235, 55}, Case{IDD_MAIN_DIALOG, 0x90C800C0, 0x00040000, 423, 215},
        Case{IDD_PROGRESS, 0x800000C0, 0, 189, 66}}) {
    SCOPED_TRACE("template " + std::to_string(c.id));
    const win::DialogTemplate* tmpl = win::FindDialogResource(c.id);
    ASSERT_NE(tmpl, nullptr);
    EXPECT_EQ(tmpl->style, c.style);
    EXPECT_EQ(tmpl->exStyle, c.exStyle);
    EXPECT_EQ(tmpl->cx, c.cx);
    EXPECT_EQ(tmpl->cy, c.cy);
  }
}

// The windows turn every push button into a skin button: the caption is in the image.
TEST_F(ProgramResourcesTest, PushButtonsAreCaptionlessAndTabStops) {
  for (UINT dialogId : {IDD_MAIN_DIALOG, IDD_PROGRESS}) {
    const win::DialogTemplate* tmpl = win::FindDialogResource(dialogId);
    ASSERT_NE(tmpl, nullptr);
    int pushButtons = 0;
    for (const auto& item : tmpl->items) {
      if (std::strcmp(item.className, "button") != 0 || (item.style & BS_TYPEMASK) != BS_PUSHBUTTON) continue;
      SCOPED_TRACE("control " + std::to_string(item.id));
      ++pushButtons;
      EXPECT_STREQ(item.text, "");
      EXPECT_TRUE(item.style & WS_TABSTOP);
      EXPECT_TRUE(item.style & WS_VISIBLE);
    }
    EXPECT_EQ(pushButtons, dialogId == IDD_MAIN_DIALOG ? 13 : 2);
  }
}

// The lists sort their items, so the order added decides nothing the user sees; the windows select
// by index in the sorted list, which only comes out right from the full set of texts.
TEST_F(ProgramResourcesTest, ChoiceListsAddTheirItemsInOrderAndSort) {
  const win::DialogTemplate* tmpl = win::FindDialogResource(IDD_MAIN_DIALOG);
  ASSERT_NE(tmpl, nullptr);
  const win::DialogItemTemplate* bitRate = FindItem(*tmpl, IDC_BIT_RATE);
  const win::DialogItemTemplate* sampleRate = FindItem(*tmpl, IDC_SAMPLE_RATE);
  ASSERT_NE(bitRate, nullptr);
  ASSERT_NE(sampleRate, nullptr);
  auto texts = [](const win::DialogItemTemplate* item) {
    return std::vector<std::string>(item->initStrings.begin(), item->initStrings.end());
  };
  EXPECT_EQ(texts(bitRate),
            (std::vector<std::string>{"320", "256", "224", "192", "160", "128", "112", "96", "80", "64"}));
  EXPECT_EQ(texts(sampleRate), (std::vector<std::string>{"48", "44.1", "32", "24", "22.05", "16"}));
  for (const auto* item : {bitRate, sampleRate}) {
    EXPECT_STREQ(item->className, "combobox");
    EXPECT_EQ(item->style & 0x3, DWORD(CBS_DROPDOWNLIST));
    EXPECT_TRUE(item->style & CBS_SORT);
  }
}

TEST_F(ProgramResourcesTest, ImagesNamedByTemplatesAreRegistered) {
  const win::DialogTemplate* mainTemplate = win::FindDialogResource(IDD_MAIN_DIALOG);
  const win::DialogTemplate* aboutTemplate = win::FindDialogResource(IDD_ABOUTBOX);
  ASSERT_NE(mainTemplate, nullptr);
  ASSERT_NE(aboutTemplate, nullptr);
  const win::DialogItemTemplate* picture = FindItem(*mainTemplate, IDC_VIDEO_PICTURE);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->style & SS_TYPEMASK, DWORD(SS_BITMAP));
  EXPECT_EQ(picture->resourceId, IDB_NO_VIDEO);
  ASSERT_EQ(aboutTemplate->items.size(), 1u);
  EXPECT_EQ(aboutTemplate->items[0].style & SS_TYPEMASK, DWORD(SS_ICON));
  EXPECT_EQ(aboutTemplate->items[0].resourceId, IDR_MAINFRAME);
}

// The About box's caption names the same thing as the system-menu item that opens it.
TEST_F(ProgramResourcesTest, AboutItemTextMatchesTheAboutBoxCaption) {
  const char* item = win::FindStringResource(IDS_ABOUTBOX);
  const win::DialogTemplate* about = win::FindDialogResource(IDD_ABOUTBOX);
  ASSERT_NE(item, nullptr);
  ASSERT_NE(about, nullptr);
  ASSERT_STRNE(about->caption, "");
  EXPECT_EQ(std::string(item).find(about->caption), 0u);
}

TEST(HandCursorTest, RowsCoverTheCursorAndTheHotSpotIsOnTheHand) {
  const char* const* rows = HandCursorRows();
  for (int y = 0; y < kHandCursorSize; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    ASSERT_EQ(std::strlen(rows[y]), size_t(kHandCursorSize));
    EXPECT_EQ(std::strspn(rows[y], "#o."), size_t(kHandCursorSize));
  }
  EXPECT_NE(rows[kHandCursorHotY][kHandCursorHotX], '.');
}

}  // namespace
