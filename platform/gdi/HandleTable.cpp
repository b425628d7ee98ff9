#include "platform/gdi/HandleTable.h"

#include <cstring>

namespace gdi {
namespace {

std::shared_ptr<Brush> StockBrush(UINT style, COLORREF color) {
  auto brush = std::make_shared<Brush>();
  brush->style = style;
  brush->color = color;
  return brush;
}

std::shared_ptr<Pen> StockPen(int style, COLORREF color) {
  auto pen = std::make_shared<Pen>();
  pen->style = style;
  pen->color = color;
  return pen;
}

// The user-interface fonts: a sans face at 9 points on a 96 dpi screen.
std::shared_ptr<Font> StockFont() {
  LOGFONT lf{};
  lf.lfHeight = -12;
  lf.lfWeight = FW_NORMAL;
  std::strcpy(lf.lfFaceName, "Liberation Sans");
  return std::make_shared<Font>(lf);
}

}  // namespace

// Never destroyed, so static objects elsewhere may still release handles while the process exits.
HandleTable& HandleTable::instance() {
  static HandleTable* table = new HandleTable;
  return *table;
}

HandleTable::HandleTable() {
  addStock(WHITE_BRUSH, StockBrush(BS_SOLID, RGB(255, 255, 255)));
  addStock(LTGRAY_BRUSH, StockBrush(BS_SOLID, RGB(192, 192, 192)));
  addStock(GRAY_BRUSH, StockBrush(BS_SOLID, RGB(128, 128, 128)));
  addStock(DKGRAY_BRUSH, StockBrush(BS_SOLID, RGB(64, 64, 64)));
  addStock(BLACK_BRUSH, StockBrush(BS_SOLID, RGB(0, 0, 0)));
  addStock(NULL_BRUSH, StockBrush(BS_NULL, 0));
  addStock(WHITE_PEN, StockPen(PS_SOLID, RGB(255, 255, 255)));
  addStock(BLACK_PEN, StockPen(PS_SOLID, RGB(0, 0, 0)));
  addStock(NULL_PEN, StockPen(PS_NULL, 0));
  addStock(SYSTEM_FONT, StockFont());
  addStock(DEFAULT_GUI_FONT, StockFont());
  stockBitmap_ = std::make_shared<Bitmap>(1, 1, true);
  stockBitmap_->stock = true;
  add(stockBitmap_);
}

void HandleTable::addStock(int index, std::shared_ptr<GdiObject> object) {
  object->stock = true;
  stock_[static_cast<size_t>(index)] = add(std::move(object));
}

HGDIOBJ HandleTable::add(std::shared_ptr<GdiObject> object) {
  std::lock_guard lock(mutex_);
  const uintptr_t key = nextHandle_;
  nextHandle_ += 4;
  object->handle = reinterpret_cast<HGDIOBJ>(key);
  objects_.emplace(key, std::move(object));
  return reinterpret_cast<HGDIOBJ>(key);
}

std::shared_ptr<GdiObject> HandleTable::find(const void* handle) const {
  std::lock_guard lock(mutex_);
  const auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  return it == objects_.end() ? nullptr : it->second;
}

bool HandleTable::remove(const void* handle) {
  std::lock_guard lock(mutex_);
  const auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
  if (it == objects_.end() || it->second->stock) return false;
  objects_.erase(it);
  return true;
}

HGDIOBJ HandleTable::stockObject(int index) const {
  if (index < 0 || index >= static_cast<int>(stock_.size())) return nullptr;
  return stock_[static_cast<size_t>(index)];
}

}  // namespace gdi
