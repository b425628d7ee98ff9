// The "button" class: push, default push, owner-drawn, check box, radio button and group box. The
// object keeps the button's state and turns input into state changes and notifications; ButtonPainter
// draws it.
#pragma once

#include "platform/win/winuser.h"

namespace win {

class Button {
 public:
  explicit Button(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  static void registerClass();

  HWND hwnd() const { return hwnd_; }
  DWORD type() const;
  HFONT font() const;
  UINT checkState() const { return check_; }
  bool pressed() const { return pressed_; }
  bool focused() const { return focused_; }
  // ODS_* state for an owner-drawn button.
  UINT ownerDrawState() const;

 private:
  LRESULT dialogCode() const;
  bool hasCheckState() const;

  void pressWithMouse();
  void trackMouse(POINT pt);
  void releaseMouse(POINT pt);
  void cancelMouse();
  void pressSpace(LPARAM keyData);
  void releaseSpace();
  void setFocused(bool focused);

  void setPressed(bool pressed);
  void setCheck(UINT check);
  void setStyle(WORD style, bool redraw);
  void uncheckGroupSiblings();
  // Changes an automatic button's check and tells the parent; the parent may destroy the button in
  // answer, so nothing may touch the object after it.
  void click();
  void redraw(UINT ownerDrawAction);
  void paint();

  HWND hwnd_;
  HFONT font_ = nullptr;
  UINT check_ = BST_UNCHECKED;
  bool pressed_ = false;
  bool focused_ = false;
  bool mouseTracking_ = false;
  bool spaceDown_ = false;
};

}  // namespace win
