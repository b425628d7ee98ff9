// The folder browser: a modal dialog listing the folders of the machine under a top item, "Computer",
// that has no file-system path of its own.
#pragma once

#include "platform/win/winuser.h"

// An item of the folder tree. Owned by the caller after SHBrowseForFolderA; freed with CoTaskMemFree.
typedef struct _ITEMIDLIST ITEMIDLIST;
typedef ITEMIDLIST* LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;

typedef int(CALLBACK* BFFCALLBACK)(HWND hwnd, UINT msg, LPARAM lParam, LPARAM data);

#define BIF_RETURNONLYFSDIRS 0x0001

typedef struct _browseinfoA {
  HWND hwndOwner;
  LPCITEMIDLIST pidlRoot;
  LPSTR pszDisplayName;
  LPCSTR lpszTitle;
  UINT ulFlags;
  BFFCALLBACK lpfn;
  LPARAM lParam;
  int iImage;
} BROWSEINFOA, BROWSEINFO, *LPBROWSEINFOA;

// Shows the browser; returns the chosen item, or NULL when the user cancels.
LPITEMIDLIST SHBrowseForFolderA(LPBROWSEINFOA bi);
// Writes the item's file-system path (at most MAX_PATH bytes with the terminator) into `path`;
// FALSE for an item without one (the "Computer" item), or a path that does not fit.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path);
void ILFree(LPITEMIDLIST pidl);

namespace win {
// Makes an item for a path ("" for the top "Computer" item); for tests and the browser itself.
LPITEMIDLIST CreateItemForPath(const char* path);
}  // namespace win
