#include "skin_button_fixture.h"

#include "platform/win/Desktop.h"
#include "platform/win/Resources.h"

namespace skintest {

namespace {

const win::DialogTemplate& DialogTemplate() {
  static const win::DialogTemplate tmpl = [] {
    win::DialogTemplate t{};
    t.style = WS_POPUP | WS_VISIBLE;
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

}  // namespace

COLORREF BackgroundAt(int x, int y, BYTE base) { return RGB(base, (x * 3) & 0xFF, (y * 5) & 0xFF); }

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
  ON_WM_ERASEBKGND()
  ON_BN_CLICKED(kButtonA, &TestDialog::OnClickedA)
  ON_BN_DOUBLECLICKED(kButtonA, &TestDialog::OnDoubleClickedA)
END_MESSAGE_MAP()

BOOL TestDialog::OnEraseBkgnd(CDC* pDC) {
  CRect rc;
  GetClientRect(&rc);
  // Built as 32-bit device pixels (0x00RRGGBB) in one go: a SetPixel per pixel makes every test slow.
  std::vector<uint32_t> pixels(static_cast<size_t>(rc.Width()) * rc.Height());
  for (int y = 0; y < rc.Height(); ++y) {
    for (int x = 0; x < rc.Width(); ++x) {
      const COLORREF c = BackgroundAt(x, y, m_base);
      pixels[static_cast<size_t>(y) * rc.Width() + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  CBitmap background;
  background.CreateBitmap(rc.Width(), rc.Height(), 1, 32, pixels.data());
  CDC memory;
  memory.CreateCompatibleDC(pDC);
  CBitmap* pOld = memory.SelectObject(&background);
  pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(pOld);
  return TRUE;
}

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

void SkinButtonTest::SetUp() {
  RegisterTestResources();
  win::DesktopActivateApp(true);
  ASSERT_TRUE(m_dialog.Create(kDialogId, nullptr));
  m_a.SubclassDlgItem(kButtonA, &m_dialog);
  m_b.SubclassDlgItem(kButtonB, &m_dialog);
  // Pixel positions, whatever the dialog units are.
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

void SkinButtonTest::TearDown() {
  ::ReleaseCapture();
  m_dialog.DestroyWindow();
  Pump();
  win::DesktopActivateApp(true);
}

void SkinButtonTest::PlaceButton(CWnd& button, int x, int y, int cx, int cy) { button.MoveWindow(x, y, cx, cy, TRUE); }

void SkinButtonTest::RepaintAll() {
  m_dialog.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  Pump();
}

CRect SkinButtonTest::RectOf(CWnd& button) {
  CRect rc;
  button.GetWindowRect(&rc);
  m_dialog.ScreenToClient(&rc);
  return rc;
}

COLORREF SkinButtonTest::DialogPixel(int x, int y) {
  HDC hdc = ::GetDC(m_dialog.m_hWnd);
  COLORREF c = ::GetPixel(hdc, x, y);
  ::ReleaseDC(m_dialog.m_hWnd, hdc);
  return c;
}

COLORREF SkinButtonTest::ButtonPixel(CWnd& button, int x, int y) {
  CRect rc = RectOf(button);
  return DialogPixel(rc.left + x, rc.top + y);
}

COLORREF SkinButtonTest::FaceAt(CWnd& button, int x, int y, BYTE base) {
  CRect rc = RectOf(button);
  return BackgroundAt(rc.left + x, rc.top + y, base);
}

// The image's top-left corner is at (10, 10), or (11, 11) pressed; the button's corners keep the face
// (no border, no focus mark).
Look SkinButtonTest::LookOf(CWnd& button) {
  const BYTE base = m_dialog.m_base;
  if (ButtonPixel(button, 0, 0) != FaceAt(button, 0, 0, base) ||
      ButtonPixel(button, 39, 29) != FaceAt(button, 39, 29, base)) {
    return Look::Other;
  }
  const COLORREF corner = ButtonPixel(button, 10, 10);
  if (corner == kHotColour) return Look::Hot;
  if (corner == kNormalColour) return Look::Normal;
  if (corner != FaceAt(button, 10, 10, base)) return Look::Other;
  if (ButtonPixel(button, 11, 11) == kHotColour && ButtonPixel(button, 30, 20) == kHotColour) return Look::Pressed;
  return ButtonPixel(button, 20, 15) == FaceAt(button, 20, 15, base) ? Look::Face : Look::Other;
}

POINT SkinButtonTest::ScreenPoint(CWnd& window, int x, int y) {
  POINT pt{x, y};
  window.ClientToScreen(&pt);
  return pt;
}

void SkinButtonTest::MoveTo(POINT screen) {
  win::DesktopMouseMove(screen);
  Pump();
}

void SkinButtonTest::LeftButton(bool down, POINT screen) {
  win::DesktopMouseButton(win::MouseButton::Left, down, screen);
  Pump();
}

}  // namespace skintest
