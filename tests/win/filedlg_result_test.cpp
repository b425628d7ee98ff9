// How the chosen file goes back through the caller's OPENFILENAME, and what happens when a buffer
// is too small for it.
#include <cstring>

#include "platform/win/filedlg/OpenFileResult.h"
#include "tests/win/filedlg_fixture.h"

namespace filedlgtest {
namespace {

OPENFILENAME Request(char* file, DWORD fileSize, char* title, DWORD titleSize) {
  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.lpstrFile = file;
  ofn.nMaxFile = fileSize;
  ofn.lpstrFileTitle = title;
  ofn.nMaxFileTitle = titleSize;
  ofn.nFilterIndex = 1;
  return ofn;
}

TEST(OpenFileResultTest, FillsPathOffsetsTitleAndType) {
  struct Case {
    std::string path;
    WORD fileOffset;
    WORD extensionOffset;
    const char* title;
  };
  const Case cases[] = {
      {"/home/u/clip.avi", 8, 13, "clip.avi"},
      {"/home/u/README", 8, 14, "README"},      // no extension: the offset of the NUL
      {"/home/u.d/notes", 10, 15, "notes"},     // a dot in a folder is no extension
      {"/home/u/name.", 8, 0, "name."},         // an empty extension gives 0
      {"/v/我的 视频.rmvb", 3, 17, "我的 视频.rmvb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    char file[64] = "initial";
    char title[32] = {};
    OPENFILENAME ofn = Request(file, sizeof file, title, sizeof title);
    ASSERT_EQ(win::StoreChosenFile(ofn, c.path, 3), 0u);
    EXPECT_STREQ(file, c.path.c_str());
    EXPECT_STREQ(title, c.title);
    EXPECT_EQ(ofn.nFileOffset, c.fileOffset);
    EXPECT_EQ(ofn.nFileExtension, c.extensionOffset);
    EXPECT_EQ(ofn.nFilterIndex, 3u);
  }
}

TEST(OpenFileResultTest, TooSmallBuffersFailWithoutWritingThePath) {
  const std::string path = "/v/clip.avi";  // 11 bytes, 12 with the NUL
  char file[32];
  char title[32];

  std::memset(file, '#', sizeof file);
  OPENFILENAME exact = Request(file, 12, nullptr, 0);
  EXPECT_EQ(win::StoreChosenFile(exact, path, 0), 0u);
  EXPECT_STREQ(file, path.c_str());
  EXPECT_EQ(exact.nFilterIndex, 1u);  // 0 leaves the type as it was

  std::memset(file, '#', sizeof file);
  OPENFILENAME shortFile = Request(file, 11, nullptr, 0);
  EXPECT_EQ(win::StoreChosenFile(shortFile, path, 2), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  WORD needed = 0;
  std::memcpy(&needed, file, sizeof needed);
  EXPECT_EQ(needed, 12);
  EXPECT_EQ(file[2], '#');
  EXPECT_EQ(shortFile.nFilterIndex, 1u);

  std::memset(file, '#', sizeof file);
  OPENFILENAME oneByte = Request(file, 1, nullptr, 0);
  EXPECT_EQ(win::StoreChosenFile(oneByte, path, 0), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  EXPECT_EQ(file[0], '#');

  std::memset(file, '#', sizeof file);
  OPENFILENAME shortTitle = Request(file, sizeof file, title, 8);  // "clip.avi" needs 9
  EXPECT_EQ(win::StoreChosenFile(shortTitle, path, 0), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  EXPECT_EQ(file[0], '#');
}

TEST(OpenFileResultTest, PathTooLongForTheOffsetsIsRefused) {
  std::string path = "/" + std::string(70000, 'a');
  std::vector<char> file(path.size() + 1, '#');
  OPENFILENAME ofn = Request(file.data(), static_cast<DWORD>(file.size()), nullptr, 0);
  EXPECT_EQ(win::StoreChosenFile(ofn, path, 0), static_cast<DWORD>(FNERR_INVALIDFILENAME));
  EXPECT_EQ(file[0], '#');
}

}  // namespace
}  // namespace filedlgtest
