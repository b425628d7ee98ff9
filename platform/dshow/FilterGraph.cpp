#include "platform/dshow/FilterGraph.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "platform/dshow/GstRuntime.h"
#include "platform/dshow/PathText.h"
#include "platform/dshow/SourceFilter.h"
#include "platform/dshow/VideoSink.h"

namespace dshow {

namespace {

constexpr std::chrono::seconds kRenderTimeout{20};
constexpr gint64 kNsPerUnit = 100;  // REFERENCE_TIME counts 100 ns

GstElement* CreateAudioSink() {
  // autoaudiosink falls back by itself to a clock-synchronised fakesink when no sound device answers.
  GstElement* sink = gst_element_factory_make("autoaudiosink", "audio-renderer");
  if (!sink) {
    sink = gst_element_factory_make("fakesink", "audio-renderer");
    if (sink) g_object_set(sink, "sync", TRUE, nullptr);
  }
  return sink;
}

void AttachSkipper(SeekSkipper& skipper, GstElement* sink) {
  GstPad* pad = gst_element_get_static_pad(sink, "sink");
  if (!pad) return;
  skipper.Attach(pad);
  gst_object_unref(pad);
}

IGstFilter* GstFilterOf(IBaseFilter* filter) {
  IGstFilter* gstFilter = nullptr;
  if (filter) filter->QueryInterface(IID_IGstFilter, reinterpret_cast<void**>(&gstFilter));
  return gstFilter;
}

}  // namespace

HRESULT FilterGraph::Create(REFIID riid, void** ppv) {
  if (!EnsureGStreamer()) return E_FAIL;
  auto* graph = new FilterGraph;
  HRESULT hr = graph->QueryInterface(riid, ppv);
  graph->Release();
  return hr;
}

FilterGraph::FilterGraph() = default;

FilterGraph::~FilterGraph() {
  // Streaming threads call into the members below until the pipeline has stopped.
  m_pipeline.Shutdown();
  for (NamedFilter& entry : m_filters) entry.filter->Release();
}

void* FilterGraph::QueryExtraInterface(REFIID riid) {
  if (IsEqualGUID(riid, IID_IFilterGraph)) return static_cast<IFilterGraph*>(static_cast<IGraphBuilder*>(this));
  if (IsEqualGUID(riid, IID_IMediaEvent)) return static_cast<IMediaEvent*>(static_cast<IMediaEventEx*>(this));
  return nullptr;
}

// ---- Filters ----

HRESULT FilterGraph::AddFilter(IBaseFilter* filter, LPCWSTR name) {
  if (!filter) return E_POINTER;
  filter->AddRef();
  m_filters.push_back({filter, name ? std::u16string(name) : std::u16string()});
  return S_OK;
}

HRESULT FilterGraph::RemoveFilter(IBaseFilter* filter) {
  auto found = std::find_if(m_filters.begin(), m_filters.end(), [&](const NamedFilter& e) { return e.filter == filter; });
  if (found == m_filters.end()) return E_INVALIDARG;
  found->filter->Release();
  m_filters.erase(found);
  return S_OK;
}

HRESULT FilterGraph::FindFilterByName(LPCWSTR name, IBaseFilter** filter) {
  if (!name || !filter) return E_POINTER;
  *filter = nullptr;
  for (const NamedFilter& entry : m_filters) {
    if (entry.name == name) {
      *filter = entry.filter;
      entry.filter->AddRef();
      return S_OK;
    }
  }
  return E_FAIL;
}

HRESULT FilterGraph::AddSourceFilter(LPCWSTR file, LPCWSTR filterName, IBaseFilter** filter) {
  if (!file || !filter) return E_POINTER;
  *filter = nullptr;
  std::string path = Utf8FromWide(file);
  struct stat info;
  if (path.empty() || stat(path.c_str(), &info) != 0) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  auto* source = new SourceFilter(FileUriFromPath(path));
  HRESULT hr = AddFilter(source, filterName);
  if (SUCCEEDED(hr)) {
    *filter = source;
  } else {
    source->Release();
  }
  return hr;
}

// ---- Building ----

HRESULT FilterGraph::RenderFile(LPCWSTR file, LPCWSTR playList) {
  if (!file) return E_POINTER;
  if (playList) return E_INVALIDARG;
  if (m_mode != Mode::Empty) return VFW_E_WRONG_STATE;
  std::string uri = FileUriFromPath(Utf8FromWide(file));
  if (uri.empty()) return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  HRESULT hr = BuildPreview(uri);
  if (FAILED(hr)) {
    m_pipeline.Shutdown();
    return hr;
  }
  m_mode = Mode::Preview;
  m_state = State_Stopped;
  TakeOrigin();
  m_pipeline.ReportEvents(true);
  return S_OK;
}

void FilterGraph::TakeOrigin() {
  // Extraction: the first decoded sound; the sink's position only knows the encoded frames.
  gint64 position = m_mode == Mode::Extraction ? m_clipper.FirstStreamTime() : 0;
  if (m_mode == Mode::Preview && !m_pipeline.QueryPosition(&position)) position = 0;
  m_origin = std::max<gint64>(0, position);
  m_positioner.SetOrigin(m_origin);
}

HRESULT FilterGraph::BuildPreview(const std::string& uri) {
  GstElement* playbin = gst_element_factory_make("playbin", "preview");
  GstElement* videoSink = CreateVideoSink(m_frames);
  GstElement* audioSink = CreateAudioSink();
  if (!playbin || !videoSink || !audioSink) {
    for (GstElement* element : {playbin, videoSink, audioSink}) {
      if (element) gst_object_unref(gst_object_ref_sink(element));
    }
    return VFW_E_CANNOT_RENDER;
  }
  AttachSkipper(m_skipper, videoSink);
  AttachSkipper(m_skipper, audioSink);
  g_object_set(playbin, "uri", uri.c_str(), "video-sink", videoSink, "audio-sink", audioSink, nullptr);
  m_positioner.UseSkipper(&m_skipper);
  m_positioner.Watch(playbin);
  m_pipeline.Adopt(playbin);
  HRESULT hr = m_pipeline.Preroll(kRenderTimeout);
  if (FAILED(hr)) return hr;
  gint videoStreams = 0;
  gint audioStreams = 0;
  g_object_get(playbin, "n-video", &videoStreams, "n-audio", &audioStreams, nullptr);
  if (videoStreams == 0 && audioStreams == 0) return VFW_E_UNSUPPORTED_STREAM;
  m_hasVideo = videoStreams > 0;
  return S_OK;
}

HRESULT FilterGraph::ConnectAudioChain(IBaseFilter* source, IBaseFilter* intermediate, IBaseFilter* sink) {
  if (m_mode != Mode::Empty) return VFW_E_WRONG_STATE;
  IGstFilter* filters[3] = {GstFilterOf(source), GstFilterOf(intermediate), GstFilterOf(sink)};
  HRESULT hr = PrepareChain(filters);
  if (SUCCEEDED(hr)) {
    m_chain = std::make_unique<ExtractionChain>(m_pipeline, m_clipper, m_positioner);
    m_positioner.UseClipper(&m_clipper);
    hr = m_chain->Connect(filters[0]->Element(), filters[1]->Element(), filters[2]->Element());
  }
  if (FAILED(hr)) {
    m_pipeline.Shutdown();
    for (IGstFilter* filter : filters) {
      if (filter) filter->Abandon();
    }
    m_buildFailure = hr;
  } else {
    m_mode = Mode::Extraction;
    m_state = State_Stopped;
    TakeOrigin();
    m_pipeline.ReportEvents(true);
  }
  for (IGstFilter* filter : filters) {
    if (filter) filter->Release();
  }
  return hr;
}

HRESULT FilterGraph::PrepareChain(IGstFilter* const (&filters)[3]) {
  for (IGstFilter* filter : filters) {
    if (!filter) return E_NOINTERFACE;
  }
  // The sink last: it creates the output file, which is pointless if the others cannot be made.
  for (IGstFilter* filter : filters) {
    HRESULT hr = filter->Prepare();
    if (FAILED(hr)) return hr;
  }
  return S_OK;
}

// ---- Run state ----

GstState FilterGraph::WantedState() const { return m_state == State_Running ? GST_STATE_PLAYING : GST_STATE_PAUSED; }

HRESULT FilterGraph::Run() {
  if (m_mode == Mode::Empty) {
    if (FAILED(m_buildFailure) && !m_failureReported) {
      // A graph that could not be built aborts at once, so a program waiting for completion learns it.
      m_failureReported = true;
      m_events.Post(EC_ERRORABORT, m_buildFailure, 0);
    }
    return FAILED(m_buildFailure) ? m_buildFailure : VFW_E_WRONG_STATE;
  }
  if (m_pipeline.AtEndOfStream()) {
    // PLAYING after the end does nothing: play on from where the position is.
    m_events.ResetCompletion();
    m_positioner.Seek(PositionNs(), -1, GST_STATE_PLAYING, false);
  }
  m_state = State_Running;
  return m_pipeline.SetState(GST_STATE_PLAYING) ? S_OK : E_FAIL;
}

HRESULT FilterGraph::Pause() {
  if (m_mode == Mode::Empty) return VFW_E_WRONG_STATE;
  m_state = State_Paused;
  return m_pipeline.SetState(GST_STATE_PAUSED) ? S_OK : E_FAIL;
}

HRESULT FilterGraph::Stop() {
  if (m_mode == Mode::Empty) return S_OK;
  // Paused, not READY: the position stays for the next Run.
  m_state = State_Stopped;
  return m_pipeline.SetState(GST_STATE_PAUSED) ? S_OK : E_FAIL;
}

HRESULT FilterGraph::GetState(LONG, OAFilterState* state) {
  if (!state) return E_POINTER;
  *state = m_state;
  return S_OK;
}

// ---- Seeking ----

gint64 FilterGraph::PositionNs() const {
  gint64 position = 0;
  if (m_pipeline.QueryPosition(&position) && position >= 0) m_lastPosition = std::max<gint64>(0, position - m_origin);
  gint64 duration = 0;
  if (m_pipeline.QueryDuration(&duration)) m_lastDuration = duration;
  if (m_lastDuration > 0) m_lastPosition = std::min(m_lastPosition, m_lastDuration);
  return m_lastPosition;
}

HRESULT FilterGraph::GetDuration(LONGLONG* duration) {
  if (!duration) return E_POINTER;
  if (m_mode == Mode::Empty) return VFW_E_WRONG_STATE;
  gint64 value = 0;
  if (m_pipeline.QueryDuration(&value)) m_lastDuration = value;
  *duration = m_lastDuration / kNsPerUnit;
  return S_OK;
}

HRESULT FilterGraph::GetCurrentPosition(LONGLONG* current) {
  if (!current) return E_POINTER;
  if (m_mode == Mode::Empty) return VFW_E_WRONG_STATE;
  *current = PositionNs() / kNsPerUnit;
  return S_OK;
}

HRESULT FilterGraph::GetStopPosition(LONGLONG* stop) {
  if (!stop) return E_POINTER;
  LONGLONG duration = 0;
  HRESULT hr = GetDuration(&duration);
  *stop = m_stop >= 0 ? m_stop / kNsPerUnit : duration;
  return hr;
}

HRESULT FilterGraph::GetPositions(LONGLONG* current, LONGLONG* stop) {
  HRESULT hr = S_OK;
  if (current) hr = GetCurrentPosition(current);
  if (SUCCEEDED(hr) && stop) hr = GetStopPosition(stop);
  return hr;
}

LONGLONG FilterGraph::Resolve(const LONGLONG* value, DWORD flags, LONGLONG current) {
  switch (flags & AM_SEEKING_PositioningBitsMask) {
    case AM_SEEKING_AbsolutePositioning:
      return *value;
    case AM_SEEKING_RelativePositioning:
    case AM_SEEKING_IncrementalPositioning:
      return current + *value;
    default:
      return -1;
  }
}

HRESULT FilterGraph::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) {
  bool moveCurrent = (currentFlags & AM_SEEKING_PositioningBitsMask) != AM_SEEKING_NoPositioning;
  bool moveStop = (stopFlags & AM_SEEKING_PositioningBitsMask) != AM_SEEKING_NoPositioning;
  if ((moveCurrent && !current) || (moveStop && !stop)) return E_POINTER;
  if (m_mode == Mode::Empty) return VFW_E_WRONG_STATE;
  LONGLONG now = PositionNs() / kNsPerUnit;
  LONGLONG start = moveCurrent ? std::max<LONGLONG>(0, Resolve(current, currentFlags, now)) : -1;
  if (moveStop) {
    LONGLONG stopUnits = Resolve(stop, stopFlags, m_stop >= 0 ? m_stop / kNsPerUnit : now);
    m_stop = std::max<LONGLONG>(0, stopUnits) * kNsPerUnit;
  }
  if (moveCurrent) {
    m_events.ResetCompletion();
    m_lastPosition = start * kNsPerUnit;
  }
  bool settle = m_mode == Mode::Preview;
  gint64 startNs = moveCurrent ? start * kNsPerUnit : -1;
  if (!m_positioner.Seek(startNs, m_stop, WantedState(), settle)) return E_FAIL;
  if (moveCurrent && (currentFlags & AM_SEEKING_ReturnTime)) *current = PositionNs() / kNsPerUnit;
  return S_OK;
}

