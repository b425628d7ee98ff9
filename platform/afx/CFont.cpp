#include "platform/afx/CFont.h"

#include <cstring>

#include "platform/afx/CDC.h"
#include "platform/win/winuser.h"

CFont* CFont::FromHandle(HFONT handle) { return afx::TemporaryMap<CFont, HFONT>::Get(handle); }

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) { return Attach(::CreateFontIndirect(logFont)); }

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
  LOGFONT logFont = {};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = pointSize;
  if (faceName) std::strncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreatePointFontIndirect(&logFont, dc);
}

// lfHeight comes in tenths of a point and becomes a negative character height in pixels.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc) {
  HDC hdc = dc ? dc->m_hDC : ::GetDC(nullptr);
  int dpi = hdc ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 96;
  if (!dc && hdc) ::ReleaseDC(nullptr, hdc);
  if (dpi <= 0) dpi = 96;
  LOGFONT scaled = *logFont;
  scaled.lfHeight = -((logFont->lfHeight * dpi + 360) / 720);
  return CreateFontIndirect(&scaled);
}
