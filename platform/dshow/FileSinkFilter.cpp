#include "platform/dshow/FileSinkFilter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/dshow/PathText.h"

namespace dshow {

HRESULT FileSinkFilter::Create(REFIID riid, void** ppv) {
  auto* filter = new FileSinkFilter;
  HRESULT hr = filter->QueryInterface(riid, ppv);
  filter->Release();
  return hr;
}

FileSinkFilter::~FileSinkFilter() {
  if (m_element) gst_object_unref(m_element);
  CloseFile();
}

HRESULT FileSinkFilter::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_FileSinkFilter;
  return S_OK;
}

HRESULT FileSinkFilter::SetFileName(LPCWSTR fileName, const AM_MEDIA_TYPE* mediaType) {
  if (!fileName) return E_POINTER;
  if (mediaType) return E_INVALIDARG;
  if (m_element) return VFW_E_WRONG_STATE;
  std::string path = Utf8FromWide(fileName);
  if (path.empty()) return E_INVALIDARG;
  m_wideName = fileName;
  m_path = std::move(path);
  return S_OK;
}

HRESULT FileSinkFilter::GetCurFile(LPWSTR* fileName, AM_MEDIA_TYPE* mediaType) {
  if (!fileName) return E_POINTER;
  if (mediaType) return E_INVALIDARG;
  *fileName = nullptr;
  if (m_wideName.empty()) return S_OK;
  size_t bytes = (m_wideName.size() + 1) * sizeof(WCHAR);
  auto* copy = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
  if (!copy) return E_OUTOFMEMORY;
  std::memcpy(copy, m_wideName.c_str(), bytes);
  *fileName = copy;
  return S_OK;
}

HRESULT FileSinkFilter::ResultForErrno(int error) {
  switch (error) {
    case EEXIST:
      return HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
      return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return E_ACCESSDENIED;
    case ENOSPC:
    case EDQUOT:
      return HRESULT_FROM_WIN32(ERROR_DISK_FULL);
    default:
      return E_FAIL;
  }
}

HRESULT FileSinkFilter::Prepare() {
  if (m_element) return S_OK;
  if (m_path.empty()) return E_INVALIDARG;
  int fd = open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return ResultForErrno(errno);
  GstElement* sink = gst_element_factory_make("fdsink", "Dest");
  if (!sink) {
    close(fd);
    unlink(m_path.c_str());
    return VFW_E_CANNOT_RENDER;
  }
  m_fd = fd;
  // Unbuffered writes: the file's size on disk follows the encoding, which is how progress is seen.
  g_object_set(sink, "fd", fd, "sync", FALSE, "async", TRUE, nullptr);
  m_element = GST_ELEMENT(gst_object_ref_sink(sink));
  return S_OK;
}

void FileSinkFilter::Abandon() {
  // The element writes to the descriptor closed below: a later Prepare starts afresh.
  if (m_element) gst_object_unref(m_element);
  m_element = nullptr;
  if (m_fd < 0) return;
  struct stat opened;
  struct stat named;
  bool ours = fstat(m_fd, &opened) == 0 && stat(m_path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
              opened.st_ino == named.st_ino;
  if (ours && opened.st_size == 0) unlink(m_path.c_str());
  CloseFile();
}

void FileSinkFilter::CloseFile() {
  if (m_fd >= 0) close(m_fd);
  m_fd = -1;
}

}  // namespace dshow