// ---- Events ----

HRESULT FilterGraph::GetEvent(LONG* code, LONG_PTR* param1, LONG_PTR* param2, LONG msTimeout) {
  return m_events.Get(code, param1, param2, msTimeout);
}

HRESULT FilterGraph::WaitForCompletion(LONG msTimeout, LONG* code) { return m_events.WaitForCompletion(msTimeout, code); }

HRESULT FilterGraph::SetNotifyWindow(OAHWND hwnd, LONG message, LONG_PTR instance) {
  m_events.SetNotifyWindow(reinterpret_cast<HWND>(hwnd), static_cast<UINT>(message), instance);
  return S_OK;
}

// ---- Video window ----

HRESULT FilterGraph::RequireVideo() const { return m_hasVideo ? S_OK : VFW_E_NOT_CONNECTED; }

HRESULT FilterGraph::put_Visible(LONG visible) {
  HRESULT hr = RequireVideo();
  if (SUCCEEDED(hr)) m_window.SetVisible(visible != OAFALSE);
  return hr;
}

HRESULT FilterGraph::get_Visible(LONG* visible) {
  if (!visible) return E_POINTER;
  *visible = m_window.Visible() ? OATRUE : OAFALSE;
  return RequireVideo();
}

HRESULT FilterGraph::put_Owner(OAHWND owner) {
  HRESULT hr = RequireVideo();
  if (FAILED(hr)) return hr;
  return m_window.SetOwner(reinterpret_cast<HWND>(owner)) ? S_OK : E_INVALIDARG;
}

