// Hands the chosen file back through the caller's OPENFILENAME.
#pragma once

#include <string>

#include "platform/win/commdlg.h"

namespace win {

// Writes the full path to lpstrFile, sets nFileOffset, nFileExtension and nFilterIndex (1-based;
// 0 leaves it as it is) and, when lpstrFileTitle is given, the file's name there. Returns 0, or:
// - FNERR_BUFFERTOOSMALL when the path or the title does not fit with its NUL. Nothing else is
//   written then, except that a too small lpstrFile of at least two bytes receives the size it needs
//   (bytes, NUL included) as a WORD in its first two bytes;
// - FNERR_INVALIDFILENAME for a path too long for the WORD offsets, with nothing written.
DWORD StoreChosenFile(OPENFILENAME& ofn, const std::string& path, DWORD filterIndex);

}  // namespace win
