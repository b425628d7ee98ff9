#include "platform/win/PopupKind.h"

#include <strings.h>

#include "platform/win/commctrl.h"

namespace win {

namespace {

bool IsTooltipClass(const Window& w) { return w.cls && strcasecmp(w.cls->name.c_str(), TOOLTIPS_CLASS) == 0; }

}  // namespace

bool IsPopupKind(const Window& w) {
  if (w.isChild()) return false;
  // Tooltips float whatever extended styles their creator gave them.
  if (IsTooltipClass(w)) return true;
  if (!(w.style & WS_POPUP)) return false;
  if (w.style & (WS_DLGFRAME | WS_THICKFRAME)) return false;  // captions and frames; a plain border is fine
  return (w.exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) != 0;
}

backend::WindowKind NativeKindOf(const Window& w) {
  if (!IsPopupKind(w)) return backend::WindowKind::Normal;
  if (IsTooltipClass(w)) return backend::WindowKind::Tooltip;
  return backend::WindowKind::PopupMenu;
}

}  // namespace win

