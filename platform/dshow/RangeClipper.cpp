#include "platform/dshow/RangeClipper.h"

#include <gst/audio/audio.h>

#include <algorithm>

namespace dshow {

void RangeClipper::Attach(GstPad* pad) {
  gst_pad_add_probe(pad, static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_EVENT_DOWNSTREAM |
                                                      GST_PAD_PROBE_TYPE_EVENT_FLUSH),
                    &RangeClipper::OnProbe, this, nullptr);
}

void RangeClipper::SetRange(gint64 start, gint64 stop) {
  std::lock_guard lock(m_mutex);
  m_hasRange = true;
  m_start = std::max<gint64>(start, 0);
  m_stop = stop;
  m_ended = false;
}

gint64 RangeClipper::FirstStreamTime() {
  std::lock_guard lock(m_mutex);
  return m_firstStreamTime;
}

void RangeClipper::NoteFirst(GstClockTime pts) {
  if (m_firstStreamTime >= 0 || !m_hasSegment || !GST_CLOCK_TIME_IS_VALID(pts)) return;
  guint64 streamTime = gst_segment_to_stream_time(&m_segment, GST_FORMAT_TIME, pts);
  if (GST_CLOCK_TIME_IS_VALID(streamTime)) m_firstStreamTime = static_cast<gint64>(streamTime);
}

GstPadProbeReturn RangeClipper::OnProbe(GstPad* pad, GstPadProbeInfo* info, gpointer data) {
  auto* self = static_cast<RangeClipper*>(data);
  if (GST_PAD_PROBE_INFO_TYPE(info) & GST_PAD_PROBE_TYPE_BUFFER) return self->OnBuffer(pad, info);
  GstEvent* event = GST_PAD_PROBE_INFO_EVENT(info);
  std::lock_guard lock(self->m_mutex);
  if (GST_EVENT_TYPE(event) == GST_EVENT_SEGMENT) {
    const GstSegment* segment = nullptr;
    gst_event_parse_segment(event, &segment);
    gst_segment_copy_into(segment, &self->m_segment);
    self->m_hasSegment = segment->format == GST_FORMAT_TIME;
  } else if (GST_EVENT_TYPE(event) == GST_EVENT_FLUSH_STOP) {
    self->m_ended = false;
  }
  return GST_PAD_PROBE_OK;
}

bool RangeClipper::ClipSegment(GstSegment* clip) const {
  if (!m_hasRange || !m_hasSegment) return false;
  gst_segment_copy_into(&m_segment, clip);
  gint64 start = gst_segment_position_from_stream_time(&m_segment, GST_FORMAT_TIME, static_cast<guint64>(m_start));
  if (start >= 0) clip->start = std::max<guint64>(clip->start, static_cast<guint64>(start));
  if (m_stop >= 0) {
    gint64 stop = gst_segment_position_from_stream_time(&m_segment, GST_FORMAT_TIME, static_cast<guint64>(m_stop));
    // A stop before the segment's own start leaves nothing to keep.
    clip->stop = stop >= 0 ? static_cast<guint64>(stop) : clip->start;
    if (GST_CLOCK_TIME_IS_VALID(m_segment.stop)) clip->stop = std::min<guint64>(clip->stop, m_segment.stop);
  }
  return true;
}

GstPadProbeReturn RangeClipper::OnBuffer(GstPad* pad, GstPadProbeInfo* info) {
  GstSegment clip;
  bool reachedStop = false;
  {
    std::lock_guard lock(m_mutex);
    if (m_ended) return GST_PAD_PROBE_DROP;
    GstClockTime pts = GST_BUFFER_PTS(GST_PAD_PROBE_INFO_BUFFER(info));
    NoteFirst(pts);
    if (!ClipSegment(&clip)) return GST_PAD_PROBE_OK;
    reachedStop = GST_CLOCK_TIME_IS_VALID(clip.stop) && GST_CLOCK_TIME_IS_VALID(pts) && pts >= clip.stop;
    if (reachedStop) m_ended = true;
  }
  if (reachedStop) {
    // Everything after the stop is unwanted: end the stream downstream rather than decode on.
    gst_pad_push_event(pad, gst_event_new_eos());
    return GST_PAD_PROBE_DROP;
  }
  GstAudioInfo audio;
  GstCaps* caps = gst_pad_get_current_caps(pad);
  bool known = caps && gst_audio_info_from_caps(&audio, caps);
  if (caps) gst_caps_unref(caps);
  if (!known) return GST_PAD_PROBE_OK;

  GstBuffer* buffer = GST_PAD_PROBE_INFO_BUFFER(info);
  GstBuffer* kept = gst_audio_buffer_clip(gst_buffer_ref(buffer), &clip, GST_AUDIO_INFO_RATE(&audio),
                                          GST_AUDIO_INFO_BPF(&audio));
  if (!kept) return GST_PAD_PROBE_DROP;
  gst_buffer_unref(buffer);
  GST_PAD_PROBE_INFO_DATA(info) = kept;
  return GST_PAD_PROBE_OK;
}

}  // namespace dshow
