#include <atomic>
#include <cstdlib>

#include "platform/com/ClassTable.h"
#include "platform/com/objbase.h"

namespace {

std::atomic<int> g_initCount{0};

}  // namespace

HRESULT CoInitialize(LPVOID) { return g_initCount.fetch_add(1) == 0 ? S_OK : S_FALSE; }

void CoUninitialize() {
  int count = g_initCount.load();
  // An unbalanced call must not drive the count below zero and disable later initialisation.
  while (count > 0 && !g_initCount.compare_exchange_weak(count, count - 1)) {
  }
}

HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD clsContext, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (g_initCount.load() <= 0) return CO_E_NOTINITIALIZED;
  if (outer) return CLASS_E_NOAGGREGATION;
  if (!(clsContext & (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER))) return REGDB_E_CLASSNOTREG;
  com::ClassFactory factory = com::ClassTable::Instance().Find(clsid);
  if (!factory) return REGDB_E_CLASSNOTREG;
  HRESULT hr = factory(riid, ppv);
  if (FAILED(hr)) *ppv = nullptr;
  return hr;
}

LPVOID CoTaskMemAlloc(size_t size) { return std::malloc(size == 0 ? 1 : size); }

void CoTaskMemFree(LPVOID block) { std::free(block); }
