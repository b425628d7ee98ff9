// Where a trackbar's parts lie in its client area, for painting and hit testing alike: the channel, the
// thumb, the tick marks, and the mapping between positions and pixels along the bar. Computed in
// "along" (the bar's axis) and "across" coordinates and turned into client coordinates at the end, so
// one set of rules serves horizontal and vertical bars.
#pragma once

#include <vector>

#include "platform/win/controls/TrackbarModel.h"
#include "platform/win/winuser.h"

namespace win {

class TrackbarGeometry {
 public:
  // Which way the thumb points: at the tick marks, or nowhere (a rectangle) with no ticks or ticks on both sides.
  enum class ThumbShape { Rectangle, PointNear, PointFar };

  TrackbarGeometry(const RECT& client, DWORD style, const TrackbarModel& model);

  bool vertical() const { return vertical_; }
  ThumbShape thumbShape() const { return shape_; }
  RECT channelRect() const;
  RECT thumbRect() const { return thumbRectAt(model_.pos()); }
  RECT thumbRectAt(int pos) const;
  int pixelFromPos(int pos) const;
  int posFromPixel(int pixel) const;
  int along(POINT pt) const { return vertical_ ? pt.y : pt.x; }
  // Each tick mark as a one-pixel-wide rectangle; none with TBS_NOTICKS.
  std::vector<RECT> tickMarks() const;
  // Short marks beside the channel at both ends of the selection band.
  std::vector<RECT> bandEndMarks() const;

  RECT makeRect(int along0, int along1, int across0, int across1) const;
  POINT makePoint(int along, int across) const;
  int thumbAcrossStart() const { return thumbAcross_; }
  int thumbThickness() const { return thumbThickness_; }
  int thumbWidth() const { return thumbWidth_; }

 private:
  void addTick(std::vector<RECT>& marks, int pos, int length) const;

  const TrackbarModel& model_;
  DWORD style_;
  bool vertical_;
  ThumbShape shape_;
  int length_;          // client size along the bar
  int thumbWidth_;      // thumb size along the bar, odd
  int thumbThickness_;  // thumb size across the bar, the point included
  int thumbAcross_;     // where the thumb starts across the bar
  int travelStart_;     // pixel of the minimum
  int travelEnd_;       // pixel of the maximum
  int channelThickness_;
};

}  // namespace win
