#include "platform/afx/CRgn.h"

CRgn* CRgn::FromHandle(HRGN handle) { return afx::TemporaryMap<CRgn, HRGN>::Get(handle); }

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
  return Attach(::CreateRectRgn(left, top, right, bottom));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rc) { return Attach(::CreateRectRgnIndirect(rc)); }

int CRgn::CombineRgn(CRgn* a, CRgn* b, int mode) {
  return ::CombineRgn(*this, a ? static_cast<HRGN>(*a) : nullptr, b ? static_cast<HRGN>(*b) : nullptr, mode);
}

int CRgn::CopyRgn(CRgn* source) { return CombineRgn(source, nullptr, RGN_COPY); }

BOOL CRgn::SetRectRgn(int left, int top, int right, int bottom) { return ::SetRectRgn(*this, left, top, right, bottom); }

BOOL CRgn::SetRectRgn(LPCRECT rc) { return SetRectRgn(rc->left, rc->top, rc->right, rc->bottom); }

int CRgn::OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }

int CRgn::GetRgnBox(LPRECT rc) const { return ::GetRgnBox(*this, rc); }

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }
