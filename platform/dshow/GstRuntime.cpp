#include "platform/dshow/GstRuntime.h"

#include <gst/gst.h>

#include <mutex>

namespace dshow {

bool EnsureGStreamer() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] { ready = gst_init_check(nullptr, nullptr, nullptr); });
  return ready;
}

}  // namespace dshow
