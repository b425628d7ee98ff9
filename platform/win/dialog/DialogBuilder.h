// Turns a dialog template into a dialog window with its controls.
#pragma once

#include "platform/win/Resources.h"
#include "platform/win/dialog/DialogFont.h"
#include "platform/win/winuser.h"

namespace win {

class DialogBuilder {
 public:
  DialogBuilder(const DialogTemplate& tmpl, HWND owner, bool modal);

  // Creates the dialog hidden, creates its controls, sends WM_INITDIALOG and, for a modeless dialog
  // whose template says WS_VISIBLE, shows it. nullptr when a control cannot be created or the
  // dialog was destroyed while it initialised.
  HWND create(DLGPROC proc, LPARAM initParam);

 private:
  RECT windowRect() const;
  POINT topLeftOnScreen(const RECT& frame, int clientX, int clientY) const;
  RECT toPixels(short x, short y, short cx, short cy) const;
  bool createItem(HWND dlg, const DialogItemTemplate& item);
  void loadItemImage(HWND ctl, const DialogItemTemplate& item);
  void initialise(HWND dlg, LPARAM initParam);

  const DialogTemplate& tmpl_;
  HWND owner_;
  bool modal_;
  DialogFont font_;
  DWORD style_;
  DWORD exStyle_;
};

}  // namespace win
