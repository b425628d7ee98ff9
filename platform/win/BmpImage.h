// Reads the .bmp images that icons are made of into ARGB pixels.
#pragma once

#include <cstddef>

#include "platform/backend/ArgbImage.h"

namespace win {

// 24-bit images take black as transparent; 32-bit images carry alpha in the fourth byte (all-zero
// alpha counts as opaque). Returns false for anything else or for a short or inconsistent file.
bool DecodeIconBmp(const BYTE* data, size_t size, backend::ArgbImage* out);

// Rows of text: '#' black, 'o' white, anything else transparent.
backend::ArgbImage ImageFromRows(int cx, int cy, int hotX, int hotY, const char* const* rows);

}  // namespace win
