#include "platform/win/controls/TrackbarModel.h"

#include <algorithm>

namespace win {

int TrackbarModel::clamp(int value) const { return std::clamp(value, min_, max_); }

bool TrackbarModel::setRange(int min, int max) {
  max = std::max(min, max);
  if (min == min_ && max == max_) return false;
  min_ = min;
  max_ = max;
  pos_ = clamp(pos_);
  return true;
}

bool TrackbarModel::setPos(int pos) {
  pos = clamp(pos);
  if (pos == pos_) return false;
  pos_ = pos;
  return true;
}

int TrackbarModel::pageSize() const {
  if (pageSize_ >= 0) return pageSize_;
  return std::max(1, static_cast<int>((static_cast<long long>(max_) - min_) / 5));
}

int TrackbarModel::setLineSize(int size) {
  int previous = lineSize_;
  lineSize_ = std::max(0, size);
  return previous;
}

int TrackbarModel::setPageSize(int size) {
  int previous = pageSize();
  pageSize_ = std::max(0, size);
  return previous;
}

bool TrackbarModel::setSelStart(int value) {
  value = clamp(value);
  if (value == selStart_) return false;
  selStart_ = value;
  return true;
}

bool TrackbarModel::setSelEnd(int value) {
  value = clamp(value);
  if (value == selEnd_) return false;
  selEnd_ = value;
  return true;
}

bool TrackbarModel::clearSel() {
  if (selStart_ == -1 && selEnd_ == -1) return false;
  selStart_ = selEnd_ = -1;
  return true;
}

bool TrackbarModel::addTic(int pos) {
  if (pos < min_ || pos > max_) return false;
  if (pos == min_ || pos == max_) return true;  // the ends always have one
  DWORD value = static_cast<DWORD>(pos);
  auto at = std::lower_bound(tics_.begin(), tics_.end(), pos,
                             [](DWORD tic, int wanted) { return static_cast<int>(tic) < wanted; });
  if (at == tics_.end() || static_cast<int>(*at) != pos) tics_.insert(at, value);
  return true;
}

}  // namespace win
