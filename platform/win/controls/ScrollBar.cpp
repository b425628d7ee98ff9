#include "platform/win/controls/ScrollBar.h"

#include <algorithm>

#include "platform/win/controls/ControlPaint.h"

namespace win {

namespace {
constexpr int kMinThumbLength = 8;
}

void ScrollBar::setRange(int total, int page) {
  total_ = std::max(0, total);
  page_ = std::max(1, page);
  pos_ = std::clamp(pos_, 0, maxPos());
}

bool ScrollBar::setPos(int pos) {
  pos = std::clamp(pos, 0, maxPos());
  if (pos == pos_) return false;
  pos_ = pos;
  return true;
}

int ScrollBar::maxPos() const { return std::max(0, total_ - page_); }

int ScrollBar::arrowHeight() const {
  int height = rect_.bottom - rect_.top;
  return std::min<int>(rect_.right - rect_.left, height / 2);
}

int ScrollBar::thumbLength() const {
  int track = rect_.bottom - rect_.top - 2 * arrowHeight();
  if (maxPos() == 0 || track < kMinThumbLength) return 0;
  long long length = static_cast<long long>(track) * page_ / total_;
  return static_cast<int>(std::clamp<long long>(length, kMinThumbLength, track));
}

int ScrollBar::thumbTop() const {
  int trackTop = rect_.top + arrowHeight();
  int free = rect_.bottom - rect_.top - 2 * arrowHeight() - thumbLength();
  if (maxPos() == 0) return trackTop;
  return trackTop + static_cast<int>(static_cast<long long>(free) * pos_ / maxPos());
}

RECT ScrollBar::partRect(Part part) const {
  int arrow = arrowHeight();
  RECT rc = rect_;
  int trackTop = rect_.top + arrow;
  int trackBottom = rect_.bottom - arrow;
  bool hasThumb = thumbLength() > 0;
  switch (part) {
    case Part::UpArrow: rc.bottom = trackTop; break;
    case Part::DownArrow: rc.top = trackBottom; break;
    case Part::Thumb:
      if (!hasThumb) return RECT{};
      rc.top = thumbTop();
      rc.bottom = rc.top + thumbLength();
      break;
    case Part::PageUp:
      rc.top = trackTop;
      rc.bottom = hasThumb ? thumbTop() : trackTop;
      break;
    case Part::PageDown:
      rc.top = hasThumb ? thumbTop() + thumbLength() : trackBottom;
      rc.bottom = trackBottom;
      break;
    case Part::None: return RECT{};
  }
  return rc;
}

ScrollBar::Part ScrollBar::hitTest(POINT pt) const {
  for (Part part : {Part::UpArrow, Part::DownArrow, Part::Thumb, Part::PageUp, Part::PageDown}) {
    RECT rc = partRect(part);
    if (PtInRect(&rc, pt)) return part;
  }
  return Part::None;
}

bool ScrollBar::step(Part part) {
  switch (part) {
    case Part::UpArrow: return setPos(pos_ - 1);
    case Part::DownArrow: return setPos(pos_ + 1);
    case Part::PageUp: return setPos(pos_ - page_);
    case Part::PageDown: return setPos(pos_ + page_);
    default: return false;
  }
}

bool ScrollBar::press(POINT pt) {
  pressed_ = hitTest(pt);
  lastPoint_ = pt;
  if (pressed_ == Part::Thumb) {
    dragOffset_ = pt.y - thumbTop();
    return false;
  }
  return step(pressed_);
}

bool ScrollBar::drag(POINT pt) {
  lastPoint_ = pt;
  if (pressed_ != Part::Thumb) return false;
  int trackTop = rect_.top + arrowHeight();
  int free = rect_.bottom - rect_.top - 2 * arrowHeight() - thumbLength();
  if (free <= 0) return false;
  long long offset = pt.y - dragOffset_ - trackTop;
  long long pos = (offset * maxPos() + free / 2) / free;
  return setPos(static_cast<int>(std::clamp<long long>(pos, 0, maxPos())));
}

bool ScrollBar::repeat() {
  // A held page area stops repeating once the thumb has come under the pointer.
  if (pressed_ == Part::None || pressed_ == Part::Thumb || hitTest(lastPoint_) != pressed_) return false;
  return step(pressed_);
}

void ScrollBar::release() { pressed_ = Part::None; }

void ScrollBar::paintArrow(HDC hdc, Part part) const {
  RECT rc = partRect(part);
  FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  bool down = pressed_ == part && hitTest(lastPoint_) == part;
  DrawEdge(hdc, &rc, down ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  if (down) OffsetRect(&rc, 1, 1);
  COLORREF glyph = GetSysColor(maxPos() > 0 ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
  DrawArrowGlyph(hdc, rc, part == Part::UpArrow ? ArrowDirection::Up : ArrowDirection::Down, glyph);
}

void ScrollBar::paint(HDC hdc) const {
  RECT track = rect_;
  track.top += arrowHeight();
  track.bottom -= arrowHeight();
  FillRect(hdc, &track, GetSysColorBrush(COLOR_SCROLLBAR));
  if (pressed_ == Part::PageUp || pressed_ == Part::PageDown) {
    RECT held = partRect(pressed_);
    FillRect(hdc, &held, GetSysColorBrush(COLOR_3DDKSHADOW));
  }
  paintArrow(hdc, Part::UpArrow);
  paintArrow(hdc, Part::DownArrow);
  RECT thumb = partRect(Part::Thumb);
  if (!IsRectEmpty(&thumb)) {
    FillRect(hdc, &thumb, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
  }
}

}  // namespace win
