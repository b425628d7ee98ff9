// What the dialog manager remembers about one dialog window beyond its extra bytes: font and base
// units, the end flag and result, the default button, the control that had the focus, and images it
// loaded for the template's controls.
#pragma once

#include <vector>

#include "platform/win/winuser.h"

namespace win {

class DialogState {
 public:
  // The state of `dlg`, made on first use; every window run by DefDlgProc has one.
  static DialogState& of(HWND dlg);
  // nullptr for windows that are not dialogs.
  static DialogState* find(HWND dlg);
  // Called at WM_NCDESTROY: frees what the dialog owns.
  static void forget(HWND dlg);

  ~DialogState();

  HFONT font = nullptr;
  bool ownsFont = false;
  int baseUnitX = 8;
  int baseUnitY = 16;

  bool modal = false;
  bool ended = false;
  INT_PTR result = 0;

  int defaultId = 0;  // 0: none set with DM_SETDEFID
  HWND focusControl = nullptr;

  std::vector<HBITMAP> ownedBitmaps;
  std::vector<HICON> ownedIcons;
};

}  // namespace win
