#include "platform/win/controls/ProgressBar.h"

#include <algorithm>

#include "platform/win/controls/ControlPaint.h"

namespace win {

namespace {
constexpr int kBlockGap = 2;
}

ProgressBar::ProgressBar(HWND hwnd) : hwnd_(hwnd) {}

LRESULT ProgressBar::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case PBM_SETRANGE: return setRange(LOWORD(lParam), HIWORD(lParam));
    case PBM_SETRANGE32: return setRange(static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
      if (lParam) *reinterpret_cast<PBRANGE*>(lParam) = PBRANGE{min_, max_};
      return wParam ? min_ : max_;
    case PBM_SETPOS: return setPos(static_cast<int>(wParam));
    case PBM_DELTAPOS: return setPos(static_cast<long long>(pos_) + static_cast<int>(wParam));
    case PBM_GETPOS: return pos_;
    case PBM_SETSTEP: {
      int previous = step_;
      step_ = static_cast<int>(wParam);
      return previous;
    }
    case PBM_STEPIT: return stepIt();
    case WM_ERASEBKGND: return 1;  // paint covers every pixel
    case WM_PAINT: return PaintCycle(hwnd_, [this](HDC hdc) { paint(hdc); });
    case WM_SIZE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT ProgressBar::setRange(int min, int max) {
  LRESULT previous = MAKELRESULT(min_, max_);
  min_ = min;
  max_ = std::max(min, max);
  setPos(pos_);
  InvalidateRect(hwnd_, nullptr, FALSE);
  return previous;
}

int ProgressBar::setPos(long long pos) {
  int previous = pos_;
  pos_ = static_cast<int>(std::clamp<long long>(pos, min_, max_));
  if (pos_ != previous) InvalidateRect(hwnd_, nullptr, FALSE);
  return previous;
}

int ProgressBar::stepIt() {
  // Past either end the bar starts over from the other one.
  long long span = static_cast<long long>(max_) - min_;
  long long pos = static_cast<long long>(pos_) + step_;
  if (span > 0 && pos > max_) pos = min_ + (pos - min_) % span;
  if (span > 0 && pos < min_) pos = max_ - (min_ - pos) % span;
  return setPos(pos);
}

void ProgressBar::paint(HDC hdc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
  RECT frame = client;
  DrawEdge(hdc, &frame, BDR_SUNKENOUTER, BF_RECT);
  RECT inner = client;
  InflateRect(&inner, -2, -2);
  long long span = static_cast<long long>(max_) - min_;
  if (span <= 0 || inner.right <= inner.left || inner.bottom <= inner.top) return;
  int filled = static_cast<int>((static_cast<long long>(pos_) - min_) * (inner.right - inner.left) / span);
  int blockWidth = std::max(2, static_cast<int>(inner.bottom - inner.top) * 2 / 3);
  HBRUSH highlight = GetSysColorBrush(COLOR_HIGHLIGHT);
  for (int x = inner.left; x < inner.left + filled; x += blockWidth + kBlockGap) {
    RECT block{x, inner.top, std::min<LONG>(x + blockWidth, inner.right), inner.bottom};
    FillRect(hdc, &block, highlight);
  }
}

}  // namespace win
