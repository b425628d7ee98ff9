#include "platform/win/ClassRegistry.h"

#include <cctype>
#include <cstdint>
#include <cstdio>

namespace win {

std::string ClassRegistry::key(const char* name) {
  std::string k;
  if (IS_INTRESOURCE(name)) {
    // Formatted into a buffer: GCC 12 at -O3 warns falsely about building this with std::string.
    char atom[24];
    std::snprintf(atom, sizeof(atom), "#%ju", static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(name)));
    return std::string(atom);
  }
  for (const char* p = name; *p; ++p) k += static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  return k;
}

bool ClassRegistry::add(const WNDCLASS& wc) {
  if (!wc.lpszClassName || !wc.lpfnWndProc || wc.cbWndExtra < 0 || wc.cbClsExtra < 0) return false;
  std::string k = key(wc.lpszClassName);
  if (classes_.count(k)) return false;
  auto cls = std::make_shared<WindowClass>();
  cls->name = IS_INTRESOURCE(wc.lpszClassName) ? k : wc.lpszClassName;
  cls->style = wc.style;
  cls->proc = wc.lpfnWndProc;
  cls->classExtra = wc.cbClsExtra;
  cls->windowExtra = wc.cbWndExtra;
  cls->icon = wc.hIcon;
  cls->cursor = wc.hCursor;
  cls->background = wc.hbrBackground;
  classes_[k] = std::move(cls);
  return true;
}

bool ClassRegistry::remove(const char* name) {
  if (!name) return false;
  return classes_.erase(key(name)) > 0;
}

std::shared_ptr<const WindowClass> ClassRegistry::find(const char* name) const {
  if (!name) return nullptr;
  auto it = classes_.find(key(name));
  return it == classes_.end() ? nullptr : it->second;
}

}  // namespace win
