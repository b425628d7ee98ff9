// A button control. An owner-drawn button draws itself in DrawItem, which the library calls when the
// parent receives WM_DRAWITEM for it.
#pragma once

#include "platform/afx/CWnd.h"

class CButton : public CWnd {
 public:
  BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

  UINT GetState() const;
  void SetState(BOOL highlight);
  int GetCheck() const;
  void SetCheck(int check);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT style, BOOL redraw = TRUE);

  virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};
