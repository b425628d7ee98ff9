// The implementation base of a component: thread-safe reference counting and QueryInterface over
// the interfaces it lists. A component derives from ComObject<IFoo, IBar> and implements the
// interfaces' own methods; asking for IUnknown gives the first listed interface, so every query for
// IUnknown returns the same pointer, as identity demands.
#pragma once

#include <atomic>

#include "platform/com/unknwn.h"

namespace com {

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualGUID(riid, IID_IUnknown)) {
      *ppv = static_cast<FirstInterface*>(this);
    } else {
      (TryInterface<Interfaces>(riid, ppv), ...);
    }
    if (!*ppv) *ppv = QueryExtraInterface(riid);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return m_refs.fetch_add(1, std::memory_order_relaxed) + 1; }
  STDMETHOD_(ULONG, Release)() override {
    ULONG remaining = m_refs.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (remaining == 0) delete this;
    return remaining;
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  // For interfaces that a listed one derives from (IFilterGraph behind IGraphBuilder): return the
  // pointer for riid, or null.
  virtual void* QueryExtraInterface(REFIID) { return nullptr; }

 private:
  template <class First, class...>
  struct Front {
    using type = First;
  };
  using FirstInterface = typename Front<Interfaces...>::type;

  template <class Interface>
  void TryInterface(REFIID riid, void** ppv) {
    if (!*ppv && IsEqualGUID(riid, InterfaceId<Interface>::value)) *ppv = static_cast<Interface*>(this);
  }

  std::atomic<ULONG> m_refs{1};
};

}  // namespace com
