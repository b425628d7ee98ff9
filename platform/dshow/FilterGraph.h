// The filter graph manager. It renders a file for preview (playbin, video into this layer's
// renderer window, sound to the sound device) or, given filters by the program and connected by the
// capture graph builder, runs an extraction (sound-only source, MP3 encoder, file sink).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/dshow/EventQueue.h"
#include "platform/dshow/ExtractionChain.h"
#include "platform/dshow/GstFilter.h"
#include "platform/dshow/PipelineController.h"
#include "platform/dshow/Positioner.h"
#include "platform/dshow/RangeClipper.h"
#include "platform/dshow/SeekSkipper.h"
#include "platform/dshow/VideoFrameStore.h"
#include "platform/dshow/VideoWindow.h"

namespace dshow {

class FilterGraph final : public com::ComObject<IGraphBuilder, IMediaControl, IMediaSeeking, IMediaEventEx,
                                                IVideoWindow, IBasicVideo, IGstGraph> {
 public:
  static HRESULT Create(REFIID riid, void** ppv);

  // IFilterGraph, IGraphBuilder
  STDMETHOD(AddFilter)(IBaseFilter* filter, LPCWSTR name) override;
  STDMETHOD(RemoveFilter)(IBaseFilter* filter) override;
  STDMETHOD(FindFilterByName)(LPCWSTR name, IBaseFilter** filter) override;
  STDMETHOD(RenderFile)(LPCWSTR file, LPCWSTR playList) override;
  STDMETHOD(AddSourceFilter)(LPCWSTR file, LPCWSTR filterName, IBaseFilter** filter) override;

  // IMediaControl
  STDMETHOD(Run)() override;
  STDMETHOD(Pause)() override;
  STDMETHOD(Stop)() override;
  STDMETHOD(GetState)(LONG msTimeout, OAFilterState* state) override;

  // IMediaSeeking
  STDMETHOD(GetDuration)(LONGLONG* duration) override;
  STDMETHOD(GetStopPosition)(LONGLONG* stop) override;
  STDMETHOD(GetCurrentPosition)(LONGLONG* current) override;
  STDMETHOD(SetPositions)(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override;
  STDMETHOD(GetPositions)(LONGLONG* current, LONGLONG* stop) override;

  // IMediaEvent, IMediaEventEx
  STDMETHOD(GetEvent)(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG msTimeout) override;
  STDMETHOD(WaitForCompletion)(LONG msTimeout, LONG* code) override;
  STDMETHOD(FreeEventParams)(LONG, LONG_PTR, LONG_PTR) override { return S_OK; }
  STDMETHOD(SetNotifyWindow)(OAHWND hwnd, LONG message, LONG_PTR instance) override;

  // IVideoWindow
  STDMETHOD(put_Visible)(LONG visible) override;
  STDMETHOD(get_Visible)(LONG* visible) override;
  STDMETHOD(put_Owner)(OAHWND owner) override;
  STDMETHOD(get_Owner)(OAHWND* owner) override;
  STDMETHOD(put_Left)(LONG left) override;
  STDMETHOD(put_Top)(LONG top) override;
  STDMETHOD(put_Width)(LONG width) override;
  STDMETHOD(put_Height)(LONG height) override;
  STDMETHOD(SetWindowPosition)(LONG left, LONG top, LONG width, LONG height) override;
  STDMETHOD(GetWindowPosition)(LONG* left, LONG* top, LONG* width, LONG* height) override;
  STDMETHOD(put_WindowStyle)(LONG style) override;
  STDMETHOD(get_WindowStyle)(LONG* style) override;
  STDMETHOD(put_MessageDrain)(OAHWND drain) override;
  STDMETHOD(get_MessageDrain)(OAHWND* drain) override;

  // IBasicVideo
  STDMETHOD(GetVideoSize)(LONG* width, LONG* height) override;
  STDMETHOD(GetCurrentImage)(LONG* bufferSize, LONG* image) override;

  // IGstGraph
  STDMETHOD(ConnectAudioChain)(IBaseFilter* source, IBaseFilter* intermediate, IBaseFilter* sink) override;

 protected:
  void* QueryExtraInterface(REFIID riid) override;

 private:
  enum class Mode { Empty, Preview, Extraction };
  struct NamedFilter {
    IBaseFilter* filter;
    std::u16string name;
  };

  FilterGraph();
  ~FilterGraph() override;

  HRESULT BuildPreview(const std::string& uri);
  void TakeOrigin();
  HRESULT PrepareChain(IGstFilter* const (&filters)[3]);
  HRESULT RequireVideo() const;
  HRESULT MoveWindow(LONG left, LONG top, LONG width, LONG height);
  static LONGLONG Resolve(const LONGLONG* value, DWORD flags, LONGLONG current);
  gint64 PositionNs() const;
  GstState WantedState() const;

  EventQueue m_events;
  VideoFrameStore m_frames;
  VideoWindow m_window{m_frames};
  SeekSkipper m_skipper;
  RangeClipper m_clipper;
  PipelineController m_pipeline{m_events};
  Positioner m_positioner{m_pipeline};
  std::unique_ptr<ExtractionChain> m_chain;
  std::vector<NamedFilter> m_filters;
  Mode m_mode = Mode::Empty;
  FILTER_STATE m_state = State_Stopped;
  bool m_hasVideo = false;
  HRESULT m_buildFailure = S_OK;
  bool m_failureReported = false;
  // Stream time of the first frame: positions count from it (MPEG program streams start at ~0.5 s).
  gint64 m_origin = 0;
  mutable gint64 m_lastPosition = 0;
  mutable gint64 m_lastDuration = 0;
  gint64 m_stop = -1;
};

}  // namespace dshow
