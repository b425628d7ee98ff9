// Owner of one drawing object (bitmap, brush, pen, font, region): deletes it when destroyed.
#pragma once

#include "platform/afx/CObject.h"
#include "platform/afx/TemporaryObjects.h"
#include "platform/gdi/wingdi.h"

class CGdiObject : public CObject {
 public:
  CGdiObject() = default;
  ~CGdiObject() override;

  HGDIOBJ m_hObject = nullptr;

  // The object kept for a handle the program holds no object for (see TemporaryObjects.h).
  static CGdiObject* FromHandle(HGDIOBJ handle);

  BOOL Attach(HGDIOBJ handle);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return GetSafeHandle(); }
  int GetObject(int size, LPVOID out) const;
  UINT GetObjectType() const;
  BOOL CreateStockObject(int index);

  // For the temporary map.
  static bool IsLiveHandle(HGDIOBJ handle);
  void AttachTemporary(HGDIOBJ handle) { m_hObject = handle; }
  void DetachTemporary() { m_hObject = nullptr; }
};
