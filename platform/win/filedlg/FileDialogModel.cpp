#include "platform/win/filedlg/FileDialogModel.h"

#include <dirent.h>
#include <strings.h>

#include <algorithm>

#include "platform/win/commdlg.h"
#include "platform/win/filedlg/FilePaths.h"

namespace win {

namespace {

bool IsHidden(const char* name) { return name[0] == '.'; }

// Surrounding double quotes are how a name with blanks is often pasted; they are not part of it.
std::string WithoutQuotes(const std::string& typed) {
  if (typed.size() >= 2 && typed.front() == '"' && typed.back() == '"') return typed.substr(1, typed.size() - 2);
  return typed;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

FileDialogModel::FileDialogModel(FileTypeList types, size_t typeIndex) : types_(std::move(types)) {
  typeIndex_ = typeIndex < types_.size() ? typeIndex : 0;
  if (!types_.empty()) filter_ = types_.at(typeIndex_).filter;
}

bool FileDialogModel::openFolder(const std::string& folder) {
  std::string path = ResolveTypedPath(folder_.empty() ? "/" : folder_, AsFolder(folder));
  std::vector<Entry> entries;
  if (!ReadFolder(path, &entries)) return false;
  folder_ = path;
  allEntries_ = std::move(entries);
  applyFilter();
  return true;
}

bool FileDialogModel::openParent() {
  if (folder_ == "/" || folder_.empty()) return false;
  return openFolder(ParentFolder(folder_));
}

void FileDialogModel::refresh() {
  std::vector<Entry> entries;
  if (!ReadFolder(folder_, &entries)) return;
  allEntries_ = std::move(entries);
  applyFilter();
}

void FileDialogModel::chooseType(size_t index) {
  if (index >= types_.size()) return;
  typeIndex_ = index;
  filter_ = types_.at(index).filter;
  applyFilter();
}

void FileDialogModel::filterWith(const std::string& patterns) {
  filter_ = FileNameFilter(patterns);
  applyFilter();
}

bool FileDialogModel::ReadFolder(const std::string& folder, std::vector<Entry>* entries) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return false;
  while (const dirent* item = readdir(dir)) {
    if (IsHidden(item->d_name)) continue;
    entries->push_back({item->d_name, IsExistingFolder(folder + item->d_name)});
  }
  closedir(dir);
  std::sort(entries->begin(), entries->end(), ListsBefore);
  return true;
}

// Folders before files; within each, letter case ignored, then byte order so the order is total.
bool FileDialogModel::ListsBefore(const Entry& a, const Entry& b) {
  if (a.isFolder != b.isFolder) return a.isFolder;
  int folded = strcasecmp(a.name.c_str(), b.name.c_str());
  return folded != 0 ? folded < 0 : a.name < b.name;
}

void FileDialogModel::applyFilter() {
  entries_.clear();
  for (const Entry& entry : allEntries_) {
    if (entry.isFolder || filter_.matches(entry.name)) entries_.push_back(entry);
  }
}

FileDialogModel::Decision FileDialogModel::resolve(const std::string& typed, DWORD flags,
                                                   const std::string& defaultExtension) const {
  std::string text = WithoutQuotes(typed);
  if (IsBlank(text)) return {};
  std::string path = ResolveTypedPath(folder_, text);
  if (IsExistingFolder(path)) return {Action::ShowFolder, AsFolder(path), {}};
  // A file that exists is opened even when its name holds '*' or '?'.
  if (PathExists(path)) return {Action::ReturnFile, path, {}};
  if (EndsWithSlash(path)) return {Action::RefuseMissingFolder, path, {}};
  std::string name = LastComponent(path);
  std::string parent = ParentFolder(path);
  if (FileNameFilter::HasWildcard(name)) {
    if (!IsExistingFolder(parent)) return {Action::RefuseMissingFolder, parent, {}};
    return {Action::FilterList, parent, name};
  }
  if ((flags & OFN_PATHMUSTEXIST) && !IsExistingFolder(parent)) return {Action::RefuseMissingFolder, parent, {}};
  return resolveFile(path, flags, defaultExtension);
}

FileDialogModel::Decision FileDialogModel::resolveFile(const std::string& path, DWORD flags,
                                                       const std::string& defaultExtension) const {
  std::string chosen = path;
  if (!defaultExtension.empty() && LastComponent(path).find('.') == std::string::npos) {
    chosen += "." + defaultExtension;
  }
  if ((flags & OFN_FILEMUSTEXIST) && !PathExists(chosen)) return {Action::RefuseMissingFile, chosen, {}};
  return {Action::ReturnFile, chosen, {}};
}

std::string FileDialogModel::DisplayText(const Entry& entry) { return entry.isFolder ? entry.name + "/" : entry.name; }

}  // namespace win
