// Process-wide services of the lowest layer: the millisecond clock, sleeping and the error value.
#include <time.h>

#include <cerrno>

#include "platform/win/windef.h"

namespace {
thread_local DWORD lastError = 0;
}

DWORD GetTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  // Wraps after 49.7 days, as callers of a 32-bit tick count expect.
  const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<DWORD>(ms);
}

void Sleep(DWORD milliseconds) {
  timespec left{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&left, &left) == -1 && errno == EINTR) {
  }
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }
