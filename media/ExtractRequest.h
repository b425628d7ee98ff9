// What the main window hands to the extraction window and the media engine for one extraction.
#pragma once

#include "platform/win/windef.h"

struct ExtractRequest {
  LONGLONG llStartMs;  // the marked band's start, milliseconds
  LONGLONG llEndMs;    // the marked band's end, milliseconds
  int nSampleRate;     // hertz
  int nByteRate;       // bytes per second of the MP3 stream
  BOOL bStereo;
  char szSourcePath[MAX_PATH];
  char szSaveDir[MAX_PATH];  // always ends in '/'
};
