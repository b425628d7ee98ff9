// The file sink filter: writes what it receives to a file that it creates itself, exclusively, when
// the graph is built, so that an existing file is never overwritten.
#pragma once

#include <string>

#include "platform/com/ComObject.h"
#include "platform/dshow/GstFilter.h"

namespace dshow {

class FileSinkFilter final : public com::ComObject<IBaseFilter, IFileSinkFilter, IGstFilter> {
 public:
  static HRESULT Create(REFIID riid, void** ppv);

  STDMETHOD(GetClassID)(CLSID* clsid) override;
  STDMETHOD(SetFileName)(LPCWSTR fileName, const AM_MEDIA_TYPE* mediaType) override;
  STDMETHOD(GetCurFile)(LPWSTR* fileName, AM_MEDIA_TYPE* mediaType) override;

  // Creates the file (failing when anything of that name exists) and the element writing to it.
  STDMETHOD(Prepare)() override;
  STDMETHOD_(GstElement*, Element)() override { return m_element; }
  // Removes the file again if this filter created it and nothing was written.
  STDMETHOD_(void, Abandon)() override;

 private:
  FileSinkFilter() = default;
  ~FileSinkFilter() override;

  static HRESULT ResultForErrno(int error);
  void CloseFile();

  std::u16string m_wideName;
  std::string m_path;
  int m_fd = -1;
  GstElement* m_element = nullptr;
};

}  // namespace dshow
