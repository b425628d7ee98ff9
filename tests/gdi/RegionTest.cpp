#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/gdi/Region.h"
#include "platform/gdi/wingdi.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const RECT& r) {
  Pixels p;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) p.insert({x, y});
  return p;
}

Pixels PixelsOf(const gdi::Region& region) {
  Pixels p;
  for (const RECT& r : region.rects()) {
    for (auto px : PixelsOf(r)) EXPECT_TRUE(p.insert(px).second) << "rectangles overlap";
  }
  return p;
}

// Random-looking but fixed sequences of edits, checked against a set of pixels.
TEST(Region, EditsMatchAPixelSetModelAndKeepRectanglesDisjoint) {
  const RECT rects[] = {{0, 0, 10, 10}, {5, 5, 15, 8}, {2, 2, 4, 12}, {8, -3, 9, 20}, {0, 0, 0, 5},
                        {12, 1, 14, 3}, {-2, 6, 20, 7}, {3, 3, 7, 7}};
  for (int op = 0; op < 3; ++op) {
    gdi::Region region(RECT{1, 1, 12, 9});
    Pixels model = PixelsOf(RECT{1, 1, 12, 9});
    for (const RECT& r : rects) {
      const Pixels rp = PixelsOf(r);
      Pixels next;
      if (op == 0) {
        region.add(r);
        next = model;
        next.insert(rp.begin(), rp.end());
      } else if (op == 1) {
        region.subtract(r);
        for (auto px : model)
          if (!rp.count(px)) next.insert(px);
      } else {
        region.intersect(RECT{r.left - 4, r.top - 4, r.right + 4, r.bottom + 4});
        for (auto px : model)
          if (PixelsOf(RECT{r.left - 4, r.top - 4, r.right + 4, r.bottom + 4}).count(px)) next.insert(px);
      }
      model = next;
      EXPECT_EQ(PixelsOf(region), model) << "op " << op;
    }
  }
}

TEST(Region, HandleApiCombinesRegions) {
  HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(2, 2, 6, 6), out = CreateRectRgn(0, 0, 0, 0);
  struct Case {
    int mode;
    int kind;
    POINT in, out;
  } cases[] = {{RGN_AND, SIMPLEREGION, {3, 3}, {1, 1}},
               {RGN_OR, COMPLEXREGION, {5, 5}, {5, 0}},
               {RGN_DIFF, COMPLEXREGION, {1, 1}, {3, 3}},
               {RGN_XOR, COMPLEXREGION, {5, 5}, {3, 3}},
               {RGN_COPY, SIMPLEREGION, {3, 3}, {5, 5}}};
  for (const Case& c : cases) {
    EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.kind) << c.mode;
    EXPECT_TRUE(PtInRegion(out, c.in.x, c.in.y)) << c.mode;
    EXPECT_FALSE(PtInRegion(out, c.out.x, c.out.y)) << c.mode;
  }
  RECT box{};
  OffsetRgn(out, 10, 20);
  EXPECT_EQ(GetRgnBox(out, &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.bottom, 24);
  EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_AND), ERROR);
  for (HRGN r : {a, b, out}) DeleteObject(r);
}

}  // namespace
