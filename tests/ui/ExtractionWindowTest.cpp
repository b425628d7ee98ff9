// The extraction window closed before its Extract Now: nothing is built and nothing is written.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "UiFixture.h"
#include "media/CProgressDialog.h"
#include "res/resource.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;

using ExtractionWindowTest = MainDialogTest;

TEST_F(ExtractionWindowTest, CancelOrEscBeforeExtractNowClosesItAndWritesNothing) {
  fs::path saveDir = fs::path(VELMORA_BINARY_DIR) / "test-scratch" / "ui-extraction-cancel";
  fs::remove_all(saveDir);
  fs::create_directories(saveDir);
  struct Case {
    const char* how;
    std::function<void(HWND dlg)> close;
  } cases[] = {
      {"Cancel", [](HWND dlg) { QueueClick(::GetDlgItem(dlg, IDC_PROGRESS_CANCEL)); }},
      {"Esc", [](HWND) { QueueKey(VK_ESCAPE); }},
  };
  for (const Case& c : cases) {
    CProgressDialog dialog(m_pHost);
    ExtractRequest& request = dialog.m_request;
    request.llStartMs = 0;
    request.llEndMs = 2000;
    request.nSampleRate = 44100;
    request.nByteRate = 16000;
    request.bStereo = 1;
    std::snprintf(request.szSourcePath, sizeof request.szSourcePath, "%s", (saveDir / "clip.avi").c_str());
    std::snprintf(request.szSaveDir, sizeof request.szSaveDir, "%s/", saveDir.c_str());
    HWND shown = nullptr;
    Script::Instance().Load({[&](HWND dlg) {
      shown = dlg;
      EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg, IDC_PROGRESS_EXTRACT)));
      c.close(dlg);
    }});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << c.how;
    EXPECT_TRUE(Script::Instance().Done()) << c.how;
    EXPECT_NE(shown, nullptr) << c.how;
    EXPECT_FALSE(::IsWindow(shown)) << c.how;
    EXPECT_TRUE(fs::is_empty(saveDir)) << c.how;
  }
}

}  // namespace
}  // namespace uitest
