#include "platform/afx/CBrush.h"

#include "platform/afx/CBitmap.h"
#include "platform/win/winuser.h"

CBrush* CBrush::FromHandle(HBRUSH handle) { return afx::TemporaryMap<CBrush, HBRUSH>::Get(handle); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  return bitmap ? Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject))) : FALSE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush) { return Attach(::CreateBrushIndirect(logBrush)); }

// A brush of its own in the system colour, so deleting it never touches the shared system brush.
BOOL CBrush::CreateSysColorBrush(int index) { return CreateSolidBrush(::GetSysColor(index)); }
