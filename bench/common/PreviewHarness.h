// The preview as the main window runs it, without the main window: a top-level owner window, the
// program's media graph object rendering one file into it, and a count of the pictures the video
// window has painted. Only one harness may exist at a time (the count lives behind a window procedure).
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "media/CMediaGraph.h"

class PreviewHarness {
 public:
  PreviewHarness(int width, int height);
  ~PreviewHarness();
  PreviewHarness(const PreviewHarness&) = delete;
  PreviewHarness& operator=(const PreviewHarness&) = delete;

  // Renders the file paused into the owner; false (with the reason on stderr) when it cannot.
  bool Open(const std::string& path);
  CMediaGraph& Graph() { return m_graph; }
  uint64_t PaintCount() const;

  // Dispatches whatever is pending, without waiting.
  void PumpPending();
  // Dispatches messages until the time has passed.
  void PumpFor(std::chrono::milliseconds duration);
  // Dispatches messages until the video window has painted once more; false when the timeout passed.
  bool WaitForPaint(std::chrono::milliseconds timeout);

 private:
  static LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void CountPaints(HWND video);
  // Dispatches messages until done() holds or the timeout passes; false on timeout.
  template <class Done>
  bool PumpUntil(Done done, std::chrono::milliseconds timeout);

  CMediaGraph m_graph;
  HWND m_owner = nullptr;
  int m_width;
  int m_height;
};
