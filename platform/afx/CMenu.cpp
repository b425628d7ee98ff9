#include "platform/afx/CMenu.h"

#include "platform/afx/AfxDebug.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/TemporaryObjects.h"

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu) { return afx::TemporaryMap<CMenu, HMENU>::Get(menu); }

BOOL CMenu::Attach(HMENU menu) {
  ASSERT(m_hMenu == nullptr);
  if (!menu) return FALSE;
  m_hMenu = menu;
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU menu = m_hMenu;
  m_hMenu = nullptr;
  return menu;
}

BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCTSTR text) {
  return ::AppendMenu(m_hMenu, flags, idNewItem, text);
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, enable)); }

int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }

UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, const CWnd* wnd, LPCRECT rect) {
  return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, wnd ? wnd->m_hWnd : nullptr, rect);
}
