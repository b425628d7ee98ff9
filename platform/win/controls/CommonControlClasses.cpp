#include "platform/win/controls/CommonControlClasses.h"

#include "platform/win/commctrl.h"
#include "platform/win/controls/ComboBox.h"
#include "platform/win/controls/ControlWindowProc.h"
#include "platform/win/controls/ListBox.h"
#include "platform/win/controls/ProgressBar.h"
#include "platform/win/controls/ToolTip.h"
#include "platform/win/controls/Trackbar.h"

namespace win {

namespace {

void RegisterControlClass(const char* name, WNDPROC proc, UINT style) {
  WNDCLASS existing;
  if (GetClassInfo(nullptr, name, &existing)) return;
  WNDCLASS wc{};
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = kControlWindowExtra;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  RegisterClass(&wc);
}

}  // namespace

void RegisterCommonControlClasses() {
  RegisterControlClass("listbox", ControlWindowProc<ListBox>, CS_DBLCLKS);
  RegisterControlClass("combobox", ControlWindowProc<ComboBox>, CS_DBLCLKS);
  RegisterControlClass(TRACKBAR_CLASS, ControlWindowProc<Trackbar>, 0);
  RegisterControlClass(PROGRESS_CLASS, ControlWindowProc<ProgressBar>, 0);
  RegisterControlClass(TOOLTIPS_CLASS, ControlWindowProc<ToolTip>, CS_SAVEBITS);
}

}  // namespace win

void InitCommonControls() { win::RegisterCommonControlClasses(); }
