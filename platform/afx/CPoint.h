// A position; the library's POINT.
#pragma once

#include "platform/afx/CSize.h"
#include "platform/win/windef.h"

class CPoint : public tagPOINT {
 public:
  CPoint() { x = y = 0; }
  CPoint(int initX, int initY) {
    x = initX;
    y = initY;
  }
  CPoint(POINT pt) {  // NOLINT: converts like the platform's own type
    x = pt.x;
    y = pt.y;
  }
  // A packed position as window messages carry it (signed low and high words).
  explicit CPoint(LPARAM packed) {
    x = GET_X_LPARAM(packed);
    y = GET_Y_LPARAM(packed);
  }

  void Offset(int dx, int dy) {
    x += dx;
    y += dy;
  }
  void Offset(SIZE size) { Offset(size.cx, size.cy); }
  void SetPoint(int newX, int newY) {
    x = newX;
    y = newY;
  }

  bool operator==(POINT other) const { return x == other.x && y == other.y; }
  bool operator!=(POINT other) const { return !(*this == other); }
  CPoint& operator+=(SIZE size) {
    Offset(size.cx, size.cy);
    return *this;
  }
  CPoint& operator-=(SIZE size) {
    Offset(-size.cx, -size.cy);
    return *this;
  }
  CPoint& operator+=(POINT pt) {
    Offset(pt.x, pt.y);
    return *this;
  }
  CPoint& operator-=(POINT pt) {
    Offset(-pt.x, -pt.y);
    return *this;
  }
  CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
  CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
  CPoint operator+(POINT pt) const { return CPoint(x + pt.x, y + pt.y); }
  CSize operator-(POINT pt) const { return CSize(x - pt.x, y - pt.y); }
  CPoint operator-() const { return CPoint(-x, -y); }
};
