// The "combobox" window class in its drop-down-list form (CBS_DROPDOWNLIST): a closed box showing the
// selected item with an arrow button, and a list box in a top-level pop-up window that drops below it.
// The items live in that list box; CB_* messages act on it.
#pragma once

#include "platform/win/controls/ListBox.h"

namespace win {

class ComboBox final : public DropDownHost {
 public:
  explicit ComboBox(HWND hwnd);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void dropDownPicked(int index) override;
  void dropDownCancelled() override;

 private:
  LRESULT handleComboMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleInput(UINT msg, WPARAM wParam, LPARAM lParam);
  ListBox* listBox() const;
  ListBoxModel& items();
  void onCreate();
  void onDestroy();
  int boxHeight() const;
  void resizeToBox();
  void onSize();
  void setFont(HFONT font, bool redraw);

  void openDropDown();
  void closeDropDown(bool accept);
  RECT droppedListRect() const;
  void notify(WORD code);

  void onKeyDown(UINT vk);
  void onSysKeyDown(UINT vk);
  void onChar(char c);
  void selectByUser(int index);
  LRESULT copySelectionText(WPARAM maxCount, LPARAM buffer);

  void paint(HDC hdc);
  RECT buttonRect() const;

  HWND hwnd_;
  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  bool dropped_ = false;
  bool fitting_ = false;
  int selectionWhenOpened_ = -1;
  int droppedHeight_ = 0;  // height of the list below the box, from the size the creator asked for
};

}  // namespace win
