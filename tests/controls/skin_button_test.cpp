// The skin button in a small dialog on the headless desktop: real mouse input, pixels read back from
// the dialog's surface, click notifications counted by the dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "controls/CSkinButton.h"
#include "platform/win/Desktop.h"
#include "platform/win/Resources.h"

namespace {

constexpr UINT kDialogId = 61000;
constexpr int kButtonA = 1001;
constexpr int kButtonB = 1002;
constexpr int kOtherButton = 1003;
constexpr UINT kHotBitmapId = 61001;
constexpr UINT kNormalBitmapId = 61002;
constexpr UINT kMissingId = 61099;
constexpr UINT kCursorId = 61010;

constexpr COLORREF kHotColour = RGB(255, 0, 0);
constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kBlackKey = RGB(0, 0, 0);
constexpr COLORREF kGreenKey = RGB(0, 255, 0);

// The dialog's background varies with the position, so a face copied from the wrong place shows.
COLORREF BackgroundAt(int x, int y, BYTE base) { return RGB(base, (x * 3) & 0xFF, (y * 5) & 0xFF); }

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(kDialogId, nullptr) {}

  BYTE m_base = 10;
  int m_clicks[3] = {0, 0, 0};
  int m_doubleClicks = 0;

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    for (int y = rc.top; y < rc.bottom; ++y) {
      for (int x = rc.left; x < rc.right; ++x) pDC->SetPixel(x, y, BackgroundAt(x, y, m_base));
    }
    return TRUE;
  }
  afx_msg void OnClickedA() { ++m_clicks[0]; }
  afx_msg void OnClickedB() { ++m_clicks[1]; }
  afx_msg void OnDoubleClickedA() { ++m_doubleClicks; }
  void OnOK() override {}
  void OnCancel() override {}
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
  ON_WM_ERASEBKGND()
  ON_BN_CLICKED(kButtonA, &TestDialog::OnClickedA)
  ON_BN_CLICKED(kButtonB, &TestDialog::OnClickedB)
  ON_BN_DOUBLECLICKED(kButtonA, &TestDialog::OnDoubleClickedA)
END_MESSAGE_MAP()

const win::DialogTemplate& DialogTemplate() {
  static const win::DialogTemplate tmpl = [] {
    win::DialogTemplate t{};
    t.style = WS_POPUP | WS_VISIBLE;
    t.x = 0;
    t.y = 0;
    t.cx = 200;
    t.cy = 100;
    t.caption = "";
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    t.items = {{"button", "", 0, kButtonA, buttonStyle, 0, 5, 5, 20, 10, {}},
               {"button", "", 0, kButtonB, buttonStyle, 0, 30, 5, 20, 10, {}},
               {"button", "other", 0, kOtherButton, buttonStyle, 0, 60, 5, 20, 10, {}}};
    return t;
  }();
  return tmpl;
}

// A device-dependent bitmap whose pixels come from `colour(x, y)`.
HBITMAP MakeImage(int cx, int cy, const std::function<COLORREF(int, int)>& colour) {
  HBITMAP hBitmap = ::CreateBitmap(cx, cy, 1, 32, nullptr);
  HDC hMem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x) ::SetPixel(hMem, x, y, colour(x, y));
  }
  ::SelectObject(hMem, hOld);
  ::DeleteDC(hMem);
  return hBitmap;
}

HBITMAP SolidImage(int cx, int cy, COLORREF colour) {
  return MakeImage(cx, cy, [colour](int, int) { return colour; });
}

COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y) {
  HDC hMem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
  COLORREF c = ::GetPixel(hMem, x, y);
  ::SelectObject(hMem, hOld);
  ::DeleteDC(hMem);
  return c;
}

// A 24-bit .bmp file image of one colour, as the program's resources hold them.
std::vector<BYTE> SolidBmpFile(int cx, int cy, COLORREF colour) {
  const int rowBytes = (cx * 3 + 3) & ~3;
  const int dataOffset = 14 + 40;
  std::vector<BYTE> file(dataOffset + rowBytes * cy, 0);
  auto put32 = [&file](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<BYTE>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, dataOffset);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(cx));
  put32(22, static_cast<uint32_t>(cy));
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < cy; ++y) {
    for (int x = 0; x < cx; ++x) {
      BYTE* p = &file[dataOffset + y * rowBytes + x * 3];
      p[0] = GetBValue(colour);
      p[1] = GetGValue(colour);
      p[2] = GetRValue(colour);
    }
  }
  return file;
}

