// What the open-file dialog shows and decides, apart from its windows: the current folder, its
// entries under the chosen type or a typed wildcard, and what a name typed by the user asks for.
#pragma once

#include <string>
#include <vector>

#include "platform/win/filedlg/FileTypeList.h"
#include "platform/win/windef.h"

namespace win {

class FileDialogModel {
 public:
  struct Entry {
    std::string name;
    bool isFolder = false;
  };

  enum class Action {
    None,                 // nothing typed
    ShowFolder,           // path: the folder to show
    FilterList,           // path: the folder to show; patterns: the typed wildcard
    ReturnFile,           // path: the chosen file
    RefuseMissingFolder,  // path: the folder that does not exist
    RefuseMissingFile,    // path: the file that does not exist
  };

  struct Decision {
    Action action = Action::None;
    std::string path;
    std::string patterns;
  };

  // `typeIndex` is 0-based; out of range chooses the first type.
  FileDialogModel(FileTypeList types, size_t typeIndex);

  // Shows `folder`; a relative one is taken from the current folder. False, and nothing changed,
  // when it cannot be read.
  bool openFolder(const std::string& folder);
  // False at the root or when the parent cannot be read.
  bool openParent();
  // Re-reads the current folder.
  void refresh();

  // Both replace the filter of the list: a type from the list, or patterns the user typed.
  void chooseType(size_t index);
  void filterWith(const std::string& patterns);

  const std::string& folder() const { return folder_; }
  const std::vector<Entry>& entries() const { return entries_; }
  const FileTypeList& types() const { return types_; }
  size_t typeIndex() const { return typeIndex_; }

  // What `typed` asks for under the dialog's OFN_* flags. `defaultExtension` (no dot) is added to a
  // file name typed without one, as long as the name as typed does not exist.
  Decision resolve(const std::string& typed, DWORD flags, const std::string& defaultExtension) const;

  // "name/" for a folder, the name for a file.
  static std::string DisplayText(const Entry& entry);

 private:
  static bool ReadFolder(const std::string& folder, std::vector<Entry>* entries);
  static bool ListsBefore(const Entry& a, const Entry& b);
  void applyFilter();
  Decision resolveFile(const std::string& path, DWORD flags, const std::string& defaultExtension) const;

  FileTypeList types_;
  size_t typeIndex_ = 0;
  FileNameFilter filter_;
  std::string folder_;
  std::vector<Entry> allEntries_;
  std::vector<Entry> entries_;
};

}  // namespace win
