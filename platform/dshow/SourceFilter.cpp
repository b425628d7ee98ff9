#include "platform/dshow/SourceFilter.h"

#include <cstring>

namespace dshow {

namespace {

// The file source's class identifier, reported by GetClassID.
constexpr CLSID CLSID_AsyncReader = {0xE436EBB5, 0x524F, 0x11CE, {0x9F, 0x53, 0x00, 0x20, 0xAF, 0x0B, 0xA7, 0x70}};

// decodebin's answers to autoplug-select (its enum is not in the public headers).
enum AutoplugSelect : gint { kAutoplugTry = 0, kAutoplugExpose = 1, kAutoplugSkip = 2 };

// MPEG audio has two decoders of equal rank; libav's outputs planar floats that cost a conversion
// before the encoder, and the whole extraction takes about a fifth longer with it.
bool IsSlowerMpegAudioDecoder(GstElementFactory* factory) {
  const char* name = gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory));
  for (const char* slower : {"avdec_mp3", "avdec_mp3float", "avdec_mp2float"}) {
    if (std::strcmp(name, slower) != 0) continue;
    GstElementFactory* preferred = gst_element_factory_find("mpg123audiodec");
    if (!preferred) return false;
    gst_object_unref(preferred);
    return true;
  }
  return false;
}

bool IsPictureOrText(const GstCaps* caps) {
  if (gst_caps_is_empty(caps) || gst_caps_is_any(caps)) return false;
  const char* name = gst_structure_get_name(gst_caps_get_structure(caps, 0));
  for (const char* prefix : {"video/x-raw", "image/", "text/", "subpicture/", "closedcaption/", "application/x-subtitle"}) {
    if (g_str_has_prefix(name, prefix)) return true;
  }
  return false;
}

// Stops decodebin at streams that are not sound: they are exposed undecoded and left unlinked.
gboolean ContinueOnlyForSound(GstElement*, GstPad*, GstCaps* caps, gpointer) { return !IsPictureOrText(caps); }

// Video parsers and decoders are never plugged: decoding pictures only to throw them away doubles
// the time of an extraction. Demuxers (whose class also names video) are plugged as usual.
gint SelectOnlySoundElements(GstElement*, GstPad*, GstCaps*, GstElementFactory* factory, gpointer) {
  const char* klass = gst_element_factory_get_metadata(factory, GST_ELEMENT_METADATA_KLASS);
  if (!klass || std::strstr(klass, "Demux")) return kAutoplugTry;
  if (IsSlowerMpegAudioDecoder(factory)) return kAutoplugSkip;
  for (const char* kind : {"Video", "Image", "Subtitle"}) {
    if (std::strstr(klass, kind)) return kAutoplugExpose;
  }
  return kAutoplugTry;
}

}  // namespace

SourceFilter::~SourceFilter() {
  if (m_element) gst_object_unref(m_element);
}

HRESULT SourceFilter::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_AsyncReader;
  return S_OK;
}

HRESULT SourceFilter::Prepare() {
  if (m_element) return S_OK;
  if (m_uri.empty()) return E_INVALIDARG;
  GstElement* element = gst_element_factory_make("uridecodebin", "Source");
  if (!element) return VFW_E_CANNOT_RENDER;
  GstCaps* rawAudio = gst_caps_from_string("audio/x-raw");
  g_object_set(element, "uri", m_uri.c_str(), "caps", rawAudio, nullptr);
  gst_caps_unref(rawAudio);
  g_signal_connect(element, "autoplug-continue", G_CALLBACK(&ContinueOnlyForSound), nullptr);
  g_signal_connect(element, "autoplug-select", G_CALLBACK(&SelectOnlySoundElements), nullptr);
  m_element = GST_ELEMENT(gst_object_ref_sink(element));
  return S_OK;
}

}  // namespace dshow
