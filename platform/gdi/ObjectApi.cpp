// Creating, selecting, describing and deleting GDI objects.
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/HandleTable.h"

namespace gdi {
namespace {

HandleTable& Table() { return HandleTable::instance(); }

template <typename T>
int CopyOut(const T& value, int size, LPVOID out) {
  if (out == nullptr) return static_cast<int>(sizeof(T));
  if (size <= 0) return 0;
  const size_t n = std::min(static_cast<size_t>(size), sizeof(T));
  std::memcpy(out, &value, n);
  return static_cast<int>(n);
}

int MonoRowBytes(int width) { return ((width + 15) / 16) * 2; }

int DescribeBitmap(const Bitmap& bmp, int size, LPVOID out) {
  BITMAP info{};
  info.bmWidth = bmp.width;
  info.bmHeight = bmp.height;
  info.bmWidthBytes = bmp.mono ? MonoRowBytes(bmp.width) : bmp.width * 4;
  info.bmPlanes = 1;
  info.bmBitsPixel = bmp.mono ? 1 : 32;
  return CopyOut(info, size, out);
}

int DescribeBrush(const Brush& brush, int size, LPVOID out) {
  LOGBRUSH lb{brush.style, brush.color, 0};
  return CopyOut(lb, size, out);
}

int DescribePen(const Pen& pen, int size, LPVOID out) {
  LOGPEN lp{static_cast<UINT>(pen.style), POINT{pen.width, 0}, pen.color};
  return CopyOut(lp, size, out);
}

// Monochrome rows are packed most significant bit first, each row padded to 16 bits.
void UnpackMonoBits(Bitmap& bmp, const BYTE* bits) {
  const int rowBytes = MonoRowBytes(bmp.width);
  for (int y = 0; y < bmp.height; ++y) {
    for (int x = 0; x < bmp.width; ++x) {
      const bool set = (bits[y * rowBytes + x / 8] >> (7 - x % 8)) & 1;
      bmp.pixels[static_cast<size_t>(y) * bmp.width + x] = set ? Bitmap::kMonoWhite : 0;
    }
  }
}

void PackMonoBits(const Bitmap& bmp, BYTE* bits) {
  const int rowBytes = MonoRowBytes(bmp.width);
  std::memset(bits, 0, static_cast<size_t>(rowBytes) * bmp.height);
  for (int y = 0; y < bmp.height; ++y) {
    for (int x = 0; x < bmp.width; ++x) {
      if (bmp.pixels[static_cast<size_t>(y) * bmp.width + x] != 0) bits[y * rowBytes + x / 8] |= 0x80 >> (x % 8);
    }
  }
}

HBITMAP NewBitmap(int width, int height, bool mono) {
  if (width == 0 || height == 0) return static_cast<HBITMAP>(Table().stockBitmap()->handle);
  if (!BitmapSizeAllowed(width, height)) return nullptr;
  return static_cast<HBITMAP>(Table().add(std::make_shared<Bitmap>(width, height, mono)));
}

HGDIOBJ SelectInto(DeviceContext& dc, const std::shared_ptr<GdiObject>& object) {
  DcState& state = dc.state();
  if (auto bitmap = std::dynamic_pointer_cast<Bitmap>(object)) {
    HGDIOBJ previous = state.bitmap ? state.bitmap->handle : nullptr;
    return dc.selectBitmap(bitmap) ? previous : nullptr;
  }
  if (auto brush = std::dynamic_pointer_cast<Brush>(object)) return std::exchange(state.brush, brush)->handle;
  if (auto pen = std::dynamic_pointer_cast<Pen>(object)) return std::exchange(state.pen, pen)->handle;
  if (auto font = std::dynamic_pointer_cast<Font>(object)) return std::exchange(state.font, font)->handle;
  return nullptr;
}

}  // namespace
}  // namespace gdi

using gdi::Bitmap;
using gdi::Brush;
using gdi::Pen;

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ obj) {
  auto dc = gdi::FindDC(hdc);
  auto object = gdi::Table().find(obj);
  if (!dc || !object) return nullptr;
  if (object->type() == OBJ_REGION) {
    return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(SelectClipRgn(hdc, static_cast<HRGN>(obj))));
  }
  return gdi::SelectInto(*dc, object);
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  auto dc = gdi::FindDC(hdc);
  if (!dc) return nullptr;
  const gdi::DcState& s = dc->state();
  switch (type) {
    case OBJ_BITMAP: return s.bitmap ? s.bitmap->handle : nullptr;
    case OBJ_BRUSH: return s.brush->handle;
    case OBJ_PEN: return s.pen->handle;
    case OBJ_FONT: return s.font->handle;
    default: return nullptr;
  }
}

