#include "platform/afx/CWnd.h"

#include <unordered_map>
#include <vector>

#include "platform/afx/AfxDebug.h"
#include "platform/afx/AfxFunctions.h"
#include "platform/afx/CDC.h"
#include "platform/afx/CMenu.h"
#include "platform/afx/CScrollBar.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/TemporaryObjects.h"

namespace {

// Never destroyed: window objects may be destroyed during static destruction too.
std::unordered_map<HWND, CWnd*>& PermanentObjects() {
  static auto* objects = new std::unordered_map<HWND, CWnd*>;
  return *objects;
}

const MSG* currentMessage = nullptr;
// A window created by CreateEx with a class whose procedure is the library's attaches to this object
// on its first message, so even WM_NCCREATE and WM_CREATE reach the message map.
CWnd* windowBeingCreated = nullptr;

bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

void SendToDescendants(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, bool deep) {
  for (HWND child : ChildrenOf(parent)) {
    if (!::IsWindow(child)) continue;
    ::SendMessage(child, message, wParam, lParam);
    if (deep && ::IsWindow(child)) SendToDescendants(child, message, wParam, lParam, deep);
  }
}

}  // namespace

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_CTLCOLOR()
  ON_WM_DRAWITEM()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CWnd::~CWnd() {
  if (!m_hWnd || FromHandlePermanent(m_hWnd) != this) return;
  // An object must not go while the handle map still leads to it: its window goes with it.
  ::DestroyWindow(m_hWnd);
  if (m_hWnd) Detach();
}

// ---- Handle map ----

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hwnd)) return permanent;
  return afx::TemporaryMap<CWnd, HWND>::Get(hwnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
  if (!hwnd) return nullptr;
  auto found = PermanentObjects().find(hwnd);
  return found == PermanentObjects().end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hwnd) {
  ASSERT(m_hWnd == nullptr);
  ASSERT(FromHandlePermanent(hwnd) == nullptr);
  if (!hwnd || m_hWnd || FromHandlePermanent(hwnd)) return FALSE;
  PermanentObjects()[hwnd] = this;
  m_hWnd = hwnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  if (hwnd && FromHandlePermanent(hwnd) == this) PermanentObjects().erase(hwnd);
  m_hWnd = nullptr;
  return hwnd;
}

// ---- Creation, subclassing, destruction ----

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, className, windowName, style | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param) {
  ASSERT(m_hWnd == nullptr);
  CREATESTRUCT cs = {param, AfxGetInstanceHandle(), idOrMenu, parent, height, width, y, x,
                     static_cast<LONG>(style), windowName, className, exStyle};
  if (!PreCreateWindow(cs)) return FALSE;
  if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
  CWnd* outer = windowBeingCreated;
  windowBeingCreated = this;
  HWND hwnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                               cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (windowBeingCreated == this) windowBeingCreated = outer;
  if (!hwnd) return FALSE;
  if (m_hWnd == hwnd) return TRUE;
  // A class of the platform with its own procedure: the map gets the messages from now on.
  return SubclassWindow(hwnd);
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
  if (!Attach(hwnd)) return FALSE;
  PreSubclassWindow();
  WNDPROC previous = reinterpret_cast<WNDPROC>(::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (!previous) {
    Detach();
    return FALSE;
  }
  if (previous != &AfxWndProc) m_pfnSuper = previous;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  ASSERT(parent != nullptr);
  HWND control = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
  return control ? SubclassWindow(control) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper) ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  m_pfnSuper = nullptr;
  return Detach();
}

BOOL CWnd::DestroyWindow() {
  HWND hwnd = m_hWnd;
  if (!hwnd) return FALSE;
  BOOL destroyed = ::DestroyWindow(hwnd);
  // An object attached without the library's procedure sees no WM_NCDESTROY.
  if (m_hWnd == hwnd && !::IsWindow(hwnd)) Detach();
  return destroyed;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroyCleanup() {
  HWND hwnd = m_hWnd;
  // The previous procedure gets the handle back, so nothing still sent to it reaches a detached object.
  if (m_pfnSuper && reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hwnd, GWLP_WNDPROC)) == &AfxWndProc) {
    ::SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  }
  m_pfnSuper = nullptr;
  Detach();
  if (CWinApp* app = AfxGetApp()) app->OnWindowDestroyed(this);
  PostNcDestroy();
}

