#include "platform/win/dialog/DialogState.h"

#include <memory>
#include <unordered_map>

namespace win {

namespace {

// The dialog extra bytes are laid out by the platform (DWLP_*) and programs may register their own
// dialog classes with just DLGWINDOWEXTRA, so the manager's own state is kept beside the window.
std::unordered_map<HWND, std::unique_ptr<DialogState>>& States() {
  static std::unordered_map<HWND, std::unique_ptr<DialogState>> states;
  return states;
}

}  // namespace

DialogState& DialogState::of(HWND dlg) {
  auto& slot = States()[dlg];
  if (!slot) slot = std::make_unique<DialogState>();
  return *slot;
}

DialogState* DialogState::find(HWND dlg) {
  auto it = States().find(dlg);
  return it == States().end() ? nullptr : it->second.get();
}

void DialogState::forget(HWND dlg) { States().erase(dlg); }

DialogState::~DialogState() {
  for (HBITMAP bmp : ownedBitmaps) DeleteObject(bmp);
  for (HICON icon : ownedIcons) DestroyIcon(icon);
  if (ownsFont && font) DeleteObject(font);
}

}  // namespace win
