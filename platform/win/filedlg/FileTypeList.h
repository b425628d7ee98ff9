// The "Files of type" entries of an open-file dialog, read from the caller's filter text: pairs of a
// NUL-terminated label and a NUL-terminated pattern list, the whole ended by an empty string.
#pragma once

#include <string>
#include <vector>

#include "platform/win/filedlg/FileNameFilter.h"

namespace win {

class FileTypeList {
 public:
  struct FileType {
    std::string label;
    FileNameFilter filter;
  };

  FileTypeList() = default;
  // nullptr gives an empty list. A label whose pattern list is missing is dropped.
  static FileTypeList Parse(const char* filterText);

  size_t size() const { return types_.size(); }
  bool empty() const { return types_.empty(); }
  const FileType& at(size_t index) const { return types_.at(index); }

  void add(const std::string& label, const std::string& patterns);

 private:
  std::vector<FileType> types_;
};

}  // namespace win
