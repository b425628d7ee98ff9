#include "platform/win/browse/FolderTree.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace win {
namespace {

std::string LastComponent(const std::string& path) {
  if (path == "/") return "File System (/)";
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CaseInsensitiveLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

// /proc/mounts escapes blanks and a few other characters as octal.
std::string UnescapeMountPath(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size()) {
      out += static_cast<char>(std::stoi(s.substr(i + 1, 3), nullptr, 8));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

}  // namespace

FolderTree::FolderTree(const std::string& home, const std::vector<std::string>& mounts) {
  rows_.push_back({"Computer", "", 0, true});
  if (!home.empty()) rows_.push_back({"Home (" + LastComponent(home) + ")", home, 1, false});
  rows_.push_back({LastComponent("/"), "/", 1, false});
  for (const std::string& m : mounts) {
    if (m != "/" && m != home) rows_.push_back({LastComponent(m) + " (" + m + ")", m, 1, false});
  }
}

std::vector<std::string> FolderTree::MountedFileSystems() {
  std::vector<std::string> out;
  std::ifstream in("/proc/mounts");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string device, mountPoint;
    fields >> device >> mountPoint;
    mountPoint = UnescapeMountPath(mountPoint);
    // Removable and user-mounted file systems; system mounts are reachable from the root anyway.
    if (mountPoint.rfind("/media/", 0) == 0 || mountPoint.rfind("/mnt/", 0) == 0 ||
        mountPoint.rfind("/run/media/", 0) == 0) {
      out.push_back(mountPoint);
    }
  }
  return out;
}

std::vector<std::string> FolderTree::Subfolders(const std::string& path) {
  std::vector<std::string> names;
  DIR* dir = opendir(path.c_str());
  if (dir == nullptr) return names;
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == ".." || name[0] == '.') continue;
    std::string full = (path == "/" ? "" : path) + "/" + name;
    if (IsDirectory(full)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), CaseInsensitiveLess);
  return names;
}

bool FolderTree::toggle(size_t index) {
  if (index >= rows_.size() || rows_[index].path.empty()) return false;
  if (rows_[index].expanded) {
    collapse(index);
    return true;
  }
  expand(index);
  return rows_[index].expanded;
}

void FolderTree::expand(size_t index) {
  Row parent = rows_[index];
  std::vector<Row> children;
  for (const std::string& name : Subfolders(parent.path)) {
    std::string full = (parent.path == "/" ? "" : parent.path) + "/" + name;
    children.push_back({name, full, parent.depth + 1, false});
  }
  if (children.empty()) return;
  rows_[index].expanded = true;
  rows_.insert(rows_.begin() + static_cast<long>(index) + 1, children.begin(), children.end());
}

void FolderTree::collapse(size_t index) {
  size_t end = index + 1;
  while (end < rows_.size() && rows_[end].depth > rows_[index].depth) ++end;
  rows_.erase(rows_.begin() + static_cast<long>(index) + 1, rows_.begin() + static_cast<long>(end));
  rows_[index].expanded = false;
}

size_t FolderTree::reveal(const std::string& path) {
  size_t best = 0;
  for (bool progressed = true; progressed;) {
    progressed = false;
    for (size_t i = 0; i < rows_.size(); ++i) {
      const std::string& p = rows_[i].path;
      if (p.empty()) continue;
      bool isPrefix = path == p || (path.rfind(p == "/" ? p : p + "/", 0) == 0);
      if (!isPrefix || rows_[i].depth <= rows_[best].depth) continue;
      best = i;
      if (path != p && !rows_[i].expanded) {
        expand(i);
        progressed = rows_[i].expanded;
      }
      break;
    }
  }
  return best;
}

}  // namespace win
