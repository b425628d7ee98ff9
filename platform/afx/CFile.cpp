#include "platform/afx/CFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

BYTE AttributesOf(const char* fileName, const struct stat& info) {
  BYTE attributes = CFile::normal;
  if (S_ISDIR(info.st_mode)) attributes |= CFile::directory;
  if (access(fileName, W_OK) != 0) attributes |= CFile::readOnly;
  const char* slash = std::strrchr(fileName, '/');
  const char* base = slash ? slash + 1 : fileName;
  if (base[0] == '.' && std::strcmp(base, ".") != 0 && std::strcmp(base, "..") != 0) attributes |= CFile::hidden;
  return attributes;
}

}  // namespace

BOOL CFile::GetStatus(LPCTSTR fileName, CFileStatus& status) {
  status = CFileStatus();
  struct stat info;
  if (!fileName || stat(fileName, &info) != 0) return FALSE;
  status.m_ctime = info.st_ctime;
  status.m_mtime = info.st_mtime;
  status.m_atime = info.st_atime;
  status.m_size = static_cast<ULONGLONG>(info.st_size);
  status.m_attribute = AttributesOf(fileName, info);
  char full[PATH_MAX];
  if (realpath(fileName, full) && std::strlen(full) < sizeof status.m_szFullName) {
    std::strcpy(status.m_szFullName, full);
  }
  return TRUE;
}
