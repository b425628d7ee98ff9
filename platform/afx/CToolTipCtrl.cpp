#include "platform/afx/CToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  return CreateEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, 0, 0, 0, 0, parent ? parent->m_hWnd : nullptr,
                  nullptr);
}

TOOLINFO CToolTipCtrl::ToolInfoFor(CWnd* wnd, UINT_PTR toolId) {
  TOOLINFO info = {};
  info.cbSize = sizeof info;
  info.hwnd = wnd ? wnd->m_hWnd : nullptr;
  if (toolId == 0) {
    info.uFlags = TTF_IDISHWND;
    info.uId = reinterpret_cast<UINT_PTR>(info.hwnd);
  } else {
    info.uId = toolId;
  }
  return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT rect, UINT_PTR toolId) {
  TOOLINFO info = ToolInfoFor(wnd, toolId);
  if (rect || toolId != 0) {
    info.uFlags = 0;
    info.uId = toolId;
    if (rect) {
      info.rect = *rect;
    } else if (wnd) {
      wnd->GetClientRect(&info.rect);
    }
  }
  info.lpszText = const_cast<LPSTR>(text);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId) {
  TOOLINFO info = ToolInfoFor(wnd, toolId);
  SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId) {
  TOOLINFO info = ToolInfoFor(wnd, toolId);
  info.lpszText = const_cast<LPSTR>(text);
  SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate)); }

void CToolTipCtrl::RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }

int CToolTipCtrl::SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }

void CToolTipCtrl::SetDelayTime(UINT which, int milliseconds) {
  SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0));
}

void CToolTipCtrl::Pop() { SendMessage(TTM_POP); }
