// The open-file dialog driven end to end with real keyboard and mouse input. A script of steps runs
// whenever the dialog's loop (or a message box's loop over it) has nothing left to do.
#include <cstring>
#include <functional>

#include "platform/win/Desktop.h"
#include "platform/win/commdlg.h"
#include "platform/win/filedlg/FileDialogControls.h"
#include "tests/win/filedlg_fixture.h"

namespace filedlgtest {
namespace {

using namespace win::filedlg;
using Step = std::function<void(HWND dlg)>;

// The steps of the running test, one per idle turn. Once they run out, Esc is pressed on every turn
// so that a dialog that failed to end cannot hang the test.
struct Script {
  std::vector<Step> steps;
  size_t next = 0;
  int overruns = 0;

  void run(HWND dlg) {
    if (next < steps.size()) {
      steps[next++](dlg);
      return;
    }
    ++overruns;
    win::DesktopKey(VK_ESCAPE, true);
    win::DesktopKey(VK_ESCAPE, false);
  }
};

Script& TheScript() {
  static Script script;
  return script;
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ENTERIDLE) {
    TheScript().run(reinterpret_cast<HWND>(lParam));
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

// A message box over the dialog reports its idle turns to the dialog, where the hook sees them.
UINT_PTR CALLBACK Hook(HWND dlg, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_ENTERIDLE) TheScript().run(dlg);
  return 0;
}

void Press(UINT vk) {
  win::DesktopKey(vk, true);
  win::DesktopKey(vk, false);
}

void TypeAndEnter(const std::string& text) {
  win::DesktopText(text);
  Press(VK_RETURN);
}

std::string TextOf(HWND hwnd) {
  char buffer[1024] = {};
  GetWindowText(hwnd, buffer, sizeof buffer);
  return buffer;
}

std::vector<std::string> ListRows(HWND dlg) {
  HWND list = GetDlgItem(dlg, kFileList);
  std::vector<std::string> rows;
  LRESULT count = SendMessage(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char buffer[1024] = {};
    SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
    rows.push_back(buffer);
  }
  return rows;
}

void ClickRow(HWND dlg, int row, int clicks) {
  HWND list = GetDlgItem(dlg, kFileList);
  RECT rc{};
  SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rc));
  POINT pt{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  ClientToScreen(list, &pt);
  win::DesktopMouseMove(pt);
  for (int i = 0; i < clicks; ++i) {
    win::DesktopMouseButton(win::MouseButton::Left, true, pt);
    win::DesktopMouseButton(win::MouseButton::Left, false, pt);
  }
}

class OpenFileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASS wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = "filedlg_test_owner";
    RegisterClass(&wc);
    owner_ = CreateWindowEx(0, "filedlg_test_owner", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                            nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
    TheScript() = Script{};
    file_[0] = '\0';
    ofn_.lStructSize = sizeof ofn_;
    ofn_.hwndOwner = owner_;
    ofn_.lpstrFilter = kProgramFilter;
    ofn_.nFilterIndex = 1;
    ofn_.lpstrFile = file_;
    ofn_.nMaxFile = sizeof file_;
    ofn_.lpstrInitialDir = tree_.root().c_str();
    ofn_.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLEHOOK;
    ofn_.lpfnHook = Hook;
  }

  void TearDown() override { DestroyWindow(owner_); }

  BOOL Run(std::vector<Step> steps) {
    TheScript() = Script{std::move(steps)};
    BOOL result = GetOpenFileName(&ofn_);
    EXPECT_EQ(TheScript().next, TheScript().steps.size()) << "the dialog ended before its script did";
    EXPECT_EQ(TheScript().overruns, 0) << "the dialog did not end when its script did";
    return result;
  }

  FolderTree tree_;
  HWND owner_ = nullptr;
  char file_[512];
  OPENFILENAME ofn_{};
};

TEST_F(OpenFileDialogTest, OpensWithFocusInTheNameBoxAndReturnsATypedFullPath) {
  const std::string path = tree_.root() + "film.mp4";
  HWND focus = nullptr;
  HWND nameBox = nullptr;
  std::string caption, lookIn;
  std::vector<std::string> rows;
  BOOL ok = Run({[&](HWND dlg) {
    focus = GetFocus();
    nameBox = GetDlgItem(dlg, kFileNameEdit);
    caption = TextOf(dlg);
    lookIn = TextOf(GetDlgItem(dlg, kFolderText));
    rows = ListRows(dlg);
    TypeAndEnter(path);
  }});
  ASSERT_TRUE(ok);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_NE(nameBox, nullptr);
  EXPECT_EQ(focus, nameBox);
  EXPECT_EQ(caption, "Open");
  EXPECT_EQ(lookIn, tree_.root());
  EXPECT_EQ(rows.size(), 13u);
  EXPECT_EQ(std::string(file_), path);
  EXPECT_EQ(ofn_.nFileOffset, tree_.root().size());
  EXPECT_EQ(ofn_.nFilterIndex, 1u);
}

TEST_F(OpenFileDialogTest, EscapeCancelsWithoutAnError) {
  std::strcpy(file_, "untouched");
  ofn_.lpstrTitle = "Pick a video";
  std::string caption;
  BOOL ok = Run({[&](HWND dlg) {
    caption = TextOf(dlg);
    Press(VK_ESCAPE);
  }});
  EXPECT_FALSE(ok);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_EQ(caption, "Pick a video");
  EXPECT_STREQ(file_, "untouched");
}

