// The rectangle helpers of the window-system API. Rectangles exclude their right and bottom edges.
#include <algorithm>

#include "platform/gdi/Region.h"
#include "platform/win/winuser.h"

BOOL SetRect(LPRECT rc, int left, int top, int right, int bottom) {
  if (rc == nullptr) return FALSE;
  *rc = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(LPRECT rc) { return SetRect(rc, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT dst, const RECT* src) {
  if (dst == nullptr || src == nullptr) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL InflateRect(LPRECT rc, int dx, int dy) {
  if (rc == nullptr) return FALSE;
  rc->left -= dx;
  rc->top -= dy;
  rc->right += dx;
  rc->bottom += dy;
  return TRUE;
}

BOOL OffsetRect(LPRECT rc, int dx, int dy) {
  if (rc == nullptr) return FALSE;
  rc->left += dx;
  rc->top += dy;
  rc->right += dx;
  rc->bottom += dy;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* rc) { return rc == nullptr || gdi::IsRectEmptyRaw(*rc) ? TRUE : FALSE; }

BOOL PtInRect(const RECT* rc, POINT pt) {
  if (rc == nullptr) return FALSE;
  return pt.x >= rc->left && pt.x < rc->right && pt.y >= rc->top && pt.y < rc->bottom ? TRUE : FALSE;
}

BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (dst == nullptr || a == nullptr || b == nullptr) return FALSE;
  const RECT r = gdi::IntersectRectRaw(*a, *b);
  *dst = gdi::IsRectEmptyRaw(r) ? RECT{0, 0, 0, 0} : r;
  return gdi::IsRectEmptyRaw(r) ? FALSE : TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (dst == nullptr || a == nullptr || b == nullptr) return FALSE;
  // An empty rectangle adds nothing to a union.
  const bool aEmpty = gdi::IsRectEmptyRaw(*a);
  const bool bEmpty = gdi::IsRectEmptyRaw(*b);
  if (aEmpty && bEmpty) {
    *dst = RECT{0, 0, 0, 0};
    return FALSE;
  }
  if (aEmpty || bEmpty) {
    *dst = aEmpty ? *b : *a;
    return TRUE;
  }
  *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
              std::max(a->bottom, b->bottom)};
  return TRUE;
}

BOOL EqualRect(const RECT* a, const RECT* b) {
  if (a == nullptr || b == nullptr) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom ? TRUE : FALSE;
}
