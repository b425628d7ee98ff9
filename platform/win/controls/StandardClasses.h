// Registration of the standard window classes: button, static, edit and the dialog class, plus the
// other controls through RegisterCommonControlClasses. The window system calls this once when it
// starts.
#pragma once

namespace win {
void RegisterStandardClasses();
}
