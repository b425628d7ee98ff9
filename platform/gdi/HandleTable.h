// Every GDI handle is a key into this table; a handle that is not in it (never made, or deleted) finds
// nothing, so calls with it fail instead of touching freed memory. Handle values are never reused.
#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/gdi/GdiObjects.h"

namespace gdi {

class HandleTable {
 public:
  static HandleTable& instance();

  HGDIOBJ add(std::shared_ptr<GdiObject> object);
  std::shared_ptr<GdiObject> find(const void* handle) const;
  template <typename T>
  std::shared_ptr<T> findAs(const void* handle) const {
    return std::dynamic_pointer_cast<T>(find(handle));
  }
  // Removes a non-stock object; false for stock objects and unknown handles.
  bool remove(const void* handle);

  // GetStockObject's objects by index; NULL for indexes without a stock object.
  HGDIOBJ stockObject(int index) const;
  // The 1x1 monochrome bitmap every new memory DC holds.
  std::shared_ptr<Bitmap> stockBitmap() const { return stockBitmap_; }

 private:
  HandleTable();
  void addStock(int index, std::shared_ptr<GdiObject> object);

  mutable std::mutex mutex_;
  std::unordered_map<uintptr_t, std::shared_ptr<GdiObject>> objects_;
  uintptr_t nextHandle_ = 0x10000;
  std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> stock_{};
  std::shared_ptr<Bitmap> stockBitmap_;
};

}  // namespace gdi
