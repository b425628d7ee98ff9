// The "msctls_progress32" window class: a range (0 to 100 at first), a position clamped into it, a step,
// and the classic look of blocks in COLOR_HIGHLIGHT inside a sunken frame.
#pragma once

#include "platform/win/commctrl.h"

namespace win {

class ProgressBar {
 public:
  explicit ProgressBar(HWND hwnd);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  LRESULT setRange(int min, int max);
  // Returns the previous position.
  int setPos(long long pos);
  int stepIt();
  void paint(HDC hdc);

  HWND hwnd_;
  int min_ = 0;
  int max_ = 100;
  int pos_ = 0;
  int step_ = 10;
};

}  // namespace win
