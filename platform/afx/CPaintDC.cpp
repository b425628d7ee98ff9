#include "platform/afx/CPaintDC.h"

#include "platform/afx/CWnd.h"

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
  if (!m_hDC) return;
  Detach();
  ::EndPaint(m_hWnd, &m_ps);
}
