#include "platform/dshow/VideoSink.h"

#include <gst/app/gstappsink.h>
#include <gst/video/video.h>

namespace dshow {

namespace {

void StoreSample(GstSample* sample, VideoFrameStore& store) {
  if (!sample) return;
  GstVideoInfo info;
  GstCaps* caps = gst_sample_get_caps(sample);
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstVideoFrame frame;
  if (caps && buffer && gst_video_info_from_caps(&info, caps) &&
      gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) {
    store.Store(GST_VIDEO_FRAME_WIDTH(&frame), GST_VIDEO_FRAME_HEIGHT(&frame),
                static_cast<const uint8_t*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0)),
                GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0));
    gst_video_frame_unmap(&frame);
  }
  gst_sample_unref(sample);
}

GstFlowReturn OnPreroll(GstAppSink* sink, gpointer store) {
  StoreSample(gst_app_sink_pull_preroll(sink), *static_cast<VideoFrameStore*>(store));
  return GST_FLOW_OK;
}

GstFlowReturn OnSample(GstAppSink* sink, gpointer store) {
  StoreSample(gst_app_sink_pull_sample(sink), *static_cast<VideoFrameStore*>(store));
  return GST_FLOW_OK;
}

}  // namespace

GstElement* CreateVideoSink(VideoFrameStore& store) {
  GstElement* sink = gst_element_factory_make("appsink", "video-renderer");
  if (!sink) return nullptr;
  GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRx");
  g_object_set(sink, "caps", caps, "sync", TRUE, "max-buffers", 1u, "enable-last-sample", FALSE, nullptr);
  gst_caps_unref(caps);
  GstAppSinkCallbacks callbacks = {};
  callbacks.new_preroll = &OnPreroll;
  callbacks.new_sample = &OnSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, &store, nullptr);
  return sink;
}

}  // namespace dshow
