// Window longs, extra bytes and window text.
#include <cstring>

#include "platform/win/WindowSystem.h"

using win::Sys;
using win::Window;

namespace {

template <typename T>
bool ExtraInRange(const Window& w, int offset) {
  return offset >= 0 && static_cast<size_t>(offset) + sizeof(T) <= w.extra.size();
}

template <typename T>
T ReadExtra(const Window& w, int offset) {
  T value{};
  if (ExtraInRange<T>(w, offset)) std::memcpy(&value, w.extra.data() + offset, sizeof(T));
  return value;
}

template <typename T>
T WriteExtra(Window& w, int offset, T value) {
  T old = ReadExtra<T>(w, offset);
  if (ExtraInRange<T>(w, offset)) std::memcpy(w.extra.data() + offset, &value, sizeof(T));
  return old;
}

LONG_PTR GetLongField(const Window& w, int index) {
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w.proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(GetModuleHandle(nullptr));
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w.isChild() ? w.parent : w.owner);
    case GWLP_ID: return w.id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w.style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w.exStyle);
    case GWLP_USERDATA: return w.userData;
    default: return 0;
  }
}

LONG_PTR SetLongField(Window& w, int index, LONG_PTR value) {
  LONG_PTR old = GetLongField(w, index);
  switch (index) {
    case GWLP_WNDPROC: w.proc = reinterpret_cast<WNDPROC>(value); break;
    case GWLP_HWNDPARENT:
      if (!w.isChild()) w.owner = reinterpret_cast<HWND>(value);
      break;
    case GWLP_ID: w.id = value; break;
    case GWL_STYLE: w.style = static_cast<DWORD>(value); break;
    case GWL_EXSTYLE: w.exStyle = static_cast<DWORD>(value); break;
    case GWLP_USERDATA: w.userData = value; break;
    default: return 0;
  }
  return old;
}

}  // namespace

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  const Window* w = Sys().find(hwnd);
  if (!w) return 0;
  return index >= 0 ? ReadExtra<LONG_PTR>(*w, index) : GetLongField(*w, index);
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  Window* w = Sys().find(hwnd);
  if (!w) return 0;
  return index >= 0 ? WriteExtra<LONG_PTR>(*w, index, value) : SetLongField(*w, index, value);
}

LONG GetWindowLong(HWND hwnd, int index) {
  const Window* w = Sys().find(hwnd);
  if (!w) return 0;
  return index >= 0 ? ReadExtra<LONG>(*w, index) : static_cast<LONG>(GetLongField(*w, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value) {
  Window* w = Sys().find(hwnd);
  if (!w) return 0;
  if (index >= 0) return WriteExtra<LONG>(*w, index, value);
  // Style bits are unsigned 32-bit values; keep them from being sign-extended.
  LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE) ? static_cast<LONG_PTR>(static_cast<DWORD>(value)) : value;
  return static_cast<LONG>(SetLongField(*w, index, wide));
}

BOOL SetWindowText(HWND hwnd, LPCSTR text) {
  return IsWindow(hwnd) && SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPSTR text, int maxCount) {
  if (!text || maxCount <= 0) return 0;
  text[0] = '\0';
  return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, maxCount, reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLength(HWND hwnd) { return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)); }
