// A region object.
#pragma once

#include "platform/afx/CGdiObject.h"

class CRgn : public CGdiObject {
 public:
  static CRgn* FromHandle(HRGN handle);

  BOOL CreateRectRgn(int left, int top, int right, int bottom);
  BOOL CreateRectRgnIndirect(LPCRECT rc);
  int CombineRgn(CRgn* a, CRgn* b, int mode);
  int CopyRgn(CRgn* source);
  BOOL SetRectRgn(int left, int top, int right, int bottom);
  BOOL SetRectRgn(LPCRECT rc);
  int OffsetRgn(int dx, int dy);
  int GetRgnBox(LPRECT rc) const;
  BOOL PtInRegion(int x, int y) const;
  BOOL PtInRegion(POINT pt) const { return PtInRegion(pt.x, pt.y); }
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }

  static bool IsLiveHandle(HRGN handle) { return ::GetObjectType(handle) == OBJ_REGION; }
};
