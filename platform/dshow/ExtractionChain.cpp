#include "platform/dshow/ExtractionChain.h"

namespace dshow {

namespace {

// Generous: preroll only needs the first encoded frame, but a slow disk must not fail a build.
constexpr std::chrono::seconds kPrerollTimeout{30};

}  // namespace

ExtractionChain::~ExtractionChain() {
  if (m_encoderInput) gst_object_unref(m_encoderInput);
}

HRESULT ExtractionChain::Connect(GstElement* source, GstElement* encoder, GstElement* sink) {
  GstElement* pipeline = gst_pipeline_new("extraction");
  gst_bin_add_many(GST_BIN(pipeline), source, encoder, sink, nullptr);
  if (!gst_element_link(encoder, sink)) {
    gst_object_unref(gst_object_ref_sink(pipeline));
    return VFW_E_CANNOT_RENDER;
  }
  m_encoderInput = gst_element_get_static_pad(encoder, "sink");
  g_signal_connect(source, "pad-added", G_CALLBACK(&ExtractionChain::OnPadAdded), this);
  g_signal_connect(source, "pad-removed", G_CALLBACK(&ExtractionChain::OnPadRemoved), this);
  g_signal_connect(source, "no-more-pads", G_CALLBACK(&ExtractionChain::OnNoMorePads), this);
  m_positioner.Watch(pipeline);
  m_pipeline.Adopt(pipeline);
  return m_pipeline.Preroll(kPrerollTimeout);
}

bool ExtractionChain::IsDecodedSound(GstPad* pad) {
  GstCaps* caps = gst_pad_get_current_caps(pad);
  if (!caps) caps = gst_pad_query_caps(pad, nullptr);
  bool sound = caps && !gst_caps_is_empty(caps) &&
               g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, 0)), "audio/x-raw");
  if (caps) gst_caps_unref(caps);
  return sound;
}

void ExtractionChain::DropEverything(GstPad* pad) {
  // Pictures, subtitles and further sound tracks are dropped undecoded, before the pad would find
  // it has no peer: some demuxers (rmdemux) stop altogether when a stream is not linked.
  gst_pad_add_probe(pad, static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST),
                    [](GstPad*, GstPadProbeInfo*, gpointer) { return GST_PAD_PROBE_DROP; }, nullptr, nullptr);
}

void ExtractionChain::OnPadAdded(GstElement*, GstPad* pad, gpointer data) {
  auto* self = static_cast<ExtractionChain*>(data);
  std::lock_guard lock(self->m_mutex);
  if (self->m_linked || !IsDecodedSound(pad)) {
    DropEverything(pad);
    return;
  }
  self->m_clipper.Attach(pad);
  if (gst_pad_link(pad, self->m_encoderInput) == GST_PAD_LINK_OK) {
    self->m_linked = pad;
  } else {
    self->m_pipeline.Fail(VFW_E_CANNOT_RENDER);
  }
}

void ExtractionChain::OnPadRemoved(GstElement*, GstPad* pad, gpointer data) {
  auto* self = static_cast<ExtractionChain*>(data);
  std::lock_guard lock(self->m_mutex);
  if (self->m_linked == pad) self->m_linked = nullptr;
}

void ExtractionChain::OnNoMorePads(GstElement*, gpointer data) {
  auto* self = static_cast<ExtractionChain*>(data);
  std::lock_guard lock(self->m_mutex);
  // No sound track that could be decoded: nothing would ever reach the sink.
  if (!self->m_linked) self->m_pipeline.Fail(VFW_E_CANNOT_RENDER);
}

}  // namespace dshow
