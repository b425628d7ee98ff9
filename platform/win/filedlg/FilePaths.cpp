#include "platform/win/filedlg/FilePaths.h"

#include <sys/stat.h>

#include <cstdlib>
#include <vector>

namespace win {

namespace {

std::string ExpandHome(const std::string& typed) {
  if (typed.empty() || typed[0] != '~' || (typed.size() > 1 && typed[1] != '/')) return typed;
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return typed;
  return std::string(home) + "/" + typed.substr(typed.size() > 1 ? 2 : 1);
}

std::vector<std::string> NormalisedComponents(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  return parts;
}

bool NamesFolderByForm(const std::string& path) {
  if (path.empty()) return false;
  std::string last = path.substr(path.find_last_of('/') + 1);
  return last.empty() || last == "." || last == "..";
}

}  // namespace

std::string ResolveTypedPath(const std::string& baseFolder, const std::string& typed) {
  std::string expanded = ExpandHome(typed);
  std::string full = !expanded.empty() && expanded[0] == '/' ? expanded : AsFolder(baseFolder) + expanded;
  std::string result;
  for (const std::string& part : NormalisedComponents(full)) result += "/" + part;
  if (result.empty()) return "/";
  return NamesFolderByForm(full) ? result + "/" : result;
}

std::string ParentFolder(const std::string& path) {
  size_t end = path.size();
  while (end > 1 && path[end - 1] == '/') --end;
  size_t slash = path.find_last_of('/', end - 1);
  if (slash == std::string::npos || end <= 1) return "/";
  return path.substr(0, slash + 1);
}

std::string LastComponent(const std::string& path) {
  size_t end = path.size();
  while (end > 0 && path[end - 1] == '/') --end;
  size_t slash = path.find_last_of('/', end == 0 ? 0 : end - 1);
  size_t start = slash == std::string::npos ? 0 : slash + 1;
  return end > start ? path.substr(start, end - start) : std::string();
}

std::string AsFolder(const std::string& path) { return EndsWithSlash(path) ? path : path + "/"; }

bool EndsWithSlash(const std::string& path) { return !path.empty() && path.back() == '/'; }

bool IsExistingFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PathExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

}  // namespace win
