#include "platform/win/Menu.h"

#include <cctype>
#include <map>

namespace win {

std::string MenuItem::label() const {
  std::string out;
  for (size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
    if (text[i] == '&') ++i;
    out += text[i];
  }
  return out;
}

std::string MenuItem::shortcut() const {
  size_t tab = text.find('\t');
  return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

char MenuItem::mnemonic() const {
  for (size_t i = 0; i + 1 < text.size() && text[i] != '\t'; ++i) {
    if (text[i] == '&') {
      if (text[i + 1] != '&') return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
      ++i;
    }
  }
  return 0;
}

int Menu::indexOf(UINT item, UINT flags) const {
  if (flags & MF_BYPOSITION) return item < items.size() ? static_cast<int>(item) : -1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (!(items[i].flags & MF_SEPARATOR) && items[i].id == item) return static_cast<int>(i);
  }
  return -1;
}

namespace {

std::map<HMENU, std::unique_ptr<Menu>>& Menus() {
  static std::map<HMENU, std::unique_ptr<Menu>> menus;
  return menus;
}

}  // namespace

HMENU AddMenu(std::unique_ptr<Menu> menu) {
  HMENU handle = reinterpret_cast<HMENU>(menu.get());
  Menus()[handle] = std::move(menu);
  return handle;
}

Menu* FindMenu(HMENU handle) {
  auto it = Menus().find(handle);
  return it == Menus().end() ? nullptr : it->second.get();
}

bool RemoveMenu(HMENU handle) { return Menus().erase(handle) > 0; }

HMENU CreateDefaultSystemMenu() {
  auto menu = std::make_unique<Menu>();
  menu->items.push_back(MenuItem{MF_STRING, SC_MOVE, "&Move"});
  menu->items.push_back(MenuItem{MF_STRING, SC_CLOSE, "&Close\tAlt+F4"});
  return AddMenu(std::move(menu));
}

}  // namespace win
