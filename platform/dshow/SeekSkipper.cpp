#include "platform/dshow/SeekSkipper.h"

namespace dshow {

void SeekSkipper::Attach(GstPad* pad) {
  std::lock_guard lock(m_mutex);
  m_pads.push_back(std::make_unique<PadState>(PadState{this}));
  gst_pad_add_probe(pad, static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM),
                    &SeekSkipper::OnProbe, m_pads.back().get(), nullptr);
}

void SeekSkipper::Arm(gint64 target) {
  std::lock_guard lock(m_mutex);
  for (auto& pad : m_pads) {
    pad->armed = true;
    pad->dropping = false;
    pad->target = target;
  }
}

GstPadProbeReturn SeekSkipper::OnProbe(GstPad*, GstPadProbeInfo* info, gpointer data) {
  auto* state = static_cast<PadState*>(data);
  SeekSkipper* self = state->owner;
  std::lock_guard lock(self->m_mutex);
  if (GST_PAD_PROBE_INFO_TYPE(info) & GST_PAD_PROBE_TYPE_BUFFER) {
    return self->OnBuffer(*state, GST_PAD_PROBE_INFO_BUFFER(info));
  }
  GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
  if (GST_EVENT_TYPE(event) == GST_EVENT_SEGMENT) return self->OnSegment(*state, info);
  return GST_PAD_PROBE_OK;
}

GstPadProbeReturn SeekSkipper::OnSegment(PadState& state, GstPadProbeInfo* info) {
  if (!state.armed) return GST_PAD_PROBE_OK;
  state.armed = false;
  GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
  const GstSegment* original = nullptr;
  gst_event_parse_segment(event, &original);
  if (original->format != GST_FORMAT_TIME || original->rate < 0) return GST_PAD_PROBE_OK;
  GstSegment segment;
  gst_segment_copy_into(original, &segment);
  gint64 target = state.target;
  if (static_cast<gint64>(segment.start) < target) {
    segment.time += static_cast<guint64>(target) - segment.start;
    segment.start = static_cast<guint64>(target);
    segment.position = static_cast<guint64>(target);
  }
  GstEvent* moved = gst_event_new_segment(&segment);
  gst_event_set_seqnum(moved, gst_event_get_seqnum(event));
  gst_event_unref(event);
  GST_PAD_PROBE_INFO_DATA(info) = moved;
  state.dropping = true;
  state.target = static_cast<gint64>(segment.start);
  return GST_PAD_PROBE_OK;
}

GstPadProbeReturn SeekSkipper::OnBuffer(PadState& state, GstBuffer* buffer) {
  if (!state.dropping) return GST_PAD_PROBE_OK;
  GstClockTime pts = GST_BUFFER_PTS(buffer);
  GstClockTime duration = GST_BUFFER_DURATION(buffer);
  if (GST_CLOCK_TIME_IS_VALID(pts)) {
    GstClockTime end = pts + (GST_CLOCK_TIME_IS_VALID(duration) ? duration : 0);
    // Keep the frame that is on screen at the target: it ends after it.
    if (static_cast<gint64>(end) <= state.target) return GST_PAD_PROBE_DROP;
  }
  state.dropping = false;
  return GST_PAD_PROBE_OK;
}

}  // namespace dshow
