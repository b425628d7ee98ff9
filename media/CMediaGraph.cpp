// The media graph object: the graph's life and the preview operations.
#include "media/CMediaGraph.h"

#include "platform/afx/afxwin.h"

namespace {

const char kCannotRenderMessage[] =
    "In order to Support this format,Please visit our Homepage to download  Real Alternative or RealOne,"
    "after intalling them,please reinstall Velmora in order to let it play well!";

}  // namespace

CMediaGraph::CMediaGraph()
    : m_pGraphBuilder(nullptr),
      m_pMediaEvent(nullptr),
      m_pMediaSeeking(nullptr),
      m_pVideoWindow(nullptr),
      m_pMediaControl(nullptr),
      m_pCaptureBuilder(nullptr),
      m_pEncoder(nullptr),
      m_pFileSink(nullptr),
      m_pSource(nullptr),
      m_rtStart(0),
      m_rtStop(0),
      m_rtLength(0),
      m_szOutputPath{},
      m_nExpectedSize(0),
      m_bCancel(FALSE) {}

CMediaGraph::~CMediaGraph() { ReleaseGraph(); }

void CMediaGraph::CreateGraph() {
  if (m_pGraphBuilder != nullptr) ReleaseGraph();
  CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                   reinterpret_cast<void**>(&m_pGraphBuilder));
  if (m_pGraphBuilder == nullptr) return;
  m_pGraphBuilder->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&m_pMediaControl));
  m_pGraphBuilder->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&m_pMediaSeeking));
  m_pGraphBuilder->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_pVideoWindow));
  m_pGraphBuilder->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&m_pMediaEvent));
}

void CMediaGraph::ReleaseGraph() {
  ReleaseInterface(m_pEncoder);
  ReleaseInterface(m_pFileSink);
  ReleaseInterface(m_pSource);
  ReleaseInterface(m_pMediaSeeking);
  ReleaseInterface(m_pMediaControl);
  if (m_pMediaEvent != nullptr) SetEventWindow(nullptr);
  ReleaseInterface(m_pMediaEvent);
  ReleaseInterface(m_pVideoWindow);
  ReleaseInterface(m_pGraphBuilder);
  ReleaseInterface(m_pCaptureBuilder);
}

BOOL CMediaGraph::OpenMediaFile(const char* pszPath) {
  WCHAR wszPath[MAX_PATH] = {};
  HRESULT hr = E_FAIL;
  // A path that does not fit the buffer is not rendered cut short: it fails like an unplayable file.
  if (MultiByteToWideChar(CP_ACP, 0, pszPath, -1, wszPath, MAX_PATH) > 0 && m_pGraphBuilder != nullptr) {
    hr = m_pGraphBuilder->RenderFile(wszPath, nullptr);
  }
  if (FAILED(hr)) {
    AfxMessageBox(kCannotRenderMessage, MB_OK);
    return FALSE;
  }
  return TRUE;
}

void CMediaGraph::SetEventWindow(HWND hwnd) {
  if (m_pMediaEvent == nullptr) return;
  m_pMediaEvent->SetNotifyWindow(reinterpret_cast<OAHWND>(hwnd), WM_GRAPHNOTIFY, 0);
}

void CMediaGraph::AttachVideoWindow(HWND hwnd) {
  if (hwnd == nullptr || m_pVideoWindow == nullptr) return;
  m_pVideoWindow->put_Visible(OAFALSE);
  m_pVideoWindow->put_Owner(reinterpret_cast<OAHWND>(hwnd));
  RECT rc{};
  ::GetClientRect(hwnd, &rc);
  m_pVideoWindow->put_Left(0);
  m_pVideoWindow->put_Top(0);
  m_pVideoWindow->put_Width(rc.right - rc.left);
  m_pVideoWindow->put_Height(rc.bottom - rc.top);
  m_pVideoWindow->put_WindowStyle(static_cast<LONG>(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
  m_pVideoWindow->put_MessageDrain(reinterpret_cast<OAHWND>(hwnd));
  m_pVideoWindow->put_Visible(OATRUE);
}

void CMediaGraph::Play() {
  if (m_pMediaControl != nullptr) m_pMediaControl->Run();
}

void CMediaGraph::Pause() {
  if (m_pMediaControl != nullptr) m_pMediaControl->Pause();
}

void CMediaGraph::Stop() {
  if (m_pMediaControl != nullptr) m_pMediaControl->Stop();
}

REFERENCE_TIME CMediaGraph::GetDuration() {
  REFERENCE_TIME rt = 0;
  if (m_pMediaSeeking != nullptr) m_pMediaSeeking->GetDuration(&rt);
  return rt;
}

REFERENCE_TIME CMediaGraph::GetCurrentPosition() {
  REFERENCE_TIME rt = 0;
  if (m_pMediaSeeking != nullptr) m_pMediaSeeking->GetCurrentPosition(&rt);
  return rt;
}

void CMediaGraph::SeekToMs(LONGLONG llMs) {
  if (m_pMediaSeeking == nullptr) return;
  REFERENCE_TIME rtPos = llMs * 10000;
  m_pMediaSeeking->SetPositions(&rtPos, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

void CMediaGraph::SeekByMs(LONGLONG llDeltaMs) {
  if (m_pMediaSeeking == nullptr) return;
  LONGLONG llNowMs = GetCurrentPosition() / 10000;
  SeekToMs(llNowMs + llDeltaMs);
}

void CMediaGraph::RequestCancel() { m_bCancel = TRUE; }
