// The folder browser's tree of folders and its item lists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win/browse/FolderTree.h"
#include "platform/win/shlobj.h"

namespace fs = std::filesystem;

namespace {

fs::path MakeTree() {
  fs::path root = fs::temp_directory_path() / "velmora-folder-tree";
  fs::remove_all(root);
  for (const char* d : {"home/Music/Live", "home/music b", "home/.hidden", "home/Zeta", "media/usb stick"}) {
    fs::create_directories(root / d);
  }
  std::ofstream((root / "home" / "a file.txt").string()) << "x";
  return root;
}

std::vector<std::string> Labels(const win::FolderTree& tree) {
  std::vector<std::string> out;
  for (const auto& row : tree.rows()) out.push_back(std::string(static_cast<size_t>(row.depth), '>') + row.label);
  return out;
}

}  // namespace

TEST(FolderTree, ComputerOnTopThenHomeRootAndMounts) {
  fs::path root = MakeTree();
  std::string home = (root / "home").string();
  std::string mount = (root / "media" / "usb stick").string();
  win::FolderTree tree(home, {mount});
  ASSERT_EQ(tree.rows().size(), 4u);
  EXPECT_EQ(tree.rows()[0].label, "Computer");
  EXPECT_TRUE(tree.rows()[0].path.empty());
  EXPECT_EQ(tree.rows()[1].path, home);
  EXPECT_EQ(tree.rows()[2].path, "/");
  EXPECT_EQ(tree.rows()[3].path, mount);
  // "Computer" has no folders of its own to open or close.
  EXPECT_FALSE(tree.toggle(0));
}

TEST(FolderTree, ExpandsIntoSortedVisibleFoldersAndCollapsesAgain) {
  fs::path root = MakeTree();
  win::FolderTree tree((root / "home").string(), {});
  ASSERT_TRUE(tree.toggle(1));
  // Folders only, dot-folders hidden, case-insensitive order.
  std::vector<std::string> expected{"Computer", ">Home (home)", ">>Music", ">>music b", ">>Zeta", ">File System (/)"};
  EXPECT_EQ(Labels(tree), expected);
  ASSERT_TRUE(tree.toggle(1));
  EXPECT_EQ(tree.rows().size(), 3u);
}

TEST(FolderTree, RevealOpensTheWayToAFolder) {
  fs::path root = MakeTree();
  win::FolderTree tree((root / "home").string(), {});
  size_t row = tree.reveal((root / "home" / "Music" / "Live").string());
  EXPECT_EQ(tree.rows()[row].path, (root / "home" / "Music" / "Live").string());
  EXPECT_EQ(tree.rows()[row].depth, 3);
}

TEST(FolderItems, ComputerHasNoPathAndPathsMustFit) {
  char path[MAX_PATH] = "unchanged";
  LPITEMIDLIST computer = win::CreateItemForPath("");
  EXPECT_FALSE(SHGetPathFromIDListA(computer, path));
  EXPECT_STREQ(path, "unchanged");
  ILFree(computer);

  LPITEMIDLIST rootItem = win::CreateItemForPath("/");
  EXPECT_TRUE(SHGetPathFromIDListA(rootItem, path));
  EXPECT_STREQ(path, "/");
  ILFree(rootItem);

  std::string tooLong = "/" + std::string(MAX_PATH, 'x');
  LPITEMIDLIST longItem = win::CreateItemForPath(tooLong.c_str());
  EXPECT_FALSE(SHGetPathFromIDListA(longItem, path));
  ILFree(longItem);
}
