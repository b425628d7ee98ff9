#include "ui/SaveFolderPath.h"

#include <cstring>

SaveFolderResult TakeSaveFolder(LPCITEMIDLIST pidl, char* pszSaveDir, size_t cbSaveDir) {
  char szPath[MAX_PATH] = {};
  if (!SHGetPathFromIDListA(pidl, szPath)) return SaveFolderResult::NoFileSystemPath;
  size_t nLength = std::strlen(szPath);
  bool bNeedsSeparator = nLength == 0 || szPath[nLength - 1] != '/';
  if (nLength + (bNeedsSeparator ? 1 : 0) >= cbSaveDir) return SaveFolderResult::TooLong;
  std::memcpy(pszSaveDir, szPath, nLength + 1);
  if (bNeedsSeparator) std::strcat(pszSaveDir, "/");
  return SaveFolderResult::Taken;
}
