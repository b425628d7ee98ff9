// The capture graph builder: connects a source through an intermediate filter to a sink in the graph
// it was given.
#pragma once

#include "platform/com/ComObject.h"
#include "platform/dshow/dshow.h"

namespace dshow {

class CaptureGraphBuilder final : public com::ComObject<ICaptureGraphBuilder2> {
 public:
  static HRESULT Create(REFIID riid, void** ppv);

  STDMETHOD(SetFiltergraph)(IGraphBuilder* graph) override;
  STDMETHOD(GetFiltergraph)(IGraphBuilder** graph) override;
  STDMETHOD(RenderStream)(const GUID* category, const GUID* type, IUnknown* source, IBaseFilter* intermediate,
                          IBaseFilter* sink) override;

 private:
  CaptureGraphBuilder() = default;
  ~CaptureGraphBuilder() override;

  IGraphBuilder* m_graph = nullptr;
};

}  // namespace dshow
