// A menu handle; destroys the menu it owns when destroyed.
#pragma once

#include "platform/afx/CObject.h"
#include "platform/win/winuser.h"

class CMenu : public CObject {
 public:
  CMenu() = default;
  ~CMenu() override;

  HMENU m_hMenu = nullptr;

  // A wrapper that does not own the menu (a window's system menu, for one).
  static CMenu* FromHandle(HMENU menu);
  BOOL Attach(HMENU menu);
  HMENU Detach();
  HMENU GetSafeHmenu() const { return m_hMenu; }
  operator HMENU() const { return m_hMenu; }

  BOOL CreatePopupMenu();
  BOOL DestroyMenu();
  BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCTSTR text = nullptr);
  UINT EnableMenuItem(UINT item, UINT enable);
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int position) const;
  BOOL TrackPopupMenu(UINT flags, int x, int y, const class CWnd* wnd, LPCRECT rect = nullptr);

  // For the temporary map. Menus have no validity test, so their wrappers stay for the process.
  static bool IsLiveHandle(HMENU) { return true; }
  void AttachTemporary(HMENU menu) { m_hMenu = menu; }
  void DetachTemporary() { m_hMenu = nullptr; }
};
