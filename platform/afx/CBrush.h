// A brush object.
#pragma once

#include "platform/afx/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

  static CBrush* FromHandle(HBRUSH handle);

  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreatePatternBrush(CBitmap* bitmap);
  BOOL CreateBrushIndirect(const LOGBRUSH* logBrush);
  BOOL CreateSysColorBrush(int index);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

  static bool IsLiveHandle(HBRUSH handle) { return ::GetObjectType(handle) == OBJ_BRUSH; }
};