void RegisterTestResources() {
  static bool done = false;
  if (done) return;
  done = true;
  win::RegisterDialogResource(kDialogId, &DialogTemplate());
  static const std::vector<BYTE> hot = SolidBmpFile(20, 10, kHotColour);
  static const std::vector<BYTE> normal = SolidBmpFile(20, 10, kNormalColour);
  win::RegisterBitmapResource(kHotBitmapId, hot.data(), hot.size());
  win::RegisterBitmapResource(kNormalBitmapId, normal.data(), normal.size());
  static const char* const rows[] = {"##..", "#o#.", "#oo#", "####"};
  win::RegisterCursorResource(kCursorId, 4, 4, 0, 0, rows);
}

// Runs every pending message the way the program's own loop does, pre-translation included.
void Pump() {
  MSG msg;
  while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!AfxPreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessage(&msg);
    }
  }
  win::PumpPendingMessages();
}

enum class Look { Face, Normal, Hot, Pressed, Other };

const char* LookName(Look look) {
  switch (look) {
    case Look::Face: return "face";
    case Look::Normal: return "normal";
    case Look::Hot: return "hot";
    case Look::Pressed: return "pressed";
    case Look::Other: break;
  }
  return "other";
}

class SkinButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestResources();
    win::DesktopActivateApp(true);
    ASSERT_TRUE(m_dialog.Create(kDialogId, nullptr));
    m_a.SubclassDlgItem(kButtonA, &m_dialog);
    m_b.SubclassDlgItem(kButtonB, &m_dialog);
    // Pixel positions, independent of the dialog units.
    PlaceButton(m_a, 10, 10, 40, 30);
    PlaceButton(m_b, 50, 10, 40, 30);
    PlaceButton(*m_dialog.GetDlgItem(kOtherButton), 120, 60, 40, 20);
    // The order the program's windows use: images, border, then the parent copy.
    for (CSkinButton* button : {&m_a, &m_b}) {
      button->AttachSkinBitmaps(SolidImage(20, 10, kHotColour), kBlackKey, SolidImage(20, 10, kNormalColour),
                                kGreenKey);
      button->SetHotBorder(FALSE);
      button->SetTransparent(TRUE);
    }
    ::SetActiveWindow(m_dialog.m_hWnd);
    Pump();
  }

  void TearDown() override {
    ::ReleaseCapture();
    m_dialog.DestroyWindow();
    Pump();
    win::DesktopActivateApp(true);
  }

  static void PlaceButton(CWnd& button, int x, int y, int cx, int cy) {
    button.MoveWindow(x, y, cx, cy, TRUE);
  }

  // Repaints the dialog and then its children, as the desktop does when the dialog is uncovered.
  void RepaintAll() {
    m_dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    Pump();
  }

  // The button's rectangle in the dialog's client coordinates.
  CRect RectOf(CWnd& button) {
    CRect rc;
    button.GetWindowRect(&rc);
    m_dialog.ScreenToClient(&rc);
    return rc;
  }

  COLORREF DialogPixel(int x, int y) {
    HDC hdc = ::GetDC(m_dialog.m_hWnd);
    COLORREF c = ::GetPixel(hdc, x, y);
    ::ReleaseDC(m_dialog.m_hWnd, hdc);
    return c;
  }

  // A pixel of the button, (x, y) in its client coordinates.
  COLORREF ButtonPixel(CWnd& button, int x, int y) {
    CRect rc = RectOf(button);
    return DialogPixel(rc.left + x, rc.top + y);
  }

  COLORREF FaceAt(CWnd& button, int x, int y, BYTE base) {
    CRect rc = RectOf(button);
    return BackgroundAt(rc.left + x, rc.top + y, base);
  }

  // What a 40 x 30 button with a 20 x 10 image shows: the image's top-left corner is at (10, 10),
  // or (11, 11) pressed, and the corners of the button keep the face.
  Look LookOf(CWnd& button) {
    const BYTE base = m_dialog.m_base;
    if (ButtonPixel(button, 0, 0) != FaceAt(button, 0, 0, base) ||
        ButtonPixel(button, 39, 29) != FaceAt(button, 39, 29, base)) {
      return Look::Other;
    }
    const COLORREF corner = ButtonPixel(button, 10, 10);
    if (corner == kHotColour) return Look::Hot;
    if (corner == kNormalColour) return Look::Normal;
    if (corner != FaceAt(button, 10, 10, base)) return Look::Other;
    if (ButtonPixel(button, 11, 11) == kHotColour && ButtonPixel(button, 30, 20) == kHotColour) {
      return Look::Pressed;
    }
    return ButtonPixel(button, 20, 15) == FaceAt(button, 20, 15, base) ? Look::Face : Look::Other;
  }

  POINT ScreenPoint(CWnd& window, int x, int y) {
    POINT pt{x, y};
    window.ClientToScreen(&pt);
    return pt;
  }

  void MoveTo(POINT screen) {
    win::DesktopMouseMove(screen);
    Pump();
  }
  void LeftButton(bool down, POINT screen) {
    win::DesktopMouseButton(win::MouseButton::Left, down, screen);
    Pump();
  }

  TestDialog m_dialog;
  CSkinButton m_a;
  CSkinButton m_b;
};

