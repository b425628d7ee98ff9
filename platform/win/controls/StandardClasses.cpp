#include "platform/win/controls/StandardClasses.h"

#include "platform/win/controls/Button.h"
#include "platform/win/controls/CommonControlClasses.h"
#include "platform/win/controls/Edit.h"
#include "platform/win/controls/Static.h"
#include "platform/win/winuser.h"

namespace win {

namespace {

void RegisterDialogClass() {
  WNDCLASS wc{};
  wc.style = CS_DBLCLKS | CS_SAVEBITS;
  wc.lpfnWndProc = DefDlgProc;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "#32770";
  RegisterClass(&wc);
}

}  // namespace

void RegisterStandardClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  Button::registerClass();
  Static::registerClass();
  Edit::registerClass();
  RegisterDialogClass();
  RegisterCommonControlClasses();
}

}  // namespace win
