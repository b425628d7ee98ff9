// The common open-file dialog. The filter is "Label|patterns|Label|patterns||" as usual.
#pragma once

#include <string>

#include "platform/afx/CString.h"
#include "platform/win/commdlg.h"

class CWnd;

class CFileDialog {
 public:
  // Only open dialogs exist on this platform: DoModal of a save dialog (open == FALSE) returns
  // IDCANCEL without showing anything.
  explicit CFileDialog(BOOL open, LPCTSTR defExt = nullptr, LPCTSTR fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                       CWnd* parent = nullptr);
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;
  virtual ~CFileDialog() = default;

  OPENFILENAME m_ofn;

  // IDOK when the user chose a file, IDCANCEL otherwise.
  virtual INT_PTR DoModal();
  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;

 private:
  BOOL m_bOpenFileDialog;
  CWnd* m_pParentWnd;
  std::string m_filter;  // label and pattern strings, each ended by a NUL, then one more NUL
  char m_szFileName[MAX_PATH] = {};
  char m_szFileTitle[MAX_PATH] = {};
};