// ---- Images, masks and placement ----

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
    const COLORREF other = c.key == RGB(200, 100, 50) ? RGB(50, 100, 200) : RGB(200, 100, 50);
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

// ---- Hover, press and focus ----

enum class Act { Move, Down, Up, FocusAway, Disable, Deactivate };
enum class Spot { A, AEdge, B, Off };
enum class Holder { None, A, B };

struct Step {
  Act act;
  Spot spot;
  Look a;
  Look b;
  Holder capture;
};

class SkinButtonHoverTest : public SkinButtonTest {
 protected:
  POINT PointAt(Spot spot) {
    switch (spot) {
      case Spot::A: return ScreenPoint(m_a, 20, 15);
      case Spot::AEdge: return ScreenPoint(m_a, 39, 29);
      case Spot::B: return ScreenPoint(m_b, 3, 3);
      case Spot::Off: break;
    }
    return ScreenPoint(m_dialog, 150, 5);
  }

  void Run(const std::vector<Step>& steps) {
    int index = 0;
    for (const Step& step : steps) {
      SCOPED_TRACE(testing::Message() << "step " << index++);
      const POINT pt = PointAt(step.spot);
      switch (step.act) {
        case Act::Move: MoveTo(pt); break;
        case Act::Down: LeftButton(true, pt); break;
        case Act::Up: LeftButton(false, pt); break;
        case Act::FocusAway: m_dialog.GetDlgItem(kOtherButton)->SetFocus(); break;
        case Act::Disable: m_a.EnableWindow(FALSE); break;
        case Act::Deactivate: win::DesktopActivateApp(false); break;
      }
      Pump();
      EXPECT_STREQ(LookName(LookOf(m_a)), LookName(step.a));
      EXPECT_STREQ(LookName(LookOf(m_b)), LookName(step.b));
      const HWND expected = step.capture == Holder::A ? m_a.m_hWnd : step.capture == Holder::B ? m_b.m_hWnd : nullptr;
      EXPECT_EQ(::GetCapture(), expected);
    }
  }
};

using L = Look;
using H = Holder;

TEST_F(SkinButtonHoverTest, EnterMoveAndLeave) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Move, Spot::AEdge, L::Hot, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::None}});
}

TEST_F(SkinButtonHoverTest, StraightOntoTheNeighbour) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Move, Spot::B, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::B, L::Normal, L::Hot, H::B}});
}

TEST_F(SkinButtonHoverTest, ClickLeavesTheButtonHotWithoutCapture) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Down, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Up, Spot::A, L::Hot, L::Normal, H::None},
       {Act::Move, Spot::A, L::Hot, L::Normal, H::A}});
  EXPECT_EQ(m_dialog.m_clicks[0], 1);
}

TEST_F(SkinButtonHoverTest, PressDraggedOffTurnsColdAndKeepsTheCapture) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Down, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::A},
       {Act::Move, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Up, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Hot, L::Normal, H::A}});
  EXPECT_EQ(m_dialog.m_clicks[0], 1);
}

