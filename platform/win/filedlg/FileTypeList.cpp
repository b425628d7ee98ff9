#include "platform/win/filedlg/FileTypeList.h"

#include <cstring>

namespace win {

FileTypeList FileTypeList::Parse(const char* filterText) {
  FileTypeList list;
  if (filterText == nullptr) return list;
  const char* cursor = filterText;
  while (*cursor != '\0') {
    const char* label = cursor;
    const char* patterns = label + std::strlen(label) + 1;
    if (*patterns == '\0') break;
    list.add(label, patterns);
    cursor = patterns + std::strlen(patterns) + 1;
  }
  return list;
}

void FileTypeList::add(const std::string& label, const std::string& patterns) {
  types_.push_back({label, FileNameFilter(patterns)});
}

}  // namespace win
