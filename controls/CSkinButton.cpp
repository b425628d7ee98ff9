#include "controls/CSkinButton.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr UINT_PTR kToolId = 1;
constexpr int kMaxTipWidth = 400;

// Measures one image and builds its mask into `image`; the image is owned by `image` from here on,
// so a failure leaves it for FreeSkinBitmaps to delete.
int AttachImage(SkinImage& image, HBITMAP hBitmap, COLORREF crKey) {
  image.hImage = hBitmap;
  image.crKey = crKey;
  BITMAP bm{};
  // GetObject alone would also describe a brush or a pen: only a real bitmap has a width to trust.
  if (::GetObjectType(hBitmap) != OBJ_BITMAP || ::GetObject(hBitmap, sizeof(bm), &bm) == 0) {
    return CSkinButton::SKIN_INVALID_BITMAP;
  }
  image.cx = static_cast<DWORD>(bm.bmWidth);
  image.cy = static_cast<DWORD>(bm.bmHeight);
  image.hMask = CSkinButton::CreateKeyMask(hBitmap, bm.bmWidth, bm.bmHeight, crKey);
  return image.hMask != nullptr ? CSkinButton::SKIN_OK : CSkinButton::SKIN_NO_MASK;
}

HBITMAP LoadBitmapResource(UINT nId) {
  return static_cast<HBITMAP>(
      ::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(nId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

}  // namespace

BEGIN_MESSAGE_MAP(CSkinButton, CButton)
  ON_WM_MOUSEMOVE()
  ON_WM_CAPTURECHANGED()
  ON_WM_KILLFOCUS()
  ON_WM_ENABLE()
  ON_WM_CANCELMODE()
  ON_WM_SETCURSOR()
  ON_WM_SYSCOLORCHANGE()
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &CSkinButton::OnClicked)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CSkinButton::CSkinButton()
    : m_bTransparent(FALSE),
      m_bHot(FALSE),
      m_bPressed(FALSE),
      m_crFace(::GetSysColor(COLOR_BTNFACE)),
      m_bHotBorder(TRUE),
      m_hHoverCursor(nullptr),
      m_img{},
      m_pOldBackBitmap(nullptr) {}

CSkinButton::~CSkinButton() {
  if (m_dcBack.GetSafeHdc() != nullptr && m_pOldBackBitmap != nullptr) {
    m_dcBack.SelectObject(m_pOldBackBitmap);
  }
  FreeSkinBitmaps(TRUE);
  if (m_hHoverCursor != nullptr) {
    ::DestroyCursor(m_hHoverCursor);
  }
}

// ---- Images ----

int CSkinButton::LoadSkinBitmaps(UINT nHotId, COLORREF crHotKey, UINT nNormalId, COLORREF crNormalKey) {
  HBITMAP hHot = LoadBitmapResource(nHotId);
  HBITMAP hNormal = LoadBitmapResource(nNormalId);
  return AttachSkinBitmaps(hHot, crHotKey, hNormal, crNormalKey);
}

int CSkinButton::AttachSkinBitmaps(HBITMAP hHot, COLORREF crHotKey, HBITMAP hNormal, COLORREF crNormalKey) {
  FreeSkinBitmaps(TRUE);
  // Both handles are ours from here on: a handle that is not kept is deleted, never leaked.
  int result = SKIN_OK;
  if (hHot == nullptr) {
    if (hNormal != nullptr) ::DeleteObject(hNormal);  // without a hot image there is no image at all
  } else if ((result = AttachImage(m_img[0], hHot, crHotKey)) != SKIN_OK) {
    if (hNormal != nullptr) ::DeleteObject(hNormal);
  } else if (hNormal != nullptr) {
    result = AttachImage(m_img[1], hNormal, crNormalKey);
  }
  if (result != SKIN_OK) {
    FreeSkinBitmaps(TRUE);
    return result;
  }
  if (m_hWnd != nullptr) {
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
  return SKIN_OK;
}

void CSkinButton::FreeSkinBitmaps(BOOL bDelete) {
  if (bDelete) {
    for (HBITMAP h : {m_img[0].hImage, m_img[1].hImage, m_img[0].hMask, m_img[1].hMask}) {
      if (h != nullptr) ::DeleteObject(h);
    }
  }
  m_img[0] = SkinImage{};
  m_img[1] = SkinImage{};
}

HBITMAP CSkinButton::CreateKeyMask(HBITMAP hSource, int nWidth, int nHeight, COLORREF crKey) {
  HBITMAP hMask = ::CreateBitmap(nWidth, nHeight, 1, 1, nullptr);
  if (hMask == nullptr) return nullptr;
  HDC hSourceDC = ::CreateCompatibleDC(nullptr);
  HDC hMaskDC = ::CreateCompatibleDC(nullptr);
  if (hSourceDC == nullptr || hMaskDC == nullptr) {
    if (hSourceDC != nullptr) ::DeleteDC(hSourceDC);
    if (hMaskDC != nullptr) ::DeleteDC(hMaskDC);
    ::DeleteObject(hMask);
    return nullptr;
  }
  HGDIOBJ hOldSource = ::SelectObject(hSourceDC, hSource);
  HGDIOBJ hOldMask = ::SelectObject(hMaskDC, hMask);

  // Colour to 1 bit: pixels equal to the source's background colour become 1.
  COLORREF crOldBack = ::SetBkColor(hSourceDC, crKey);
  ::BitBlt(hMaskDC, 0, 0, nWidth, nHeight, hSourceDC, 0, 0, SRCCOPY);
  // 1 bit to colour: 1 becomes the background (black), 0 the text colour (white); ANDed into the
  // image this blackens exactly the key pixels.
  ::SetTextColor(hSourceDC, kWhite);
  ::SetBkColor(hSourceDC, kBlack);
  ::BitBlt(hSourceDC, 0, 0, nWidth, nHeight, hMaskDC, 0, 0, SRCAND);
  ::SetBkColor(hSourceDC, crOldBack);

  ::SelectObject(hSourceDC, hOldSource);
  ::SelectObject(hMaskDC, hOldMask);
  ::DeleteDC(hSourceDC);
  ::DeleteDC(hMaskDC);
  return hMask;
}

// ---- Face ----

void CSkinButton::SetTransparent(BOOL bRepaint) {
  m_bTransparent = TRUE;
  EmptyBackgroundCache();
  if (bRepaint && m_hWnd != nullptr) {
    InvalidateRect(nullptr, TRUE);
  }
}

void CSkinButton::SetHotBorder(BOOL bDraw) { m_bHotBorder = bDraw; }

int CSkinButton::PaintFace(CDC* pDC, CRect* pRect) {
  CBrush brush(m_crFace);
  pDC->FillRect(pRect, &brush);
  return 0;
}

int CSkinButton::PaintBorder(CDC* pDC, CRect* pRect) {
  COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
  if (m_bPressed) {
    pDC->Draw3dRect(pRect, crShadow, crHighlight);
  } else {
    pDC->Draw3dRect(pRect, crHighlight, crShadow);
  }
  return 0;
}

void CSkinButton::CopyParentBackground(CDC* pDC) {
  CWnd* pParent = GetParent();
  if (pParent == nullptr) return;
  CClientDC dcParent(pParent);
  CRect rcClient;
  GetClientRect(&rcClient);
  CRect rcInParent;
  GetWindowRect(&rcInParent);
  pParent->ScreenToClient(&rcInParent);

  if (m_dcBack.GetSafeHdc() == nullptr) {
    m_dcBack.CreateCompatibleDC(&dcParent);
    m_bmpBack.CreateCompatibleBitmap(&dcParent, rcClient.Width(), rcClient.Height());
    m_pOldBackBitmap = m_dcBack.SelectObject(&m_bmpBack);
    m_dcBack.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcParent, rcInParent.left, rcInParent.top,
                    SRCCOPY);
  }
  pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &m_dcBack, 0, 0, SRCCOPY);
}

