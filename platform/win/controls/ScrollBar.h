// A vertical scroll bar drawn inside a control (the list box's WS_VSCROLL): arrows, track and thumb,
// with the pressed part repeating and the thumb following the pointer. It is not a window: its host
// forwards the mouse to it and reads pos() after each call that reports a change.
#pragma once

#include "platform/win/winuser.h"

namespace win {

class ScrollBar {
 public:
  enum class Part { None, UpArrow, PageUp, Thumb, PageDown, DownArrow };

  void setRect(const RECT& rc) { rect_ = rc; }
  const RECT& rect() const { return rect_; }
  // `total` units of which `page` are visible at a time; the position runs from 0 to total - page.
  void setRange(int total, int page);
  bool setPos(int pos);
  int pos() const { return pos_; }
  int maxPos() const;

  RECT partRect(Part part) const;
  Part hitTest(POINT pt) const;

  // Mouse forwarded by the host (client coordinates). Each returns true when the position changed.
  bool press(POINT pt);
  bool drag(POINT pt);
  bool repeat();
  void release();
  bool pressed() const { return pressed_ != Part::None; }

  void paint(HDC hdc) const;

 private:
  int arrowHeight() const;
  int thumbLength() const;
  int thumbTop() const;
  bool step(Part part);
  void paintArrow(HDC hdc, Part part) const;

  RECT rect_{};
  int total_ = 0;
  int page_ = 1;
  int pos_ = 0;
  Part pressed_ = Part::None;
  POINT lastPoint_{};
  int dragOffset_ = 0;
};

}  // namespace win
