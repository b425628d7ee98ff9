// The folders the folder browser shows, as a list of visible rows of an expandable tree: "Computer"
// at the top (no file-system path), below it the home folder, the root of the file system and the
// mounted file systems; every folder expands into its subfolders.
#pragma once

#include <string>
#include <vector>

namespace win {

class FolderTree {
 public:
  struct Row {
    std::string label;
    std::string path;  // empty for "Computer"
    int depth = 0;
    bool expanded = false;
  };

  // `home` and `mounts` are given so tests can lay out their own machine.
  FolderTree(const std::string& home, const std::vector<std::string>& mounts);

  const std::vector<Row>& rows() const { return rows_; }
  // Shows or hides the subfolders of a row; returns false when the row has none to show.
  bool toggle(size_t index);
  // Opens every folder on the way to `path` and returns its row, or the nearest one shown.
  size_t reveal(const std::string& path);

  static std::vector<std::string> MountedFileSystems();
  static std::vector<std::string> Subfolders(const std::string& path);

 private:
  void expand(size_t index);
  void collapse(size_t index);

  std::vector<Row> rows_;
};

}  // namespace win
