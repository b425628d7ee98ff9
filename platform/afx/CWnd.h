// A window: its handle, its message map and the window calls of the platform as members.
//
// A CWnd is "permanent" for its window once attached (Attach, SubclassWindow, Create, or a dialog
// being created); its window procedure is then the library's, which routes every message through
// WindowProc -> OnWndMsg (the message maps) -> DefWindowProc (the window's previous procedure).
// Notifications a child sends its parent (WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR*, WM_HSCROLL and
// WM_VSCROLL) are first offered back to the child's own object (OnChildNotify, the _REFLECT entries).
#pragma once

#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CRect.h"
#include "platform/afx/CString.h"
#include "platform/win/winuser.h"

class CDC;
class CMenu;
class CRgn;
class CScrollBar;

class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // Placement targets of SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

  // ---- Handle map ----
  // The permanent object of the window, or a temporary one that lives while the window exists.
  static CWnd* FromHandle(HWND hwnd);
  static CWnd* FromHandlePermanent(HWND hwnd);
  BOOL Attach(HWND hwnd);
  HWND Detach();
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // ---- Creation, subclassing, destruction ----
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                        int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
  BOOL SubclassWindow(HWND hwnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();
  virtual BOOL DestroyWindow();

  // ---- Message processing ----
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Default processing of the message being handled.
  LRESULT Default();
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Reflection: the parent offers the child's notification to the child's object first.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // The message being processed by the library's window procedure (NULL outside one).
  static const MSG* GetCurrentMessage();
  // Calls PreTranslateMessage of the message's window and each of its parents up to the top-level
  // window or `stop`; TRUE when one of them took the message.
  static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

  // ---- Window state ----
  CWnd* GetParent() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetDlgItem(int id) const;
  int GetDlgCtrlID() const;
  void SetWindowText(LPCTSTR text);
  int GetWindowText(LPTSTR text, int maxCount) const;
  void GetWindowText(CString& text) const;
  int GetWindowTextLength() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL ShowWindow(int cmd);
  BOOL IsWindowVisible() const;
  BOOL IsIconic() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
  static BOOL ModifyStyle(HWND hwnd, DWORD remove, DWORD add, UINT swpFlags);
  static BOOL ModifyStyleEx(HWND hwnd, DWORD remove, DWORD add, UINT swpFlags);
  HICON SetIcon(HICON icon, BOOL bigIcon);
  HICON GetIcon(BOOL bigIcon) const;
  CMenu* GetSystemMenu(BOOL revert) const;

  // ---- Geometry ----
  void GetClientRect(LPRECT rc) const;
  void GetWindowRect(LPRECT rc) const;
  void ClientToScreen(LPPOINT pt) const;
  void ClientToScreen(LPRECT rc) const;
  void ScreenToClient(LPPOINT pt) const;
  void ScreenToClient(LPRECT rc) const;
  void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
  void MapWindowPoints(CWnd* to, LPRECT rc) const;
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rc, BOOL repaint = TRUE);
  void CenterWindow(CWnd* alternateOwner = nullptr);

  // ---- Painting ----
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(LPCRECT rc, BOOL erase = TRUE);
  void ValidateRect(LPCRECT rc);
  BOOL RedrawWindow(LPCRECT rcUpdate = nullptr, CRgn* rgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void UpdateWindow();
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* dc);

  // ---- Input, timers, messages ----
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
  BOOL KillTimer(UINT_PTR id);
  CWnd* SetCapture();
  static CWnd* GetCapture();
  CWnd* SetFocus();
  static CWnd* GetFocus();
  static CWnd* GetActiveWindow();
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE);

  // ---- Dialog items ----
  void CheckRadioButton(int firstId, int lastId, int checkId);
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  void SetDlgItemText(int id, LPCTSTR text);
  int GetDlgItemText(int id, LPTSTR text, int maxCount) const;
  int GetDlgItemText(int id, CString& text) const;
  void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

  // The top-level window that should own a new modal window: the top-level parent of `parent`, or the
  // application's main window. `topLevel` receives the window's top-level parent as well.
  static CWnd* GetSafeOwner(CWnd* parent = nullptr, HWND* topLevel = nullptr);

  // The library's window procedure; every permanent window runs through it, and window classes
  // registered for the library's windows use it as their class procedure.
  static LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  // For the temporary map.
  static bool IsLiveHandle(HWND hwnd) { return ::IsWindow(hwnd); }
  void AttachTemporary(HWND hwnd) { m_hWnd = hwnd; }
  void DetachTemporary() { m_hWnd = nullptr; }

  // ---- Default handlers that derived classes call ----
  afx_msg int OnCreate(LPCREATESTRUCT cs);
  afx_msg void OnDestroy();
  afx_msg void OnClose();
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
  afx_msg void OnDrawItem(int idCtl, LPDRAWITEMSTRUCT drawItem);
  afx_msg void OnTimer(UINT_PTR id);
  afx_msg void OnHScroll(UINT sbCode, UINT pos, CScrollBar* scrollBar);
  afx_msg void OnVScroll(UINT sbCode, UINT pos, CScrollBar* scrollBar);
  afx_msg void OnSysCommand(UINT id, LPARAM lParam);
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnCaptureChanged(CWnd* wnd);
  afx_msg void OnKillFocus(CWnd* newWnd);
  afx_msg void OnSetFocus(CWnd* oldWnd);
  afx_msg void OnEnable(BOOL enable);
  afx_msg void OnCancelMode();
  // Top-level windows pass the change on to all their descendants.
  afx_msg void OnSysColorChange();
  afx_msg void OnKeyDown(UINT ch, UINT repeatCount, UINT flags);

 protected:
  // Called by SubclassWindow before the window procedure is replaced.
  virtual void PreSubclassWindow();
  // Called after the window's last message; the object is detached by then.
  virtual void PostNcDestroy();
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // Offers a message to the reflect entries of this object's map.
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Offers a child's notification to the child's permanent object, if it has one.
  static BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // Runs one message through the object with the current message set, then the clean-up that
  // follows WM_NCDESTROY.
  static LRESULT CallWindowProcFor(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC m_pfnSuper = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  explicit CWnd(HWND placement) : m_hWnd(placement) {}
  void OnNcDestroyCleanup();
  void OnScroll(UINT message, UINT sbCode, UINT pos, CScrollBar* scrollBar);
};
