// The media engine object: one filter graph and the interfaces taken from it. The main window uses
// one for the preview of each opened file; the extraction window uses its own to write the MP3.
#pragma once

#include <string>

#include "media/ExtractRequest.h"
#include "platform/dshow/dshow.h"
#include "platform/win/windows.h"

class CProgressCtrl;

// The private message a graph posts to its event window when events are queued.
#ifndef WM_GRAPHNOTIFY
#define WM_GRAPHNOTIFY (WM_APP + 10)
#endif

class CMediaGraph {
 public:
  CMediaGraph();
  virtual ~CMediaGraph();

  void CreateGraph();
  void ReleaseGraph();

  // Preview.
  BOOL OpenMediaFile(const char* pszPath);
  void SetEventWindow(HWND hwnd);
  void AttachVideoWindow(HWND hwnd);
  void Play();
  void Pause();
  void Stop();
  REFERENCE_TIME GetDuration();
  REFERENCE_TIME GetCurrentPosition();
  void SeekToMs(LONGLONG llMs);
  void SeekByMs(LONGLONG llDeltaMs);
  IMediaEventEx* GetMediaEvent() { return m_pMediaEvent; }
  IMediaSeeking* GetMediaSeeking() { return m_pMediaSeeking; }

  // Extraction.
  BOOL BuildExtractionGraph(const ExtractRequest& request);
  void RunExtraction(CProgressCtrl* pProgress);
  void RequestCancel();

  IGraphBuilder* m_pGraphBuilder;
  IMediaEventEx* m_pMediaEvent;
  IMediaSeeking* m_pMediaSeeking;
  IVideoWindow* m_pVideoWindow;
  IMediaControl* m_pMediaControl;
  ICaptureGraphBuilder2* m_pCaptureBuilder;
  IBaseFilter* m_pEncoder;
  IBaseFilter* m_pFileSink;
  IBaseFilter* m_pSource;
  REFERENCE_TIME m_rtStart;
  REFERENCE_TIME m_rtStop;
  REFERENCE_TIME m_rtLength;
  char m_szOutputPath[MAX_PATH];
  // 64-bit: a long range at a high bit rate passes 2 GB.
  LONGLONG m_nExpectedSize;
  BOOL m_bCancel;

 private:
  BOOL CreateEncoder(const ExtractRequest& request);
  BOOL CreateSink();
  BOOL PrepareSaveDirectory(const char* pszSaveDir);
  BOOL ChooseFreeOutputName(const char* pszSourcePath);
  void GiveSinkItsFile();
  BOOL ConnectExtractionChain(const ExtractRequest& request);
  void SetRange(const ExtractRequest& request);

  // Gives back the reference an interface pointer holds and leaves it null.
  template <class T>
  static void ReleaseInterface(T*& p) {
    if (p != nullptr) {
      p->Release();
      p = nullptr;
    }
  }
};

// The file's base name: from just after the last '/' to just before the last '.'; empty when there
// is no dot after the last '/'.
std::string ExtractionBaseName(const char* pszSourcePath);
// Bytes of the range at the byte rate: length x rate x 1e-7, truncated toward zero.
LONGLONG ExpectedOutputSize(REFERENCE_TIME rtLength, int nByteRate);
// Percentage of the expected size reached, truncated toward zero, without overflow.
LONGLONG ProgressPercent(ULONGLONG nSize, LONGLONG nExpectedSize);
