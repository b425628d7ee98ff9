// Shared by the media engine tests: a shown owner window that reads and closes every message box,
// holds the progress bar an extraction moves and runs a step each time the extraction loop
// dispatches its message; a scratch folder in the build tree; and requests as the main window fills
// them. Header-only, so that the slow test program shares it.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "media/CMediaGraph.h"
#include "platform/afx/afxcmn.h"
#include "platform/afx/afxwin.h"
#include "platform/win/Desktop.h"
#include "tests/dshow/MediaFixtures.h"

namespace mediatest {

constexpr char kCannotRenderMessage[] =
    "In order to Support this format,Please visit our Homepage to download  Real Alternative or RealOne,"
    "after intalling them,please reinstall Velmora in order to let it play well!";

// Posted by a test; the extraction loop dispatches it, and the host runs its step.
constexpr UINT kStepMessage = WM_APP + 1;

inline LONGLONG FileSize(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 ? static_cast<LONGLONG>(info.st_size) : -1;
}

inline bool Exists(const std::string& path) { return FileSize(path) >= 0; }

inline std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

inline void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

// Names in a folder, sorted.
inline std::vector<std::string> Entries(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dir, error)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh folder in the build tree, removed with everything in it at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string base = std::string(VELMORA_BINARY_DIR) + "/media-test-output";
    std::filesystem::create_directories(base);
    std::string pattern = base + "/run-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~ScratchFolder() {
    std::error_code error;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return m_path; }
  // As the main window keeps a folder: ending in '/'.
  std::string Dir(const std::string& sub = "") const { return m_path + "/" + (sub.empty() ? "" : sub + "/"); }

 private:
  std::string m_path;
};

inline ExtractRequest MakeRequest(const std::string& source, const std::string& saveDir, LONGLONG startMs,
                                  LONGLONG endMs, int sampleRate = 44100, int byteRate = 16000, BOOL stereo = TRUE) {
  ExtractRequest request{};
  request.llStartMs = startMs;
  request.llEndMs = endMs;
  request.nSampleRate = sampleRate;
  request.nByteRate = byteRate;
  request.bStereo = stereo;
  std::snprintf(request.szSourcePath, sizeof request.szSourcePath, "%s", source.c_str());
  std::snprintf(request.szSaveDir, sizeof request.szSaveDir, "%s", saveDir.c_str());
  return request;
}

// The texts of a window's non-empty static controls, joined by '\n'.
inline std::string StaticTexts(HWND window) {
  std::string texts;
  for (HWND child = ::GetWindow(window, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char cls[64] = {};
    ::GetClassName(child, cls, sizeof cls);
    char text[2048] = {};
    ::GetWindowText(child, text, sizeof text);
    if (strcasecmp(cls, "static") != 0 || text[0] == '\0') continue;
    if (!texts.empty()) texts += '\n';
    texts += text;
  }
  return texts;
}

// The active top-level window that owns the program's message boxes, with the progress bar of an
// extraction. Each message box is read when its loop first goes idle and closed with Return, as a
// user would; a box that Return does not close is ended after a few turns so that the test fails
// instead of hanging.
class Host {
 public:
  Host() {
    WNDCLASS wc{};
    wc.lpfnWndProc = &Host::WindowProc;
    wc.lpszClassName = "media_test_host";
    ::RegisterClass(&wc);
    m_hWnd = ::CreateWindowEx(0, "media_test_host", "host", WS_POPUP | WS_VISIBLE, 40, 40, 320, 120, nullptr,
                              nullptr, nullptr, nullptr);
    TheHost() = this;
    RECT rc{10, 40, 290, 60};
    m_progress.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rc, CWnd::FromHandle(m_hWnd), 1024);
    ::SetActiveWindow(m_hWnd);
    win::PumpPendingMessages();
  }
  ~Host() {
    m_progress.DestroyWindow();
    ::DestroyWindow(m_hWnd);
    TheHost() = nullptr;
    win::PumpPendingMessages();
  }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  HWND Window() const { return m_hWnd; }
  CProgressCtrl& Progress() { return m_progress; }
  const std::vector<std::string>& Messages() const { return m_messages; }

  // Runs `step` when the extraction loop dispatches the step message; the step may post it again.
  void OnStep(std::function<void()> step) { m_step = std::move(step); }
  void PostStep() { ::PostMessage(m_hWnd, kStepMessage, 0, 0); }

 private:
  static Host*& TheHost() {
    static Host* host = nullptr;
    return host;
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Host* host = TheHost();
    if (host != nullptr && msg == WM_ENTERIDLE) {
      host->AnswerMessageBox(reinterpret_cast<HWND>(lParam));
      return 0;
    }
    if (host != nullptr && msg == kStepMessage) {
      if (host->m_step) host->m_step();
      return 0;
    }
    return ::DefWindowProc(hwnd, msg, wParam, lParam);
  }

  void AnswerMessageBox(HWND box) {
    if (box == m_lastBox) {
      // Return did not close it: end it, so the test fails on its answer instead of hanging.
      if (++m_idleTurnsOfLastBox > 3) ::EndDialog(box, IDOK);
      return;
    }
    m_lastBox = box;
    m_idleTurnsOfLastBox = 0;
    m_messages.push_back(StaticTexts(box));
    win::DesktopKey(VK_RETURN, true);
    win::DesktopKey(VK_RETURN, false);
  }

  HWND m_hWnd = nullptr;
  CProgressCtrl m_progress;
  std::vector<std::string> m_messages;
  HWND m_lastBox = nullptr;
  int m_idleTurnsOfLastBox = 0;
  std::function<void()> m_step;
};

// COM, the owner window and a scratch folder for every test.
class MediaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    m_host = std::make_unique<Host>();
  }
  void TearDown() override {
    m_host.reset();
    CoUninitialize();
  }

  // As the extraction window does it: a fresh graph, then the extraction graph on it.
  static BOOL Build(CMediaGraph& graph, const ExtractRequest& request) {
    graph.CreateGraph();
    return graph.BuildExtractionGraph(request);
  }

  std::unique_ptr<Host> m_host;
  ScratchFolder m_folder;
};

}  // namespace mediatest
