#include "platform/dshow/Mp3EncoderFilter.h"

#include <algorithm>
#include <string>

namespace dshow {

namespace {

constexpr DWORD kMpegSampleRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

GstElement* MakeCapsFilter(const std::string& caps) {
  GstElement* filter = gst_element_factory_make("capsfilter", nullptr);
  GstCaps* parsed = gst_caps_from_string(caps.c_str());
  g_object_set(filter, "caps", parsed, nullptr);
  gst_caps_unref(parsed);
  return filter;
}

void AddGhostPad(GstElement* bin, GstElement* element, const char* padName) {
  GstPad* pad = gst_element_get_static_pad(element, padName);
  gst_element_add_pad(bin, gst_ghost_pad_new(padName, pad));
  gst_object_unref(pad);
}

}  // namespace

HRESULT Mp3EncoderFilter::Create(REFIID riid, void** ppv) {
  auto* filter = new Mp3EncoderFilter;
  HRESULT hr = filter->QueryInterface(riid, ppv);
  filter->Release();
  return hr;
}

Mp3EncoderFilter::~Mp3EncoderFilter() {
  if (m_element) gst_object_unref(m_element);
}

HRESULT Mp3EncoderFilter::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Mp3EncoderFilter;
  return S_OK;
}

HRESULT Mp3EncoderFilter::Get(DWORD value, DWORD* out) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

HRESULT Mp3EncoderFilter::Set(DWORD* setting, DWORD value, bool valid) {
  if (!valid) return E_INVALIDARG;
  if (m_element) return VFW_E_WRONG_STATE;
  *setting = value;
  return S_OK;
}

HRESULT Mp3EncoderFilter::set_EncoderQuality(DWORD quality) { return Set(&m_quality, quality, quality <= 2); }

HRESULT Mp3EncoderFilter::set_Bitrate(DWORD kbps) { return Set(&m_bitrate, kbps, kbps >= 8 && kbps <= 320); }

HRESULT Mp3EncoderFilter::set_VariableBitrate(DWORD variable) { return Set(&m_variable, variable, variable <= 1); }

HRESULT Mp3EncoderFilter::set_SampleRate(DWORD hertz) {
  bool valid = std::find(std::begin(kMpegSampleRates), std::end(kMpegSampleRates), hertz) != std::end(kMpegSampleRates);
  return Set(&m_sampleRate, hertz, valid);
}

HRESULT Mp3EncoderFilter::set_ChannelMode(DWORD mode) {
  return Set(&m_channelMode, mode, mode <= MP3_CHANNELS_MONO);
}

HRESULT Mp3EncoderFilter::Prepare() {
  if (m_element) return S_OK;
  GstElement* bin = BuildBin();
  if (!bin) return VFW_E_CANNOT_RENDER;
  m_element = GST_ELEMENT(gst_object_ref_sink(bin));
  return S_OK;
}

GstElement* Mp3EncoderFilter::BuildBin() const {
  GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
  GstElement* resample = gst_element_factory_make("audioresample", nullptr);
  GstElement* encoder = gst_element_factory_make("lamemp3enc", nullptr);
  if (!convert || !resample || !encoder) {
    for (GstElement* element : {convert, resample, encoder}) {
      if (element) gst_object_unref(gst_object_ref_sink(element));
    }
    return nullptr;
  }
  const int channels = m_channelMode == MP3_CHANNELS_MONO ? 1 : 2;
  const std::string rate = std::to_string(m_sampleRate);
  GstElement* rawFormat = MakeCapsFilter("audio/x-raw,rate=" + rate + ",channels=" + std::to_string(channels));
  // lamemp3enc may pick another output rate for low bit rates; the caps keep the one asked for.
  GstElement* mp3Format = MakeCapsFilter("audio/mpeg,rate=" + rate);
  g_object_set(encoder, "target", 1 /* bitrate */, "bitrate", static_cast<gint>(m_bitrate), "cbr",
               m_variable == 0 ? TRUE : FALSE, "encoding-engine-quality", static_cast<gint>(m_quality), nullptr);

  GstElement* bin = gst_bin_new("Lame");
  gst_bin_add_many(GST_BIN(bin), convert, resample, rawFormat, encoder, mp3Format, nullptr);
  if (!gst_element_link_many(convert, resample, rawFormat, encoder, mp3Format, nullptr)) {
    gst_object_unref(gst_object_ref_sink(bin));
    return nullptr;
  }
  AddGhostPad(bin, convert, "sink");
  AddGhostPad(bin, mp3Format, "src");
  return bin;
}

}  // namespace dshow