TEST_F(SkinButtonHoverTest, PressReleasedOffTheButtonIsNoClick) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Down, Spot::A, L::Pressed, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::A},
       {Act::Up, Spot::Off, L::Normal, L::Normal, H::None}});
  EXPECT_EQ(m_dialog.m_clicks[0], 0);
}

TEST_F(SkinButtonHoverTest, DragStartedElsewhereDoesNotLightTheButton) {
  Run({{Act::Down, Spot::Off, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Up, Spot::A, L::Normal, L::Normal, H::None}});
  EXPECT_EQ(m_dialog.m_clicks[0], 0);
}

TEST_F(SkinButtonHoverTest, FocusLostWhileHotTurnsColdUntilThePointerComesBack) {
  m_a.SetFocus();
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::FocusAway, Spot::A, L::Normal, L::Normal, H::A},
       {Act::Move, Spot::AEdge, L::Normal, L::Normal, H::A},
       {Act::Move, Spot::Off, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Hot, L::Normal, H::A}});
}

TEST_F(SkinButtonHoverTest, DisablingAHotButtonShowsTheNormalImageAtOnce) {
  Run({{Act::Move, Spot::A, L::Hot, L::Normal, H::A},
       {Act::Disable, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::AEdge, L::Normal, L::Normal, H::None}});
}

TEST_F(SkinButtonHoverTest, InactiveApplicationGetsNoHotState) {
  Run({{Act::Deactivate, Spot::Off, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::A, L::Normal, L::Normal, H::None},
       {Act::Move, Spot::AEdge, L::Normal, L::Normal, H::None}});
}

TEST_F(SkinButtonHoverTest, HotBorderIsRaisedWhileHotAndSunkenWhilePressed) {
  m_a.SetHotBorder(TRUE);
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF faceTopLeft = FaceAt(m_a, 0, 0, m_dialog.m_base);
  const COLORREF faceBottomRight = FaceAt(m_a, 39, 29, m_dialog.m_base);
  struct Case {
    Act act;
    Spot spot;
    COLORREF topLeft, bottomRight;
  };
  const Case cases[] = {
      {Act::Move, Spot::A, light, shadow},
      {Act::Down, Spot::A, shadow, light},
      {Act::Up, Spot::A, light, shadow},
      {Act::Move, Spot::A, light, shadow},
      {Act::Move, Spot::Off, faceTopLeft, faceBottomRight},
  };
  for (const Case& c : cases) {
    if (c.act == Act::Move) MoveTo(PointAt(c.spot));
    if (c.act == Act::Down || c.act == Act::Up) LeftButton(c.act == Act::Down, PointAt(c.spot));
    EXPECT_EQ(ButtonPixel(m_a, 0, 0), c.topLeft);
    EXPECT_EQ(ButtonPixel(m_a, 39, 29), c.bottomRight);
  }
}

TEST_F(SkinButtonTest, DoubleClickGivesTwoClickNotifications) {
  const POINT pt = ScreenPoint(m_a, 20, 15);
  MoveTo(pt);
  for (int press = 0; press < 2; ++press) {
    LeftButton(true, pt);
    win::DesktopAdvanceClock(50);
    LeftButton(false, pt);
    win::DesktopAdvanceClock(50);
  }
  EXPECT_EQ(m_dialog.m_clicks[0], 2);
  EXPECT_EQ(m_dialog.m_doubleClicks, 0);
}

TEST_F(SkinButtonTest, SpaceKeyPressShowsThePressedImage) {
  m_a.SetFocus();
  win::DesktopKey(VK_SPACE, true);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "pressed");
  win::DesktopKey(VK_SPACE, false);
  Pump();
  EXPECT_STREQ(LookName(LookOf(m_a)), "normal");
  EXPECT_EQ(m_dialog.m_clicks[0], 1);
}

TEST_F(SkinButtonTest, ButtonAnswersItsControlColourWithTheHollowBrush) {
  HDC hdc = ::GetDC(m_a.m_hWnd);
  const LRESULT brush = m_dialog.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                                             reinterpret_cast<LPARAM>(m_a.m_hWnd));
  ::ReleaseDC(m_a.m_hWnd, hdc);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
}

// ---- Cursor and tooltip ----

