#include "platform/afx/CFileFind.h"

#include <dirent.h>
#include <sys/stat.h>

#include "platform/afx/AfxDebug.h"

// lstat decides existence, so a link whose target is missing still counts as a file of that name.
bool CFileFind::Describe(const std::string& path, Found* found) {
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return false;
  struct stat target;
  if (S_ISLNK(info.st_mode) && stat(path.c_str(), &target) == 0) info = target;
  *found = {path, S_ISDIR(info.st_mode), static_cast<ULONGLONG>(info.st_size)};
  return true;
}

BOOL CFileFind::FindFile(LPCTSTR name) {
  Close();
  if (name) {
    Found found;
    if (!*name || !Describe(name, &found)) return FALSE;
    m_found.push_back(found);
    return TRUE;
  }
  DIR* dir = opendir(".");
  if (!dir) return FALSE;
  while (dirent* entry = readdir(dir)) {
    Found found;
    if (Describe(entry->d_name, &found)) m_found.push_back(found);
  }
  closedir(dir);
  return !m_found.empty();
}

BOOL CFileFind::FindNextFile() {
  if (m_current + 1 >= static_cast<int>(m_found.size())) return FALSE;
  ++m_current;
  return m_current + 1 < static_cast<int>(m_found.size());
}

void CFileFind::Close() {
  m_found.clear();
  m_current = -1;
}

const CFileFind::Found* CFileFind::Current() const {
  ASSERT(m_current >= 0);
  return m_current >= 0 ? &m_found[static_cast<size_t>(m_current)] : nullptr;
}

CString CFileFind::GetFilePath() const {
  const Found* found = Current();
  return found ? CString(found->path) : CString();
}

CString CFileFind::GetFileName() const {
  CString path = GetFilePath();
  return path.Mid(path.ReverseFind('/') + 1);
}

ULONGLONG CFileFind::GetLength() const {
  const Found* found = Current();
  return found ? found->size : 0;
}

BOOL CFileFind::IsDirectory() const {
  const Found* found = Current();
  return found && found->directory;
}

BOOL CFileFind::IsDots() const {
  CString name = GetFileName();
  return name == "." || name == "..";
}
