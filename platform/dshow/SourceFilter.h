// The source filter of an extraction graph: reads a file and decodes its sound only.
#pragma once

#include <string>

#include "platform/com/ComObject.h"
#include "platform/dshow/GstFilter.h"

namespace dshow {

class SourceFilter final : public com::ComObject<IBaseFilter, IGstFilter> {
 public:
  explicit SourceFilter(std::string uri) : m_uri(std::move(uri)) {}

  STDMETHOD(GetClassID)(CLSID* clsid) override;
  STDMETHOD(Prepare)() override;
  STDMETHOD_(GstElement*, Element)() override { return m_element; }
  STDMETHOD_(void, Abandon)() override {}

 private:
  ~SourceFilter() override;

  std::string m_uri;
  GstElement* m_element = nullptr;
};

}  // namespace dshow
