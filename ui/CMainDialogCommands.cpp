// The commands that reach outside the program: the save folder, the help document and the home page.
#include <climits>
#include <cstring>
#include <string>

#include "platform/shell/shellapi.h"
#include "platform/win/shlobj.h"
#include "platform/shell/winreg.h"
#include "res/resource.h"
#include "ui/CMainDialog.h"
#include "ui/HomePageCommand.h"

namespace {

const char kHomePageAddress[] = "https://velmora.example.org/";
const char kHelpDocument[] = "/help.html";

// The default value of a key of the file associations, or "" when it cannot be read.
std::string ReadAssociation(const std::string& subKey) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS) return "";
  char szValue[MAX_PATH] = {};
  LONG cbValue = sizeof(szValue);
  LSTATUS status = RegQueryValueA(hKey, nullptr, szValue, &cbValue);
  RegCloseKey(hKey);
  return status == ERROR_SUCCESS ? std::string(szValue) : std::string();
}

}  // namespace

void CMainDialog::OnBrowseSaveDir() {
  BROWSEINFOA bi{};
  LPITEMIDLIST pidl = SHBrowseForFolderA(&bi);
  if (pidl == nullptr) return;
  // The path is converted into a scratch buffer first: a failed conversion must not leave
  // m_szSaveDir half-written, since the extraction uses it.
  char szPath[MAX_PATH] = {};
  BOOL bConverted = SHGetPathFromIDListA(pidl, szPath);
  ILFree(pidl);
  if (!bConverted) {
    MessageBox("Failed!", "ERROR", MB_OK);
    return;
  }
  size_t nLength = std::strlen(szPath);
  bool bNeedsSeparator = nLength == 0 || szPath[nLength - 1] != '/';
  if (nLength + (bNeedsSeparator ? 1 : 0) >= sizeof(m_szSaveDir)) {
    MessageBox("The chosen folder's path is too long to save files in. Please choose a folder with a shorter path.",
               "ERROR", MB_OK);
    return;
  }
  std::memcpy(m_szSaveDir, szPath, nLength + 1);
  if (bNeedsSeparator) std::strcat(m_szSaveDir, "/");
  m_editSaveDir.SetWindowText(m_szSaveDir);
}

void CMainDialog::OnHelpButton() {
  char szModule[PATH_MAX] = {};
  GetModuleFileName(nullptr, szModule, sizeof(szModule));
  std::string strHelp(szModule);
  size_t nSlash = strHelp.rfind('/');
  strHelp = (nSlash == std::string::npos ? std::string(".") : strHelp.substr(0, nSlash)) + kHelpDocument;
  // The document's path is handed over as one argument, so blanks and quotes in it are safe.
  ShellExecuteA(nullptr, "open", strHelp.c_str(), nullptr, nullptr, SW_SHOW);
}

void CMainDialog::OnHomePage() {
  HINSTANCE hResult = ShellExecuteA(nullptr, "open", kHomePageAddress, nullptr, nullptr, SW_SHOW);
  if (reinterpret_cast<INT_PTR>(hResult) > 32) return;
  std::string strFileType = ReadAssociation(".htm");
  if (strFileType.empty()) return;
  std::string strCommand = ReadAssociation(strFileType + "\\shell\\open\\command");
  if (strCommand.empty()) return;
  WinExec(BuildBrowserCommand(strCommand, kHomePageAddress).c_str(), SW_SHOW);
}
