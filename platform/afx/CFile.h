// File information (CFile::GetStatus).
#pragma once

#include <ctime>

#include "platform/win/windef.h"

struct CFileStatus {
  time_t m_ctime = 0;  // status change
  time_t m_mtime = 0;  // last modification
  time_t m_atime = 0;  // last access
  ULONGLONG m_size = 0;
  BYTE m_attribute = 0;  // CFile::Attribute bits
  char m_szFullName[MAX_PATH] = {};  // absolute path; empty when it does not fit
};

class CFile {
 public:
  enum Attribute { normal = 0x00, readOnly = 0x01, hidden = 0x02, system = 0x04, volume = 0x08, directory = 0x10, archive = 0x20 };

  // FALSE when the file does not exist or cannot be examined.
  static BOOL GetStatus(LPCTSTR fileName, CFileStatus& status);
};
