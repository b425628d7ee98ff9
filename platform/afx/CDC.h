// A device context: the drawing calls of the platform as members. Deletes its DC when destroyed.
#pragma once

#include "platform/afx/CBitmap.h"
#include "platform/afx/CBrush.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CObject.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CRect.h"
#include "platform/afx/CRgn.h"
#include "platform/afx/CString.h"
#include "platform/win/winuser.h"

class CDC : public CObject {
 public:
  CDC() = default;
  ~CDC() override;

  HDC m_hDC = nullptr;

  static CDC* FromHandle(HDC hdc);
  BOOL Attach(HDC hdc);
  HDC Detach();
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }

  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  int SaveDC();
  BOOL RestoreDC(int savedDC);
  int GetDeviceCaps(int index) const;

  // Each returns the object selected before as a temporary wrapper (NULL on failure).
  CGdiObject* SelectObject(CGdiObject* object);
  CBitmap* SelectObject(CBitmap* bitmap);
  CBrush* SelectObject(CBrush* brush);
  CPen* SelectObject(CPen* pen);
  CFont* SelectObject(CFont* font);
  CGdiObject* SelectStockObject(int index);

  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  int SetBkMode(int mode);
  int GetBkMode() const;
  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  CPoint SetBrushOrg(int x, int y);

  int SelectClipRgn(CRgn* region);
  int ExcludeClipRect(int left, int top, int right, int bottom);
  int ExcludeClipRect(LPCRECT rc);
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(LPCRECT rc);
  int GetClipBox(LPRECT rc) const;

  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, int srcWidth,
                  int srcHeight, DWORD rop);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
  void FillRect(LPCRECT rc, CBrush* brush);
  void FillSolidRect(LPCRECT rc, COLORREF color);
  void FillSolidRect(int x, int y, int width, int height, COLORREF color);
  void FrameRect(LPCRECT rc, CBrush* brush);
  // One-pixel frame: top and left in one colour, right and bottom in the other.
  void Draw3dRect(LPCRECT rc, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int width, int height, COLORREF topLeft, COLORREF bottomRight);
  BOOL DrawEdge(LPRECT rc, UINT edge, UINT flags);
  void DrawFocusRect(LPCRECT rc);
  BOOL DrawIcon(int x, int y, HICON icon);
  BOOL DrawIcon(POINT pt, HICON icon) { return DrawIcon(pt.x, pt.y, icon); }
  COLORREF SetPixel(int x, int y, COLORREF color);
  COLORREF SetPixel(POINT pt, COLORREF color) { return SetPixel(pt.x, pt.y, color); }
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(POINT pt) const { return GetPixel(pt.x, pt.y); }
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT pt) { return MoveTo(pt.x, pt.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT pt) { return LineTo(pt.x, pt.y); }
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(LPCRECT rc);
  BOOL Ellipse(int left, int top, int right, int bottom);

  BOOL TextOut(int x, int y, LPCTSTR text, int length);
  BOOL TextOut(int x, int y, const CString& text);
  int DrawText(LPCTSTR text, int length, LPRECT rc, UINT format);
  int DrawText(const CString& text, LPRECT rc, UINT format);
  CSize GetTextExtent(LPCTSTR text, int length) const;
  CSize GetTextExtent(const CString& text) const;
  BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;

  // For the temporary map.
  static bool IsLiveHandle(HDC hdc);
  void AttachTemporary(HDC hdc) { m_hDC = hdc; }
  void DetachTemporary() { m_hDC = nullptr; }

 private:
  HGDIOBJ SelectHandle(const CGdiObject* object);
};