// ---- Message processing ----

LRESULT CALLBACK CWnd::AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* wnd = FromHandlePermanent(hwnd);
  if (!wnd && windowBeingCreated && !windowBeingCreated->m_hWnd) {
    wnd = windowBeingCreated;
    windowBeingCreated = nullptr;
    wnd->Attach(hwnd);
  }
  if (!wnd) return ::DefWindowProc(hwnd, message, wParam, lParam);
  return CallWindowProcFor(wnd, hwnd, message, wParam, lParam);
}

LRESULT CWnd::CallWindowProcFor(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg = {hwnd, message, wParam, lParam, 0, {0, 0}};
  const MSG* outer = currentMessage;
  currentMessage = &msg;
  LRESULT result;
  if (message == WM_SETCURSOR && CCmdTarget::IsWaitCursorShown()) {
    wnd->RestoreWaitCursor();
    result = TRUE;
  } else {
    result = wnd->WindowProc(message, wParam, lParam);
  }
  if (message == WM_NCDESTROY && wnd->m_hWnd == hwnd) wnd->OnNcDestroyCleanup();
  currentMessage = outer;
  return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *result = 0;
    return TRUE;
  }
  UINT key = IsCtlColorMessage(message) ? WM_CTLCOLOR : message;
  return DispatchToMessageMap(key, 0, 0, message, wParam, lParam, result);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  LRESULT ignored = 0;
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control && ReflectToChild(control, WM_COMMAND, wParam, lParam, &ignored)) return TRUE;
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (!currentMessage) return 0;
  return DefWindowProc(currentMessage->message, currentMessage->wParam, currentMessage->lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_COMMAND:
      return DispatchToMessageMap(WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0, message, wParam, lParam, result);
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
      return DispatchToMessageMap(WM_REFLECT_BASE + message, 0, 0, message, wParam, lParam, result);
    default:
      if (!IsCtlColorMessage(message)) return FALSE;
      return DispatchToMessageMap(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, message, wParam, lParam, result);
  }
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  CWnd* wnd = FromHandlePermanent(child);
  return wnd && wnd->OnChildNotify(message, wParam, lParam, result);
}

const MSG* CWnd::GetCurrentMessage() { return currentMessage; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd;) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop || !::IsWindow(hwnd) || !(::GetWindowLong(hwnd, GWL_STYLE) & WS_CHILD)) break;
    hwnd = ::GetParent(hwnd);
  }
  return FALSE;
}

// ---- Window state ----

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetTopLevelParent() const { return FromHandle(::GetAncestor(m_hWnd, GA_ROOT)); }

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

void CWnd::SetWindowText(LPCTSTR text) { ::SetWindowText(m_hWnd, text); }

int CWnd::GetWindowText(LPTSTR text, int maxCount) const { return ::GetWindowText(m_hWnd, text, maxCount); }

void CWnd::GetWindowText(CString& text) const {
  int length = ::GetWindowTextLength(m_hWnd);
  ::GetWindowText(m_hWnd, text.GetBufferSetLength(length), length + 1);
  text.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL CWnd::ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }

DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE)); }

DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_EXSTYLE)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) { return ModifyStyle(m_hWnd, remove, add, swpFlags); }

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
  return ModifyStyleEx(m_hWnd, remove, add, swpFlags);
}

namespace {

BOOL ModifyWindowLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT swpFlags) {
  DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, index));
  DWORD changed = (style & ~remove) | add;
  if (changed == style) return FALSE;
  ::SetWindowLong(hwnd, index, static_cast<LONG>(changed));
  if (swpFlags) {
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
  }
  return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(HWND hwnd, DWORD remove, DWORD add, UINT swpFlags) {
  return ModifyWindowLong(hwnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hwnd, DWORD remove, DWORD add, UINT swpFlags) {
  return ModifyWindowLong(hwnd, GWL_EXSTYLE, remove, add, swpFlags);
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
  return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL bigIcon) const {
  return reinterpret_cast<HICON>(SendMessage(WM_GETICON, bigIcon ? ICON_BIG : ICON_SMALL, 0));
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

// ---- Geometry ----

void CWnd::GetClientRect(LPRECT rc) const { ::GetClientRect(m_hWnd, rc); }

void CWnd::GetWindowRect(LPRECT rc) const { ::GetWindowRect(m_hWnd, rc); }

void CWnd::ClientToScreen(LPPOINT pt) const { ::ClientToScreen(m_hWnd, pt); }

void CWnd::ClientToScreen(LPRECT rc) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rc), 2); }

