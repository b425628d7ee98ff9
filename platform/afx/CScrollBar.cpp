#include "platform/afx/CScrollBar.h"

#include "platform/afx/TemporaryObjects.h"

BOOL CScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CWnd::Create("scrollbar", nullptr, style, rect, parent, id);
}

CScrollBar* CScrollBar::FromNotifyingHandle(HWND control) {
  if (!control) return nullptr;
  if (auto* own = dynamic_cast<CScrollBar*>(FromHandlePermanent(control))) return own;
  return afx::TemporaryMap<CScrollBar, HWND>::Get(control);
}