HRESULT FilterGraph::get_Owner(OAHWND* owner) {
  if (!owner) return E_POINTER;
  *owner = reinterpret_cast<OAHWND>(m_window.Owner());
  return RequireVideo();
}

HRESULT FilterGraph::MoveWindow(LONG left, LONG top, LONG width, LONG height) {
  HRESULT hr = RequireVideo();
  if (FAILED(hr)) return hr;
  if (width < 0 || height < 0) return E_INVALIDARG;
  m_window.SetPosition({left, top, left + width, top + height});
  return S_OK;
}

HRESULT FilterGraph::put_Left(LONG left) {
  RECT r = m_window.Position();
  return MoveWindow(left, r.top, r.right - r.left, r.bottom - r.top);
}

HRESULT FilterGraph::put_Top(LONG top) {
  RECT r = m_window.Position();
  return MoveWindow(r.left, top, r.right - r.left, r.bottom - r.top);
}

HRESULT FilterGraph::put_Width(LONG width) {
  RECT r = m_window.Position();
  return MoveWindow(r.left, r.top, width, r.bottom - r.top);
}

HRESULT FilterGraph::put_Height(LONG height) {
  RECT r = m_window.Position();
  return MoveWindow(r.left, r.top, r.right - r.left, height);
}

HRESULT FilterGraph::SetWindowPosition(LONG left, LONG top, LONG width, LONG height) {
  return MoveWindow(left, top, width, height);
}

