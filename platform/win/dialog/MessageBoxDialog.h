// MessageBox: a modal dialog made in code from the text, caption and button set, run over its owner.
#pragma once

#include <string>
#include <vector>

#include "platform/win/Resources.h"
#include "platform/win/winuser.h"

namespace win {

class MessageBoxDialog {
 public:
  MessageBoxDialog(HWND owner, const char* text, const char* caption, UINT type);

  // Shows the box and returns the id of the button that closed it; 0 when it could not be made.
  int run();

 private:
  struct ButtonSpec {
    int id;
    const char* label;
  };

  static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam);
  bool hasButton(int id) const;
  // What a command from a button, Enter, Esc or the close box ends the box with; 0: ignore it.
  int resultFor(int commandId) const;
  SIZE measureText() const;
  DialogTemplate buildTemplate() const;

  HWND owner_;
  std::string text_;
  std::string caption_;
  std::vector<ButtonSpec> buttons_;
  size_t defaultButton_;
};

}  // namespace win
