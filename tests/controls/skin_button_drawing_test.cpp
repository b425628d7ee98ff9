// The skin button's images, masks, placement and face, checked on the pixels of a real dialog.
#include "skin_button_fixture.h"

namespace skintest {
namespace {

TEST(SkinButtonMask, KeyPixelsBecomeMaskBitsAndTurnBlack) {
  struct Case {
    COLORREF key;
    COLORREF pixel;
    bool isKey;
  };
  const Case cases[] = {
      {kBlackKey, RGB(0, 0, 0), true},        {kBlackKey, RGB(1, 0, 0), false},
      {kBlackKey, RGB(0, 255, 0), false},     {kGreenKey, RGB(0, 255, 0), true},
      {kGreenKey, RGB(0, 254, 0), false},     {kGreenKey, RGB(0, 0, 0), false},
      {RGB(12, 34, 56), RGB(12, 34, 56), true}, {RGB(12, 34, 56), RGB(255, 255, 255), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << "key " << c.key << " pixel " << c.pixel);
    // The tested pixel in the middle of a 3 x 1 image between two pixels that are never the key.
    const COLORREF other = RGB(200, 100, 50);
    HBITMAP hImage = MakeImage(3, 1, [&](int x, int) { return x == 1 ? c.pixel : other; });
    HBITMAP hMask = CSkinButton::CreateKeyMask(hImage, 3, 1, c.key);
    ASSERT_NE(hMask, nullptr);
    BITMAP bm{};
    ASSERT_NE(::GetObject(hMask, sizeof(bm), &bm), 0);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    const COLORREF set = RGB(255, 255, 255);
    EXPECT_EQ(BitmapPixel(hMask, 1, 0) == set, c.isKey);
    EXPECT_NE(BitmapPixel(hMask, 0, 0), set);
    EXPECT_EQ(BitmapPixel(hImage, 1, 0), c.isKey ? RGB(0, 0, 0) : c.pixel);
    EXPECT_EQ(BitmapPixel(hImage, 0, 0), other);
    ::DeleteObject(hMask);
    ::DeleteObject(hImage);
  }
}

TEST_F(SkinButtonTest, KeyPixelLetsTheFaceShowAndOtherPixelsCoverIt) {
  // Normal image (key green): one green pixel and one black pixel, which is not this image's key.
  // Hot image (key black): one black pixel and one green pixel.
  auto image = [](COLORREF fill) {
    return MakeImage(20, 10, [fill](int x, int y) {
      if (x == 3 && y == 2) return RGB(0, 255, 0);
      if (x == 7 && y == 5) return RGB(0, 0, 0);
      return fill;
    });
  };
  ASSERT_EQ(m_a.AttachSkinBitmaps(image(kHotColour), kBlackKey, image(kNormalColour), kGreenKey), 0);
  Pump();
  const BYTE base = m_dialog.m_base;
  EXPECT_EQ(ButtonPixel(m_a, 10 + 3, 10 + 2), FaceAt(m_a, 13, 12, base));
  EXPECT_EQ(ButtonPixel(m_a, 10 + 7, 10 + 5), RGB(0, 0, 0));
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 20; ++x) {
      if ((x == 3 && y == 2) || (x == 7 && y == 5)) continue;
      ASSERT_EQ(ButtonPixel(m_a, 10 + x, 10 + y), kNormalColour) << x << "," << y;
    }
  }

  MoveTo(ScreenPoint(m_a, 2, 2));
  EXPECT_EQ(ButtonPixel(m_a, 10 + 3, 10 + 2), RGB(0, 255, 0));
  EXPECT_EQ(ButtonPixel(m_a, 10 + 7, 10 + 5), FaceAt(m_a, 17, 15, base));
  EXPECT_EQ(ButtonPixel(m_a, 10 + 8, 10 + 5), kHotColour);
}

TEST_F(SkinButtonTest, ImageIsCentredWithOddMarginsRightAndBottomAndClippedWhenLarger) {
  struct Case {
    int buttonCx, buttonCy, imageCx, imageCy;
    int left, top;  // where the image's top-left pixel lands in the button
  };
  const Case cases[] = {
      {40, 30, 20, 10, 10, 10},   // even margins
      {41, 31, 20, 10, 10, 10},   // odd leftover: one more pixel right and below
      {40, 30, 21, 11, 9, 9},     // odd leftover the other way round
      {40, 30, 50, 40, -5, -5},   // larger than the button: overhangs both sides
      {40, 30, 47, 10, -3, 10},   // odd overhang: one more pixel cut on the right
  };
  // Every image pixel carries its own coordinates, so the test sees which part lands where.
  auto coded = [](int x, int y) { return RGB(100 + x, 100 + y, 7); };
  const BYTE base = m_dialog.m_base;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.buttonCx << "x" << c.buttonCy << " image " << c.imageCx << "x"
                                    << c.imageCy);
    PlaceButton(m_a, 10, 10, c.buttonCx, c.buttonCy);
    ASSERT_EQ(m_a.AttachSkinBitmaps(MakeImage(c.imageCx, c.imageCy, coded), kBlackKey, nullptr, kGreenKey), 0);
    m_a.SetTransparent(FALSE);  // the cache has the size of the button it was captured for
    RepaintAll();
    for (int y = -1; y <= c.buttonCy; ++y) {
      for (int x = -1; x <= c.buttonCx; ++x) {
        const int ix = x - c.left;
        const int iy = y - c.top;
        const bool inButton = x >= 0 && y >= 0 && x < c.buttonCx && y < c.buttonCy;
        const bool inImage = ix >= 0 && iy >= 0 && ix < c.imageCx && iy < c.imageCy;
        const COLORREF expected = inButton && inImage ? coded(ix, iy) : FaceAt(m_a, x, y, base);
        ASSERT_EQ(ButtonPixel(m_a, x, y), expected) << "at " << x << "," << y;
      }
    }
  }
}

