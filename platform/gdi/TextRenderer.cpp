#include "platform/gdi/TextRenderer.h"

#include <algorithm>

#include "platform/gdi/Raster.h"

namespace gdi {
namespace {

constexpr uint8_t kPatCopy = 0xF0;

uint32_t Blend(uint32_t d, uint32_t s, uint32_t a) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int dc = (d >> shift) & 0xFF, sc = (s >> shift) & 0xFF;
    const int c = dc + ((sc - dc) * static_cast<int>(a) + (sc >= dc ? 127 : -127)) / 255;
    out |= static_cast<uint32_t>(c) << shift;
  }
  return out;
}

}  // namespace

int TextRenderer::measure(std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += face_.glyph(c).advance;
  return width;
}

void TextRenderer::draw(POINT origin, std::u32string_view text, const std::vector<size_t>& underlined,
                        const std::optional<RECT>& limit) {
  const FontMetrics& m = face_.metrics();
  const int width = measure(text);
  const RECT cell{origin.x, origin.y, origin.x + width, origin.y + m.height};
  const bool mono = dc_.target().mono;
  if (dc_.state().bkMode == OPAQUE) fill(cell, TargetColor(dc_.state().bkColor, mono), limit);
  const uint32_t color = TargetColor(dc_.state().textColor, mono);
  const int baseline = origin.y + m.ascent;
  RECT touched = cell;
  int penX = origin.x;
  for (size_t i = 0; i < text.size(); ++i) {
    const GlyphImage& g = face_.glyph(text[i]);
    const RECT area{penX + g.left, baseline - g.top, penX + g.left + g.width, baseline - g.top + g.height};
    blendGlyph(g, area.left, area.top, color, limit ? IntersectRectRaw(area, *limit) : area);
    touched = RECT{std::min(touched.left, area.left), std::min(touched.top, area.top),
                   std::max(touched.right, area.right), std::max(touched.bottom, area.bottom)};
    if (std::find(underlined.begin(), underlined.end(), i) != underlined.end()) {
      fill(RECT{penX, baseline + 1, penX + g.advance, baseline + 2}, color, limit);
    }
    penX += g.advance;
  }
  dc_.markDrawn(limit ? IntersectRectRaw(touched, *limit) : touched);
}

void TextRenderer::blendGlyph(const GlyphImage& glyph, int x, int y, uint32_t color, const RECT& area) {
  const PixelTarget t = dc_.target();
  for (const RECT& c : dc_.clip().rects()) {
    const RECT r = IntersectRectRaw(area, c);
    for (int py = r.top; py < r.bottom; ++py) {
      const uint8_t* coverage = glyph.coverage.data() + static_cast<size_t>(py - y) * glyph.width;
      uint32_t* row = t.row(py);
      for (int px = r.left; px < r.right; ++px) {
        const uint32_t a = coverage[px - x];
        if (a == 0) continue;
        // A monochrome target has no shades: a pixel is text where the glyph covers it mostly.
        if (t.mono) {
          if (a >= 128) row[px] = color;
        } else {
          row[px] = a == 255 ? color : Blend(row[px] & 0xFFFFFF, color, a);
        }
      }
    }
  }
}

void TextRenderer::fill(const RECT& rc, uint32_t color, const std::optional<RECT>& limit) {
  PaintRect(dc_, limit ? IntersectRectRaw(rc, *limit) : rc, Pattern::solid(color), kPatCopy);
}

}  // namespace gdi