void CSkinButton::EmptyBackgroundCache() {
  if (m_dcBack.GetSafeHdc() != nullptr && m_pOldBackBitmap != nullptr) {
    m_dcBack.SelectObject(m_pOldBackBitmap);
  }
  m_pOldBackBitmap = nullptr;
  m_bmpBack.DeleteObject();
  m_dcBack.DeleteDC();
}

// ---- Drawing ----

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  m_bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
  CRect rcItem(lpDIS->rcItem);

  if (m_bTransparent) {
    CopyParentBackground(pDC);
  } else {
    PaintFace(pDC, &rcItem);
  }
  if (m_bHotBorder && (m_bPressed || m_bHot)) {
    PaintBorder(pDC, &rcItem);
  }
  if (m_img[0].hImage != nullptr) {
    // The mask blit turns 1 into the background colour and 0 into the text colour: white keeps the
    // face, black clears it for the image. Whatever colours the DC came with, these must hold.
    COLORREF crOldBack = pDC->SetBkColor(kWhite);
    COLORREF crOldText = pDC->SetTextColor(kBlack);
    DrawSkinBitmap(pDC, &lpDIS->rcItem, m_bPressed);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBack);
  }
}

void CSkinButton::DrawSkinBitmap(CDC* pDC, const RECT* pItemRect, BOOL bPressed) {
  const bool bShowHot = m_bHot || bPressed || m_img[1].hImage == nullptr;
  const SkinImage& image = bShowHot ? m_img[0] : m_img[1];
  RECT rcImage;
  ComputeImageRect(pItemRect, bPressed, image.cx, image.cy, &rcImage);

  HDC hImageDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
  HDC hMaskDC = ::CreateCompatibleDC(nullptr);
  if (hImageDC != nullptr && hMaskDC != nullptr) {
    HGDIOBJ hOldImage = ::SelectObject(hImageDC, image.hImage);
    HGDIOBJ hOldMask = ::SelectObject(hMaskDC, image.hMask);
    const int cx = static_cast<int>(image.cx);
    const int cy = static_cast<int>(image.cy);
    ::BitBlt(pDC->GetSafeHdc(), rcImage.left, rcImage.top, cx, cy, hMaskDC, 0, 0, SRCAND);
    ::BitBlt(pDC->GetSafeHdc(), rcImage.left, rcImage.top, cx, cy, hImageDC, 0, 0, SRCPAINT);
    ::SelectObject(hImageDC, hOldImage);
    ::SelectObject(hMaskDC, hOldMask);
  }
  if (hImageDC != nullptr) ::DeleteDC(hImageDC);
  if (hMaskDC != nullptr) ::DeleteDC(hMaskDC);
}

