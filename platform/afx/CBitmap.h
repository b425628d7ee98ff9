// A bitmap object.
#pragma once

#include "platform/afx/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject {
 public:
  static CBitmap* FromHandle(HBITMAP handle);

  // Loads a bitmap resource of the program.
  BOOL LoadBitmap(UINT id);
  BOOL LoadBitmap(LPCTSTR name);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
  int GetBitmap(BITMAP* info) const;
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

  static bool IsLiveHandle(HBITMAP handle) { return ::GetObjectType(handle) == OBJ_BITMAP; }
};
