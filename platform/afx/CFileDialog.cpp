#include "platform/afx/CFileDialog.h"

#include <cstring>

#include "platform/afx/CWnd.h"

CFileDialog::CFileDialog(BOOL open, LPCTSTR defExt, LPCTSTR fileName, DWORD flags, LPCTSTR filter, CWnd* parent)
    : m_ofn(), m_bOpenFileDialog(open), m_pParentWnd(parent) {
  if (fileName) std::strncpy(m_szFileName, fileName, sizeof m_szFileName - 1);
  if (filter) {
    m_filter = filter;
    for (char& c : m_filter) {
      if (c == '|') c = '\0';
    }
    m_filter.push_back('\0');  // with the string's own terminator: the list ends in two NULs
  }
  m_ofn.lStructSize = sizeof m_ofn;
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = sizeof m_szFileName;
  m_ofn.lpstrFileTitle = m_szFileTitle;
  m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
  m_ofn.lpstrDefExt = defExt;
  m_ofn.Flags = flags | OFN_EXPLORER;
  m_ofn.lpstrFilter = filter ? m_filter.c_str() : nullptr;
  m_ofn.nFilterIndex = filter ? 1 : 0;
}

INT_PTR CFileDialog::DoModal() {
  if (!m_bOpenFileDialog) return IDCANCEL;
  HWND owner = nullptr;
  CWnd::GetSafeOwner(m_pParentWnd, &owner);
  m_ofn.hwndOwner = owner;
  return ::GetOpenFileName(&m_ofn) ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(m_ofn.lpstrFile); }

CString CFileDialog::GetFileName() const {
  CString path = GetPathName();
  return path.Mid(path.ReverseFind('/') + 1);
}

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}
