#include "platform/gdi/Region.h"

#include <algorithm>

namespace gdi {
namespace {

// Appends the parts of `rc` outside `hole` (at most four bands: above, below, left, right).
void AppendDifference(const RECT& rc, const RECT& hole, std::vector<RECT>& out) {
  const RECT overlap = IntersectRectRaw(rc, hole);
  if (IsRectEmptyRaw(overlap)) {
    out.push_back(rc);
    return;
  }
  if (rc.top < overlap.top) out.push_back(RECT{rc.left, rc.top, rc.right, overlap.top});
  if (overlap.bottom < rc.bottom) out.push_back(RECT{rc.left, overlap.bottom, rc.right, rc.bottom});
  if (rc.left < overlap.left) out.push_back(RECT{rc.left, overlap.top, overlap.left, overlap.bottom});
  if (overlap.right < rc.right) out.push_back(RECT{overlap.right, overlap.top, rc.right, overlap.bottom});
}

// Joins neighbours that share a full edge, so repeated edits do not fragment the region forever.
bool MergePair(RECT& a, const RECT& b) {
  if (a.top == b.top && a.bottom == b.bottom && (a.right == b.left || b.right == a.left)) {
    a.left = std::min(a.left, b.left);
    a.right = std::max(a.right, b.right);
    return true;
  }
  if (a.left == b.left && a.right == b.right && (a.bottom == b.top || b.bottom == a.top)) {
    a.top = std::min(a.top, b.top);
    a.bottom = std::max(a.bottom, b.bottom);
    return true;
  }
  return false;
}

void Coalesce(std::vector<RECT>& rects) {
  bool merged = true;
  while (merged) {
    merged = false;
    for (size_t i = 0; i < rects.size() && !merged; ++i) {
      for (size_t j = i + 1; j < rects.size(); ++j) {
        if (MergePair(rects[i], rects[j])) {
          rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
          merged = true;
          break;
        }
      }
    }
  }
}

}  // namespace

bool IsRectEmptyRaw(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

RECT IntersectRectRaw(const RECT& a, const RECT& b) {
  return RECT{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

Region::Region(const RECT& rc) {
  if (!IsRectEmptyRaw(rc)) rects_.push_back(rc);
}

RECT Region::bounds() const {
  if (rects_.empty()) return RECT{0, 0, 0, 0};
  RECT b = rects_.front();
  for (const RECT& r : rects_) {
    b.left = std::min(b.left, r.left);
    b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right);
    b.bottom = std::max(b.bottom, r.bottom);
  }
  return b;
}

bool Region::contains(int x, int y) const {
  return std::any_of(rects_.begin(), rects_.end(), [x, y](const RECT& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  });
}

void Region::add(const RECT& rc) {
  if (IsRectEmptyRaw(rc)) return;
  // Only the parts of `rc` not yet covered are added, which keeps the rectangles disjoint.
  std::vector<RECT> pieces{rc};
  for (const RECT& existing : rects_) {
    std::vector<RECT> next;
    for (const RECT& piece : pieces) AppendDifference(piece, existing, next);
    pieces.swap(next);
    if (pieces.empty()) return;
  }
  rects_.insert(rects_.end(), pieces.begin(), pieces.end());
  Coalesce(rects_);
}

void Region::add(const Region& other) {
  for (const RECT& r : other.rects_) add(r);
}

void Region::subtract(const RECT& rc) {
  if (IsRectEmptyRaw(rc)) return;
  std::vector<RECT> out;
  for (const RECT& r : rects_) AppendDifference(r, rc, out);
  rects_.swap(out);
  Coalesce(rects_);
}

void Region::subtract(const Region& other) {
  for (const RECT& r : other.rects_) subtract(r);
}

void Region::intersect(const RECT& rc) {
  std::vector<RECT> out;
  for (const RECT& r : rects_) {
    const RECT i = IntersectRectRaw(r, rc);
    if (!IsRectEmptyRaw(i)) out.push_back(i);
  }
  rects_.swap(out);
}

void Region::intersect(const Region& other) {
  // Both sides are disjoint sets, so the pairwise intersections are disjoint too.
  std::vector<RECT> out;
  for (const RECT& a : rects_) {
    for (const RECT& b : other.rects_) {
      const RECT i = IntersectRectRaw(a, b);
      if (!IsRectEmptyRaw(i)) out.push_back(i);
    }
  }
  rects_.swap(out);
  Coalesce(rects_);
}

void Region::offset(int dx, int dy) {
  for (RECT& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

}  // namespace gdi