HRESULT FilterGraph::GetWindowPosition(LONG* left, LONG* top, LONG* width, LONG* height) {
  if (!left || !top || !width || !height) return E_POINTER;
  RECT r = m_window.Position();
  *left = r.left;
  *top = r.top;
  *width = r.right - r.left;
  *height = r.bottom - r.top;
  return RequireVideo();
}

HRESULT FilterGraph::put_WindowStyle(LONG style) {
  HRESULT hr = RequireVideo();
  if (SUCCEEDED(hr)) m_window.SetStyle(style);
  return hr;
}

HRESULT FilterGraph::get_WindowStyle(LONG* style) {
  if (!style) return E_POINTER;
  *style = m_window.Style();
  return RequireVideo();
}

HRESULT FilterGraph::put_MessageDrain(OAHWND drain) {
  HRESULT hr = RequireVideo();
  if (SUCCEEDED(hr)) m_window.SetMessageDrain(reinterpret_cast<HWND>(drain));
  return hr;
}

HRESULT FilterGraph::get_MessageDrain(OAHWND* drain) {
  if (!drain) return E_POINTER;
  *drain = reinterpret_cast<OAHWND>(m_window.MessageDrain());
  return RequireVideo();
}

// ---- Current image ----

HRESULT FilterGraph::GetVideoSize(LONG* width, LONG* height) {
  if (!width || !height) return E_POINTER;
  HRESULT hr = RequireVideo();
  if (FAILED(hr)) return hr;
  *width = *height = 0;
  m_frames.WithFrame([&](const VideoFrame& frame) {
    *width = frame.width;
    *height = frame.height;
  });
  return S_OK;
}

HRESULT FilterGraph::GetCurrentImage(LONG* bufferSize, LONG* image) {
  if (!bufferSize) return E_POINTER;
  HRESULT hr = RequireVideo();
  if (FAILED(hr)) return hr;
  bool have = m_frames.WithFrame([&](const VideoFrame& frame) {
    const size_t rowBytes = static_cast<size_t>(frame.width) * 4;
    const size_t needed = sizeof(BITMAPINFOHEADER) + frame.pixels.size();
    if (!image) {
      *bufferSize = static_cast<LONG>(needed);
      return;
    }
    if (static_cast<size_t>(*bufferSize) < needed) {
      hr = E_OUTOFMEMORY;
      return;
    }
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = frame.width;
    header.biHeight = frame.height;  // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(frame.pixels.size());
    auto* out = reinterpret_cast<uint8_t*>(image);
    std::memcpy(out, &header, sizeof header);
    out += sizeof header;
    for (int y = 0; y < frame.height; ++y) {
      std::memcpy(out + rowBytes * static_cast<size_t>(frame.height - 1 - y),
                  frame.pixels.data() + rowBytes * static_cast<size_t>(y), rowBytes);
    }
  });
  return have ? hr : VFW_E_WRONG_STATE;
}

}  // namespace dshow
