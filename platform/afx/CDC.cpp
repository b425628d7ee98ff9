#include "platform/afx/CDC.h"

#include "platform/afx/AfxDebug.h"

CDC::~CDC() {
  if (m_hDC) ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hdc) { return afx::TemporaryMap<CDC, HDC>::Get(hdc); }

bool CDC::IsLiveHandle(HDC hdc) {
  DWORD type = ::GetObjectType(hdc);
  return type == OBJ_DC || type == OBJ_MEMDC;
}

BOOL CDC::Attach(HDC hdc) {
  ASSERT(m_hDC == nullptr);
  if (!hdc) return FALSE;
  m_hDC = hdc;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hdc = m_hDC;
  m_hDC = nullptr;
  return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int savedDC) { return ::RestoreDC(m_hDC, savedDC); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

HGDIOBJ CDC::SelectHandle(const CGdiObject* object) {
  ASSERT(object != nullptr);
  return object ? ::SelectObject(m_hDC, object->m_hObject) : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* object) { return CGdiObject::FromHandle(SelectHandle(object)); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(bitmap))); }
CBrush* CDC::SelectObject(CBrush* brush) { return CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(brush))); }
CPen* CDC::SelectObject(CPen* pen) { return CPen::FromHandle(static_cast<HPEN>(SelectHandle(pen))); }
CFont* CDC::SelectObject(CFont* font) { return CFont::FromHandle(static_cast<HFONT>(SelectHandle(font))); }

CGdiObject* CDC::SelectStockObject(int index) {
  HGDIOBJ stock = ::GetStockObject(index);
  return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }

CPoint CDC::SetBrushOrg(int x, int y) {
  POINT old = {0, 0};
  ::SetBrushOrgEx(m_hDC, x, y, &old);
  return old;
}

int CDC::SelectClipRgn(CRgn* region) { return ::SelectClipRgn(m_hDC, region ? static_cast<HRGN>(*region) : nullptr); }

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
  return ::ExcludeClipRect(m_hDC, left, top, right, bottom);
}

int CDC::ExcludeClipRect(LPCRECT rc) { return ExcludeClipRect(rc->left, rc->top, rc->right, rc->bottom); }

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  return ::IntersectClipRect(m_hDC, left, top, right, bottom);
}

int CDC::IntersectClipRect(LPCRECT rc) { return IntersectClipRect(rc->left, rc->top, rc->right, rc->bottom); }

int CDC::GetClipBox(LPRECT rc) const { return ::GetClipBox(m_hDC, rc); }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, srcX, srcY, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, int srcWidth,
                     int srcHeight, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, srcX, srcY, srcWidth, srcHeight,
                      rop);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) { return ::PatBlt(m_hDC, x, y, width, height, rop); }

void CDC::FillRect(LPCRECT rc, CBrush* brush) { ::FillRect(m_hDC, rc, brush ? static_cast<HBRUSH>(*brush) : nullptr); }

void CDC::FillSolidRect(LPCRECT rc, COLORREF color) {
  HBRUSH brush = ::CreateSolidBrush(color);
  ::FillRect(m_hDC, rc, brush);
  ::DeleteObject(brush);
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
  CRect rc(x, y, x + width, y + height);
  FillSolidRect(rc, color);
}

void CDC::FrameRect(LPCRECT rc, CBrush* brush) {
  ::FrameRect(m_hDC, rc, brush ? static_cast<HBRUSH>(*brush) : nullptr);
}

void CDC::Draw3dRect(LPCRECT rc, COLORREF topLeft, COLORREF bottomRight) {
  Draw3dRect(rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight) {
  FillSolidRect(x, y, width - 1, 1, topLeft);
  FillSolidRect(x, y, 1, height - 1, topLeft);
  FillSolidRect(x + width - 1, y, 1, height, bottomRight);
  FillSolidRect(x, y + height - 1, width, 1, bottomRight);
}

BOOL CDC::DrawEdge(LPRECT rc, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rc, edge, flags); }
void CDC::DrawFocusRect(LPCRECT rc) { ::DrawFocusRect(m_hDC, rc); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

CPoint CDC::MoveTo(int x, int y) {
  POINT old = {0, 0};
  ::MoveToEx(m_hDC, x, y, &old);
  return old;
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
BOOL CDC::Rectangle(LPCRECT rc) { return Rectangle(rc->left, rc->top, rc->right, rc->bottom); }
BOOL CDC::Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int length) { return ::TextOut(m_hDC, x, y, text, length); }
BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
int CDC::DrawText(LPCTSTR text, int length, LPRECT rc, UINT format) { return ::DrawText(m_hDC, text, length, rc, format); }
int CDC::DrawText(const CString& text, LPRECT rc, UINT format) { return DrawText(text, text.GetLength(), rc, format); }

CSize CDC::GetTextExtent(LPCTSTR text, int length) const {
  SIZE size = {0, 0};
  ::GetTextExtentPoint32(m_hDC, text, length, &size);
  return size;
}

CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const { return ::GetTextMetrics(m_hDC, metrics); }
