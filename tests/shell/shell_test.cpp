#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/shell/DesktopAssociations.h"
#include "platform/shell/Process.h"
#include "platform/shell/imagehlp.h"
#include "platform/shell/shellapi.h"
#include "platform/shell/winreg.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshDir(const std::string& name) {
  fs::path dir = fs::path(VELMORA_BINARY_DIR) / "test-scratch" / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

bool WaitForFile(const fs::path& path) {
  for (int i = 0; i < 200 && !fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(25));
  return fs::exists(path);
}

}  // namespace

TEST(SplitCommandLine, QuotesGroupBlanksAndNothingElseIsSpecial) {
  struct Case {
    const char* line;
    std::vector<std::string> args;
  } cases[] = {
      {"prog", {"prog"}},
      {"  prog   a  b ", {"prog", "a", "b"}},
      {"\"/opt/my browser/run\" --new \"x y\"", {"/opt/my browser/run", "--new", "x y"}},
      {"prog \"\"", {"prog", ""}},
      {"echo $HOME; rm -rf / | cat > f", {"echo", "$HOME;", "rm", "-rf", "/", "|", "cat", ">", "f"}},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::SplitCommandLine(c.line), c.args) << c.line;
}

TEST(WinExec, StartsTheProgramWithoutAShell) {
  fs::path dir = FreshDir("winexec");
  // A shell would run two commands here; started directly, touch gets both words as file names.
  std::string line = "touch \"" + (dir / "a;b").string() + "\" \"" + (dir / "$(c)").string() + "\"";
  EXPECT_GT(WinExec(line.c_str(), 5), 31u);
  EXPECT_TRUE(WaitForFile(dir / "$(c)"));
  EXPECT_TRUE(fs::exists(dir / "a;b"));
  EXPECT_FALSE(fs::exists(dir / "b"));
  EXPECT_FALSE(fs::exists("c"));
}

TEST(WinExec, MissingProgramFails) {
  EXPECT_LE(WinExec("velmora-no-such-program-xyz arg", 5), 31u);
  EXPECT_LE(WinExec("", 5), 31u);
}

TEST(MakeSureDirectoryPathExists, CreatesEveryMissingDirectoryUpToTheLastSeparator) {
  fs::path dir = FreshDir("mkpath");
  std::string withSlash = (dir / "a" / "b c" / "日本").string() + "/";
  EXPECT_TRUE(MakeSureDirectoryPathExists(withSlash.c_str()));
  EXPECT_TRUE(fs::is_directory(dir / "a" / "b c" / "日本"));

  std::string withFile = (dir / "x" / "file.mp3").string();
  EXPECT_TRUE(MakeSureDirectoryPathExists(withFile.c_str()));
  EXPECT_TRUE(fs::is_directory(dir / "x"));
  EXPECT_FALSE(fs::exists(dir / "x" / "file.mp3"));
}

TEST(MakeSureDirectoryPathExists, FailsWhereAFileBlocksThePath) {
  fs::path dir = FreshDir("mkpath-blocked");
  WriteFile(dir / "plain", "not a folder");
  std::string path = (dir / "plain" / "sub").string() + "/";
  EXPECT_FALSE(MakeSureDirectoryPathExists(path.c_str()));
}

class RegistryView : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = FreshDir("xdg");
    setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root_ / "etc").c_str(), 1);
    setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    setenv("XDG_DATA_DIRS", (root_ / "share").c_str(), 1);
  }
  void TearDown() override {
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) unsetenv(v);
  }
  std::string Query(const std::string& subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<none>";
    char buf[260] = {};
    LONG size = sizeof(buf);
    LSTATUS st = RegQueryValueA(key, nullptr, buf, &size);
    RegCloseKey(key);
    return st == ERROR_SUCCESS ? std::string(buf) : "<error>";
  }
  fs::path root_;
};

TEST_F(RegistryView, HtmlAssociationAndCommandComeFromTheDesktopDefaults) {
  WriteFile(root_ / "config" / "mimeapps.list",
            "[Default Applications]\ntext/html=missing.desktop;web.desktop;\n");
  WriteFile(root_ / "share" / "applications" / "web.desktop",
            "[Desktop Entry]\nName=Web\nExec=/usr/bin/web --new-window %U\n");
  EXPECT_EQ(Query(".htm"), "web.desktop");
  EXPECT_EQ(Query("web.desktop\\shell\\open\\command"), "/usr/bin/web --new-window %1");
  EXPECT_EQ(Query("nothing.desktop\\shell\\open\\command"), "<none>");
}

TEST_F(RegistryView, NoDefaultBrowserMeansNoKey) { EXPECT_EQ(Query(".htm"), "<none>"); }

TEST_F(RegistryView, ValueLargerThanTheBufferIsNotTruncated) {
  WriteFile(root_ / "config" / "mimeapps.list", "[Default Applications]\ntext/html=web.desktop\n");
  WriteFile(root_ / "share" / "applications" / "web.desktop", "[Desktop Entry]\nExec=" + std::string(300, 'x') + "\n");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "web.desktop\\shell\\open\\command", 0, KEY_QUERY_VALUE, &key),
            ERROR_SUCCESS);
  char buf[260] = "untouched";
  LONG size = sizeof(buf);
  EXPECT_EQ(RegQueryValueA(key, nullptr, buf, &size), ERROR_MORE_DATA);
  EXPECT_STREQ(buf, "untouched");
  RegCloseKey(key);
}

TEST(ExecLineAsCommand, FieldCodes) {
  struct Case {
    const char* exec;
    const char* command;
  } cases[] = {
      {"browser %u", "browser %1"},
      {"browser \"%F\"", "browser \"%1\""},
      {"browser --icon %i --class %c %U", "browser --icon  --class  %1"},
      {"browser 100%%", "browser 100%"},
      {"browser", "browser"},
  };
  for (const Case& c : cases) EXPECT_EQ(shell::ExecLineAsCommand(c.exec), c.command) << c.exec;
}

TEST(DocumentsDirectory, FromUserDirsElseHomeDocumentsAlwaysWithTrailingSlash) {
  fs::path dir = FreshDir("userdirs");
  setenv("HOME", dir.c_str(), 1);
  setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
  unsetenv("XDG_DOCUMENTS_DIR");
  EXPECT_EQ(shell::DocumentsDirectory(), dir.string() + "/Documents/");
  WriteFile(dir / "cfg" / "user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  EXPECT_EQ(shell::DocumentsDirectory(), dir.string() + "/Dokumente/");
  unsetenv("XDG_CONFIG_HOME");
}
