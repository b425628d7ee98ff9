// Taking the next message: sent messages from other threads first, then posted messages, the quit
// request, input, WM_PAINT and, last, due timers.
#pragma once

#include "platform/win/winuser.h"

namespace win {

struct MessageFilter {
  HWND hwnd = nullptr;  // nullptr: any; (HWND)-1: thread messages only; else the window and its children
  UINT min = 0;
  UINT max = 0;  // both 0: every message

  bool acceptsNumber(UINT message) const;
  bool accepts(const MSG& msg) const;
};

bool RetrieveMessage(MSG* out, const MessageFilter& filter, bool remove);
// Milliseconds the UI thread may sleep before a timer falls due (negative: no timer).
int IdleTimeout();

}  // namespace win
