// A small dialog on the headless desktop with two skin buttons side by side: real mouse input goes in,
// pixels are read back from the dialog's surface and the dialog counts the click notifications.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "controls/CSkinButton.h"

namespace skintest {

constexpr UINT kDialogId = 61000;
constexpr int kButtonA = 1001;
constexpr int kButtonB = 1002;
constexpr int kOtherButton = 1003;
constexpr UINT kHotBitmapId = 61001;     // 20 x 10 in kHotColour
constexpr UINT kNormalBitmapId = 61002;  // 20 x 10 in kNormalColour
constexpr UINT kCursorId = 61010;
constexpr UINT kMissingId = 61099;

constexpr COLORREF kHotColour = RGB(255, 0, 0);
constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kBlackKey = RGB(0, 0, 0);
constexpr COLORREF kGreenKey = RGB(0, 255, 0);

// The dialog's background varies with the position, so a face copied from the wrong place shows.
COLORREF BackgroundAt(int x, int y, BYTE base);

class TestDialog : public CDialog {
 public:
  TestDialog() : CDialog(kDialogId, nullptr) {}

  BYTE m_base = 10;  // changes the background colour at the next erase
  int m_clicksA = 0;
  int m_doubleClicksA = 0;

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnClickedA() { ++m_clicksA; }
  afx_msg void OnDoubleClickedA() { ++m_doubleClicksA; }
  void OnOK() override {}
  void OnCancel() override {}
  DECLARE_MESSAGE_MAP()
};

// A device-dependent bitmap whose pixels come from `colour(x, y)`.
HBITMAP MakeImage(int cx, int cy, const std::function<COLORREF(int, int)>& colour);
HBITMAP SolidImage(int cx, int cy, COLORREF colour);
COLORREF BitmapPixel(HBITMAP hBitmap, int x, int y);

// Runs every pending message the way the program's own loop does, pre-translation included.
void Pump();

// What a 40 x 30 button with 20 x 10 images shows.
enum class Look { Face, Normal, Hot, Pressed, Other };
const char* LookName(Look look);

class SkinButtonTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static void PlaceButton(CWnd& button, int x, int y, int cx, int cy);
  // Repaints the dialog and then its children, as the desktop does when the dialog is uncovered.
  void RepaintAll();

  CRect RectOf(CWnd& button);
  COLORREF DialogPixel(int x, int y);
  // (x, y) in the button's client coordinates.
  COLORREF ButtonPixel(CWnd& button, int x, int y);
  COLORREF FaceAt(CWnd& button, int x, int y, BYTE base);
  Look LookOf(CWnd& button);

  POINT ScreenPoint(CWnd& window, int x, int y);
  void MoveTo(POINT screen);
  void LeftButton(bool down, POINT screen);

  TestDialog m_dialog;
  CSkinButton m_a;
  CSkinButton m_b;
};

}  // namespace skintest