TEST_F(SkinButtonTest, HoverCursor) {
  struct Case {
    UINT secondId;
    BOOL result;
    bool hand;
  };
  const Case cases[] = {{kCursorId, TRUE, true}, {0, TRUE, false}, {kMissingId, FALSE, false}};
  const HCURSOR arrow = ::LoadCursor(nullptr, IDC_ARROW);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "cursor " << c.secondId);
    ASSERT_TRUE(m_a.SetHoverCursor(kCursorId));
    EXPECT_EQ(m_a.SetHoverCursor(c.secondId), c.result);
    MoveTo(ScreenPoint(m_a, 20, 15));
    const HCURSOR shown = ::GetCursor();
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(shown != arrow, c.hand);
    // The move that leaves the button still goes to it through the capture; the next one asks the
    // dialog for its cursor.
    MoveTo(ScreenPoint(m_dialog, 150, 5));
    MoveTo(ScreenPoint(m_dialog, 151, 5));
    EXPECT_EQ(::GetCursor(), arrow);
  }
}

// The tooltip window that holds tool 1 of `button`, if any.
HWND TipOf(HWND button) {
  for (HWND h = ::GetTopWindow(nullptr); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
    char cls[64] = {};
    ::GetClassName(h, cls, sizeof(cls));
    TOOLINFO ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = button;
    ti.uId = 1;
    if (std::strcmp(cls, TOOLTIPS_CLASS) == 0 && ::SendMessage(h, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ti))) {
      return h;
    }
  }
  return nullptr;
}

bool TipVisible(HWND button) {
  HWND tip = TipOf(button);
  return tip != nullptr && ::IsWindowVisible(tip);
}

TEST_F(SkinButtonTest, TipShowsAfterTheDelayOnlyWhileTheApplicationIsActive) {
  m_a.SetTipText("Play", TRUE);
  ASSERT_NE(TipOf(m_a.m_hWnd), nullptr);
  EXPECT_EQ(::SendMessage(TipOf(m_a.m_hWnd), TTM_GETMAXTIPWIDTH, 0, 0), 400);
  for (bool active : {true, false}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    win::DesktopActivateApp(active);
    MoveTo(ScreenPoint(m_a, 20, 15));
    MoveTo(ScreenPoint(m_a, 21, 15));
    win::DesktopAdvanceClock(1000);
    Pump();
    EXPECT_EQ(TipVisible(m_a.m_hWnd), active);
    EXPECT_STREQ(LookName(LookOf(m_a)), active ? "hot" : "normal");
    MoveTo(ScreenPoint(m_dialog, 150, 5));
    win::DesktopAdvanceClock(1000);
    Pump();
  }
}

TEST_F(SkinButtonTest, SecondTipTextKeepsTheFirstRectangle) {
  m_a.SetTipText("first", TRUE);
  PlaceButton(m_a, 10, 10, 80, 30);
  m_a.SetTipText("second", FALSE);
  m_a.SetTipText(nullptr, TRUE);  // ignored: the tip stays inactive
  MoveTo(ScreenPoint(m_a, 20, 15));
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_FALSE(TipVisible(m_a.m_hWnd));
  MoveTo(ScreenPoint(m_dialog, 150, 5));

  m_a.SetTipText("second", TRUE);
  MoveTo(ScreenPoint(m_a, 60, 15));  // inside the button, outside the registered rectangle
  MoveTo(ScreenPoint(m_a, 61, 15));
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_FALSE(TipVisible(m_a.m_hWnd));
  MoveTo(ScreenPoint(m_a, 20, 15));
  win::DesktopAdvanceClock(1000);
  Pump();
  EXPECT_TRUE(TipVisible(m_a.m_hWnd));
  HWND tip = TipOf(m_a.m_hWnd);
  ASSERT_NE(tip, nullptr);

  char text[80] = {};
  TOOLINFO ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = m_a.m_hWnd;
  ti.uId = 1;
  ti.lpszText = text;
  ASSERT_TRUE(::SendMessage(tip, TTM_GETTOOLINFO, 0, reinterpret_cast<LPARAM>(&ti)));
  EXPECT_EQ(ti.rect.right - ti.rect.left, 40);
  EXPECT_EQ(ti.rect.bottom - ti.rect.top, 30);
  ::SendMessage(tip, TTM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(&ti));
  EXPECT_STREQ(text, "second");
  EXPECT_EQ(::SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

}  // namespace
