// Fonts and text: creating fonts, measuring, TextOut and DrawText.
#include <cstring>
#include <string_view>

#include "platform/gdi/FontCache.h"
#include "platform/gdi/HandleTable.h"
#include "platform/gdi/TextLayout.h"
#include "platform/gdi/TextRenderer.h"
#include "platform/gdi/Utf8.h"

namespace gdi {
namespace {

std::u32string Decode(LPCSTR text, int length) {
  if (text == nullptr) return {};
  const size_t n = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
  return DecodeUtf8(std::string_view(text, n));
}

struct TextBlock {
  std::vector<TextLine> lines;
  int width = 0;
  int height = 0;
  int lineHeight = 0;
};

TextBlock Layout(TextRenderer& renderer, FontFace& face, std::u32string_view text, UINT format, const RECT& rc) {
  TextBlock block;
  block.lineHeight = face.metrics().height;
  const int tabStop = 8 * face.metrics().aveCharWidth;
  block.lines = LayoutText(text, format, rc.right - rc.left, tabStop,
                           [&renderer](std::u32string_view s) { return renderer.measure(s); });
  for (const TextLine& line : block.lines) block.width = std::max(block.width, line.width);
  block.height = static_cast<int>(block.lines.size()) * block.lineHeight;
  return block;
}

// Vertical placement applies to single lines only, as on the platform.
int FirstLineTop(const RECT& rc, UINT format, const TextBlock& block) {
  if (!(format & DT_SINGLELINE)) return rc.top;
  if (format & DT_VCENTER) return rc.top + (rc.bottom - rc.top - block.height) / 2;
  if (format & DT_BOTTOM) return rc.bottom - block.height;
  return rc.top;
}

int LineLeft(const RECT& rc, UINT format, int width) {
  if (format & DT_CENTER) return rc.left + (rc.right - rc.left - width) / 2;
  if (format & DT_RIGHT) return rc.right - width;
  return rc.left;
}

int DrawBlock(DeviceContext& dc, TextRenderer& renderer, const TextBlock& block, const RECT& rc, UINT format) {
  const int top = FirstLineTop(rc, format, block);
  const RECT targetRect = dc.toTarget(rc);
  const std::optional<RECT> limit = (format & DT_NOCLIP) ? std::nullopt : std::optional<RECT>(targetRect);
  int y = top;
  for (const TextLine& line : block.lines) {
    renderer.draw(dc.toTarget(LineLeft(rc, format, line.width), y), line.text, line.underlined, limit);
    y += block.lineHeight;
  }
  return y - rc.top;
}

}  // namespace
}  // namespace gdi

HFONT CreateFontIndirect(const LOGFONT* lf) {
  if (lf == nullptr) return nullptr;
  LOGFONT copy = *lf;
  copy.lfFaceName[LF_FACESIZE - 1] = '\0';
  return static_cast<HFONT>(gdi::HandleTable::instance().add(std::make_shared<gdi::Font>(copy)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONT lf{height, width, escapement, orientation, weight, static_cast<BYTE>(italic != 0),
             static_cast<BYTE>(underline != 0), static_cast<BYTE>(strikeOut != 0), static_cast<BYTE>(charSet),
             static_cast<BYTE>(outPrecision), static_cast<BYTE>(clipPrecision), static_cast<BYTE>(quality),
             static_cast<BYTE>(pitchAndFamily), {}};
  if (faceName != nullptr) std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int length) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || (text == nullptr && length > 0) || length < 0) return FALSE;
  gdi::FontFace& face = dc->state().font->face();
  gdi::TextRenderer(*dc, face).draw(dc->toTarget(x, y), gdi::Decode(text, length), {}, std::nullopt);
  return TRUE;
}

int DrawText(HDC hdc, LPCSTR text, int length, LPRECT rc, UINT format) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || text == nullptr || rc == nullptr) return 0;
  gdi::FontFace& face = dc->state().font->face();
  gdi::TextRenderer renderer(*dc, face);
  const gdi::TextBlock block = gdi::Layout(renderer, face, gdi::Decode(text, length), format, *rc);
  if (format & DT_CALCRECT) {
    rc->right = rc->left + block.width;
    rc->bottom = rc->top + block.height;
    return block.height;
  }
  return gdi::DrawBlock(*dc, renderer, block, *rc, format);
}

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int length, LPSIZE size) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || size == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
  gdi::FontFace& face = dc->state().font->face();
  size->cx = gdi::TextRenderer(*dc, face).measure(gdi::Decode(text, length));
  size->cy = face.metrics().height;
  return TRUE;
}

BOOL GetTextMetrics(HDC hdc, LPTEXTMETRIC tm) {
  auto dc = gdi::FindDC(hdc);
  if (!dc || tm == nullptr) return FALSE;
  const gdi::FontMetrics& m = dc->state().font->face().metrics();
  *tm = TEXTMETRIC{m.height, m.ascent, m.descent, m.internalLeading, m.externalLeading,
                   m.aveCharWidth, m.maxCharWidth, m.weight};
  return TRUE;
}
