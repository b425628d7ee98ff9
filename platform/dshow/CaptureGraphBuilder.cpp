#include "platform/dshow/CaptureGraphBuilder.h"

#include "platform/dshow/GstFilter.h"

namespace dshow {

HRESULT CaptureGraphBuilder::Create(REFIID riid, void** ppv) {
  auto* builder = new CaptureGraphBuilder;
  HRESULT hr = builder->QueryInterface(riid, ppv);
  builder->Release();
  return hr;
}

CaptureGraphBuilder::~CaptureGraphBuilder() {
  if (m_graph) m_graph->Release();
}

HRESULT CaptureGraphBuilder::SetFiltergraph(IGraphBuilder* graph) {
  if (!graph) return E_POINTER;
  if (m_graph) return E_UNEXPECTED;  // the graph is given once
  m_graph = graph;
  m_graph->AddRef();
  return S_OK;
}

HRESULT CaptureGraphBuilder::GetFiltergraph(IGraphBuilder** graph) {
  if (!graph) return E_POINTER;
  *graph = m_graph;
  if (m_graph) m_graph->AddRef();
  return m_graph ? S_OK : E_UNEXPECTED;
}

HRESULT CaptureGraphBuilder::RenderStream(const GUID* category, const GUID* type, IUnknown* source,
                                          IBaseFilter* intermediate, IBaseFilter* sink) {
  if (category || type) return E_INVALIDARG;
  if (!source || !intermediate || !sink) return E_POINTER;
  if (!m_graph) return E_UNEXPECTED;
  IBaseFilter* sourceFilter = nullptr;
  if (FAILED(source->QueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(&sourceFilter)))) return E_NOINTERFACE;
  IGstGraph* graph = nullptr;
  HRESULT hr = m_graph->QueryInterface(IID_IGstGraph, reinterpret_cast<void**>(&graph));
  if (SUCCEEDED(hr)) {
    hr = graph->ConnectAudioChain(sourceFilter, intermediate, sink);
    graph->Release();
  }
  sourceFilter->Release();
  return hr;
}

}  // namespace dshow
