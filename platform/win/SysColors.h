// The system colours (the classic grey scheme) and one brush for each.
#pragma once

#include <array>
#include <vector>

#include "platform/win/winuser.h"

namespace win {

class SysColors {
 public:
  static SysColors& instance();
  static constexpr int kCount = 31;

  COLORREF color(int index) const;
  HBRUSH brush(int index);
  void set(int index, COLORREF color);

  // A class background given as COLOR_xxx + 1, as the platform allows, becomes that colour's brush.
  HBRUSH resolveClassBrush(HBRUSH brush);

 private:
  SysColors();
  std::array<COLORREF, kCount> colors_;
  std::array<HBRUSH, kCount> brushes_{};
  // Brushes replaced by a colour change stay alive: programs may still hold them.
  std::vector<HBRUSH> retired_;
};

}  // namespace win
