// Which top-level windows are transient popups: menus, drop-down lists and tooltips. They float above
// the others, are never activated by a click and show no frame of the window manager.
#pragma once

#include "platform/backend/Backend.h"
#include "platform/win/Window.h"

namespace win {

bool IsPopupKind(const Window& w);
backend::WindowKind NativeKindOf(const Window& w);

}  // namespace win
