// The save folder: what a folder browser choice becomes, and the flow through the real browser.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "UiFixture.h"
#include "res/resource.h"
#include "ui/SaveFolderPath.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;

// A path of exactly `length` characters made of folder names below `base`.
// A folder path of exactly `length` bytes below `base`, in components of at most 200 characters;
// the last component is never empty, whatever the length of `base`.
std::string PathOfLength(const std::string& base, size_t length) {
  std::string path = base;
  while (length - path.size() > 201) path += "/" + std::string(200, 'd');
  size_t rest = length - path.size();
  if (rest == 1 && path.size() > base.size()) {
    path.pop_back();
    rest = 2;
  }
  if (rest >= 2) path += "/" + std::string(rest - 1, 'd');
  return path;
}

TEST(SaveFolderPath, ChoiceBecomesAFolderWithOneTrailingSeparatorOrLeavesTheOldOne) {
  const std::string before = "/before/";
  const std::string long258 = PathOfLength("/x", 258);
  const std::string long259 = PathOfLength("/x", 259);
  struct Case {
    const char* what;
    std::optional<std::string> item;  // none: no item at all
    SaveFolderResult result;
    std::string saveDir;
  } cases[] = {
      {"Computer", "", SaveFolderResult::NoFileSystemPath, before},
      {"no item", std::nullopt, SaveFolderResult::NoFileSystemPath, before},
      {"root", "/", SaveFolderResult::Taken, "/"},
      {"folder", "/home/u/Music", SaveFolderResult::Taken, "/home/u/Music/"},
      {"folder with separator", "/home/u/Music/", SaveFolderResult::Taken, "/home/u/Music/"},
      {"blanks and CJK", "/home/u/my music/日本", SaveFolderResult::Taken, "/home/u/my music/日本/"},
      {"separator just fits", long258, SaveFolderResult::Taken, long258 + "/"},
      {"no room for the separator", long259, SaveFolderResult::TooLong, before},
      {"full length ending in a separator", long258 + "/", SaveFolderResult::Taken, long258 + "/"},
      {"longer than a path can be", PathOfLength("/x", 300), SaveFolderResult::NoFileSystemPath, before},
  };
  for (const Case& c : cases) {
    char szSaveDir[MAX_PATH] = {};
    std::strcpy(szSaveDir, before.c_str());
    LPITEMIDLIST pidl = c.item ? win::CreateItemForPath(c.item->c_str()) : nullptr;
    EXPECT_EQ(TakeSaveFolder(pidl, szSaveDir, sizeof szSaveDir), c.result) << c.what;
    EXPECT_EQ(std::string(szSaveDir), c.saveDir) << c.what;
    if (pidl != nullptr) ILFree(pidl);
  }
}

class SaveFolderFlowTest : public MainDialogTest {
 protected:
  void SetUp() override {
    const char* home = std::getenv("HOME");
    m_savedHome = home != nullptr ? std::optional<std::string>(home) : std::nullopt;
    MainDialogTest::SetUp();
  }
  void TearDown() override {
    if (m_savedHome) {
      setenv("HOME", m_savedHome->c_str(), 1);
    } else {
      unsetenv("HOME");
    }
    MainDialogTest::TearDown();
  }

  std::optional<std::string> m_savedHome;
};

TEST_F(SaveFolderFlowTest, TheBrowsersChoiceReplacesTheFolderOnlyWhenItHasARoomyPath) {
  fs::path scratch = fs::path(VELMORA_BINARY_DIR) / "test-scratch" / "ui-save-folder";
  fs::remove_all(scratch);
  const std::string home = (scratch / "my home").string();
  const std::string longHome = PathOfLength(home, 259);
  fs::create_directories(home);
  fs::create_directories(longHome);

  // The browser opens on the home folder; above it is "Computer", below it the file system's root.
  struct Case {
    std::string home;
    std::vector<UINT> keys;
    const char* message;  // nullptr: none
    std::string saveDir;  // what the edit box shows afterwards
  } cases[] = {
      {home, {VK_RETURN}, nullptr, home + "/"},
      {home, {VK_UP, VK_RETURN}, "Failed!", home + "/"},
      {home, {VK_DOWN, VK_RETURN}, nullptr, "/"},
      {home, {VK_ESCAPE}, nullptr, "/"},
      {longHome, {VK_RETURN}, "too long", "/"},
      {home, {VK_RETURN}, nullptr, home + "/"},
  };
  HWND main = nullptr;
  std::vector<Step> steps{[&](HWND dlg) { main = dlg; }};
  for (const Case& c : cases) {
    steps.push_back([&](HWND dlg) {
      setenv("HOME", c.home.c_str(), 1);
      QueueClick(::GetDlgItem(dlg, IDC_SAVE_DIR));
      for (UINT vk : c.keys) QueueKey(vk);
    });
    if (c.message != nullptr) {
      steps.push_back([&](HWND box) {
        EXPECT_NE(box, main) << "no message box for \"" << c.message << "\"";
        EXPECT_EQ(TextOf(box), "ERROR");
        EXPECT_NE(StaticTexts(box).find(c.message), std::string::npos) << StaticTexts(box);
        QueueKey(VK_RETURN);
      });
    }
    steps.push_back([&](HWND dlg) {
      EXPECT_EQ(dlg, main);
      EXPECT_EQ(TextOf(::GetDlgItem(dlg, IDC_SAVE_DIR_EDIT)), c.saveDir) << c.home << " " << c.keys.size();
    });
  }
  steps.push_back([](HWND) { QueueKey(VK_ESCAPE); });
  EXPECT_EQ(RunMainDialog(std::move(steps)), IDCANCEL);
}

}  // namespace
}  // namespace uitest
