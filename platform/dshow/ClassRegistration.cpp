#include "platform/dshow/ClassRegistration.h"

#include "platform/dshow/CaptureGraphBuilder.h"
#include "platform/dshow/FileSinkFilter.h"
#include "platform/dshow/FilterGraph.h"
#include "platform/dshow/Mp3EncoderFilter.h"

namespace dshow {

bool RegisterClasses() {
  com::RegisterClassFactory(CLSID_FilterGraph, &FilterGraph::Create);
  com::RegisterClassFactory(CLSID_CaptureGraphBuilder2, &CaptureGraphBuilder::Create);
  com::RegisterClassFactory(CLSID_Mp3EncoderFilter, &Mp3EncoderFilter::Create);
  com::RegisterClassFactory(CLSID_FileSinkFilter, &FileSinkFilter::Create);
  return true;
}

}  // namespace dshow
