// The property interface of the MP3 encoder filter. The program reaches the three settings it uses
// by their vtable slots (counted from QueryInterface = 0): 6 bit rate, 20 sample rate, 22 channel
// mode, so the order of the methods below is fixed.
#pragma once

#include "platform/com/objbase.h"

// Channel modes of set_ChannelMode.
#define MP3_CHANNELS_JOINT_STEREO 0
#define MP3_CHANNELS_STEREO 1
#define MP3_CHANNELS_MONO 2

struct IAudioEncoderProperties : IUnknown {
  // Encoder effort: 0 fast, 1 standard (default), 2 high.
  STDMETHOD(get_EncoderQuality)(DWORD* quality) = 0;       // 3
  STDMETHOD(set_EncoderQuality)(DWORD quality) = 0;        // 4
  // Bit rate in kbit/s, 8 to 320; default 128.
  STDMETHOD(get_Bitrate)(DWORD* kbps) = 0;                 // 5
  STDMETHOD(set_Bitrate)(DWORD kbps) = 0;                  // 6
  // 0 constant bit rate (default), 1 average bit rate around the set bit rate.
  STDMETHOD(get_VariableBitrate)(DWORD* variable) = 0;     // 7
  STDMETHOD(set_VariableBitrate)(DWORD variable) = 0;      // 8
  // Header flags that this encoder does not write: E_NOTIMPL.
  STDMETHOD(get_CopyrightFlag)(DWORD* flag) = 0;           // 9
  STDMETHOD(set_CopyrightFlag)(DWORD flag) = 0;            // 10
  STDMETHOD(get_OriginalFlag)(DWORD* flag) = 0;            // 11
  STDMETHOD(set_OriginalFlag)(DWORD flag) = 0;             // 12
  STDMETHOD(get_CrcProtection)(DWORD* flag) = 0;           // 13
  STDMETHOD(set_CrcProtection)(DWORD flag) = 0;            // 14
  STDMETHOD(get_PrivateFlag)(DWORD* flag) = 0;             // 15
  STDMETHOD(set_PrivateFlag)(DWORD flag) = 0;              // 16
  STDMETHOD(get_EmphasisFlag)(DWORD* flag) = 0;            // 17
  STDMETHOD(set_EmphasisFlag)(DWORD flag) = 0;             // 18
  // Output sample rate in Hz, one of the MPEG audio rates 8000 to 48000; default 44100.
  STDMETHOD(get_SampleRate)(DWORD* hertz) = 0;             // 19
  STDMETHOD(set_SampleRate)(DWORD hertz) = 0;              // 20
  // MP3_CHANNELS_*; default joint stereo.
  STDMETHOD(get_ChannelMode)(DWORD* mode) = 0;             // 21
  STDMETHOD(set_ChannelMode)(DWORD mode) = 0;              // 22
};
