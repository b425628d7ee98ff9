// GetOpenFileName and CommDlgExtendedError: checks the caller's OPENFILENAME, picks the starting
// folder, runs the dialog and hands the result back.
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win/commdlg.h"
#include "platform/win/filedlg/FileDialogModel.h"
#include "platform/win/filedlg/FilePaths.h"
#include "platform/win/filedlg/OpenFileDialog.h"
#include "platform/win/filedlg/OpenFileResult.h"

namespace {

DWORD g_lastError = 0;
std::string g_lastFolder;  // folder of the last file chosen in this process

std::string WorkingFolder() {
  std::vector<char> buffer(4096);
  if (getcwd(buffer.data(), buffer.size()) == nullptr) return {};
  return win::AsFolder(buffer.data());
}

// The caller's folder, else the one the last file came from, else the working folder; the home
// folder and the root only when none of these can be read.
std::vector<std::string> StartFolders(LPCSTR initialDir) {
  std::string cwd = WorkingFolder();
  std::vector<std::string> folders;
  if (initialDir != nullptr && *initialDir != '\0') folders.push_back(win::ResolveTypedPath(cwd, initialDir));
  if (!g_lastFolder.empty()) folders.push_back(g_lastFolder);
  if (!cwd.empty()) folders.push_back(cwd);
  if (const char* home = std::getenv("HOME")) folders.push_back(home);
  folders.push_back("/");
  return folders;
}

bool OpenStartFolder(win::FileDialogModel& model, LPCSTR initialDir) {
  for (const std::string& folder : StartFolders(initialDir)) {
    if (model.openFolder(folder)) return true;
  }
  return false;
}

DWORD CheckRequest(const OPENFILENAME* ofn) {
  if (ofn == nullptr) return CDERR_INITIALIZATION;
  if (ofn->lStructSize != sizeof(OPENFILENAME)) return CDERR_STRUCTSIZE;
  if (ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) return CDERR_INITIALIZATION;
  return 0;
}

BOOL Fail(DWORD error) {
  g_lastError = error;
  return FALSE;
}

}  // namespace

BOOL GetOpenFileName(LPOPENFILENAME ofn) {
  g_lastError = 0;
  if (DWORD error = CheckRequest(ofn)) return Fail(error);
  size_t typeIndex = ofn->nFilterIndex > 0 ? ofn->nFilterIndex - 1 : 0;
  win::FileDialogModel model(win::FileTypeList::Parse(ofn->lpstrFilter), typeIndex);
  if (!OpenStartFolder(model, ofn->lpstrInitialDir)) return Fail(CDERR_INITIALIZATION);
  win::OpenFileDialog dialog(*ofn, model);
  INT_PTR result = dialog.run();
  if (result == -1) return Fail(CDERR_DIALOGFAILURE);
  if (result != IDOK) return FALSE;
  DWORD filterIndex = model.types().empty() ? 0 : static_cast<DWORD>(model.typeIndex() + 1);
  if (DWORD error = win::StoreChosenFile(*ofn, dialog.chosenPath(), filterIndex)) return Fail(error);
  g_lastFolder = win::ParentFolder(dialog.chosenPath());
  return TRUE;
}

DWORD CommDlgExtendedError() { return g_lastError; }