void CSkinButton::ComputeImageRect(const RECT* pItemRect, BOOL bPressed, DWORD cx, DWORD cy, RECT* pImageRect) {
  // Signed on purpose: an image wider than the button starts left of it.
  const int width = static_cast<int>(cx);
  const int height = static_cast<int>(cy);
  int left = pItemRect->left + (pItemRect->right - pItemRect->left - width) / 2;
  int top = pItemRect->top + (pItemRect->bottom - pItemRect->top - height) / 2;
  if (bPressed) {
    ++left;
    ++top;
  }
  ::SetRect(pImageRect, left, top, left + width, top + height);
}

// ---- Window behaviour ----

void CSkinButton::PreSubclassWindow() {
  const DWORD dwStyle = (GetStyle() & 0xFF) | BS_OWNERDRAW;
  SendMessage(BM_SETSTYLE, dwStyle, TRUE);
  CButton::PreSubclassWindow();
}

LRESULT CSkinButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The standard owner-drawn button answers the second press of a double click with
  // BN_DOUBLECLICKED; as a plain press every click of a quick series counts.
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  return CButton::DefWindowProc(message, wParam, lParam);
}

BOOL CSkinButton::SetHoverCursor(UINT nCursorId) {
  if (m_hHoverCursor != nullptr) {
    // Never leave the desktop showing a cursor that no longer exists.
    if (::GetCursor() == m_hHoverCursor) ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    ::DestroyCursor(m_hHoverCursor);
    m_hHoverCursor = nullptr;
  }
  if (nCursorId == 0) return TRUE;
  m_hHoverCursor = static_cast<HCURSOR>(
      ::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(nCursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
  return m_hHoverCursor != nullptr;
}

void CSkinButton::SetTipText(LPCTSTR pszText, BOOL bActivate) {
  if (pszText == nullptr) return;
  EnsureToolTip();
  if (m_tip.GetSafeHwnd() == nullptr) return;
  if (m_tip.GetToolCount() == 0) {
    // The tool keeps the rectangle of this first call, even if the button changes size later.
    CRect rcClient;
    GetClientRect(&rcClient);
    m_tip.AddTool(this, pszText, &rcClient, kToolId);
  }
  m_tip.UpdateTipText(pszText, this, kToolId);
  m_tip.Activate(bActivate);
}

void CSkinButton::EnsureToolTip() {
  if (m_tip.GetSafeHwnd() != nullptr || m_hWnd == nullptr) return;
  if (!m_tip.Create(this)) return;
  m_tip.Activate(FALSE);
  m_tip.SetMaxTipWidth(kMaxTipWidth);
}

void CSkinButton::EndHover() {
  if (!m_bHot) return;
  m_bHot = FALSE;
  InvalidateRect(nullptr, TRUE);
}

void CSkinButton::ReleaseOwnCapture() {
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

BOOL CSkinButton::PreTranslateMessage(MSG* pMsg) {
  EnsureToolTip();
  if (m_tip.GetSafeHwnd() != nullptr) m_tip.RelayEvent(pMsg);
  return CButton::PreTranslateMessage(pMsg);
}

void CSkinButton::OnMouseMove(UINT nFlags, CPoint point) {
  CButton::OnMouseMove(nFlags, point);
  const bool bLeftDown = (nFlags & MK_LBUTTON) != 0;
  if (bLeftDown && !m_bHot) return;  // a drag that started elsewhere never lights the button

  if (::GetCapture() != m_hWnd && ::GetActiveWindow() != nullptr && ::GetParent(m_hWnd) != nullptr) {
    // Entering: hold the capture so that the move that leaves the button comes here too.
    m_bHot = TRUE;
    SetCapture();
    InvalidateRect(nullptr, TRUE);
    return;
  }

  POINT ptScreen = point;
  ::ClientToScreen(m_hWnd, &ptScreen);
  HWND hUnder = ::WindowFromPoint(ptScreen);
  if (hUnder == nullptr || hUnder == m_hWnd) return;

  if (m_bHot) {
    m_bHot = FALSE;
    InvalidateRect(nullptr, TRUE);
  }
  // With the left button held the standard button still needs the capture to end the press.
  if (!bLeftDown) ReleaseOwnCapture();
}

void CSkinButton::OnCaptureChanged(CWnd* pWnd) {
  if (m_bHot) {
    // Only our own capture: the one that took it away keeps it.
    ReleaseOwnCapture();
    InvalidateRect(nullptr, TRUE);
  }
  CButton::OnCaptureChanged(pWnd);
}

void CSkinButton::OnKillFocus(CWnd* pNewWnd) {
  CButton::OnKillFocus(pNewWnd);
  EndHover();
}

void CSkinButton::OnEnable(BOOL bEnable) {
  CButton::OnEnable(bEnable);
  if (!bEnable) EndHover();
}

void CSkinButton::OnCancelMode() {
  CButton::OnCancelMode();  // ends the capture
  EndHover();
}

BOOL CSkinButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (m_hHoverCursor != nullptr) {
    ::SetCursor(m_hHoverCursor);
    return TRUE;
  }
  return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CSkinButton::OnSysColorChange() {
  CButton::OnSysColorChange();
  // The parent's colours may have changed under the button: capture them again at the next draw.
  EmptyBackgroundCache();
}

BOOL CSkinButton::OnClicked() {
  return FALSE;  // not handled: the parent's handler for this control runs as for any push button
}

HBRUSH CSkinButton::CtlColor(CDC* /*pDC*/, UINT /*nCtlColor*/) {
  // Erasing with the hollow brush changes nothing: only DrawItem paints the face, so it never flashes.
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}
