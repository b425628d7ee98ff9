// Registers the window classes of this folder: "combobox", "listbox", "msctls_trackbar32",
// "msctls_progress32" and "tooltips_class32". Safe to call more than once.
#pragma once

namespace win {

void RegisterCommonControlClasses();

}  // namespace win
