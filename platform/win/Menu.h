// Popup menus and the per-window system menu.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win/winuser.h"

namespace win {

struct MenuItem {
  UINT flags = 0;  // MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP
  UINT_PTR id = 0;
  std::string text;

  bool selectable() const { return !(flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_POPUP)); }
  // The text as shown: '&' marks the mnemonic and "&&" is a literal '&'; after a tab comes the
  // shortcut shown at the right.
  std::string label() const;
  std::string shortcut() const;
  char mnemonic() const;
};

struct Menu {
  std::vector<MenuItem> items;

  // The index of an item by command id (MF_BYCOMMAND) or by position (MF_BYPOSITION); -1 if none.
  int indexOf(UINT item, UINT flags) const;
};

HMENU AddMenu(std::unique_ptr<Menu> menu);
Menu* FindMenu(HMENU handle);
bool RemoveMenu(HMENU handle);
// "Move" and "Close  Alt+F4", the system menu every window starts with.
HMENU CreateDefaultSystemMenu();

}  // namespace win
