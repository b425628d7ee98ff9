// The "listbox" window class: a single-selection list with LB_* messages, LBS_SORT and LBS_NOTIFY, its
// own vertical scroll bar (WS_VSCROLL), keyboard and mouse selection. A combo box uses one as its
// drop-down list; it then tracks the mouse for the combo box and reports the pick to it.
#pragma once

#include "platform/win/controls/ListBoxModel.h"
#include "platform/win/controls/ScrollBar.h"

namespace win {

// What a list box in drop-down mode reports to the control that opened it.
class DropDownHost {
 public:
  virtual void dropDownPicked(int index) = 0;
  virtual void dropDownCancelled() = 0;

 protected:
  ~DropDownHost() = default;
};

class ListBox {
 public:
  explicit ListBox(HWND hwnd);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  static ListBox* FromWindow(HWND hwnd);

  ListBoxModel& model() { return model_; }
  int itemHeight() const { return itemHeight_; }
  // The item a navigation key (arrows, Page Up/Down, Home, End) moves the selection to; -1 for other keys.
  int indexForKey(UINT vk) const;
  // Selects, scrolls the item into view and repaints; no notification.
  void selectAndShow(int index);

  // Drop-down mode: the list holds the mouse capture, highlights the item under the pointer, and reports
  // a click on an item or outside the list to `host`. Colours are asked from `colorParent`.
  void beginDropDown(DropDownHost* host, HWND colorParent);
  void endDropDown();

 private:
  enum class MouseMode { None, Selecting, ScrollBar };

  LRESULT handleListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleInput(UINT msg, WPARAM wParam, LPARAM lParam);
  DWORD style() const;
  HWND colorParent() const;
  void setFont(HFONT font, bool redraw);
  void layout();
  RECT itemsRect() const;
  int visibleRows() const;
  int itemAtPoint(POINT pt) const;
  RECT itemRect(int index) const;
  void itemsChanged();
  void userSelect(int index);
  void notify(WORD code);
  void scrollTo(int top);

  void onKeyDown(UINT vk);
  void onChar(char c);
  void onButtonDown(POINT pt, bool doubleClick);
  void onMouseMove(POINT pt);
  void onButtonUp(POINT pt);
  void onScrollRepeat();
  void startScrollBarPress(POINT pt);
  void endMouseTracking();
  void dropDownButtonDown(POINT pt);
  void dropDownButtonUp(POINT pt);

  void paint(HDC hdc);
  void paintItem(HDC hdc, int index, COLORREF normalText);

  HWND hwnd_;
  ListBoxModel model_;
  ScrollBar scrollBar_;
  bool scrollBarVisible_ = false;
  HFONT font_ = nullptr;
  int itemHeight_ = 16;
  MouseMode mouseMode_ = MouseMode::None;
  DropDownHost* dropDownHost_ = nullptr;
  HWND dropDownColorParent_ = nullptr;
};

}  // namespace win