void CWnd::ScreenToClient(LPPOINT pt) const { ::ScreenToClient(m_hWnd, pt); }

void CWnd::ScreenToClient(LPRECT rc) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rc), 2); }

void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
  ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}

void CWnd::MapWindowPoints(CWnd* to, LPRECT rc) const {
  ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(rc), 2);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rc, BOOL repaint) {
  MoveWindow(rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top, repaint);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  CRect window;
  GetWindowRect(&window);
  bool child = (GetStyle() & WS_CHILD) != 0;
  HWND center = alternateOwner ? alternateOwner->m_hWnd : child ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
  CRect area(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  if (center && ::IsWindowVisible(center) && !::IsIconic(center)) ::GetWindowRect(center, &area);
  CPoint topLeft(area.left + (area.Width() - window.Width()) / 2, area.top + (area.Height() - window.Height()) / 2);
  if (child) ::ScreenToClient(::GetParent(m_hWnd), &topLeft);
  SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Painting ----

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }

void CWnd::InvalidateRect(LPCRECT rc, BOOL erase) { ::InvalidateRect(m_hWnd, rc, erase); }

void CWnd::ValidateRect(LPCRECT rc) { ::ValidateRect(m_hWnd, rc); }

BOOL CWnd::RedrawWindow(LPCRECT rcUpdate, CRgn* rgnUpdate, UINT flags) {
  return ::RedrawWindow(m_hWnd, rcUpdate, rgnUpdate ? static_cast<HRGN>(*rgnUpdate) : nullptr, flags);
}

void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* dc) { return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0; }

// ---- Input, timers, messages ----

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }

CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep) {
  SendToDescendants(m_hWnd, message, wParam, lParam, deep != FALSE);
}

// ---- Dialog items ----

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) { ::CheckRadioButton(m_hWnd, firstId, lastId, checkId); }

void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }

UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }

void CWnd::SetDlgItemText(int id, LPCTSTR text) { ::SetDlgItemText(m_hWnd, id, text); }

int CWnd::GetDlgItemText(int id, LPTSTR text, int maxCount) const {
  return static_cast<int>(::GetDlgItemText(m_hWnd, id, text, maxCount));
}

int CWnd::GetDlgItemText(int id, CString& text) const {
  text.Empty();
  HWND item = ::GetDlgItem(m_hWnd, id);
  if (!item) return 0;
  FromHandle(item)->GetWindowText(text);
  return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
  return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type) {
  return ::MessageBox(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}

CWnd* CWnd::GetSafeOwner(CWnd* parent, HWND* topLevel) {
  HWND owner = parent ? parent->m_hWnd : nullptr;
  if (!owner) {
    CWnd* main = AfxGetMainWnd();
    owner = main ? main->m_hWnd : nullptr;
  }
  if (owner) owner = ::GetAncestor(owner, GA_ROOT);
  if (topLevel) *topLevel = owner;
  return FromHandle(owner);
}

// ---- Default handlers: the default processing of the message they stand for ----

int CWnd::OnCreate(LPCREATESTRUCT cs) {
  return static_cast<int>(DefWindowProc(WM_CREATE, 0, reinterpret_cast<LPARAM>(cs)));
}

void CWnd::OnDestroy() { DefWindowProc(WM_DESTROY, 0, 0); }

void CWnd::OnClose() { DefWindowProc(WM_CLOSE, 0, 0); }

void CWnd::OnPaint() { DefWindowProc(WM_PAINT, 0, 0); }

BOOL CWnd::OnEraseBkgnd(CDC* dc) {
  return static_cast<BOOL>(DefWindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc ? dc->m_hDC : nullptr), 0));
}

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
  UINT message = WM_CTLCOLORMSGBOX + ctlColor;
  WPARAM wParam = reinterpret_cast<WPARAM>(dc ? dc->m_hDC : nullptr);
  HWND control = wnd ? wnd->m_hWnd : nullptr;
  LPARAM lParam = reinterpret_cast<LPARAM>(control);
  LRESULT brush = 0;
  if (control && control != m_hWnd && ReflectToChild(control, message, wParam, lParam, &brush)) {
    return reinterpret_cast<HBRUSH>(brush);
  }
  return reinterpret_cast<HBRUSH>(DefWindowProc(message, wParam, lParam));
}

