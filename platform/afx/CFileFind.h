// Finds files. A name is looked up exactly as written: '*', '?' and '[' are ordinary characters of
// file names here, so FindFile("a*.avi") is true only for a file of that very name. Without a name,
// it lists the current directory. As usual, call FindNextFile before reading the first result; it
// returns FALSE when the result it moved to is the last one.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/afx/CString.h"

class CFileFind {
 public:
  CFileFind() = default;
  virtual ~CFileFind() = default;

  BOOL FindFile(LPCTSTR name = nullptr);
  BOOL FindNextFile();
  void Close();

  CString GetFilePath() const;
  CString GetFileName() const;
  ULONGLONG GetLength() const;
  BOOL IsDirectory() const;
  // "." and "..", which a directory listing contains.
  BOOL IsDots() const;

 private:
  struct Found {
    std::string path;
    bool directory;
    ULONGLONG size;
  };
  static bool Describe(const std::string& path, Found* found);
  const Found* Current() const;

  std::vector<Found> m_found;
  int m_current = -1;
};
