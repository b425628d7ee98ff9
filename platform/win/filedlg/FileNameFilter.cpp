#include "platform/win/filedlg/FileNameFilter.h"

#include <fnmatch.h>

namespace win {

namespace {

// "*.*" means every file on the platform these filters come from, names without a dot included.
bool IsMatchAll(const std::string& pattern) { return pattern == "*" || pattern == "*.*"; }

}  // namespace

FileNameFilter::FileNameFilter(const std::string& patterns) {
  size_t start = 0;
  while (start <= patterns.size()) {
    size_t end = patterns.find(';', start);
    if (end == std::string::npos) end = patterns.size();
    std::string pattern = patterns.substr(start, end - start);
    size_t first = pattern.find_first_not_of(' ');
    size_t last = pattern.find_last_not_of(' ');
    if (first != std::string::npos) patterns_.push_back(pattern.substr(first, last - first + 1));
    start = end + 1;
  }
  matchesEverything_ = patterns_.empty();
  for (const std::string& pattern : patterns_) {
    if (IsMatchAll(pattern)) matchesEverything_ = true;
  }
}

bool FileNameFilter::matches(const std::string& fileName) const {
  if (matchesEverything_) return true;
  for (const std::string& pattern : patterns_) {
    if (fnmatch(pattern.c_str(), fileName.c_str(), FNM_CASEFOLD) == 0) return true;
  }
  return false;
}

bool FileNameFilter::HasWildcard(const std::string& text) { return text.find_first_of("*?") != std::string::npos; }

}  // namespace win
