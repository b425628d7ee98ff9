#include "platform/shell/DesktopAssociations.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace shell {
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return (v != nullptr && *v != '\0') ? std::string(v) : fallback;
}

std::string Home() { return EnvOr("HOME", "/"); }

std::vector<std::string> SplitPaths(const std::string& list) {
  std::vector<std::string> out;
  std::stringstream ss(list);
  std::string item;
  while (std::getline(ss, item, ':')) {
    if (!item.empty()) out.push_back(item);
  }
  return out;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

// Reads `key` of `group` from an ini-style file.
std::optional<std::string> ReadKey(const std::string& file, const std::string& group, const std::string& key) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  std::string line;
  bool inGroup = false;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      inGroup = (line == "[" + group + "]");
      continue;
    }
    if (!inGroup) continue;
    size_t eq = line.find('=');
    if (eq != std::string::npos && Trim(line.substr(0, eq)) == key) return Trim(line.substr(eq + 1));
  }
  return std::nullopt;
}

std::vector<std::string> DataDirs() {
  std::vector<std::string> dirs{EnvOr("XDG_DATA_HOME", Home() + "/.local/share")};
  for (const std::string& d : SplitPaths(EnvOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))) dirs.push_back(d);
  return dirs;
}

std::vector<std::string> MimeAppsFiles() {
  std::vector<std::string> files{EnvOr("XDG_CONFIG_HOME", Home() + "/.config") + "/mimeapps.list"};
  for (const std::string& d : SplitPaths(EnvOr("XDG_CONFIG_DIRS", "/etc/xdg"))) files.push_back(d + "/mimeapps.list");
  for (const std::string& d : DataDirs()) {
    files.push_back(d + "/applications/mimeapps.list");
    files.push_back(d + "/applications/defaults.list");
  }
  return files;
}

}  // namespace

std::optional<std::string> DefaultApplicationFor(const std::string& mimeType) {
  for (const std::string& file : MimeAppsFiles()) {
    auto value = ReadKey(file, "Default Applications", mimeType);
    if (!value) continue;
    // A list of ids separated by ';': the first one whose entry exists wins.
    std::stringstream ss(*value);
    std::string id;
    while (std::getline(ss, id, ';')) {
      id = Trim(id);
      if (!id.empty() && DesktopEntryExec(id)) return id;
    }
  }
  return std::nullopt;
}

std::optional<std::string> DesktopEntryExec(const std::string& desktopId) {
  if (desktopId.find('/') != std::string::npos) return std::nullopt;
  for (const std::string& dir : DataDirs()) {
    if (auto exec = ReadKey(dir + "/applications/" + desktopId, "Desktop Entry", "Exec")) return exec;
  }
  return std::nullopt;
}

std::string ExecLineAsCommand(const std::string& exec) {
  std::string out;
  for (size_t i = 0; i < exec.size(); ++i) {
    if (exec[i] != '%' || i + 1 >= exec.size()) {
      out += exec[i];
      continue;
    }
    char code = exec[++i];
    if (code == 'u' || code == 'U' || code == 'f' || code == 'F') {
      out += "%1";
    } else if (code == '%') {
      out += '%';
    }
    // Other field codes (%i %c %k and deprecated ones) stand for nothing here.
  }
  return out;
}

std::string DocumentsDirectory() {
  std::string dir = Home() + "/Documents";
  // user-dirs.dirs has no group header; read it as plain KEY="value" lines.
  std::ifstream in(EnvOr("XDG_CONFIG_HOME", Home() + "/.config") + "/user-dirs.dirs");
  std::string line;
  while (std::getline(in, line)) {
    line = Trim(line);
    const std::string key = "XDG_DOCUMENTS_DIR=";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) value = Home() + value.substr(5);
    if (!value.empty() && value[0] == '/') dir = value;
  }
  if (const char* env = std::getenv("XDG_DOCUMENTS_DIR"); env != nullptr && env[0] == '/') dir = env;
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace shell
