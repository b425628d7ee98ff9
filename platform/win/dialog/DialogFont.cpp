#include "platform/win/dialog/DialogFont.h"

#include <cstdint>
#include <cstring>
#include <strings.h>

namespace win {

namespace {

// The skin bitmaps were drawn for these faces and sizes; the numbers must not depend on the fonts
// that happen to be installed.
struct FixedBaseUnits {
  const char* face;
  int points;
  int x;
  int y;
};
constexpr FixedBaseUnits kFixedBaseUnits[] = {
    {"Microsoft Sans Serif", 9, 7, 15},
    {"MS Sans Serif", 9, 7, 15},
    {"Times New Roman", 10, 8, 16},
};

constexpr int kSystemBaseUnitX = 8;
constexpr int kSystemBaseUnitY = 16;

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t product = static_cast<int64_t>(a) * b;
  bool negative = (product < 0) != (c < 0);
  int64_t magnitude = product < 0 ? -product : product;
  int64_t divisor = c < 0 ? -static_cast<int64_t>(c) : c;
  int64_t rounded = (magnitude + divisor / 2) / divisor;
  return static_cast<int>(negative ? -rounded : rounded);
}

DialogFont DialogFont::forTemplate(const DialogTemplate& tmpl) {
  if ((tmpl.style & DS_SETFONT) && tmpl.fontFace && *tmpl.fontFace) {
    return create(tmpl.fontFace, tmpl.pointSize, tmpl.weight, tmpl.italic != 0, tmpl.charSet);
  }
  DialogFont result;
  result.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  result.baseUnitX = kSystemBaseUnitX;
  result.baseUnitY = kSystemBaseUnitY;
  return result;
}

DialogFont DialogFont::create(const char* face, int points, int weight, bool italic, int charSet) {
  DialogFont result;
  result.font = CreateFont(-MulDivRounded(points, 96, 72), 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE,
                           charSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face);
  result.owned = result.font != nullptr;
  if (!result.font) result.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  result.measure(face, points);
  return result;
}

void DialogFont::measure(const char* face, int points) {
  for (const auto& fixed : kFixedBaseUnits) {
    if (points == fixed.points && strcasecmp(face, fixed.face) == 0) {
      baseUnitX = fixed.x;
      baseUnitY = fixed.y;
      return;
    }
  }
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent{};
  TEXTMETRIC tm{};
  if (GetTextExtentPoint32(dc, kAlphabet, 52, &extent) && extent.cx > 0) baseUnitX = (extent.cx / 26 + 1) / 2;
  if (GetTextMetrics(dc, &tm) && tm.tmHeight > 0) baseUnitY = tm.tmHeight;
  SelectObject(dc, old);
  DeleteDC(dc);
}

}  // namespace win