void CWnd::OnDrawItem(int idCtl, LPDRAWITEMSTRUCT drawItem) {
  LRESULT ignored = 0;
  WPARAM wParam = static_cast<WPARAM>(idCtl);
  LPARAM lParam = reinterpret_cast<LPARAM>(drawItem);
  if (drawItem && ReflectToChild(drawItem->hwndItem, WM_DRAWITEM, wParam, lParam, &ignored)) return;
  DefWindowProc(WM_DRAWITEM, wParam, lParam);
}

void CWnd::OnTimer(UINT_PTR) { Default(); }

void CWnd::OnHScroll(UINT sbCode, UINT pos, CScrollBar* scrollBar) { OnScroll(WM_HSCROLL, sbCode, pos, scrollBar); }

void CWnd::OnVScroll(UINT sbCode, UINT pos, CScrollBar* scrollBar) { OnScroll(WM_VSCROLL, sbCode, pos, scrollBar); }

// The control that scrolled handles its own notification first; only what it leaves is defaulted.
void CWnd::OnScroll(UINT message, UINT sbCode, UINT pos, CScrollBar* scrollBar) {
  LRESULT ignored = 0;
  WPARAM wParam = MAKEWPARAM(sbCode, pos);
  LPARAM control = reinterpret_cast<LPARAM>(scrollBar ? scrollBar->m_hWnd : nullptr);
  if (control && ReflectToChild(scrollBar->m_hWnd, message, wParam, control, &ignored)) return;
  DefWindowProc(message, wParam, control);
}

void CWnd::OnSysCommand(UINT id, LPARAM lParam) { DefWindowProc(WM_SYSCOMMAND, id, lParam); }

HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(DefWindowProc(WM_QUERYDRAGICON, 0, 0)); }

BOOL CWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  return static_cast<BOOL>(DefWindowProc(WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd ? wnd->m_hWnd : nullptr),
                                         MAKELPARAM(hitTest, message)));
}

void CWnd::OnMouseMove(UINT flags, CPoint point) { DefWindowProc(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y)); }

void CWnd::OnLButtonDown(UINT flags, CPoint point) {
  DefWindowProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnLButtonUp(UINT flags, CPoint point) { DefWindowProc(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y)); }

void CWnd::OnLButtonDblClk(UINT flags, CPoint point) {
  DefWindowProc(WM_LBUTTONDBLCLK, flags, MAKELPARAM(point.x, point.y));
}

void CWnd::OnCaptureChanged(CWnd* wnd) {
  DefWindowProc(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(wnd ? wnd->m_hWnd : nullptr));
}

void CWnd::OnKillFocus(CWnd* newWnd) {
  DefWindowProc(WM_KILLFOCUS, reinterpret_cast<WPARAM>(newWnd ? newWnd->m_hWnd : nullptr), 0);
}

void CWnd::OnSetFocus(CWnd* oldWnd) {
  DefWindowProc(WM_SETFOCUS, reinterpret_cast<WPARAM>(oldWnd ? oldWnd->m_hWnd : nullptr), 0);
}

void CWnd::OnEnable(BOOL enable) { DefWindowProc(WM_ENABLE, static_cast<WPARAM>(enable), 0); }

void CWnd::OnCancelMode() { DefWindowProc(WM_CANCELMODE, 0, 0); }

void CWnd::OnSysColorChange() {
  if (!(GetStyle() & WS_CHILD)) SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE);
  DefWindowProc(WM_SYSCOLORCHANGE, 0, 0);
}

void CWnd::OnKeyDown(UINT ch, UINT repeatCount, UINT flags) {
  DefWindowProc(WM_KEYDOWN, ch, MAKELPARAM(repeatCount, flags));
}
