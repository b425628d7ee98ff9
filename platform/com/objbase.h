// The component model's run time: initialisation, in-process creation of components by class
// identifier, and task memory.
#pragma once

#include "platform/com/guiddef.h"
#include "platform/com/rpc.h"
#include "platform/com/unknwn.h"
#include "platform/com/winerror.h"

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER)

// Counted: every successful CoInitialize needs one CoUninitialize. The first call gives S_OK, later
// ones S_FALSE. Components can be created only while the count is above zero.
HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();

// Creates the component registered for clsid and returns its interface riid. Only in-process classes
// exist; aggregation is not offered.
HRESULT CoCreateInstance(REFCLSID clsid, LPUNKNOWN outer, DWORD clsContext, REFIID riid, LPVOID* ppv);

LPVOID CoTaskMemAlloc(size_t size);
void CoTaskMemFree(LPVOID block);

namespace com {

// Creates a new instance and returns its interface riid in *ppv (or an error and null).
using ClassFactory = HRESULT (*)(REFIID riid, void** ppv);

// Registers (or replaces) the factory of a class for CoCreateInstance. Safe to call from static
// initialisation and from any thread.
void RegisterClassFactory(REFCLSID clsid, ClassFactory factory);

}  // namespace com
