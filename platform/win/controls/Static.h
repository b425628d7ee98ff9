// The "static" class: text (left, centred, right, with or without word wrap), bitmap and icon images,
// plain rectangles and frames.
#pragma once

#include "platform/win/winuser.h"

namespace win {

class Static {
 public:
  explicit Static(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  static void registerClass();

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE)); }
  DWORD type() const { return style() & SS_TYPEMASK; }
  HFONT font() const;

  HANDLE setImage(UINT imageType, HANDLE image);
  HANDLE image(UINT imageType) const;
  SIZE imageSize() const;
  RECT imageRect(const RECT& client) const;

  void paint();
  void paintText(HDC hdc, const RECT& client);
  void paintImage(HDC hdc, const RECT& client);
  void paintOwnerDrawn(HDC hdc, const RECT& client);

  HWND hwnd_;
  HFONT font_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HICON icon_ = nullptr;
};

}  // namespace win
