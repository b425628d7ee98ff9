// Shared by the program's window tests: the main dialog and its nested windows run modally on the
// headless desktop while a script of steps runs each time a modal loop goes idle. Real input goes in
// through the desktop calls; the steps look at windows, texts and pixels.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/afx/afxwin.h"
#include "platform/win/Desktop.h"
#include "ui/CMainDialog.h"

namespace uitest {

// One scripted step, given the dialog whose modal loop is idle.
using Step = std::function<void(HWND idleDialog)>;

constexpr INT_PTR kStuck = -77;

// The steps of the running test. Each idle turn runs the next step; once they are done, a loop that
// keeps running is ended with kStuck so that a broken test fails instead of hanging.
class Script {
 public:
  static Script& Instance();

  void Load(std::vector<Step> steps);
  void OnIdle(HWND idleDialog);
  // Ends the active modal dialog when no loop has gone idle for a long time (a loop without a test
  // owner, such as the folder browser's, waiting for input that never comes).
  void CheckProgress();

  bool Done() const { return m_steps.empty(); }
  bool Stuck() const { return m_bStuck; }

 private:
  std::deque<Step> m_steps;
  int m_nIdleAfterScript = 0;
  DWORD m_dwLastIdle = 0;
  bool m_bStuck = false;
};

// The owner of the main dialog: its modal loop reports idle turns here.
class HostWnd : public CWnd {
 public:
  HostWnd();

 protected:
  afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// The real main dialog; as the owner of its message boxes, About box and extraction window it reports
// their idle turns to the script.
class TestMainDialog : public CMainDialog {
 public:
  explicit TestMainDialog(CWnd* pParent) : CMainDialog(pParent) {}

 protected:
  afx_msg LRESULT OnEnterIdle(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// Input as the desktop delivers it; it is routed when the running loop takes it.
void QueueClick(HWND hwnd);
void QueueClickAt(POINT screen);
void QueueKey(UINT vk);

std::string TextOf(HWND hwnd);
// The texts of a dialog's static controls, in z-order, joined by '|'.
std::string StaticTexts(HWND dlg);
HWND ChildWithText(HWND parent, const char* text);
RECT RectIn(HWND hwnd, HWND reference);
// A screen point on the caption's close box, found by hit testing.
POINT CloseBoxPoint(HWND topLevel);

// Pixels of a resource bitmap, read through a memory DC.
class ResourceBitmap {
 public:
  explicit ResourceBitmap(UINT id);
  ~ResourceBitmap();
  COLORREF At(int x, int y) const;

 private:
  HBITMAP m_hBitmap;
  HDC m_hdc;
  HGDIOBJ m_hOld;
};

// The share of the pixels of `rc` (client coordinates of `hwnd`) for which `matches(x, y, colour)`.
double ShareOfPixels(HWND hwnd, const RECT& rc, const std::function<bool(int x, int y, COLORREF colour)>& matches);

// Runs the main dialog modally over a host window with the script; the application object names it
// its main window, as the program does, so nested windows are owned by it.
class MainDialogTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // DoModal's result; the script must have run to its end.
  INT_PTR RunMainDialog(std::vector<Step> steps);

  HostWnd* m_pHost = nullptr;
};

}  // namespace uitest
