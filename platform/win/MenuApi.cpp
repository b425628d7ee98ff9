// Menus: the system menu, popup menus and their items.
#include <algorithm>
#include <cstring>

#include "platform/win/Menu.h"
#include "platform/win/MenuTracker.h"
#include "platform/win/WindowSystem.h"

using win::Menu;
using win::MenuItem;

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  win::Window* w = win::Sys().find(hwnd);
  if (!w) return nullptr;
  if (revert) {
    if (w->systemMenu) DestroyMenu(w->systemMenu);
    w->systemMenu = nullptr;
    return nullptr;
  }
  if (!w->systemMenu) w->systemMenu = win::CreateDefaultSystemMenu();
  return w->systemMenu;
}

HMENU CreatePopupMenu() { return win::AddMenu(std::make_unique<Menu>()); }

BOOL DestroyMenu(HMENU menu) {
  Menu* m = win::FindMenu(menu);
  if (!m) return FALSE;
  for (const MenuItem& item : m->items) {
    if (item.flags & MF_POPUP) DestroyMenu(reinterpret_cast<HMENU>(item.id));
  }
  return win::RemoveMenu(menu);
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
  Menu* m = win::FindMenu(menu);
  if (!m) return FALSE;
  MenuItem item;
  item.flags = flags & ~MF_BYPOSITION;
  item.id = (flags & MF_SEPARATOR) ? 0 : idNewItem;
  if (!(flags & MF_SEPARATOR) && text) item.text = text;
  m->items.push_back(std::move(item));
  return TRUE;
}

int GetMenuItemCount(HMENU menu) {
  Menu* m = win::FindMenu(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int pos) {
  Menu* m = win::FindMenu(menu);
  if (!m || pos < 0 || pos >= static_cast<int>(m->items.size())) return static_cast<UINT>(-1);
  const MenuItem& item = m->items[pos];
  return (item.flags & MF_POPUP) ? static_cast<UINT>(-1) : static_cast<UINT>(item.id);
}

int GetMenuString(HMENU menu, UINT item, LPSTR text, int maxCount, UINT flags) {
  Menu* m = win::FindMenu(menu);
  int index = m ? m->indexOf(item, flags) : -1;
  if (index < 0) return 0;
  const std::string& s = m->items[index].text;
  if (!text || maxCount <= 0) return static_cast<int>(s.size());
  int n = std::min<int>(static_cast<int>(s.size()), maxCount - 1);
  std::memcpy(text, s.data(), n);
  text[n] = '\0';
  return n;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  Menu* m = win::FindMenu(menu);
  int index = m ? m->indexOf(item, enable) : -1;
  if (index < 0) return -1;
  UINT& flags = m->items[index].flags;
  UINT previous = flags & (MF_GRAYED | MF_DISABLED);
  flags = (flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return static_cast<BOOL>(previous);
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND hwnd, const RECT*) {
  if (!win::FindMenu(menu) || !IsWindow(hwnd)) return FALSE;
  UINT id = win::MenuTracker(menu, hwnd).run(POINT{x, y});
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(id);
  if (id && !(flags & TPM_NONOTIFY)) PostMessage(hwnd, WM_COMMAND, id, 0);
  return TRUE;
}
