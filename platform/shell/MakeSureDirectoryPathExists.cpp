#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/shell/imagehlp.h"

namespace {

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

BOOL MakeSureDirectoryPathExists(LPCSTR path) {
  if (path == nullptr) return FALSE;
  std::string p(path);
  size_t last = p.rfind('/');
  if (last == std::string::npos) return TRUE;
  // Walk every prefix that ends just before a '/', creating what is missing.
  for (size_t pos = p.find('/', 1); pos != std::string::npos && pos <= last; pos = p.find('/', pos + 1)) {
    std::string dir = p.substr(0, pos);
    if (dir.empty() || IsDirectory(dir)) continue;
    if (mkdir(dir.c_str(), 0777) != 0 && !(errno == EEXIST && IsDirectory(dir))) return FALSE;
  }
  return TRUE;
}
