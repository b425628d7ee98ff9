#include "platform/win/Clock.h"

#include <atomic>
#include <chrono>

namespace win {
namespace {
std::atomic<DWORD> g_offset{0};
}

DWORD ClockNow() {
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<DWORD>(ms) + g_offset.load();
}

void ClockAdvance(DWORD milliseconds) { g_offset += milliseconds; }

}  // namespace win
