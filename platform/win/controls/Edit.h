// The "edit" class: a single-line text field with caret, selection, keyboard and mouse editing,
// horizontal scrolling and an in-process clipboard. EditBuffer holds the text and selection; this
// class turns input into buffer changes, keeps the caret in view and paints.
#pragma once

#include <string>
#include <vector>

#include "platform/win/controls/EditBuffer.h"
#include "platform/win/winuser.h"

namespace win {

class Edit {
 public:
  explicit Edit(HWND hwnd) : hwnd_(hwnd) {}

  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  static void registerClass();

 private:
  DWORD style() const { return static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE)); }
  bool readOnly() const { return (style() & ES_READONLY) != 0; }
  HFONT font() const;

  LRESULT dialogCode() const;
  LRESULT getText(WPARAM maxCount, LPSTR out) const;
  void setText(LPCSTR text);
  LRESULT getSelection(WPARAM startOut, LPARAM endOut) const;

  void typeCharacter(UINT codePoint);
  void pressKey(WPARAM vk);
  void moveCaretByKey(WPARAM vk, bool extend, bool byWord);
  void pressMouse(POINT pt, bool extend);
  void dragMouse(POINT pt);
  void releaseMouse();
  void selectWord(POINT pt);
  void setFocused(bool focused);

  void copy() const;
  void cut();
  void paste();
  // Replaces the selection as the user does; refuses text that would not fit without ES_AUTOHSCROLL.
  void insertAsUser(std::string_view text);

  // After the text changed: mirror it to the window text, keep the caret in view, repaint, notify.
  void textChanged();
  void selectionChanged();
  void notify(WORD code);

  // Layout: x of every character boundary of the text, from its start, in the current font.
  std::vector<int> measureBoundaries() const;
  RECT textArea() const;
  int lineHeight() const;
  int textOriginX(const std::vector<int>& xs) const;
  size_t positionAt(int clientX) const;
  void scrollToCaret();

  void paint();
  void paintSelection(HDC hdc, const std::vector<int>& xs, int x0, int y, int height);

  HWND hwnd_;
  HFONT font_ = nullptr;
  EditBuffer buffer_;
  int scrollX_ = 0;
  bool focused_ = false;
  bool mouseSelecting_ = false;
};

}  // namespace win
