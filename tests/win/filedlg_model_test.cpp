// The open-file dialog's model on a real folder tree: what the list shows under each type and typed
// wildcard, how it moves between folders, and what a typed name asks for.
#include <cstdlib>

#include "platform/win/commdlg.h"
#include "platform/win/filedlg/FileDialogModel.h"
#include "platform/win/filedlg/FilePaths.h"
#include "tests/win/filedlg_fixture.h"

namespace filedlgtest {
namespace {

using win::FileDialogModel;
using Action = FileDialogModel::Action;
using Names = std::vector<std::string>;

constexpr DWORD kProgramFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;

const Names kFolders = {"archive/", "Clips/", "视频/"};

Names Listing(const FileDialogModel& model) {
  Names names;
  for (const auto& entry : model.entries()) names.push_back(FileDialogModel::DisplayText(entry));
  return names;
}

Names FoldersThen(Names files) {
  Names names = kFolders;
  names.insert(names.end(), files.begin(), files.end());
  return names;
}

class FileDialogModelTest : public ::testing::Test {
 protected:
  FileDialogModelTest() : model_(win::FileTypeList::Parse(kProgramFilter), 0) {
    EXPECT_TRUE(model_.openFolder(tree_.root()));
  }

  FolderTree tree_;
  FileDialogModel model_;
};

TEST(FileTypeListTest, ReadsThePairsUpToTheEmptyString) {
  win::FileTypeList program = win::FileTypeList::Parse(kProgramFilter);
  ASSERT_EQ(program.size(), 7u);
  EXPECT_EQ(program.at(0).label, "All Video Support(*.avi;*.mpeg;*.mpg;*.rm;*.rmvb;*.asf;*.wmv)");
  EXPECT_EQ(program.at(6).label, "WMV File(*.wmv)");
  EXPECT_EQ(program.at(2).filter.patterns(), (Names{"*.mpeg", "*.mpg"}));

  EXPECT_TRUE(win::FileTypeList::Parse(nullptr).empty());
  EXPECT_TRUE(win::FileTypeList::Parse("").empty());
  // A label left without its patterns is not an entry.
  EXPECT_EQ(win::FileTypeList::Parse("Text\0*.txt\0Lonely\0").size(), 1u);
}

TEST(FileNameFilterTest, MatchesAnyPatternWhateverTheCase) {
  struct Case {
    const char* patterns;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"*.avi", "CLIP.AVI", true},       {"*.avi", "clip.avi.txt", false}, {"*.mpeg;*.mpg", "a.MPG", true},
      {"*.rm", "a.rmvb", false},         {"*.*", "README", true},          {"", "anything", true},
      {"clip?.avi", "Clip1.avi", true},  {"clip?.avi", "clip10.avi", false}, {"*.avi; *.wmv", "x.wmv", true},
      {"我*.avi", "我的视频.avi", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.patterns) + " / " + c.name);
    EXPECT_EQ(win::FileNameFilter(c.patterns).matches(c.name), c.matches);
  }
}

TEST(FilePathsTest, TypedPathsBecomeAbsoluteAndNormalised) {
  struct Case {
    const char* base;
    const char* typed;
    const char* expected;
  };
  const Case cases[] = {
      {"/a/b/", "c.avi", "/a/b/c.avi"},      {"/a/b/", "/x/y.avi", "/x/y.avi"},
      {"/a/b/", "../c.avi", "/a/c.avi"},     {"/a/b/", "../../../../c", "/c"},
      {"/a/b/", "..", "/a/"},                {"/a/b/", ".", "/a/b/"},
      {"/a/b/", "d/", "/a/b/d/"},            {"/a/b/", "//x//./y/", "/x/y/"},
      {"/a/b/", "my clip.avi", "/a/b/my clip.avi"}, {"/", "..", "/"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.base) + " + " + c.typed);
    EXPECT_EQ(win::ResolveTypedPath(c.base, c.typed), c.expected);
  }
  EXPECT_EQ(win::ParentFolder("/a/b/"), "/a/");
  EXPECT_EQ(win::ParentFolder("/a"), "/");
  EXPECT_EQ(win::ParentFolder("/"), "/");
}

TEST_F(FileDialogModelTest, ListsFoldersFirstThenMatchingFilesWithoutHiddenOnes) {
  EXPECT_EQ(model_.folder(), tree_.root());
  EXPECT_EQ(Listing(model_), FoldersThen({"alpha.avi", "Beta.mpg", "clip.MPEG", "MOVIE.AVI", "my clip.wmv",
                                          "news.asf", "show.RMVB", "song.wmv", "talk.rm", "我的视频.avi"}));
}

TEST_F(FileDialogModelTest, EachTypeOfTheProgramShowsItsFiles) {
  const Names expected[] = {
      {"alpha.avi", "MOVIE.AVI", "我的视频.avi"},
      {"Beta.mpg", "clip.MPEG"},
      {"talk.rm"},
      {"show.RMVB"},
      {"news.asf"},
      {"my clip.wmv", "song.wmv"},
  };
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(model_.types().at(i + 1).label);
    model_.chooseType(i + 1);
    EXPECT_EQ(model_.typeIndex(), i + 1);
    EXPECT_EQ(Listing(model_), FoldersThen(expected[i]));
  }
}

