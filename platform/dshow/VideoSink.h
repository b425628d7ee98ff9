// The video end of the preview pipeline: an appsink taking BGRx frames into a VideoFrameStore.
#pragma once

#include <gst/gst.h>

#include "platform/dshow/VideoFrameStore.h"

namespace dshow {

// A new floating appsink that stores every prerolled and played frame in `store`, which must outlive
// the pipeline.
GstElement* CreateVideoSink(VideoFrameStore& store);

}  // namespace dshow
