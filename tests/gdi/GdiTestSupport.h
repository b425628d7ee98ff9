// Small helpers for drawing tests: memory DCs with a colour bitmap, pixel reads and counts.
#pragma once

#include <functional>

#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

namespace gdi_test {

// A memory DC holding a w x h colour bitmap filled with `fill`; cleans up after itself.
class ColorCanvas {
 public:
  ColorCanvas(int w, int h, COLORREF fill = RGB(255, 255, 255)) : w_(w), h_(h) {
    dc_ = CreateCompatibleDC(nullptr);
    bmp_ = CreateBitmap(w, h, 1, 32, nullptr);
    old_ = SelectObject(dc_, bmp_);
    Fill(fill);
  }
  ~ColorCanvas() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bmp_);
  }
  ColorCanvas(const ColorCanvas&) = delete;
  ColorCanvas& operator=(const ColorCanvas&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bmp_; }
  void Fill(COLORREF c) {
    HBRUSH b = CreateSolidBrush(c);
    RECT rc{0, 0, w_, h_};
    FillRect(dc_, &rc, b);
    DeleteObject(b);
  }
  int Count(const std::function<bool(COLORREF)>& match, RECT area) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += match(GetPixel(dc_, x, y)) ? 1 : 0;
    return n;
  }
  int Count(COLORREF c, RECT area) const {
    return Count([c](COLORREF p) { return p == c; }, area);
  }
  int Count(COLORREF c) const { return Count(c, RECT{0, 0, w_, h_}); }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
};

}  // namespace gdi_test
