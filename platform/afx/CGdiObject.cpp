#include "platform/afx/CGdiObject.h"

#include "platform/afx/AfxDebug.h"

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) { return afx::TemporaryMap<CGdiObject, HGDIOBJ>::Get(handle); }

BOOL CGdiObject::Attach(HGDIOBJ handle) {
  ASSERT(m_hObject == nullptr);
  if (!handle) return FALSE;
  m_hObject = handle;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ handle = m_hObject;
  m_hObject = nullptr;
  return handle;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int size, LPVOID out) const { return ::GetObject(m_hObject, size, out); }

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

BOOL CGdiObject::CreateStockObject(int index) { return Attach(::GetStockObject(index)); }

bool CGdiObject::IsLiveHandle(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }
