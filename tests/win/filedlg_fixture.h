// Shared by the open-file dialog tests: a throw-away folder tree with video files of every type the
// program offers, a few others, hidden entries, and names with blanks and CJK characters.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace filedlgtest {

class FolderTree {
 public:
  FolderTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "filedlg-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    root_ = pattern + "/";
    for (const char* folder : {"Clips", "archive", "视频", ".hidden"}) {
      std::filesystem::create_directory(root_ + folder);
    }
    for (const char* file : {"alpha.avi", "MOVIE.AVI", "Beta.mpg", "clip.MPEG", "talk.rm", "show.RMVB", "news.asf",
                             "song.wmv", "my clip.wmv", "我的视频.avi", "notes.txt", "film.mp4", ".secret.avi",
                             "Clips/inner.avi", "Clips/readme.txt"}) {
      std::ofstream(root_ + file) << "x";
    }
  }
  ~FolderTree() { std::filesystem::remove_all(root_); }
  FolderTree(const FolderTree&) = delete;
  FolderTree& operator=(const FolderTree&) = delete;

  // Absolute, ending in '/'.
  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

// The program's type list, written the way its class library hands it on: label and patterns of
// each entry NUL-terminated, an empty string at the end.
inline const char kProgramFilter[] =
    "All Video Support(*.avi;*.mpeg;*.mpg;*.rm;*.rmvb;*.asf;*.wmv)\0*.avi;*.mpeg;*.mpg;*.rm;*.rmvb;*.asf;*.wmv\0"
    "Avi File(*.avi)\0*.avi\0"
    "Mpeg File(*.mpeg;*.mpg)\0*.mpeg;*.mpg\0"
    "RM File(*.rm)\0*.rm\0"
    "RMVB File(*.rmvb)\0*.rmvb\0"
    "ASF File(*.asf)\0*.asf\0"
    "WMV File(*.wmv)\0*.wmv\0";

}  // namespace filedlgtest
