// Which file names a "Files of type" entry or a typed wildcard lets into the file list: one or more
// shell patterns separated by ';', matched without regard to letter case ("*.avi" takes CLIP.AVI).
#pragma once

#include <string>
#include <vector>

namespace win {

class FileNameFilter {
 public:
  // No patterns: every file passes.
  FileNameFilter() = default;
  explicit FileNameFilter(const std::string& patterns);

  bool matches(const std::string& fileName) const;
  const std::vector<std::string>& patterns() const { return patterns_; }

  static bool HasWildcard(const std::string& text);

 private:
  std::vector<std::string> patterns_;
  bool matchesEverything_ = true;
};

}  // namespace win
