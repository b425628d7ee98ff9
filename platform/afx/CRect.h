// A rectangle; the library's RECT. Right and bottom are exclusive, as everywhere in the platform.
#pragma once

#include "platform/afx/CPoint.h"
#include "platform/afx/CSize.h"
#include "platform/win/windef.h"

class CRect : public tagRECT {
 public:
  CRect() { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
  CRect(const RECT& rc) { CopyRect(&rc); }  // NOLINT: converts like the platform's own type
  CRect(LPCRECT rc) { CopyRect(rc); }       // NOLINT
  CRect(POINT topLeft, SIZE size) { SetRect(topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy); }
  CRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool PtInRect(POINT pt) const { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }

  void SetRect(int l, int t, int r, int b) {
    left = l;
    top = t;
    right = r;
    bottom = b;
  }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void CopyRect(LPCRECT rc) { SetRect(rc->left, rc->top, rc->right, rc->bottom); }
  bool EqualRect(LPCRECT rc) const {
    return left == rc->left && top == rc->top && right == rc->right && bottom == rc->bottom;
  }

  void OffsetRect(int dx, int dy) { SetRect(left + dx, top + dy, right + dx, bottom + dy); }
  void OffsetRect(POINT pt) { OffsetRect(pt.x, pt.y); }
  void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
  void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
  void InflateRect(int dx, int dy) { SetRect(left - dx, top - dy, right + dx, bottom + dy); }
  void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
  void InflateRect(int l, int t, int r, int b) { SetRect(left - l, top - t, right + r, bottom + b); }
  void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
  void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
  void NormalizeRect() {
    if (left > right) Swap(left, right);
    if (top > bottom) Swap(top, bottom);
  }
  // Both return whether the result is non-empty; an empty result is set to all zeros.
  bool IntersectRect(LPCRECT a, LPCRECT b);
  bool UnionRect(LPCRECT a, LPCRECT b);

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  bool operator==(const RECT& rc) const { return EqualRect(&rc); }
  bool operator!=(const RECT& rc) const { return !EqualRect(&rc); }
  CRect& operator=(const RECT& rc) {
    CopyRect(&rc);
    return *this;
  }
  CRect& operator+=(POINT pt) {
    OffsetRect(pt);
    return *this;
  }
  CRect& operator-=(POINT pt) {
    OffsetRect(-pt.x, -pt.y);
    return *this;
  }
  CRect& operator+=(SIZE size) {
    OffsetRect(size);
    return *this;
  }
  CRect& operator-=(SIZE size) {
    OffsetRect(-size.cx, -size.cy);
    return *this;
  }
  CRect& operator&=(const RECT& rc) {
    IntersectRect(this, &rc);
    return *this;
  }
  CRect& operator|=(const RECT& rc) {
    UnionRect(this, &rc);
    return *this;
  }
  CRect operator+(POINT pt) const {
    CRect rc(*this);
    rc.OffsetRect(pt);
    return rc;
  }
  CRect operator-(POINT pt) const {
    CRect rc(*this);
    rc.OffsetRect(-pt.x, -pt.y);
    return rc;
  }
  CRect operator&(const RECT& other) const {
    CRect rc;
    rc.IntersectRect(this, &other);
    return rc;
  }
  CRect operator|(const RECT& other) const {
    CRect rc;
    rc.UnionRect(this, &other);
    return rc;
  }

 private:
  static void Swap(LONG& a, LONG& b) {
    LONG t = a;
    a = b;
    b = t;
  }
};

inline bool CRect::IntersectRect(LPCRECT a, LPCRECT b) {
  CRect rc(a->left > b->left ? a->left : b->left, a->top > b->top ? a->top : b->top,
           a->right < b->right ? a->right : b->right, a->bottom < b->bottom ? a->bottom : b->bottom);
  if (rc.IsRectEmpty()) rc.SetRectEmpty();
  *this = rc;
  return !IsRectEmpty();
}

inline bool CRect::UnionRect(LPCRECT a, LPCRECT b) {
  CRect ra(a), rb(b);
  if (ra.IsRectEmpty()) {
    *this = rb;
  } else if (rb.IsRectEmpty()) {
    *this = ra;
  } else {
    SetRect(ra.left < rb.left ? ra.left : rb.left, ra.top < rb.top ? ra.top : rb.top,
            ra.right > rb.right ? ra.right : rb.right, ra.bottom > rb.bottom ? ra.bottom : rb.bottom);
  }
  if (IsRectEmpty()) SetRectEmpty();
  return !IsRectEmpty();
}
