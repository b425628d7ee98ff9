// The narrow text of the program is UTF-8 whichever code page is named; wide text is UTF-16.
#include <cstring>
#include <string>

#include "platform/gdi/Utf8.h"
#include "platform/win/windef.h"

namespace {

bool KnownCodePage(UINT codePage) { return codePage == CP_ACP || codePage == CP_UTF8; }

std::u16string ToUtf16(const std::u32string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (char32_t cp : text) {
    if (cp < 0x10000) {
      out.push_back(static_cast<char16_t>(cp));
    } else {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
  }
  return out;
}

// Unpaired surrogates become U+FFFD; `replaced` tells whether that happened.
std::string FromUtf16(const WCHAR* src, size_t length, bool* replaced) {
  std::string out;
  *replaced = false;
  for (size_t i = 0; i < length; ++i) {
    char32_t unit = src[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length && src[i + 1] >= 0xDC00 && src[i + 1] <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (src[i + 1] - 0xDC00);
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      unit = gdi::kReplacementChar;
      *replaced = true;
    }
    gdi::AppendUtf8(out, unit);
  }
  return out;
}

size_t WideLength(const WCHAR* text) {
  size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

// Copies `count` units to `dst` unless it is only a size query; fails when `dst` is too small.
template <typename T>
int Deliver(const T* data, size_t count, T* dst, int dstLen) {
  if (count > static_cast<size_t>(INT32_MAX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (dstLen == 0) return static_cast<int>(count);
  if (dst == nullptr || static_cast<size_t>(dstLen) < count) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::memcpy(dst, data, count * sizeof(T));
  return static_cast<int>(count);
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD /*flags*/, LPCSTR src, int srcLen, LPWSTR dst, int dstLen) {
  if (!KnownCodePage(codePage) || src == nullptr || srcLen == 0 || srcLen < -1 || dstLen < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // A length of -1 means the text up to and including its terminator.
  const size_t length = srcLen == -1 ? std::strlen(src) + 1 : static_cast<size_t>(srcLen);
  const std::u16string wide = ToUtf16(gdi::DecodeUtf8(std::string_view(src, length)));
  return Deliver(wide.data(), wide.size(), dst, dstLen);
}

int WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR src, int srcLen, LPSTR dst, int dstLen,
                        LPCSTR /*defaultChar*/, BOOL* usedDefault) {
  if (!KnownCodePage(codePage) || src == nullptr || srcLen == 0 || srcLen < -1 || dstLen < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const size_t length = srcLen == -1 ? WideLength(src) + 1 : static_cast<size_t>(srcLen);
  bool replaced = false;
  const std::string narrow = FromUtf16(src, length, &replaced);
  if (usedDefault != nullptr) *usedDefault = replaced ? TRUE : FALSE;
  return Deliver(narrow.data(), narrow.size(), dst, dstLen);
}
