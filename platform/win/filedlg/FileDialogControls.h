// Control ids of the open-file dialog, for hook procedures and tests that look at its controls.
#pragma once

namespace win::filedlg {

constexpr int kFileNameEdit = 0x480;
constexpr int kFileList = 0x460;
constexpr int kFileTypeCombo = 0x470;
constexpr int kFolderText = 0x440;  // the "Look in:" folder, a read-only edit
constexpr int kUpButton = 0x4A0;
constexpr int kFileNameLabel = 0x442;
constexpr int kFileTypeLabel = 0x441;
constexpr int kLookInLabel = 0x443;
// Open is IDOK, Cancel IDCANCEL.

}  // namespace win::filedlg
