// SDL key codes to virtual-key codes.
#pragma once

#include <cstdint>

#include "platform/win/windef.h"

namespace backend {

// 0 for keys the window system has no code for.
UINT VirtualKeyFromSdl(int32_t sdlKeycode);

}  // namespace backend
