// The one module: its handle, its file name and its strings.
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "platform/win/Resources.h"
#include "platform/win/winuser.h"

int LoadString(HINSTANCE, UINT id, LPSTR buffer, int bufferMax) {
  const char* text = win::FindStringResource(id);
  if (!text || !buffer || bufferMax <= 0) return 0;
  size_t len = std::strlen(text);
  size_t n = std::min(len, static_cast<size_t>(bufferMax - 1));
  // Never leave half of a UTF-8 character at the end.
  while (n > 0 && n < len && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, text, n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

HINSTANCE GetModuleHandle(LPCSTR) { return reinterpret_cast<HINSTANCE>(0x400000); }

DWORD GetModuleFileName(HMODULE, LPSTR fileName, DWORD size) {
  if (!fileName || size == 0) return 0;
  char path[4096];
  ssize_t len = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (len < 0) {
    fileName[0] = '\0';
    return 0;
  }
  size_t n = std::min(static_cast<size_t>(len), static_cast<size_t>(size - 1));
  std::memcpy(fileName, path, n);
  fileName[n] = '\0';
  return static_cast<size_t>(len) >= size ? size : static_cast<DWORD>(n);
}
