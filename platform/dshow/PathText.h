// UTF-16 paths of the filter graph API as the UTF-8 paths and URIs GStreamer takes.
#pragma once

#include <string>

#include "platform/win/windef.h"

namespace dshow {

std::string Utf8FromWide(LPCWSTR text);
// A file URI for a path, made absolute against the working directory; empty when it cannot be made.
std::string FileUriFromPath(const std::string& path);

}  // namespace dshow