TEST_F(OpenFileDialogTest, TypedFolderOpensAndTheNextDialogStartsWhereAFileWasChosen) {
  std::string lookIn, nameBox;
  std::vector<std::string> rows;
  BOOL ok = Run({[&](HWND) { TypeAndEnter("Clips"); },
                 [&](HWND dlg) {
                   lookIn = TextOf(GetDlgItem(dlg, kFolderText));
                   nameBox = TextOf(GetDlgItem(dlg, kFileNameEdit));
                   rows = ListRows(dlg);
                   TypeAndEnter("inner.avi");
                 }});
  ASSERT_TRUE(ok);
  EXPECT_EQ(lookIn, tree_.root() + "Clips/");
  EXPECT_EQ(nameBox, "");
  EXPECT_EQ(rows, (std::vector<std::string>{"inner.avi"}));
  EXPECT_EQ(std::string(file_), tree_.root() + "Clips/inner.avi");

  ofn_.lpstrInitialDir = nullptr;
  file_[0] = '\0';
  std::string startFolder;
  Run({[&](HWND dlg) {
    startFolder = TextOf(GetDlgItem(dlg, kFolderText));
    Press(VK_ESCAPE);
  }});
  EXPECT_EQ(startFolder, tree_.root() + "Clips/");
}

TEST_F(OpenFileDialogTest, NamesWithBlanksAndCjkCharactersAreReturned) {
  for (const std::string name : {"my clip.wmv", "我的视频.avi", "视频/新 片.mkv"}) {
    SCOPED_TRACE(name);
    file_[0] = '\0';
    ASSERT_TRUE(Run({[&](HWND) { TypeAndEnter(name); }}));
    EXPECT_EQ(std::string(file_), tree_.root() + name);
  }
}

TEST_F(OpenFileDialogTest, TypedWildcardFiltersTheListInsteadOfOpening) {
  std::vector<std::string> rows;
  std::string nameBox;
  BOOL ok = Run({[&](HWND) { TypeAndEnter("*.WMV"); },
                 [&](HWND dlg) {
                   rows = ListRows(dlg);
                   nameBox = TextOf(GetDlgItem(dlg, kFileNameEdit));
                   Press(VK_ESCAPE);
                 }});
  EXPECT_FALSE(ok);
  EXPECT_EQ(rows, (std::vector<std::string>{"archive/", "Clips/", "视频/", "my clip.wmv", "song.wmv"}));
  EXPECT_EQ(nameBox, "*.WMV");
}

TEST_F(OpenFileDialogTest, MissingFolderIsRefusedWithAMessageAndTheDialogStays) {
  HWND dialog = nullptr;
  HWND activeWithBox = nullptr;
  HWND focusAfterBox = nullptr;
  BOOL ok = Run({[&](HWND dlg) {
                   dialog = dlg;
                   TypeAndEnter(tree_.root() + "nowhere/clip.avi");
                 },
                 [&](HWND) {
                   activeWithBox = GetActiveWindow();
                   Press(VK_RETURN);  // closes the message box
                 },
                 [&](HWND dlg) {
                   focusAfterBox = GetFocus() == GetDlgItem(dlg, kFileNameEdit) ? dlg : nullptr;
                   Press(VK_ESCAPE);
                 }});
  EXPECT_FALSE(ok);
  EXPECT_EQ(CommDlgExtendedError(), 0u);
  EXPECT_NE(activeWithBox, nullptr);
  EXPECT_NE(activeWithBox, dialog);
  EXPECT_EQ(focusAfterBox, dialog);
}

TEST_F(OpenFileDialogTest, TypeChoiceFiltersAndAClickedFileIsTakenOnDoubleClick) {
  std::vector<std::string> rows;
  std::string nameAfterClick;
  BOOL ok = Run({[&](HWND) {
                   Press(VK_TAB);   // to "Files of type"
                   Press(VK_DOWN);  // "Avi File(*.avi)"
                 },
                 [&](HWND dlg) {
                   rows = ListRows(dlg);
                   ClickRow(dlg, 4, 1);  // MOVIE.AVI
                 },
                 [&](HWND dlg) {
                   nameAfterClick = TextOf(GetDlgItem(dlg, kFileNameEdit));
                   win::DesktopAdvanceClock(GetDoubleClickTime() + 100);
                   ClickRow(dlg, 3, 2);  // alpha.avi
                 }});
  ASSERT_TRUE(ok);
  const std::vector<std::string> aviRows{"archive/", "Clips/", "视频/", "alpha.avi", "MOVIE.AVI", "我的视频.avi"};
  EXPECT_EQ(rows, aviRows);
  EXPECT_EQ(nameAfterClick, "MOVIE.AVI");
  EXPECT_EQ(std::string(file_), tree_.root() + "alpha.avi");
  EXPECT_EQ(ofn_.nFilterIndex, 2u);
}

TEST_F(OpenFileDialogTest, TooSmallBufferFailsWithTheSizeItNeeds) {
  const std::string path = tree_.root() + "alpha.avi";
  ofn_.nMaxFile = static_cast<DWORD>(path.size());  // one short: no room for the NUL
  BOOL ok = Run({[&](HWND) { TypeAndEnter(path); }});
  EXPECT_FALSE(ok);
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
  WORD needed = 0;
  std::memcpy(&needed, file_, sizeof needed);
  EXPECT_EQ(needed, path.size() + 1);
}

TEST(GetOpenFileNameTest, RefusesABadRequest) {
  char file[16] = {};
  OPENFILENAME ofn{};
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
  ofn.lStructSize = sizeof ofn;
  ofn.lpstrFile = nullptr;
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));
  EXPECT_FALSE(GetOpenFileName(nullptr));
  EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));
}

}  // namespace
}  // namespace filedlgtest
