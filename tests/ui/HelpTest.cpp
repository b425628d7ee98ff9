// The Help button: the help document beside the executable, handed to the opener as one argument.
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "UiFixture.h"
#include "res/resource.h"
#include "ui/HelpDocument.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;

TEST(HelpDocument, LiesInTheExecutablesDirectoryWhateverItsName) {
  struct Case {
    const char* executable;
    const char* document;
  } cases[] = {
      {"/usr/bin/velmora", "/usr/bin/help.html"},
      {"/opt/my apps/Velmora 2/velmora", "/opt/my apps/Velmora 2/help.html"},
      {"/home/u/a \"b\" $(x);y|z/velmora", "/home/u/a \"b\" $(x);y|z/help.html"},
      {"/velmora", "/help.html"},
      {"velmora", "./help.html"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpDocumentPath(c.executable), c.document) << c.executable;
}

// Puts a stand-in for the desktop's opener first on PATH; it writes its argument count and its
// arguments, one a line, to a record file.
class HelpButtonTest : public MainDialogTest {
 protected:
  void SetUp() override {
    m_scratch = fs::path(VELMORA_BINARY_DIR) / "test-scratch" / "ui-help";
    fs::remove_all(m_scratch);
    fs::create_directories(m_scratch / "bin");
    m_record = m_scratch / "record.txt";
    fs::path opener = m_scratch / "bin" / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" << m_record.string() << ".part\"\nmv \""
                          << m_record.string() << ".part\" \"" << m_record.string() << "\"\n";
    fs::permissions(opener, fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    m_savedPath = path != nullptr ? path : "";
    setenv("PATH", ((m_scratch / "bin").string() + ":" + m_savedPath).c_str(), 1);
    MainDialogTest::SetUp();
  }
  void TearDown() override {
    setenv("PATH", m_savedPath.c_str(), 1);
    MainDialogTest::TearDown();
  }

  std::optional<std::string> WaitForRecord() {
    for (int i = 0; i < 200 && !fs::exists(m_record); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    if (!fs::exists(m_record)) return std::nullopt;
    std::stringstream text;
    text << std::ifstream(m_record).rdbuf();
    return text.str();
  }

  fs::path m_scratch;
  fs::path m_record;
  std::string m_savedPath;
};

TEST_F(HelpButtonTest, OpensTheDocumentBesideTheExecutableAsOneArgument) {
  char szModule[4096] = {};
  ::GetModuleFileName(nullptr, szModule, sizeof szModule);
  RunMainDialog({
      [](HWND dlg) { QueueClick(::GetDlgItem(dlg, IDC_HELP_BUTTON)); },
      [&](HWND) {
        std::optional<std::string> record = WaitForRecord();
        ASSERT_TRUE(record.has_value()) << "the opener was not started";
        EXPECT_EQ(*record, "1\n" + HelpDocumentPath(szModule) + "\n");
        QueueKey(VK_ESCAPE);
      },
  });
}

}  // namespace
}  // namespace uitest
