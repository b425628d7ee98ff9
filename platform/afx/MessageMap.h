// Message maps: tables that bind window messages and commands to member functions.
//
// In a class:       DECLARE_MESSAGE_MAP()
// In its .cpp:      BEGIN_MESSAGE_MAP(CMyDialog, CDialog)
//                     ON_WM_PAINT()
//                     ON_BN_CLICKED(IDC_PLAY, &CMyDialog::OnPlay)
//                   END_MESSAGE_MAP()
//
// Every entry holds a thunk: a plain function that casts the target to the class whose map holds the
// entry and calls the handler with the message's arguments unpacked. Maps are searched from the most
// derived class to its bases, so a derived entry hides the base's entry for the same message.
#pragma once

#include "platform/win/winuser.h"

class CCmdTarget;

// `message` is the message as it arrived (for a reflected one, the parent's message). A thunk leaves
// *handled true unless the handler declines the message (see the _EX and _REFLECT entries).
typedef LRESULT (*AFX_MSG_THUNK)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam, bool* handled);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // the window message, WM_COMMAND, or WM_REFLECT_BASE + a message for reflected ones
  UINT nCode;     // notification code of WM_COMMAND entries
  UINT nID;       // first and last command id of WM_COMMAND entries
  UINT nLastID;
  AFX_MSG_THUNK pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;  // ends with an entry whose pfn is null
};

// Messages that a parent hands back to the child control they came from.
#define WM_REFLECT_BASE 0xBC00
// Stands for the whole WM_CTLCOLORMSGBOX..WM_CTLCOLORSTATIC family in map entries.
#define WM_CTLCOLOR 0x0019

#define afx_msg

#define DECLARE_MESSAGE_MAP()                         \
 protected:                                           \
  static const AFX_MSGMAP* GetThisMessageMap();       \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                              \
    typedef theClass ThisClass;                                                  \
    typedef baseClass TheBaseClass;                                              \
    static_assert(sizeof(ThisClass) > 0);                                        \
    static const AFX_MSGMAP_ENTRY messageEntries[] = {
#define END_MESSAGE_MAP()                                                                 \
  {0, 0, 0, 0, nullptr}                                                                   \
  }                                                                                       \
  ;                                                                                       \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
  return &messageMap;                                                                     \
  }

// The thunk around a handler call; inside it `self` is the target as ThisClass.
#define AFX_THUNK(body)                                                                            \
  [](CCmdTarget* afxTarget, UINT afxMessage, WPARAM wParam, LPARAM lParam, bool* afxHandled) -> LRESULT { \
    ThisClass* self = static_cast<ThisClass*>(afxTarget);                                          \
    (void)self;                                                                                    \
    (void)afxMessage;                                                                              \
    (void)wParam;                                                                                  \
    (void)lParam;                                                                                  \
    (void)afxHandled;                                                                              \
    body                                                                                           \
  }

#define AFX_MSG_ENTRY(message, body) {message, 0, 0, 0, AFX_THUNK(body)},
#define AFX_POINT_FROM_LPARAM CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))

// ---- Window messages ----
#define ON_WM_CREATE() \
  AFX_MSG_ENTRY(WM_CREATE, return self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, self->OnDestroy(); return 0;)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, self->OnClose(); return 0;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, self->OnPaint(); return 0;)
#define ON_WM_ERASEBKGND() \
  AFX_MSG_ENTRY(WM_ERASEBKGND, return self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));)
#define ON_WM_CTLCOLOR()                                                                              \
  AFX_MSG_ENTRY(WM_CTLCOLOR,                                                                          \
                return reinterpret_cast<LRESULT>(self->OnCtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), \
                                                                  CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
                                                                  afxMessage - WM_CTLCOLORMSGBOX));)
#define ON_WM_DRAWITEM()                                                                \
  AFX_MSG_ENTRY(WM_DRAWITEM, self->OnDrawItem(static_cast<int>(wParam),                 \
                                              reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); \
                return TRUE;)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, self->OnTimer(static_cast<UINT_PTR>(wParam)); return 0;)
#define ON_WM_HSCROLL()                                                                              \
  AFX_MSG_ENTRY(WM_HSCROLL, self->OnHScroll(LOWORD(wParam), HIWORD(wParam),                          \
                                            CScrollBar::FromNotifyingHandle(reinterpret_cast<HWND>(lParam))); \
                return 0;)
