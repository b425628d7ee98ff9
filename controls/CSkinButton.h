// The bitmap push button of both windows: a hot image while the pointer is over it or while it is
// pressed, a normal image otherwise, each drawn with one key colour transparent over a face that is
// either a solid colour or a copy of the parent's pixels under the button.
#pragma once

#include "platform/afx/afxcmn.h"
#include "platform/afx/afxwin.h"

// One attached image. The key-coloured pixels of hImage have been turned black, and hMask is 1
// exactly where they were, so a SRCAND of the mask and a SRCPAINT of the image leave the face there.
struct SkinImage {
  HBITMAP hImage;
  DWORD cx;
  DWORD cy;
  HBITMAP hMask;
  COLORREF crKey;
};

class CSkinButton : public CButton {
 public:
  CSkinButton();
  ~CSkinButton() override;

  // Results of the image operations.
  enum { SKIN_OK = 0, SKIN_INVALID_BITMAP = 1, SKIN_NO_MASK = 2 };

  int LoadSkinBitmaps(UINT nHotId, COLORREF crHotKey, UINT nNormalId, COLORREF crNormalKey);
  // Takes ownership of both handles, whatever the result.
  int AttachSkinBitmaps(HBITMAP hHot, COLORREF crHotKey, HBITMAP hNormal, COLORREF crNormalKey);
  // Nonzero bDelete deletes the images and masks; either way the button forgets them.
  void FreeSkinBitmaps(BOOL bDelete);
  // Builds the 1-bit mask of the crKey pixels and turns those pixels of hSource black.
  static HBITMAP CreateKeyMask(HBITMAP hSource, int nWidth, int nHeight, COLORREF crKey);
  // Switches the face to the parent's pixels for good and captures them afresh at the next draw.
  void SetTransparent(BOOL bRepaint);
  void SetHotBorder(BOOL bDraw);
  // Centred in the item; an odd leftover goes right and down; pressed moves it by (1, 1).
  static void ComputeImageRect(const RECT* pItemRect, BOOL bPressed, DWORD cx, DWORD cy, RECT* pImageRect);

  BOOL SetHoverCursor(UINT nCursorId);
  void SetTipText(LPCTSTR pszText, BOOL bActivate);

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  virtual int PaintFace(CDC* pDC, CRect* pRect);
  virtual int PaintBorder(CDC* pDC, CRect* pRect);

  void PreSubclassWindow() override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  void CopyParentBackground(CDC* pDC);
  void DrawSkinBitmap(CDC* pDC, const RECT* pItemRect, BOOL bPressed);
  void EnsureToolTip();
  void EndHover();

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnCancelMode();
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnSysColorChange();
  afx_msg BOOL OnClicked();
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

 private:
  void EmptyBackgroundCache();
  void ReleaseOwnCapture();

  BOOL m_bTransparent;
  BOOL m_bHot;
  BOOL m_bPressed;
  COLORREF m_crFace;
  BOOL m_bHotBorder;
  HCURSOR m_hHoverCursor;
  CToolTipCtrl m_tip;
  SkinImage m_img[2];
  CDC m_dcBack;
  CBitmap m_bmpBack;
  CGdiObject* m_pOldBackBitmap;
};