BOOL DeleteObject(HGDIOBJ obj) {
  auto object = gdi::Table().find(obj);
  if (!object || object->type() == OBJ_DC || object->type() == OBJ_MEMDC) return FALSE;
  if (object->stock) return TRUE;
  // A bitmap still selected into a DC stays; deleting it would leave the DC drawing into nothing.
  if (auto bitmap = std::dynamic_pointer_cast<Bitmap>(object); bitmap && bitmap->selectedInto != nullptr) {
    return FALSE;
  }
  return gdi::Table().remove(obj) ? TRUE : FALSE;
}

int GetObject(HGDIOBJ obj, int size, LPVOID out) {
  auto object = gdi::Table().find(obj);
  if (!object) return 0;
  if (auto bitmap = std::dynamic_pointer_cast<Bitmap>(object)) return gdi::DescribeBitmap(*bitmap, size, out);
  if (auto brush = std::dynamic_pointer_cast<Brush>(object)) return gdi::DescribeBrush(*brush, size, out);
  if (auto pen = std::dynamic_pointer_cast<Pen>(object)) return gdi::DescribePen(*pen, size, out);
  if (auto font = std::dynamic_pointer_cast<gdi::Font>(object)) return gdi::CopyOut(font->logFont, size, out);
  return 0;
}

DWORD GetObjectType(HGDIOBJ obj) {
  auto object = gdi::Table().find(obj);
  return object ? object->type() : 0;
}

HGDIOBJ GetStockObject(int index) { return gdi::Table().stockObject(index); }

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32) || width < 0 || height < 0) return nullptr;
  HBITMAP handle = gdi::NewBitmap(width, height, bitsPerPixel == 1);
  auto bmp = gdi::Table().findAs<Bitmap>(handle);
  if (!bmp || bmp->stock || bits == nullptr) return handle;
  if (bmp->mono) {
    gdi::UnpackMonoBits(*bmp, static_cast<const BYTE*>(bits));
  } else {
    std::memcpy(bmp->pixels.data(), bits, bmp->pixels.size() * sizeof(uint32_t));
  }
  return handle;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
  if (width < 0 || height < 0) return nullptr;
  bool mono = false;
  if (hdc != nullptr) {
    auto dc = gdi::FindDC(hdc);
    if (!dc) return nullptr;
    // A memory DC is as deep as the bitmap it holds, and a fresh one holds a monochrome bitmap.
    mono = dc->target().mono;
  }
  return gdi::NewBitmap(width, height, mono);
}

LONG GetBitmapBits(HBITMAP hbmp, LONG size, LPVOID bits) {
  auto bmp = gdi::Table().findAs<Bitmap>(hbmp);
  if (!bmp || size < 0) return 0;
  const size_t total = bmp->mono ? static_cast<size_t>(gdi::MonoRowBytes(bmp->width)) * bmp->height
                                 : bmp->pixels.size() * sizeof(uint32_t);
  if (bits == nullptr) return static_cast<LONG>(total);
  std::vector<BYTE> packed(total);
  if (bmp->mono) {
    gdi::PackMonoBits(*bmp, packed.data());
  } else {
    std::memcpy(packed.data(), bmp->pixels.data(), total);
  }
  const size_t n = std::min(total, static_cast<size_t>(size));
  std::memcpy(bits, packed.data(), n);
  return static_cast<LONG>(n);
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto brush = std::make_shared<Brush>();
  brush->color = color & 0xFFFFFF;
  return static_cast<HBRUSH>(gdi::Table().add(brush));
}

HBRUSH CreatePatternBrush(HBITMAP hbmp) {
  auto bmp = gdi::Table().findAs<Bitmap>(hbmp);
  if (!bmp) return nullptr;
  // The brush keeps its own copy: the bitmap may be changed or deleted afterwards.
  auto copy = std::make_shared<Bitmap>(*bmp);
  copy->handle = nullptr;
  copy->stock = false;
  copy->selectedInto = nullptr;
  auto brush = std::make_shared<Brush>();
  brush->style = BS_PATTERN;
  brush->pattern = std::move(copy);
  return static_cast<HBRUSH>(gdi::Table().add(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (lb == nullptr) return nullptr;
  switch (lb->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(lb->lbColor);
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(lb->lbHatch));
    case BS_NULL: {
      auto brush = std::make_shared<Brush>();
      brush->style = BS_NULL;
      return static_cast<HBRUSH>(gdi::Table().add(brush));
    }
    default: return nullptr;
  }
}

HPEN CreatePen(int style, int width, COLORREF color) {
  if (style != PS_SOLID && style != PS_DASH && style != PS_DOT && style != PS_NULL) return nullptr;
  auto pen = std::make_shared<Pen>();
  pen->style = style;
  pen->width = std::max(width, 1);
  pen->color = color & 0xFFFFFF;
  return static_cast<HPEN>(gdi::Table().add(pen));
}
