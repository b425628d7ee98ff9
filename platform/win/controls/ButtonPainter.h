// Draws a button from its state: the classic 3D push button, check box, radio button and group box,
// and the WM_DRAWITEM request of an owner-drawn button. Reads the button, never changes it.
#pragma once

#include <string>

#include "platform/win/controls/Button.h"

namespace win {

class ButtonPainter {
 public:
  explicit ButtonPainter(const Button& button);

  // The whole button, for WM_PAINT.
  void paint(HDC hdc) const;
  // Asks the parent to draw an owner-drawn button; the DC gets the button's font and the default
  // colours (black text on white, opaque).
  void drawOwnerItem(HDC hdc, UINT action) const;

 private:
  void paintPushButton(HDC hdc) const;
  void paintCheckOrRadio(HDC hdc, bool radio) const;
  void paintGroupBox(HDC hdc) const;
  void paintOwnerDrawn(HDC hdc) const;
  void drawCheckGlyph(HDC hdc, const RECT& box) const;
  void drawRadioGlyph(HDC hdc, const RECT& box) const;
  void drawLabel(HDC hdc, RECT rc, UINT format) const;

  const Button& button_;
  HWND hwnd_;
  RECT client_;
  std::string text_;
  bool enabled_;
};

}  // namespace win
