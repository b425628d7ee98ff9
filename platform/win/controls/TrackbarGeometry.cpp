#include "platform/win/controls/TrackbarGeometry.h"

#include <algorithm>

#include "platform/win/commctrl.h"

namespace win {

namespace {

constexpr int kGap = 2;               // room for the focus rectangle
constexpr int kTickLength = 3;
constexpr int kTickSpace = kTickLength + 1;
constexpr int kMaxThumbThickness = 20;
constexpr int kMinThumbThickness = 6;

}  // namespace

TrackbarGeometry::TrackbarGeometry(const RECT& client, DWORD style, const TrackbarModel& model)
    : model_(model), style_(style), vertical_((style & TBS_VERT) != 0) {
  bool ticks = !(style & TBS_NOTICKS);
  bool both = ticks && (style & TBS_BOTH);
  bool near = ticks && !both && (style & TBS_TOP);
  shape_ = !ticks || both ? ThumbShape::Rectangle : near ? ThumbShape::PointNear : ThumbShape::PointFar;

  length_ = vertical_ ? client.bottom - client.top : client.right - client.left;
  int thickness = vertical_ ? client.right - client.left : client.bottom - client.top;
  int tickSides = !ticks ? 0 : both ? 2 : 1;
  thumbThickness_ = std::clamp(thickness - 2 * kGap - tickSides * kTickSpace, kMinThumbThickness, kMaxThumbThickness);
  thumbWidth_ = (thumbThickness_ / 2 + 1) | 1;
  // Thumb and ticks together are centred across the bar.
  int used = thumbThickness_ + tickSides * kTickSpace;
  thumbAcross_ = (thickness - used) / 2 + ((both || near) ? kTickSpace : 0);

  int margin = thumbWidth_ / 2 + kGap + 1;
  travelStart_ = margin;
  travelEnd_ = std::max(travelStart_, length_ - 1 - margin);
  channelThickness_ = (style & TBS_ENABLESELRANGE) ? 8 : 4;
}

RECT TrackbarGeometry::makeRect(int along0, int along1, int across0, int across1) const {
  return vertical_ ? RECT{across0, along0, across1, along1} : RECT{along0, across0, along1, across1};
}

POINT TrackbarGeometry::makePoint(int along, int across) const {
  return vertical_ ? POINT{across, along} : POINT{along, across};
}

int TrackbarGeometry::pixelFromPos(int pos) const {
  long long span = static_cast<long long>(model_.rangeMax()) - model_.rangeMin();
  if (span <= 0) return travelStart_;
  long long offset = static_cast<long long>(model_.clamp(pos)) - model_.rangeMin();
  long long pixels = travelEnd_ - travelStart_;
  return travelStart_ + static_cast<int>((offset * pixels + span / 2) / span);
}

int TrackbarGeometry::posFromPixel(int pixel) const {
  long long pixels = travelEnd_ - travelStart_;
  if (pixels <= 0) return model_.rangeMin();
  long long span = static_cast<long long>(model_.rangeMax()) - model_.rangeMin();
  long long offset = std::clamp<long long>(pixel - travelStart_, 0, pixels);
  return model_.clamp(static_cast<int>(model_.rangeMin() + (offset * span + pixels / 2) / pixels));
}

RECT TrackbarGeometry::channelRect() const {
  // Centred on the thumb's body, the part without its point.
  int body = thumbThickness_ - (shape_ == ThumbShape::Rectangle ? 0 : thumbWidth_ / 2);
  int bodyStart = thumbAcross_ + (shape_ == ThumbShape::PointNear ? thumbWidth_ / 2 : 0);
  int across = bodyStart + (body - channelThickness_) / 2;
  return makeRect(travelStart_ - kGap, travelEnd_ + kGap + 1, across, across + channelThickness_);
}

RECT TrackbarGeometry::thumbRectAt(int pos) const {
  int centre = pixelFromPos(pos);
  return makeRect(centre - thumbWidth_ / 2, centre + thumbWidth_ / 2 + 1, thumbAcross_, thumbAcross_ + thumbThickness_);
}

void TrackbarGeometry::addTick(std::vector<RECT>& marks, int pos, int length) const {
  int at = pixelFromPos(pos);
  bool both = shape_ == ThumbShape::Rectangle;
  if (shape_ == ThumbShape::PointNear || both) {
    int end = thumbAcross_ - 1;
    marks.push_back(makeRect(at, at + 1, end - length, end));
  }
  if (shape_ == ThumbShape::PointFar || both) {
    int start = thumbAcross_ + thumbThickness_ + 1;
    marks.push_back(makeRect(at, at + 1, start, start + length));
  }
}

std::vector<RECT> TrackbarGeometry::tickMarks() const {
  std::vector<RECT> marks;
  if (style_ & TBS_NOTICKS) return marks;
  addTick(marks, model_.rangeMin(), kTickLength + 1);
  addTick(marks, model_.rangeMax(), kTickLength + 1);
  for (DWORD tic : model_.tics()) addTick(marks, static_cast<int>(tic), kTickLength);
  if (style_ & TBS_AUTOTICKS) {
    // A multiple of the frequency that leaves at least two pixels between marks, however large the range.
    long long span = static_cast<long long>(model_.rangeMax()) - model_.rangeMin();
    long long room = std::max(1, (travelEnd_ - travelStart_) / 2);
    long long step = model_.ticFrequency() * std::max(1LL, (span / model_.ticFrequency() + room - 1) / room);
    for (long long pos = static_cast<long long>(model_.rangeMin()) + step; pos < model_.rangeMax(); pos += step)
      addTick(marks, static_cast<int>(pos), kTickLength);
  }
  return marks;
}

std::vector<RECT> TrackbarGeometry::bandEndMarks() const {
  std::vector<RECT> marks;
  if (!model_.hasBand()) return marks;
  RECT channel = channelRect();
  int across = vertical_ ? channel.right : channel.bottom;
  for (int pos : {model_.selStart(), model_.selEnd()}) {
    int at = pixelFromPos(pos);
    marks.push_back(makeRect(at, at + 1, across, across + kTickLength));
  }
  return marks;
}

}  // namespace win
