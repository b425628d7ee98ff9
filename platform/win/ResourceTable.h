// The registered icon and cursor resources, read by the loading functions.
#pragma once

#include <vector>

#include "platform/backend/ArgbImage.h"
#include "platform/win/Resources.h"

namespace win {

// The images of icon resource `id`; false when there is none.
bool FindIconResource(UINT id, std::vector<backend::ArgbImage>* images);
bool FindCursorResource(UINT id, backend::ArgbImage* image);

}  // namespace win
