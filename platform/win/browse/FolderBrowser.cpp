// The folder browser dialog and its item lists.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/win/Resources.h"
#include "platform/win/browse/FolderTree.h"
#include "platform/win/shlobj.h"

struct _ITEMIDLIST {
  std::string path;  // empty: the "Computer" item
};

namespace {

const UINT kBrowserTemplateId = 0x7E00;
const int kFolderListId = 100;

struct BrowserState {
  win::FolderTree tree;
  LPCSTR title;
  size_t chosen = 0;
};

const win::DialogTemplate& BrowserTemplate() {
  static const win::DialogTemplate tmpl{
      false,
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
      0,
      0, 0, 212, 188,
      "Browse for Folder",
      "Microsoft Sans Serif",
      9, FW_NORMAL, 0, DEFAULT_CHARSET,
      {
          {"static", "Choose a folder:", 0, -1, WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 7, 7, 198, 10, {}},
          {"listbox", "", 0, kFolderListId,
           WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 7, 20,
           198, 142, {}},
          {"button", "OK", 0, IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 101, 168, 50, 14, {}},
          {"button", "Cancel", 0, IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 155, 168, 50, 14, {}},
      }};
  return tmpl;
}

std::string RowText(const win::FolderTree::Row& row) {
  std::string text(static_cast<size_t>(row.depth) * 4, ' ');
  text += row.expanded ? "- " : "+ ";
  return text + row.label;
}

void FillList(HWND dlg, const BrowserState& state, size_t selected) {
  HWND list = GetDlgItem(dlg, kFolderListId);
  SendMessage(list, WM_SETREDRAW, FALSE, 0);
  SendMessage(list, LB_RESETCONTENT, 0, 0);
  for (const auto& row : state.tree.rows()) SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(row).c_str()));
  SendMessage(list, LB_SETCURSEL, selected, 0);
  SendMessage(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

size_t SelectedRow(HWND dlg) {
  LRESULT sel = SendDlgItemMessage(dlg, kFolderListId, LB_GETCURSEL, 0, 0);
  return sel < 0 ? 0 : static_cast<size_t>(sel);
}

INT_PTR CALLBACK BrowserProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<BrowserState*>(GetWindowLongPtr(dlg, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      state = reinterpret_cast<BrowserState*>(lParam);
      SetWindowLongPtr(dlg, DWLP_USER, lParam);
      if (state->title != nullptr) SetDlgItemText(dlg, -1, state->title);
      const char* home = std::getenv("HOME");
      FillList(dlg, *state, home != nullptr ? state->tree.reveal(home) : 0);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kFolderListId && HIWORD(wParam) == LBN_DBLCLK) {
        size_t row = SelectedRow(dlg);
        if (state->tree.toggle(row)) FillList(dlg, *state, row);
        return TRUE;
      }
      if (LOWORD(wParam) == IDOK) {
        state->chosen = SelectedRow(dlg);
        EndDialog(dlg, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dlg, IDCANCEL);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA bi) {
  static bool registered = false;
  if (!registered) {
    win::RegisterDialogResource(kBrowserTemplateId, &BrowserTemplate());
    registered = true;
  }
  const char* home = std::getenv("HOME");
  BrowserState state{win::FolderTree(home != nullptr ? home : "", win::FolderTree::MountedFileSystems()),
                     bi != nullptr ? bi->lpszTitle : nullptr};
  HWND owner = bi != nullptr ? bi->hwndOwner : nullptr;
  INT_PTR result = DialogBoxParam(GetModuleHandle(nullptr), MAKEINTRESOURCE(kBrowserTemplateId), owner, BrowserProc,
                                  reinterpret_cast<LPARAM>(&state));
  if (result != IDOK) return nullptr;
  return win::CreateItemForPath(state.tree.rows()[state.chosen].path.c_str());
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path) {
  if (pidl == nullptr || path == nullptr) return FALSE;
  if (pidl->path.empty() || pidl->path.size() >= MAX_PATH) return FALSE;
  std::memcpy(path, pidl->path.c_str(), pidl->path.size() + 1);
  return TRUE;
}

void ILFree(LPITEMIDLIST pidl) { delete pidl; }

namespace win {
LPITEMIDLIST CreateItemForPath(const char* path) { return new _ITEMIDLIST{path != nullptr ? path : ""}; }
}  // namespace win