TEST_F(FileDialogModelTest, TypedWildcardFiltersUntilATypeIsChosen) {
  model_.filterWith("*.AVI;*.txt");
  EXPECT_EQ(Listing(model_), FoldersThen({"alpha.avi", "MOVIE.AVI", "notes.txt", "我的视频.avi"}));
  ASSERT_TRUE(model_.openFolder("Clips"));
  EXPECT_EQ(Listing(model_), (Names{"inner.avi", "readme.txt"}));
  model_.chooseType(3);
  EXPECT_TRUE(Listing(model_).empty());
}

TEST_F(FileDialogModelTest, MovesBetweenFoldersAndKeepsItsPlaceWhenOneCannotBeRead) {
  ASSERT_TRUE(model_.openFolder("Clips"));
  EXPECT_EQ(model_.folder(), tree_.root() + "Clips/");
  ASSERT_TRUE(model_.openFolder("../视频"));
  EXPECT_EQ(model_.folder(), tree_.root() + "视频/");
  ASSERT_TRUE(model_.openParent());
  EXPECT_EQ(model_.folder(), tree_.root());

  EXPECT_FALSE(model_.openFolder("missing"));
  EXPECT_FALSE(model_.openFolder("notes.txt"));
  EXPECT_EQ(model_.folder(), tree_.root());
  EXPECT_EQ(Listing(model_).size(), 13u);

  ASSERT_TRUE(model_.openFolder("/"));
  EXPECT_FALSE(model_.openParent());
  EXPECT_EQ(model_.folder(), "/");
}

TEST_F(FileDialogModelTest, TypedNamesAskForAFileAFolderOrAFilter) {
  const std::string root = tree_.root();
  struct Case {
    std::string typed;
    DWORD flags;
    Action action;
    std::string path;
    std::string patterns;
  };
  const Case cases[] = {
      {"alpha.avi", kProgramFlags, Action::ReturnFile, root + "alpha.avi", ""},
      {root + "Clips/inner.avi", kProgramFlags, Action::ReturnFile, root + "Clips/inner.avi", ""},
      {"film.mp4", kProgramFlags, Action::ReturnFile, root + "film.mp4", ""},
      {"my clip.wmv", kProgramFlags, Action::ReturnFile, root + "my clip.wmv", ""},
      {"\"my clip.wmv\"", kProgramFlags, Action::ReturnFile, root + "my clip.wmv", ""},
      {"我的视频.avi", kProgramFlags, Action::ReturnFile, root + "我的视频.avi", ""},
      {"Clips", kProgramFlags, Action::ShowFolder, root + "Clips/", ""},
      {root + "视频", kProgramFlags, Action::ShowFolder, root + "视频/", ""},
      {"Clips/..", kProgramFlags, Action::ShowFolder, root, ""},
      {"*.AVI", kProgramFlags, Action::FilterList, root, "*.AVI"},
      {"Clips/*.txt;*.avi", kProgramFlags, Action::FilterList, root + "Clips/", "*.txt;*.avi"},
      {"later.mkv", kProgramFlags, Action::ReturnFile, root + "later.mkv", ""},
      {"later.mkv", kProgramFlags | OFN_FILEMUSTEXIST, Action::RefuseMissingFile, root + "later.mkv", ""},
      {"nowhere/clip.avi", kProgramFlags, Action::RefuseMissingFolder, root + "nowhere/", ""},
      {"notes.txt/clip.avi", kProgramFlags, Action::RefuseMissingFolder, root + "notes.txt/", ""},
      {"nowhere/clip.avi", 0, Action::ReturnFile, root + "nowhere/clip.avi", ""},
      {"nowhere/", 0, Action::RefuseMissingFolder, root + "nowhere/", ""},
      {"nowhere/*.avi", 0, Action::RefuseMissingFolder, root + "nowhere/", ""},
      {"", kProgramFlags, Action::None, "", ""},
      {"   ", kProgramFlags, Action::None, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("typed \"" + c.typed + "\"");
    FileDialogModel::Decision decision = model_.resolve(c.typed, c.flags, "");
    EXPECT_EQ(decision.action, c.action);
    EXPECT_EQ(decision.path, c.path);
    EXPECT_EQ(decision.patterns, c.patterns);
  }
}

TEST_F(FileDialogModelTest, DefaultExtensionGoesOnlyOnNamesWithoutOne) {
  EXPECT_EQ(model_.resolve("notes", kProgramFlags | OFN_FILEMUSTEXIST, "txt").path, tree_.root() + "notes.txt");
  EXPECT_EQ(model_.resolve("alpha.avi", kProgramFlags, "txt").path, tree_.root() + "alpha.avi");
  EXPECT_EQ(model_.resolve("Clips", kProgramFlags, "txt").action, Action::ShowFolder);
}

TEST_F(FileDialogModelTest, TildeStandsForTheHomeFolder) {
  const char* saved = std::getenv("HOME");
  std::string savedHome = saved != nullptr ? saved : "";
  setenv("HOME", (tree_.root() + "Clips").c_str(), 1);
  FileDialogModel::Decision decision = model_.resolve("~/inner.avi", kProgramFlags, "");
  if (saved != nullptr) setenv("HOME", savedHome.c_str(), 1); else unsetenv("HOME");
  EXPECT_EQ(decision.action, Action::ReturnFile);
  EXPECT_EQ(decision.path, tree_.root() + "Clips/inner.avi");
}

}  // namespace
}  // namespace filedlgtest
