// The "msctls_trackbar32" window class: TBM_* messages on a TrackbarModel, thumb dragging, paging by
// clicks on the channel (repeating while held), keys, and WM_HSCROLL / WM_VSCROLL notifications sent
// to the parent after each change.
#pragma once

#include "platform/win/controls/TrackbarGeometry.h"
#include "platform/win/controls/TrackbarModel.h"
#include "platform/win/commctrl.h"

namespace win {

class Trackbar {
 public:
  explicit Trackbar(HWND hwnd);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  enum class Tracking { None, Thumb, Channel };

  LRESULT handleTrackbarMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleTickMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT handleInput(UINT msg, WPARAM wParam, LPARAM lParam);
  DWORD style() const;
  TrackbarGeometry geometry() const;
  void redrawIf(bool changed, bool redraw);
  int clampedPos(long long pos) const;
  bool moveThumb(int pos, bool redraw);
  void notify(int code, int pos = 0);

  void onButtonDown(POINT pt);
  void onMouseMove(POINT pt);
  void onChannelRepeat();
  void pageTowardsPointer();
  void endTracking(bool releaseCapture);
  void onKeyDown(UINT vk);
  void onKeyUp(UINT vk);

  void paint(HDC hdc);
  void paintChannel(HDC hdc, const TrackbarGeometry& g);
  void paintThumb(HDC hdc, const TrackbarGeometry& g);

  HWND hwnd_;
  TrackbarModel model_;
  Tracking tracking_ = Tracking::None;
  int dragOffset_ = 0;
  int channelCode_ = TB_PAGEUP;
  POINT lastPoint_{};
};

}  // namespace win
