#include "platform/win/PopupKind.h"

#include <strings.h>

#include "platform/win/commctrl.h"

namespace win {

bool IsPopupKind(const Window& w) {
  if (w.isChild() || !(w.style & WS_POPUP)) return false;
  if (w.style & (WS_CAPTION | WS_DLGFRAME | WS_THICKFRAME)) return false;
  return (w.exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) != 0;
}

backend::WindowKind NativeKindOf(const Window& w) {
  if (!IsPopupKind(w)) return backend::WindowKind::Normal;
  if (w.cls && strcasecmp(w.cls->name.c_str(), TOOLTIPS_CLASS) == 0) return backend::WindowKind::Tooltip;
  return backend::WindowKind::PopupMenu;
}

}  // namespace win

