#include "platform/shell/Process.h"
#include "platform/shell/shellapi.h"

#include <string>

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT) {
  if (file == nullptr || *file == '\0') return reinterpret_cast<HINSTANCE>(SE_ERR_FNF);
  if (verb != nullptr && *verb != '\0' && std::string(verb) != "open") {
    return reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
  }
  if (!shell::SpawnDetached({"xdg-open", file})) return reinterpret_cast<HINSTANCE>(SE_ERR_FNF);
  return reinterpret_cast<HINSTANCE>(static_cast<ULONG_PTR>(42));
}

UINT WinExec(LPCSTR commandLine, UINT) {
  if (commandLine == nullptr) return ERROR_FILE_NOT_FOUND;
  return shell::SpawnDetached(shell::SplitCommandLine(commandLine)) ? 33 : ERROR_FILE_NOT_FOUND;
}
