#include "platform/gdi/TextLayout.h"

#include "platform/gdi/wingdi.h"

namespace gdi {
namespace {

struct TextChar {
  char32_t ch;
  bool underline;
};
using Chars = std::vector<TextChar>;

std::u32string Plain(const Chars& chars, size_t count) {
  std::u32string s;
  for (size_t i = 0; i < count && i < chars.size(); ++i) s.push_back(chars[i].ch);
  return s;
}

// "&&" shows one '&'; "&x" shows x underlined; a final lone '&' shows nothing.
Chars StripPrefixes(std::u32string_view text, bool keepAmpersands) {
  Chars out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (keepAmpersands || text[i] != U'&') {
      out.push_back({text[i], false});
    } else if (i + 1 < text.size()) {
      ++i;
      out.push_back({text[i], text[i] != U'&'});
    }
  }
  return out;
}

std::vector<Chars> SplitParagraphs(const Chars& chars, bool singleLine) {
  std::vector<Chars> paragraphs(1);
  for (size_t i = 0; i < chars.size(); ++i) {
    const char32_t c = chars[i].ch;
    if (c != U'\r' && c != U'\n') {
      paragraphs.back().push_back(chars[i]);
      continue;
    }
    if (singleLine) continue;
    if (c == U'\r' && i + 1 < chars.size() && chars[i + 1].ch == U'\n') ++i;
    paragraphs.emplace_back();
  }
  return paragraphs;
}

// Tabs become spaces up to the next tab stop, or a single space when tabs are not expanded.
Chars ExpandTabs(const Chars& chars, bool expand, int tabStop, const MeasureFn& measure) {
  Chars out;
  for (const TextChar& tc : chars) {
    if (tc.ch != U'\t') {
      out.push_back(tc);
      continue;
    }
    out.push_back({U' ', false});
    if (!expand || tabStop <= 0) continue;
    const int target = (measure(Plain(out, out.size() - 1)) / tabStop + 1) * tabStop;
    while (measure(Plain(out, out.size())) < target) out.push_back({U' ', false});
  }
  return out;
}

void TrimTrailingSpaces(Chars& line) {
  while (!line.empty() && line.back().ch == U' ') line.pop_back();
}

std::vector<Chars> WrapWords(const Chars& paragraph, int maxWidth, const MeasureFn& measure) {
  std::vector<Chars> lines;
  Chars line;
  size_t i = 0;
  while (i < paragraph.size()) {
    size_t end = i;
    while (end < paragraph.size() && paragraph[end].ch != U' ') ++end;
    Chars candidate = line;
    candidate.insert(candidate.end(), paragraph.begin() + static_cast<ptrdiff_t>(i),
                     paragraph.begin() + static_cast<ptrdiff_t>(end));
    // A word that does not fit starts a new line; a word wider than the whole line stays whole.
    if (!line.empty() && measure(Plain(candidate, candidate.size())) > maxWidth) {
      TrimTrailingSpaces(line);
      lines.push_back(line);
      candidate.assign(paragraph.begin() + static_cast<ptrdiff_t>(i), paragraph.begin() + static_cast<ptrdiff_t>(end));
    }
    while (end < paragraph.size() && paragraph[end].ch == U' ') candidate.push_back(paragraph[end++]);
    line = std::move(candidate);
    i = end;
  }
  TrimTrailingSpaces(line);
  lines.push_back(line);
  return lines;
}

void AddEllipsis(Chars& line, int maxWidth, const MeasureFn& measure) {
  if (measure(Plain(line, line.size())) <= maxWidth) return;
  const std::u32string dots = U"...";
  while (!line.empty() && measure(Plain(line, line.size()) + dots) > maxWidth) line.pop_back();
  for (char32_t c : dots) line.push_back({c, false});
}

TextLine Finish(const Chars& chars, const MeasureFn& measure) {
  TextLine line;
  for (size_t i = 0; i < chars.size(); ++i) {
    line.text.push_back(chars[i].ch);
    if (chars[i].underline) line.underlined.push_back(i);
  }
  line.width = measure(line.text);
  return line;
}

}  // namespace

std::vector<TextLine> LayoutText(std::u32string_view text, UINT format, int maxWidth, int tabStop,
                                 const MeasureFn& measure) {
  const bool singleLine = format & DT_SINGLELINE;
  std::vector<TextLine> lines;
  for (const Chars& paragraph : SplitParagraphs(StripPrefixes(text, format & DT_NOPREFIX), singleLine)) {
    const Chars expanded = ExpandTabs(paragraph, format & DT_EXPANDTABS, tabStop, measure);
    std::vector<Chars> wrapped = (format & DT_WORDBREAK) && !singleLine ? WrapWords(expanded, maxWidth, measure)
                                                                         : std::vector<Chars>{expanded};
    for (Chars& line : wrapped) {
      if (format & DT_END_ELLIPSIS) AddEllipsis(line, maxWidth, measure);
      lines.push_back(Finish(line, measure));
    }
  }
  return lines;
}

}  // namespace gdi
