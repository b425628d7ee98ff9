// The save folder the folder browser's choice becomes: the item's file-system path with exactly one
// trailing '/', since the extraction appends file names to it.
#pragma once

#include <cstddef>

#include "platform/win/shlobj.h"

enum class SaveFolderResult {
  Taken,             // the folder was written into the buffer
  NoFileSystemPath,  // the item has no file-system path (the "Computer" item)
  TooLong,           // the path and its separator do not fit the buffer
};

// Writes the folder of `pidl` into `pszSaveDir` (`cbSaveDir` bytes) only when the result is Taken; on
// any failure the buffer keeps its earlier folder, which the extraction may still use.
SaveFolderResult TakeSaveFolder(LPCITEMIDLIST pidl, char* pszSaveDir, size_t cbSaveDir);
