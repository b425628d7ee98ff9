// The base interface of every component: identity by interface identifier and shared ownership.
#pragma once

#include "platform/com/guiddef.h"
#include "platform/com/winerror.h"
#include "platform/win/windef.h"

#define STDMETHODCALLTYPE
#define STDMETHOD(method) virtual HRESULT STDMETHODCALLTYPE method
#define STDMETHOD_(type, method) virtual type STDMETHODCALLTYPE method

inline constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Interfaces are abstract classes of pure virtual methods only, so their methods occupy the vtable
// slots in declaration order, starting with QueryInterface at slot 0. Objects are destroyed by their
// last Release, never through an interface pointer.
struct IUnknown {
  STDMETHOD(QueryInterface)(REFIID riid, void** ppv) = 0;
  STDMETHOD_(ULONG, AddRef)() = 0;
  STDMETHOD_(ULONG, Release)() = 0;

 protected:
  ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;

namespace com {

// The identifier of an interface type, declared next to the interface with COM_INTERFACE_ID.
template <class Interface>
struct InterfaceId;

template <>
struct InterfaceId<IUnknown> {
  static constexpr const IID& value = IID_IUnknown;
};

}  // namespace com

#define COM_INTERFACE_ID(Interface, iid)       \
  namespace com {                              \
  template <>                                  \
  struct InterfaceId<Interface> {              \
    static constexpr const IID& value = iid;   \
  };                                           \
  }
