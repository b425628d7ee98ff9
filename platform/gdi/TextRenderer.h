// Draws runs of glyphs into a DC: antialiased coverage blended in the text colour, clipped to the
// DC's clip and optionally to a rectangle.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontFace.h"

namespace gdi {

class TextRenderer {
 public:
  TextRenderer(DeviceContext& dc, FontFace& face) : dc_(dc), face_(face) {}

  int measure(std::u32string_view text);
  // Draws `text` with its cell's top-left corner at `origin` (target coordinates), filling the cell
  // with the background colour first when the DC is OPAQUE; marks the surface.
  void draw(POINT origin, std::u32string_view text, const std::vector<size_t>& underlined,
            const std::optional<RECT>& limit);

 private:
  void blendGlyph(const GlyphImage& glyph, int x, int y, uint32_t color, const RECT& area);
  void fill(const RECT& rc, uint32_t color, const std::optional<RECT>& limit);

  DeviceContext& dc_;
  FontFace& face_;
};

}  // namespace gdi
