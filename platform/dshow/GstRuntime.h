// GStreamer is initialised once, by the first graph that needs it.
#pragma once

namespace dshow {

// False when GStreamer cannot start.
bool EnsureGStreamer();

}  // namespace dshow
