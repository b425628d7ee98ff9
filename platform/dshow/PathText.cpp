#include "platform/dshow/PathText.h"

#include <gst/gst.h>

#include <vector>

namespace dshow {

std::string Utf8FromWide(LPCWSTR text) {
  if (!text) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(size));
  WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer.data(), size, nullptr, nullptr);
  return std::string(buffer.data());
}

std::string FileUriFromPath(const std::string& path) {
  if (path.empty()) return {};
  gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
  if (!uri) return {};
  std::string result(uri);
  g_free(uri);
  return result;
}

}  // namespace dshow
