// A trackbar's values apart from its window: range, position, line and page size, selection band and
// tick marks. Setters clamp and report whether anything changed.
#pragma once

#include <vector>

#include "platform/win/windef.h"

namespace win {

class TrackbarModel {
 public:
  int rangeMin() const { return min_; }
  int rangeMax() const { return max_; }
  int pos() const { return pos_; }
  int clamp(int value) const;

  // A maximum below the minimum is raised to it. The position is clamped into the new range.
  bool setRange(int min, int max);
  bool setPos(int pos);

  int lineSize() const { return lineSize_; }
  // Until it is set, the page is a fifth of the range (at least 1).
  int pageSize() const;
  // Both return the previous size.
  int setLineSize(int size);
  int setPageSize(int size);

  // The band as last set, clamped into the range when set; both -1 once cleared.
  int selStart() const { return selStart_; }
  int selEnd() const { return selEnd_; }
  bool setSelStart(int value);
  bool setSelEnd(int value);
  bool clearSel();
  // Whether there is a band to draw: a non-empty stretch from start to end.
  bool hasBand() const { return selStart_ >= min_ && selStart_ < selEnd_; }

  // Tick marks the caller set, besides the ones that are always at both ends; sorted.
  const std::vector<DWORD>& tics() const { return tics_; }
  bool addTic(int pos);
  void clearTics() { tics_.clear(); }
  int ticFrequency() const { return ticFrequency_; }
  void setTicFrequency(int frequency) { ticFrequency_ = frequency > 0 ? frequency : 1; }

 private:
  int min_ = 0;
  int max_ = 100;
  int pos_ = 0;
  int lineSize_ = 1;
  int pageSize_ = -1;  // -1: derived from the range
  int selStart_ = 0;
  int selEnd_ = 0;
  std::vector<DWORD> tics_;
  int ticFrequency_ = 1;
};

}  // namespace win
