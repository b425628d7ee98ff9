#include "bench/common/PreviewHarness.h"

#include <cstdio>

#include "platform/com/objbase.h"
#include "platform/win/winuser.h"

namespace {

constexpr const char* kOwnerClass = "VelmoraBenchOwner";
constexpr UINT_PTR kWatchdogTimer = 1;

WNDPROC g_videoProc = nullptr;
uint64_t g_paints = 0;

bool RegisterOwnerClass() {
  static const bool registered = [] {
    WNDCLASS wc = {};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = kOwnerClass;
    return RegisterClass(&wc) != 0;
  }();
  return registered;
}

}  // namespace

PreviewHarness::PreviewHarness(int width, int height) : m_width(width), m_height(height) {
  CoInitialize(nullptr);
  if (RegisterOwnerClass()) {
    m_owner = CreateWindowEx(0, kOwnerClass, "preview", WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width,
                             height, nullptr, nullptr, nullptr, nullptr);
  }
}

PreviewHarness::~PreviewHarness() {
  m_graph.ReleaseGraph();
  if (m_owner) DestroyWindow(m_owner);
  PumpPending();
  CoUninitialize();
}

bool PreviewHarness::Open(const std::string& path) {
  if (!m_owner) {
    std::fprintf(stderr, "the owner window could not be created\n");
    return false;
  }
  m_graph.CreateGraph();
  if (!m_graph.m_pGraphBuilder) {
    std::fprintf(stderr, "no filter graph\n");
    return false;
  }
  // RenderFile itself rather than OpenMediaFile: a failure must end the run, not wait in a message box.
  WCHAR wide[MAX_PATH] = {};
  if (MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide, MAX_PATH) <= 0) return false;
  HRESULT hr = m_graph.m_pGraphBuilder->RenderFile(wide, nullptr);
  if (FAILED(hr)) {
    std::fprintf(stderr, "%s cannot be rendered (0x%08x)\n", path.c_str(), static_cast<unsigned>(hr));
    return false;
  }
  m_graph.AttachVideoWindow(m_owner);
  HWND video = GetWindow(m_owner, GW_CHILD);
  if (!video) {
    std::fprintf(stderr, "%s has no video window\n", path.c_str());
    return false;
  }
  CountPaints(video);
  PumpPending();
  return true;
}

uint64_t PreviewHarness::PaintCount() const { return g_paints; }

void PreviewHarness::CountPaints(HWND video) {
  g_paints = 0;
  g_videoProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(video, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PreviewHarness::CountingProc)));
}

LRESULT CALLBACK PreviewHarness::CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProc(g_videoProc, hwnd, message, wParam, lParam);
  // Counted once the picture is on the surface, which is when the user could see it.
  if (message == WM_PAINT) ++g_paints;
  return result;
}

void PreviewHarness::PumpPending() {
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
}

template <class Done>
bool PreviewHarness::PumpUntil(Done done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // The timer only guarantees that GetMessage returns by the deadline when nothing else arrives.
  SetTimer(m_owner, kWatchdogTimer, static_cast<UINT>(timeout.count()), nullptr);
  bool met = done();
  MSG msg;
  while (!met && std::chrono::steady_clock::now() < deadline && GetMessage(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    met = done();
  }
  KillTimer(m_owner, kWatchdogTimer);
  return met;
}

void PreviewHarness::PumpFor(std::chrono::milliseconds duration) {
  PumpUntil([] { return false; }, duration);
}

bool PreviewHarness::WaitForPaint(std::chrono::milliseconds timeout) {
  const uint64_t before = g_paints;
  return PumpUntil([before] { return g_paints > before; }, timeout);
}
