// A static control: text, bitmap or icon.
#pragma once

#include "platform/afx/CWnd.h"

class CStatic : public CWnd {
 public:
  BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);

  // Each returns the image shown before; the control does not own the image.
  HBITMAP SetBitmap(HBITMAP bitmap);
  HBITMAP GetBitmap() const;
  HICON SetIcon(HICON icon);
  HICON GetIcon() const;
};
