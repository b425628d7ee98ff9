// A width and height; the library's SIZE.
#pragma once

#include "platform/win/windef.h"

class CSize : public tagSIZE {
 public:
  CSize() { cx = cy = 0; }
  CSize(int width, int height) {
    cx = width;
    cy = height;
  }
  CSize(SIZE size) {  // NOLINT: converts like the platform's own type
    cx = size.cx;
    cy = size.cy;
  }

  bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
  bool operator!=(SIZE other) const { return !(*this == other); }
  CSize& operator+=(SIZE other) {
    cx += other.cx;
    cy += other.cy;
    return *this;
  }
  CSize& operator-=(SIZE other) {
    cx -= other.cx;
    cy -= other.cy;
    return *this;
  }
  CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
  CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
  CSize operator-() const { return CSize(-cx, -cy); }
};
