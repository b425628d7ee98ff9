// Reads a .bmp file image into a 32-bit bitmap.
#pragma once

#include <cstddef>
#include <memory>

#include "platform/gdi/GdiObjects.h"

namespace gdi {

// Accepts 24-bit and 32-bit (BI_RGB, or BI_BITFIELDS with the usual byte masks) images, bottom-up or
// top-down; a 32-bit image keeps its fourth byte as alpha. Returns nullptr for anything malformed or
// truncated.
std::shared_ptr<Bitmap> ReadBmpFile(const BYTE* data, size_t size);

}  // namespace gdi
