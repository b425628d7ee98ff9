// The dialog functions that reach a control by its id.
#include <cctype>
#include <cstdint>
#include <string>

#include "platform/win/dialog/DialogControls.h"
#include "platform/win/winuser.h"

namespace {

// Decimal text with optional surrounding blanks and, when signed, a leading '-'. False for anything
// else or a value out of range.
bool ParseDialogInt(const std::string& text, bool isSigned, int64_t* value) {
  size_t pos = 0;
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  bool negative = isSigned && pos < text.size() && text[pos] == '-';
  if (negative) ++pos;
  size_t digitsStart = pos;
  int64_t magnitude = 0;
  const int64_t limit = isSigned ? (negative ? 2147483648LL : 2147483647LL) : 4294967295LL;
  while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > limit) return false;
    ++pos;
  }
  if (pos == digitsStart) return false;
  while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos]))) ++pos;
  if (pos != text.size()) return false;
  *value = negative ? -magnitude : magnitude;
  return true;
}

std::string ItemText(HWND ctl) {
  int length = GetWindowTextLength(ctl);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int copied = GetWindowText(ctl, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace

LRESULT SendDlgItemMessage(HWND dlg, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND ctl = GetDlgItem(dlg, id);
  return ctl ? SendMessage(ctl, msg, wParam, lParam) : 0;
}

BOOL SetDlgItemText(HWND dlg, int id, LPCSTR text) {
  HWND ctl = GetDlgItem(dlg, id);
  return ctl ? SetWindowText(ctl, text) : FALSE;
}

UINT GetDlgItemText(HWND dlg, int id, LPSTR text, int maxCount) {
  HWND ctl = GetDlgItem(dlg, id);
  if (!ctl) {
    if (text && maxCount > 0) text[0] = '\0';
    return 0;
  }
  int copied = GetWindowText(ctl, text, maxCount);
  return copied > 0 ? static_cast<UINT>(copied) : 0;
}

BOOL SetDlgItemInt(HWND dlg, int id, UINT value, BOOL isSigned) {
  std::string text = isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
  return SetDlgItemText(dlg, id, text.c_str());
}

UINT GetDlgItemInt(HWND dlg, int id, BOOL* translated, BOOL isSigned) {
  if (translated) *translated = FALSE;
  HWND ctl = GetDlgItem(dlg, id);
  int64_t value = 0;
  if (!ctl || !ParseDialogInt(ItemText(ctl), isSigned != FALSE, &value)) return 0;
  if (translated) *translated = TRUE;
  return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dlg, int id, UINT check) {
  HWND ctl = GetDlgItem(dlg, id);
  if (!ctl) return FALSE;
  SendMessage(ctl, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dlg, int id) {
  HWND ctl = GetDlgItem(dlg, id);
  return ctl ? static_cast<UINT>(SendMessage(ctl, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dlg, int firstId, int lastId, int checkId) {
  BOOL found = FALSE;
  for (HWND child : win::DialogChildren(dlg)) {
    int id = GetDlgCtrlID(child);
    if (id < firstId || id > lastId) continue;
    SendMessage(child, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
    found = TRUE;
  }
  return found;
}
