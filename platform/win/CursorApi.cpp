// Cursors, icons and bitmaps: loading, showing and freeing.
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "platform/win/Icon.h"
#include "platform/win/ResourceTable.h"
#include "platform/win/SystemImages.h"
#include "platform/win/WindowSystem.h"

using win::Sys;

namespace {

// A resource name as a number: MAKEINTRESOURCE(n) or "#n"; 0 when it is neither.
UINT ResourceNumber(LPCSTR name) {
  if (!name) return 0;
  if (IS_INTRESOURCE(name)) return static_cast<UINT>(reinterpret_cast<uintptr_t>(name));
  if (name[0] == '#') return static_cast<UINT>(std::strtoul(name + 1, nullptr, 10));
  return 0;
}

bool IsSystemRequest(HINSTANCE inst, UINT id) { return !inst || (id >= 32512 && id <= 32651); }

HICON LoadCursorImage(HINSTANCE inst, UINT id, bool shared) {
  backend::ArgbImage image;
  if (IsSystemRequest(inst, id) && !win::FindCursorResource(id, &image)) {
    image = win::SystemCursorImage(static_cast<int>(id));
  } else if (!win::FindCursorResource(id, &image)) {
    return nullptr;
  }
  int size = image.width;
  std::vector<backend::ArgbImage> images;
  images.push_back(std::move(image));
  return win::AddIcon(std::make_unique<win::Icon>(std::move(images), shared, size));
}

HICON LoadIconImage(HINSTANCE inst, UINT id, bool shared, int size) {
  std::vector<backend::ArgbImage> images;
  if (!win::FindIconResource(id, &images)) {
    if (!IsSystemRequest(inst, id)) return nullptr;
    images = {win::ApplicationIconImage(32), win::ApplicationIconImage(16)};
  }
  return win::AddIcon(std::make_unique<win::Icon>(std::move(images), shared, size > 0 ? size : 32));
}

// Shared images load once per number and live for the program's life.
HICON Shared(std::map<UINT, HICON>& cache, UINT id, const std::function<HICON()>& load) {
  auto it = cache.find(id);
  if (it != cache.end()) return it->second;
  HICON icon = load();
  if (icon) cache[id] = icon;
  return icon;
}

std::map<UINT, HICON>& SharedCursors() {
  static std::map<UINT, HICON> cache;
  return cache;
}

std::map<UINT, HICON>& SharedIcons() {
  static std::map<UINT, HICON> cache;
  return cache;
}

HBITMAP LoadBitmapFile(LPCSTR path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return CreateDIBitmapFromBmpFile(bytes.data(), bytes.size());
}

}  // namespace

HCURSOR SetCursor(HCURSOR cursor) {
  win::WindowSystem& sys = Sys();
  HCURSOR old = sys.cursor;
  if (cursor == old) return old;
  sys.cursor = cursor;
  if (sys.cursorShowCount >= 0) sys.backend->setCursor(win::IconImageFor(cursor, 32));
  return old;
}

HCURSOR GetCursor() { return Sys().cursor; }

int ShowCursor(BOOL show) {
  win::WindowSystem& sys = Sys();
  sys.cursorShowCount += show ? 1 : -1;
  sys.backend->setCursor(sys.cursorShowCount >= 0 ? win::IconImageFor(sys.cursor, 32) : nullptr);
  return sys.cursorShowCount;
}

HCURSOR LoadCursor(HINSTANCE inst, LPCSTR name) {
  UINT id = ResourceNumber(name);
  if (!id) return nullptr;
  UINT key = IsSystemRequest(inst, id) ? id : id | 0x80000000u;
  return Shared(SharedCursors(), key, [&] { return LoadCursorImage(inst, id, true); });
}

HICON LoadIcon(HINSTANCE inst, LPCSTR name) {
  UINT id = ResourceNumber(name);
  if (!id) return nullptr;
  UINT key = IsSystemRequest(inst, id) ? id : id | 0x80000000u;
  return Shared(SharedIcons(), key, [&] { return LoadIconImage(inst, id, true, 32); });
}

BOOL DestroyCursor(HCURSOR cursor) {
  if (cursor == Sys().cursor && win::FindIcon(cursor) && !win::FindIcon(cursor)->shared())
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
  return win::RemoveIcon(cursor);
}

BOOL DestroyIcon(HICON icon) { return DestroyCursor(icon); }

HBITMAP LoadBitmap(HINSTANCE, LPCSTR name) {
  const BYTE* data = nullptr;
  size_t size = 0;
  UINT id = ResourceNumber(name);
  if (!id || !win::FindBitmapResource(id, &data, &size)) return nullptr;
  return CreateDIBitmapFromBmpFile(data, size);
}

HANDLE LoadImage(HINSTANCE inst, LPCSTR name, UINT type, int cx, int, UINT flags) {
  if (type == IMAGE_BITMAP) {
    if (flags & LR_LOADFROMFILE) return name && !IS_INTRESOURCE(name) ? LoadBitmapFile(name) : nullptr;
    return LoadBitmap(inst, name);
  }
  if (flags & LR_LOADFROMFILE) return nullptr;  // icons and cursors come from the resource table only
  UINT id = ResourceNumber(name);
  if (!id) return nullptr;
  bool shared = flags & LR_SHARED;
  if (type == IMAGE_CURSOR) return shared ? LoadCursor(inst, name) : LoadCursorImage(inst, id, false);
  if (type == IMAGE_ICON) return shared && cx == 0 ? LoadIcon(inst, name) : LoadIconImage(inst, id, shared, cx);
  return nullptr;
}
