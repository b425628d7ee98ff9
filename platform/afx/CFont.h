// A font object.
#pragma once

#include "platform/afx/CGdiObject.h"

class CDC;

class CFont : public CGdiObject {
 public:
  static CFont* FromHandle(HFONT handle);

  BOOL CreateFontIndirect(const LOGFONT* logFont);
  // pointSize in tenths of a point, converted with the vertical resolution of dc (the screen when NULL).
  BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
  BOOL CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc = nullptr);
  int GetLogFont(LOGFONT* logFont) const { return GetObject(sizeof(LOGFONT), logFont); }
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }

  static bool IsLiveHandle(HFONT handle) { return ::GetObjectType(handle) == OBJ_FONT; }
};
