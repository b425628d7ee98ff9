// A popup menu on the screen: its window, its layout, and the modal loop that lets the user pick an
// item with the mouse or the keyboard.
#pragma once

#include <vector>

#include "platform/win/Menu.h"
#include "platform/win/ModalLoop.h"

namespace win {

void RegisterMenuWindowClass();

class MenuTracker {
 public:
  MenuTracker(HMENU menu, HWND owner);
  // Shows the menu with its top-left corner at `at` (moved to stay on the screen) and returns the
  // chosen item's id, or 0 when the menu was dismissed.
  UINT run(POINT at);

  // For the menu window's procedure.
  void paint(HDC hdc) const;

 private:
  struct Row {
    int top;
    int bottom;
  };

  void layout();
  int itemAt(POINT client) const;
  void select(int index);
  void step(int direction);
  LoopStep handle(const MSG& msg);
  LoopStep handleMouse(const MSG& msg);
  LoopStep handleKey(const MSG& msg);
  LoopStep choose(int index);

  const Menu* menu_;
  HWND owner_;
  HWND window_ = nullptr;
  std::vector<Row> rows_;
  int width_ = 0;
  int height_ = 0;
  int selected_ = -1;
  UINT chosen_ = 0;
};

}  // namespace win