TEST_F(SkinButtonTest, LoadedImagesAndMissingResources) {
  struct Case {
    UINT hotId, normalId;
    Look cold, hot;
  };
  const Case cases[] = {
      {kHotBitmapId, kNormalBitmapId, Look::Normal, Look::Hot},
      {kMissingId, kNormalBitmapId, Look::Face, Look::Face},  // no hot image: no image at all
      {kHotBitmapId, kMissingId, Look::Hot, Look::Hot},       // no normal image: the hot one always
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "hot " << c.hotId << " normal " << c.normalId);
    EXPECT_EQ(m_a.LoadSkinBitmaps(c.hotId, kBlackKey, c.normalId, kGreenKey), 0);
    Pump();
    EXPECT_STREQ(LookName(LookOf(m_a)), LookName(c.cold));
    MoveTo(ScreenPoint(m_a, 2, 2));
    EXPECT_STREQ(LookName(LookOf(m_a)), LookName(c.hot));
    MoveTo(ScreenPoint(m_dialog, 150, 5));
  }
}

TEST_F(SkinButtonTest, AttachTakesOwnershipAndAFailureLeavesNoImage) {
  HBITMAP hFirstHot = SolidImage(20, 10, kHotColour);
  HBITMAP hFirstNormal = SolidImage(20, 10, kNormalColour);
  ASSERT_EQ(m_a.AttachSkinBitmaps(hFirstHot, kBlackKey, hFirstNormal, kGreenKey), 0);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "normal");

  // Not a bitmap: result 1, the earlier images are gone, and so is the normal handle handed over.
  HBITMAP hNotABitmap = reinterpret_cast<HBITMAP>(::CreateSolidBrush(RGB(1, 2, 3)));
  HBITMAP hNormal = SolidImage(20, 10, kNormalColour);
  EXPECT_EQ(m_a.AttachSkinBitmaps(hNotABitmap, kBlackKey, hNormal, kGreenKey), 1);
  EXPECT_EQ(::GetObjectType(hFirstHot), 0u);
  EXPECT_EQ(::GetObjectType(hFirstNormal), 0u);
  EXPECT_EQ(::GetObjectType(hNormal), 0u);
  m_a.Invalidate(TRUE);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "face");

  // No hot image: the normal handle is not used, and not leaked either.
  hNormal = SolidImage(20, 10, kNormalColour);
  EXPECT_EQ(m_a.AttachSkinBitmaps(nullptr, kBlackKey, hNormal, kGreenKey), 0);
  EXPECT_EQ(::GetObjectType(hNormal), 0u);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "face");
}

TEST_F(SkinButtonTest, FaceKeepsTheFirstCopyUntilTransparentAgainOrAColourChange) {
  struct Case {
    const char* name;
    std::function<void(CSkinButton&)> between;
    bool freshCopy;
  };
  const Case cases[] = {
      {"nothing", [](CSkinButton&) {}, false},
      {"SetTransparent(FALSE)", [](CSkinButton& b) { b.SetTransparent(FALSE); }, true},
      {"SetTransparent(TRUE)", [](CSkinButton& b) { b.SetTransparent(TRUE); }, true},
      {"system colour change",
       [](CSkinButton&) {
         const int element = COLOR_BTNFACE;
         const COLORREF colour = ::GetSysColor(COLOR_BTNFACE);
         ::SetSysColors(1, &element, &colour);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_dialog.m_base = 10;
    m_a.SetTransparent(FALSE);
    RepaintAll();
    ASSERT_EQ(ButtonPixel(m_a, 2, 2), FaceAt(m_a, 2, 2, 10));

    m_dialog.m_base = 200;
    // No pump in between: a button repainted before its parent would copy its own old pixels.
    c.between(m_a);
    RepaintAll();
    EXPECT_EQ(DialogPixel(5, 5), BackgroundAt(5, 5, 200));
    EXPECT_EQ(ButtonPixel(m_a, 2, 2), FaceAt(m_a, 2, 2, c.freshCopy ? 200 : 10));
    EXPECT_EQ(ButtonPixel(m_a, 15, 15), kNormalColour);
  }
}

TEST_F(SkinButtonTest, SolidFaceUntilTransparent) {
  CSkinButton solid;
  solid.SubclassDlgItem(kOtherButton, &m_dialog);
  solid.SetHotBorder(FALSE);
  solid.Invalidate(TRUE);
  Pump();
  EXPECT_EQ(ButtonPixel(solid, 1, 1), ::GetSysColor(COLOR_BTNFACE));
  solid.UnsubclassWindow();
}

}  // namespace
}  // namespace skintest
