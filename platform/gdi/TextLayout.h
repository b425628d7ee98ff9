// Breaks DrawText's text into lines: mnemonic prefixes, line breaks, tab expansion, word wrapping and
// end ellipses. Knows nothing of pixels but what `measure` tells it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/windef.h"

namespace gdi {

struct TextLine {
  std::u32string text;
  std::vector<size_t> underlined;  // indexes into text of characters marked with '&'
  int width = 0;
};

using MeasureFn = std::function<int(std::u32string_view)>;

// `maxWidth` is the rectangle's width (wrapping and ellipses); `tabStop` the distance between tab
// stops in pixels.
std::vector<TextLine> LayoutText(std::u32string_view text, UINT format, int maxWidth, int tabStop,
                                 const MeasureFn& measure);

}  // namespace gdi
