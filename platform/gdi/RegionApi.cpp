// Region handles.
#include <algorithm>

#include "platform/gdi/HandleTable.h"

namespace gdi {
namespace {

std::shared_ptr<RegionObject> FindRegion(HRGN rgn) { return HandleTable::instance().findAs<RegionObject>(rgn); }

Region Combine(const Region& a, const Region& b, int mode) {
  Region result = a;
  switch (mode) {
    case RGN_AND: result.intersect(b); break;
    case RGN_OR: result.add(b); break;
    case RGN_DIFF: result.subtract(b); break;
    case RGN_XOR: {
      Region both = a;
      both.intersect(b);
      result.add(b);
      result.subtract(both);
      break;
    }
    default: break;
  }
  return result;
}

}  // namespace
}  // namespace gdi

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto region = std::make_shared<gdi::RegionObject>();
  region->region = gdi::Region(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                   std::max(top, bottom)});
  return static_cast<HRGN>(gdi::HandleTable::instance().add(region));
}

HRGN CreateRectRgnIndirect(const RECT* rc) {
  return rc == nullptr ? nullptr : CreateRectRgn(rc->left, rc->top, rc->right, rc->bottom);
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
  auto target = gdi::FindRegion(dst);
  auto a = gdi::FindRegion(src1);
  if (!target || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    target->region = a->region;
  } else {
    auto b = gdi::FindRegion(src2);
    if (!b) return ERROR;
    target->region = gdi::Combine(a->region, b->region, mode);
  }
  return gdi::RegionKind(target->region);
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  auto region = gdi::FindRegion(rgn);
  if (!region) return FALSE;
  region->region = gdi::Region(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                                   std::max(top, bottom)});
  return TRUE;
}

int GetRgnBox(HRGN rgn, LPRECT rc) {
  auto region = gdi::FindRegion(rgn);
  if (!region || rc == nullptr) return ERROR;
  *rc = region->region.bounds();
  return gdi::RegionKind(region->region);
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
  auto region = gdi::FindRegion(rgn);
  return region && region->region.contains(x, y) ? TRUE : FALSE;
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  auto region = gdi::FindRegion(rgn);
  if (!region) return ERROR;
  region->region.offset(dx, dy);
  return gdi::RegionKind(region->region);
}
