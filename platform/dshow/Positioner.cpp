#include "platform/dshow/Positioner.h"

#include <algorithm>
#include <cstring>

namespace dshow {

namespace {

// mpegpsdemux's accurate seeks land up to 1.2 s late; seeking this much earlier lands before.
constexpr gint64 kLeadIn = 2 * GST_SECOND;
constexpr std::chrono::seconds kSettleTimeout{5};

}  // namespace

void Positioner::Watch(GstElement* pipeline) {
  g_signal_connect(pipeline, "deep-element-added", G_CALLBACK(&Positioner::OnElementAdded), this);
}

void Positioner::OnElementAdded(GstBin*, GstBin*, GstElement* element, gpointer data) {
  GstElementFactory* factory = gst_element_get_factory(element);
  if (factory && std::strcmp(GST_OBJECT_NAME(factory), "mpegpsdemux") == 0) {
    static_cast<Positioner*>(data)->m_method = Method::LeadIn;
  }
}

bool Positioner::Seek(gint64 start, gint64 stop, GstState resume, bool settle) {
  if (!m_pipeline.Pipeline() || !m_pipeline.Prerolled()) return false;
  if (start >= 0) start += m_origin;
  if (stop >= 0) stop += m_origin;
  if (m_clipper && start >= 0) m_clipper->SetRange(start, stop);
  gint64 demuxerStop = DemuxerStop(stop);
  if (start < 0) return SeekStop(demuxerStop);

  uint64_t prerolls = m_pipeline.PrerollCount();
  m_pipeline.ClearEndOfStream();
  bool done = false;
  if (m_method == Method::Accurate) {
    done = SeekFrom(start, demuxerStop);
  } else if (m_method == Method::LeadIn) {
    if (m_skipper) m_skipper->Arm(start);
    done = SeekFrom(std::max<gint64>(0, start - kLeadIn), demuxerStop);
  }
  if (!done) {
    m_method = Method::Restart;
    Restart(start, resume);
  }
  if (settle) m_pipeline.WaitForPrerollAfter(prerolls, kSettleTimeout);
  return true;
}

gint64 Positioner::DemuxerStop(gint64 stop) const {
  if (stop < 0) return -1;
  // mpegpsdemux ends a range by the packets' system clock, which runs ~0.4 s ahead of their
  // timestamps, and clamps a stop to its own short duration estimate: it would end early. The
  // clipper (extraction) ends those ranges by timestamp instead.
  if (m_method == Method::LeadIn) return -1;
  gint64 duration = -1;
  if (m_pipeline.QueryDuration(&duration) && stop >= duration + m_origin) return -1;
  return stop;
}

bool Positioner::SeekStop(gint64 stop) {
  if (stop < 0) return true;
  return gst_element_seek(m_pipeline.Pipeline(), 1.0, GST_FORMAT_TIME, GST_SEEK_FLAG_NONE, GST_SEEK_TYPE_NONE, 0,
                          GST_SEEK_TYPE_SET, stop);
}

bool Positioner::SeekFrom(gint64 seekStart, gint64 stop) {
  auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
  return gst_element_seek(m_pipeline.Pipeline(), 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, seekStart,
                          stop >= 0 ? GST_SEEK_TYPE_SET : GST_SEEK_TYPE_NONE, stop >= 0 ? stop : 0);
}

void Positioner::Restart(gint64 start, GstState resume) {
  // The demuxer cannot seek: play again from the beginning and drop what comes before the target.
  if (m_skipper) m_skipper->Arm(start);
  m_pipeline.SetState(GST_STATE_READY);
  m_pipeline.SetState(resume == GST_STATE_PLAYING ? GST_STATE_PLAYING : GST_STATE_PAUSED);
}

}  // namespace dshow
