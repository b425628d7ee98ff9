#include "platform/win/filedlg/OpenFileResult.h"

#include <cstring>

namespace win {

namespace {

constexpr size_t kLongestPath = 0xFFFE;  // offsets into the path are WORDs

bool Fits(const std::string& text, DWORD bufferSize) { return text.size() < bufferSize; }

void CopyWithNul(LPSTR buffer, const std::string& text) { std::memcpy(buffer, text.c_str(), text.size() + 1); }

// A name ending in '.' has an empty extension and gives 0; a name without '.' points at the NUL.
WORD ExtensionOffset(const std::string& path, size_t nameOffset) {
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot < nameOffset) return static_cast<WORD>(path.size());
  if (dot + 1 == path.size()) return 0;
  return static_cast<WORD>(dot + 1);
}

}  // namespace

DWORD StoreChosenFile(OPENFILENAME& ofn, const std::string& path, DWORD filterIndex) {
  if (path.size() > kLongestPath) return FNERR_INVALIDFILENAME;
  size_t nameOffset = path.find_last_of('/') + 1;
  std::string title = path.substr(nameOffset);
  if (ofn.lpstrFile == nullptr || !Fits(path, ofn.nMaxFile)) {
    if (ofn.lpstrFile != nullptr && ofn.nMaxFile >= sizeof(WORD)) {
      WORD needed = static_cast<WORD>(path.size() + 1);
      std::memcpy(ofn.lpstrFile, &needed, sizeof needed);
    }
    return FNERR_BUFFERTOOSMALL;
  }
  if (ofn.lpstrFileTitle != nullptr && !Fits(title, ofn.nMaxFileTitle)) return FNERR_BUFFERTOOSMALL;
  CopyWithNul(ofn.lpstrFile, path);
  if (ofn.lpstrFileTitle != nullptr) CopyWithNul(ofn.lpstrFileTitle, title);
  ofn.nFileOffset = static_cast<WORD>(nameOffset);
  ofn.nFileExtension = ExtensionOffset(path, nameOffset);
  if (filterIndex != 0) ofn.nFilterIndex = filterIndex;
  return 0;
}

}  // namespace win