#define ON_WM_VSCROLL()                                                                              \
  AFX_MSG_ENTRY(WM_VSCROLL, self->OnVScroll(LOWORD(wParam), HIWORD(wParam),                          \
                                            CScrollBar::FromNotifyingHandle(reinterpret_cast<HWND>(lParam))); \
                return 0;)
#define ON_WM_SYSCOMMAND() \
  AFX_MSG_ENTRY(WM_SYSCOMMAND, self->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;)
#define ON_WM_QUERYDRAGICON() \
  AFX_MSG_ENTRY(WM_QUERYDRAGICON, return reinterpret_cast<LRESULT>(self->OnQueryDragIcon());)
#define ON_WM_SETCURSOR()                                                                          \
  AFX_MSG_ENTRY(WM_SETCURSOR, return self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                                       LOWORD(lParam), HIWORD(lParam));)
#define ON_WM_MOUSEMOVE() \
  AFX_MSG_ENTRY(WM_MOUSEMOVE, self->OnMouseMove(static_cast<UINT>(wParam), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_LBUTTONDOWN() \
  AFX_MSG_ENTRY(WM_LBUTTONDOWN, self->OnLButtonDown(static_cast<UINT>(wParam), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_LBUTTONUP() \
  AFX_MSG_ENTRY(WM_LBUTTONUP, self->OnLButtonUp(static_cast<UINT>(wParam), AFX_POINT_FROM_LPARAM); return 0;)
#define ON_WM_LBUTTONDBLCLK()                                                                      \
  AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, self->OnLButtonDblClk(static_cast<UINT>(wParam), AFX_POINT_FROM_LPARAM); \
                return 0;)
#define ON_WM_CAPTURECHANGED() \
  AFX_MSG_ENTRY(WM_CAPTURECHANGED, self->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))); return 0;)
#define ON_WM_KILLFOCUS() \
  AFX_MSG_ENTRY(WM_KILLFOCUS, self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return 0;)
#define ON_WM_SETFOCUS() \
  AFX_MSG_ENTRY(WM_SETFOCUS, self->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))); return 0;)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, self->OnEnable(static_cast<BOOL>(wParam)); return 0;)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, self->OnCancelMode(); return 0;)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, self->OnSysColorChange(); return 0;)
#define ON_WM_KEYDOWN()                                                                             \
  AFX_MSG_ENTRY(WM_KEYDOWN, self->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); \
                return 0;)

// ---- Commands and control notifications ----
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_CONTROL(code, id, memberFxn) \
  {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(id), AFX_THUNK((self->*(memberFxn))(); return 0;)},
#define ON_COMMAND_RANGE(firstId, lastId, memberFxn)                                         \
  {WM_COMMAND, 0, static_cast<UINT>(firstId), static_cast<UINT>(lastId),                      \
   AFX_THUNK((self->*(memberFxn))(static_cast<UINT>(LOWORD(wParam))); return 0;)},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, return (self->*(memberFxn))(wParam, lParam);)

// ---- Reflected messages: handled by the control the parent received them from ----
#define ON_CONTROL_REFLECT(code, memberFxn) \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0, AFX_THUNK((self->*(memberFxn))(); return 0;)},
// The handler returns TRUE when it handled the notification; FALSE lets the parent handle it too.
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                    \
  {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code), 0, 0,                    \
   AFX_THUNK(*afxHandled = (self->*(memberFxn))() != FALSE; return 0;)},
#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)
// A non-NULL brush is the control's answer; NULL leaves the message to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                                         \
  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR,                                                           \
                HBRUSH brush = self->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),            \
                                              afxMessage - WM_CTLCOLORMSGBOX);                           \
                *afxHandled = brush != nullptr; return reinterpret_cast<LRESULT>(brush);)
#define ON_WM_HSCROLL_REFLECT() \
  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, self->HScroll(LOWORD(wParam), HIWORD(wParam)); return 0;)
#define ON_WM_VSCROLL_REFLECT() \
  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, self->VScroll(LOWORD(wParam), HIWORD(wParam)); return 0;)
#define ON_WM_DRAWITEM_REFLECT() \
  AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, self->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); return TRUE;)
