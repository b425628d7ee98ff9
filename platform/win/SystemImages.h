// The pointers and the application icon this layer draws itself.
#pragma once

#include "platform/backend/ArgbImage.h"

namespace win {

// IDC_ARROW, IDC_IBEAM, IDC_WAIT, IDC_HAND; any other number gives the arrow.
backend::ArgbImage SystemCursorImage(int id);
// IDI_APPLICATION at the given size (16 or 32).
backend::ArgbImage ApplicationIconImage(int size);

}  // namespace win
