// The MP3 encoder filter: converts and resamples decoded sound to the chosen rate and channels and
// encodes it with LAME at a constant (or average) bit rate.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/dshow/GstFilter.h"

namespace dshow {

class Mp3EncoderFilter final : public com::ComObject<IBaseFilter, IAudioEncoderProperties, IGstFilter> {
 public:
  static HRESULT Create(REFIID riid, void** ppv);

  STDMETHOD(GetClassID)(CLSID* clsid) override;

  STDMETHOD(get_EncoderQuality)(DWORD* quality) override { return Get(m_quality, quality); }
  STDMETHOD(set_EncoderQuality)(DWORD quality) override;
  STDMETHOD(get_Bitrate)(DWORD* kbps) override { return Get(m_bitrate, kbps); }
  STDMETHOD(set_Bitrate)(DWORD kbps) override;
  STDMETHOD(get_VariableBitrate)(DWORD* variable) override { return Get(m_variable, variable); }
  STDMETHOD(set_VariableBitrate)(DWORD variable) override;
  STDMETHOD(get_CopyrightFlag)(DWORD*) override { return E_NOTIMPL; }
  STDMETHOD(set_CopyrightFlag)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(get_OriginalFlag)(DWORD*) override { return E_NOTIMPL; }
  STDMETHOD(set_OriginalFlag)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(get_CrcProtection)(DWORD*) override { return E_NOTIMPL; }
  STDMETHOD(set_CrcProtection)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(get_PrivateFlag)(DWORD*) override { return E_NOTIMPL; }
  STDMETHOD(set_PrivateFlag)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(get_EmphasisFlag)(DWORD*) override { return E_NOTIMPL; }
  STDMETHOD(set_EmphasisFlag)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(get_SampleRate)(DWORD* hertz) override { return Get(m_sampleRate, hertz); }
  STDMETHOD(set_SampleRate)(DWORD hertz) override;
  STDMETHOD(get_ChannelMode)(DWORD* mode) override { return Get(m_channelMode, mode); }
  STDMETHOD(set_ChannelMode)(DWORD mode) override;

  STDMETHOD(Prepare)() override;
  STDMETHOD_(GstElement*, Element)() override { return m_element; }
  STDMETHOD_(void, Abandon)() override {}

 private:
  Mp3EncoderFilter() = default;
  ~Mp3EncoderFilter() override;

  static HRESULT Get(DWORD value, DWORD* out);
  // Settings are fixed once the element exists.
  HRESULT Set(DWORD* setting, DWORD value, bool valid);
  GstElement* BuildBin() const;

  DWORD m_quality = 1;
  DWORD m_bitrate = 128;
  DWORD m_variable = 0;
  DWORD m_sampleRate = 44100;
  DWORD m_channelMode = MP3_CHANNELS_JOINT_STEREO;
  GstElement* m_element = nullptr;
};

}  // namespace dshow
