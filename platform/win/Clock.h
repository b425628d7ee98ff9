// The window system's one clock: milliseconds of a monotonic clock plus an offset that tests add with
// DesktopAdvanceClock, so timers and double clicks can be stepped without sleeping.
#pragma once

#include "platform/win/windef.h"

namespace win {

DWORD ClockNow();
void ClockAdvance(DWORD milliseconds);

// a - b as a signed difference, correct across the 49-day wrap of DWORD milliseconds.
inline int ClockDiff(DWORD a, DWORD b) { return static_cast<int>(a - b); }

}  // namespace win
