// Writes a surface as a PNG file.
#pragma once

#include <string>

#include "platform/gdi/Surface.h"

namespace backend {

bool WriteSurfacePng(const gdi::Surface& surface, const std::string& path);

}  // namespace backend
