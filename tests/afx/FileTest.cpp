// Finding files and reading their status on the file system.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "AfxTestSupport.h"

namespace {

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/afx-files-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::string command = "rm -rf '" + dir_ + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  std::string Write(const std::string& name, size_t bytes) {
    std::string path = dir_ + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    std::string content(bytes, 'm');
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
    return path;
  }

  std::string dir_;
};

TEST_F(FileTest, FindFileTestsTheExactNameWildcardsIncluded) {
  Write("a*b.avi", 1);
  Write("xy.avi", 1);
  Write("[1].avi", 1);
  ASSERT_EQ(symlink((dir_ + "/missing").c_str(), (dir_ + "/0-dangling.mp3").c_str()), 0);
  struct Case {
    const char* name;
    BOOL found;
  };
  const Case cases[] = {
      {"a*b.avi", TRUE},  {"a*.avi", FALSE},      {"*", FALSE}, {"x?.avi", FALSE}, {"[1].avi", TRUE},
      {"1.avi", FALSE},   {"0-dangling.mp3", TRUE},  // a link to nothing still takes the name
  };
  for (const Case& c : cases) {
    CFileFind finder;
    EXPECT_EQ(finder.FindFile((dir_ + "/" + c.name).c_str()), c.found) << c.name;
  }
}

TEST_F(FileTest, FoundFileIsReadAfterFindNextFile) {
  std::string path = Write("clip.avi", 5);
  CFileFind finder;
  ASSERT_TRUE(finder.FindFile(path.c_str()));
  EXPECT_FALSE(finder.FindNextFile());  // the one result is the last
  EXPECT_EQ(finder.GetFilePath(), path.c_str());
  EXPECT_EQ(finder.GetFileName(), "clip.avi");
  EXPECT_FALSE(finder.IsDirectory());
  ASSERT_TRUE(finder.FindFile(dir_.c_str()));
  finder.FindNextFile();
  EXPECT_TRUE(finder.IsDirectory());
}

TEST_F(FileTest, GetStatusReportsSizeAndFailsForMissingFiles) {
  const size_t sizes[] = {0, 1, 70000};
  for (size_t size : sizes) {
    std::string path = Write("out-" + std::to_string(size) + ".mp3", size);
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.m_size, size);
    EXPECT_STREQ(status.m_szFullName, path.c_str());
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);
  }
  CFileStatus missing;
  missing.m_size = 99;
  EXPECT_FALSE(CFile::GetStatus((dir_ + "/none.mp3").c_str(), missing));
  EXPECT_EQ(missing.m_size, 0u);
}

}  // namespace
