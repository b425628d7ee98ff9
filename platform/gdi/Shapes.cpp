// Lines, rectangles, ellipses and polygons: filled with the brush, outlined with the pen.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/RasterOp.h"
#include "platform/win/winuser.h"

namespace gdi {
namespace {

constexpr uint8_t kPatCopy = 0xF0;

struct Span {
  int y;
  int left;
  int right;  // exclusive
};

bool PenDraws(const Pen& pen) { return pen.style != PS_NULL; }

// Cosmetic dash patterns as runs of on/off pixels along the line.
bool PenOnAt(const Pen& pen, int step) {
  if (pen.style == PS_DASH) return step % 24 < 18;
  if (pen.style == PS_DOT) return step % 6 < 3;
  return true;
}

// A pen point is a square of the pen's width centred on the point.
void PaintPenPoint(DeviceContext& dc, const Pattern& ink, int width, int x, int y) {
  const int lo = width / 2;
  PaintRect(dc, RECT{x - lo, y - lo, x - lo + width, y - lo + width}, ink, kPatCopy);
}

// Bresenham from `from` to `to` in target coordinates; the end point is not drawn.
RECT DrawLine(DeviceContext& dc, const Pen& pen, POINT from, POINT to) {
  const Pattern ink = Pattern::solid(TargetColor(pen.color, dc.target().mono));
  const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int err = dx + dy;
  int x = from.x, y = from.y;
  for (int step = 0; x != to.x || y != to.y; ++step) {
    if (PenOnAt(pen, step)) PaintPenPoint(dc, ink, pen.width, x, y);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
  const int grow = pen.width;
  return RECT{std::min(from.x, to.x) - grow, std::min(from.y, to.y) - grow, std::max(from.x, to.x) + grow,
              std::max(from.y, to.y) + grow};
}

// Shapes accept their corners in any order.
RECT OrderedTargetRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
  return dc.toTarget(RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
}

void PaintSpans(DeviceContext& dc, const std::vector<Span>& spans, const Pattern& pattern) {
  if (pattern.isNone()) return;
  for (const Span& s : spans) PaintRect(dc, RECT{s.left, s.y, s.right, s.y + 1}, pattern, kPatCopy);
}

// Horizontal extent of the ellipse inscribed in `rc` at row y (pixel centres), empty if none.
bool EllipseRow(const RECT& rc, int y, int* left, int* right) {
  const double rx = (rc.right - rc.left) / 2.0, ry = (rc.bottom - rc.top) / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  const double cx = rc.left + rx, cy = rc.top + ry;
  const double dy = (y + 0.5 - cy) / ry;
  if (dy * dy > 1.0) return false;
  const double half = rx * std::sqrt(1.0 - dy * dy);
  *left = static_cast<int>(std::lround(cx - half));
  *right = static_cast<int>(std::lround(cx + half));
  return *right > *left;
}

// Spans inside a closed polygon by the even-odd rule, sampled at pixel centres.
std::vector<Span> PolygonSpans(const std::vector<POINT>& pts) {
  std::vector<Span> spans;
  int top = pts[0].y, bottom = pts[0].y;
  for (const POINT& p : pts) {
    top = std::min<int>(top, p.y);
    bottom = std::max<int>(bottom, p.y);
  }
  for (int y = top; y < bottom; ++y) {
    const double sy = y + 0.5;
    std::vector<double> xs;
    for (size_t i = 0; i < pts.size(); ++i) {
      const POINT a = pts[i], b = pts[(i + 1) % pts.size()];
      if ((a.y <= sy) == (b.y <= sy)) continue;
      xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int l = static_cast<int>(std::ceil(xs[i] - 0.5)), r = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
      if (r > l) spans.push_back(Span{y, l, r});
    }
  }
  return spans;
}

}  // namespace
}  // namespace gdi

using gdi::DeviceContext;

int FillRect(HDC hdc, const RECT* rc, HBRUSH hbrush) {
  auto dc = gdi::FindDC(hdc);
  auto brush = gdi::HandleTable::instance().findAs<gdi::Brush>(hbrush);
  if (!dc || !brush || rc == nullptr) return FALSE;
  gdi::RasterFill(*dc, dc->toTarget(*rc), *brush, gdi::kPatCopy);
  return TRUE;
}

int FrameRect(HDC hdc, const RECT* rc, HBRUSH hbrush) {
  auto dc = gdi::FindDC(hdc);
  auto brush = gdi::HandleTable::instance().findAs<gdi::Brush>(hbrush);
  if (!dc || !brush || rc == nullptr) return FALSE;
  const RECT r = dc->toTarget(*rc);
  if (gdi::IsRectEmptyRaw(r)) return TRUE;
  const gdi::Pattern pattern = gdi::Pattern::forBrush(*brush, *dc);
  if (pattern.isNone()) return TRUE;
  for (const RECT& edge : {RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
                           RECT{r.left, r.top, r.left + 1, r.bottom}, RECT{r.right - 1, r.top, r.right, r.bottom}}) {
    gdi::PaintRect(*dc, edge, pattern, gdi::kPatCopy);
  }
  dc->markDrawn(r);
  return TRUE;
}

BOOL FillRgn(HDC hdc, HRGN rgn, HBRUSH hbrush) {
  auto dc = gdi::FindDC(hdc);
  auto region = gdi::HandleTable::instance().findAs<gdi::RegionObject>(rgn);
  auto brush = gdi::HandleTable::instance().findAs<gdi::Brush>(hbrush);
  if (!dc || !region || !brush) return FALSE;
  for (const RECT& r : region->region.rects()) gdi::RasterFill(*dc, dc->toTarget(r), *brush, gdi::kPatCopy);
  return TRUE;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT old) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return FALSE;
  if (old != nullptr) *old = dc->state().penPosition;
  dc->state().penPosition = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return FALSE;
  const POINT from = dc->state().penPosition;
  dc->state().penPosition = POINT{x, y};
  const gdi::Pen& pen = *dc->state().pen;
  if (gdi::PenDraws(pen)) dc->markDrawn(gdi::DrawLine(*dc, pen, dc->toTarget(from.x, from.y), dc->toTarget(x, y)));
  return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return FALSE;
  const RECT r = gdi::OrderedTargetRect(*dc, left, top, right, bottom);
  const gdi::Pen& pen = *dc->state().pen;
  const gdi::Pattern fill = gdi::Pattern::forBrush(*dc->state().brush, *dc);
  if (!gdi::PenDraws(pen)) {
    // Without an outline the filled area stops one pixel short on the right and at the bottom.
    if (!fill.isNone()) gdi::PaintRect(*dc, RECT{r.left, r.top, r.right - 1, r.bottom - 1}, fill, gdi::kPatCopy);
  } else {
    if (!fill.isNone()) gdi::PaintRect(*dc, r, fill, gdi::kPatCopy);
    const POINT corners[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
    for (int i = 0; i < 4; ++i) gdi::DrawLine(*dc, pen, corners[i], corners[(i + 1) % 4]);
  }
  dc->markDrawn(RECT{r.left - pen.width, r.top - pen.width, r.right + pen.width, r.bottom + pen.width});
  return TRUE;
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return FALSE;
  const RECT r = gdi::OrderedTargetRect(*dc, left, top, right, bottom);
  const gdi::Pen& pen = *dc->state().pen;
  const int penWidth = gdi::PenDraws(pen) ? pen.width : 0;
  const RECT inner{r.left + penWidth, r.top + penWidth, r.right - penWidth, r.bottom - penWidth};
  std::vector<gdi::Span> fill, outline;
  for (int y = r.top; y < r.bottom; ++y) {
    int ol = 0, orr = 0, il = 0, ir = 0;
    if (!gdi::EllipseRow(r, y, &ol, &orr)) continue;
    if (!gdi::EllipseRow(inner, y, &il, &ir)) {
      outline.push_back(gdi::Span{y, ol, orr});
      continue;
    }
    fill.push_back(gdi::Span{y, il, ir});
    if (il > ol) outline.push_back(gdi::Span{y, ol, il});
    if (orr > ir) outline.push_back(gdi::Span{y, ir, orr});
  }
  gdi::PaintSpans(*dc, fill, gdi::Pattern::forBrush(*dc->state().brush, *dc));
  if (penWidth > 0) gdi::PaintSpans(*dc, outline, gdi::Pattern::solid(gdi::TargetColor(pen.color, dc->target().mono)));
  dc->markDrawn(r);
  return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* pts, int count) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || pts == nullptr || count < 2) return FALSE;
  std::vector<POINT> target;
  RECT bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (int i = 0; i < count; ++i) {
    const POINT p = dc->toTarget(pts[i].x, pts[i].y);
    target.push_back(p);
    bounds = RECT{std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x + 1),
                  std::max(bounds.bottom, p.y + 1)};
  }
  gdi::PaintSpans(*dc, gdi::PolygonSpans(target), gdi::Pattern::forBrush(*dc->state().brush, *dc));
  const gdi::Pen& pen = *dc->state().pen;
  if (gdi::PenDraws(pen)) {
    for (size_t i = 0; i < target.size(); ++i) gdi::DrawLine(*dc, pen, target[i], target[(i + 1) % target.size()]);
  }
  dc->markDrawn(RECT{bounds.left - pen.width, bounds.top - pen.width, bounds.right + pen.width,
                     bounds.bottom + pen.width});
  return TRUE;
}
