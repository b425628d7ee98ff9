#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/shell/DesktopAssociations.h"
#include "platform/shell/winreg.h"

namespace {

// Open keys are the paths they name under HKEY_CLASSES_ROOT.
std::mutex g_mutex;
std::map<ULONG_PTR, std::string> g_openKeys;
ULONG_PTR g_nextKey = 0x1000;

std::optional<std::string> KeyPath(HKEY key) {
  if (key == HKEY_CLASSES_ROOT) return std::string();
  std::lock_guard<std::mutex> lock(g_mutex);
  auto it = g_openKeys.find(reinterpret_cast<ULONG_PTR>(key));
  if (it == g_openKeys.end()) return std::nullopt;
  return it->second;
}

std::string Join(const std::string& base, LPCSTR sub) {
  if (sub == nullptr || *sub == '\0') return base;
  return base.empty() ? std::string(sub) : base + "\\" + sub;
}

// The default value of a key of the view, or nothing when the key does not exist.
std::optional<std::string> DefaultValue(const std::string& path) {
  const std::string commandSuffix = "\\shell\\open\\command";
  if (path == ".htm" || path == ".html") return shell::DefaultApplicationFor("text/html");
  if (path.size() > commandSuffix.size() &&
      path.compare(path.size() - commandSuffix.size(), commandSuffix.size(), commandSuffix) == 0) {
    std::string id = path.substr(0, path.size() - commandSuffix.size());
    if (auto exec = shell::DesktopEntryExec(id)) return shell::ExecLineAsCommand(*exec);
  }
  return std::nullopt;
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
  if (result == nullptr) return ERROR_FILE_NOT_FOUND;
  *result = nullptr;
  auto base = KeyPath(key);
  if (!base) return ERROR_FILE_NOT_FOUND;
  std::string path = Join(*base, subKey);
  if (!DefaultValue(path)) return ERROR_FILE_NOT_FOUND;
  std::lock_guard<std::mutex> lock(g_mutex);
  ULONG_PTR handle = g_nextKey++;
  g_openKeys[handle] = path;
  *result = reinterpret_cast<HKEY>(handle);
  return ERROR_SUCCESS;
}

LSTATUS RegQueryValueA(HKEY key, LPCSTR subKey, LPSTR value, LONG* size) {
  auto base = KeyPath(key);
  if (!base) return ERROR_FILE_NOT_FOUND;
  auto data = DefaultValue(Join(*base, subKey));
  if (!data) return ERROR_FILE_NOT_FOUND;
  LONG needed = static_cast<LONG>(data->size() + 1);
  if (value == nullptr) {
    if (size != nullptr) *size = needed;
    return ERROR_SUCCESS;
  }
  if (size == nullptr || *size < needed) {
    if (size != nullptr) *size = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(value, data->c_str(), static_cast<size_t>(needed));
  *size = needed;
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
  std::lock_guard<std::mutex> lock(g_mutex);
  return g_openKeys.erase(reinterpret_cast<ULONG_PTR>(key)) == 1 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}
