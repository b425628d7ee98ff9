// The commands that reach outside the program: the save folder, the help document and the home page.
#include <climits>
#include <string>

#include "platform/shell/shellapi.h"
#include "platform/win/shlobj.h"
#include "platform/shell/winreg.h"
#include "res/resource.h"
#include "ui/CMainDialog.h"
#include "ui/HelpDocument.h"
#include "ui/HomePageCommand.h"
#include "ui/SaveFolderPath.h"

namespace {

const char kHomePageAddress[] = "https://velmora.example.org/";

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
  // A failed conversion leaves m_szSaveDir as it was, since the extraction uses it.
  SaveFolderResult result = TakeSaveFolder(pidl, m_szSaveDir, sizeof(m_szSaveDir));
  ILFree(pidl);
  if (result == SaveFolderResult::NoFileSystemPath) {
    MessageBox("Failed!", "ERROR", MB_OK);
    return;
  }
  if (result == SaveFolderResult::TooLong) {
    MessageBox("The chosen folder's path is too long to save files in. Please choose a folder with a shorter path.",
               "ERROR", MB_OK);
    return;
  }
  m_editSaveDir.SetWindowText(m_szSaveDir);
}

void CMainDialog::OnHelpButton() {
  char szModule[PATH_MAX] = {};
  GetModuleFileName(nullptr, szModule, sizeof(szModule));
  // The document's path is handed over as one argument, so blanks and quotes in it are safe.
  ShellExecuteA(nullptr, "open", HelpDocumentPath(szModule).c_str(), nullptr, nullptr, SW_SHOW);
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
