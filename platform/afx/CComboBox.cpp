#include "platform/afx/CComboBox.h"

namespace {

LPARAM TextParam(LPCTSTR text) { return reinterpret_cast<LPARAM>(text); }

}  // namespace

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("combobox", nullptr, style, rect, parent, id);
}

int CComboBox::AddString(LPCTSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, TextParam(text))); }

int CComboBox::InsertString(int index, LPCTSTR text) {
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), TextParam(text)));
}

int CComboBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }

void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }

int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }

int CComboBox::SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }

int CComboBox::GetLBTextLen(int index) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}

void CComboBox::GetLBText(int index, CString& text) const {
  int length = GetLBTextLen(index);
  if (length == CB_ERR) {
    text.Empty();
    return;
  }
  GetLBText(index, text.GetBufferSetLength(length));
  text.ReleaseBuffer();
}

int CComboBox::GetLBText(int index, LPTSTR text) const {
  return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CComboBox::FindString(int startAfter, LPCTSTR text) const {
  return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter), TextParam(text)));
}

int CComboBox::FindStringExact(int startAfter, LPCTSTR text) const {
  return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), TextParam(text)));
}

int CComboBox::SelectString(int startAfter, LPCTSTR text) {
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(startAfter), TextParam(text)));
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }

BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
