// A set of pixels as non-overlapping rectangles: clip and invalid regions of windows and DCs.
#pragma once

#include <vector>

#include "platform/win/windef.h"

namespace gdi {

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& rc);

  bool empty() const { return rects_.empty(); }
  const std::vector<RECT>& rects() const { return rects_; }
  RECT bounds() const;
  bool contains(int x, int y) const;

  void clear() { rects_.clear(); }
  void add(const RECT& rc);          // union
  void add(const Region& other);
  void subtract(const RECT& rc);
  void subtract(const Region& other);
  void intersect(const RECT& rc);
  void intersect(const Region& other);
  void offset(int dx, int dy);

 private:
  std::vector<RECT> rects_;
};

bool IsRectEmptyRaw(const RECT& rc);
RECT IntersectRectRaw(const RECT& a, const RECT& b);

}  // namespace gdi
