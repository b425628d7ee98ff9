// What a window does with a message its own procedure leaves alone.
#include <algorithm>
#include <cstring>

#include "platform/win/Geometry.h"
#include "platform/win/Icon.h"
#include "platform/win/Painting.h"
#include "platform/win/NonClient.h"
#include "platform/win/NonClientTracking.h"
#include "platform/win/PopupKind.h"
#include "platform/win/SysColors.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowUpdate.h"

using win::Sys;
using win::Window;

namespace {

// Copies at most maxBytes - 1 bytes of UTF-8 text without cutting a character in two.
LRESULT CopyText(const std::string& text, char* buffer, size_t maxBytes) {
  if (!buffer || maxBytes == 0) return 0;
  size_t n = std::min(text.size(), maxBytes - 1);
  while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<LRESULT>(n);
}

LRESULT OnSetText(HWND hwnd, Window& w, LPCSTR text) {
  w.text = text ? text : "";
  if (!w.isChild()) {
    if (w.hasNativeWindow) Sys().backend->setTitle(hwnd, w.text);
    win::InvalidateFrame(hwnd);
  }
  return TRUE;
}

LRESULT OnSetIcon(HWND hwnd, Window& w, WPARAM which, HICON icon) {
  HICON& slot = which == ICON_BIG ? w.bigIcon : w.smallIcon;
  HICON old = slot;
  slot = icon;
  if (!w.isChild()) {
    if (which == ICON_BIG && w.hasNativeWindow) Sys().backend->setIcon(hwnd, win::IconImageFor(icon, 32));
    win::InvalidateFrame(hwnd);
  }
  return reinterpret_cast<LRESULT>(old);
}

LRESULT OnEraseBackground(HWND hwnd, const Window& w, HDC hdc) {
  HBRUSH brush = win::SysColors::instance().resolveClassBrush(w.cls->background);
  if (!brush) return 0;
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillRect(hdc, &rc, brush);
  return 1;
}

LRESULT OnSetCursor(HWND hwnd, const Window& w, WPARAM wParam, LPARAM lParam) {
  if (w.isChild() && SendMessage(w.parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  int hit = static_cast<short>(LOWORD(lParam));
  if (reinterpret_cast<HWND>(wParam) != hwnd) return FALSE;
  if (hit == HTCLIENT) {
    if (!w.cls->cursor) return FALSE;
    SetCursor(w.cls->cursor);
    return TRUE;
  }
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  return TRUE;
}

LRESULT OnMouseActivate(const Window& w, WPARAM wParam, LPARAM lParam) {
  if (w.isChild()) {
    if (LRESULT r = SendMessage(w.parent, WM_MOUSEACTIVATE, wParam, lParam)) return r;
  }
  // Menus, drop-down lists and tooltips never take activation from a click.
  if (!w.isChild() && win::IsPopupKind(w)) return MA_NOACTIVATE;
  return MA_ACTIVATE;
}

LRESULT OnNcCalcSize(const Window& w, LPARAM lParam) {
  auto* rc = reinterpret_cast<RECT*>(lParam);
  if (!rc) return 0;
  RECT insets = win::FrameInsetsOf(w);
  rc->left += insets.left;
  rc->top += insets.top;
  rc->right = std::max(rc->left, rc->right - insets.right);
  rc->bottom = std::max(rc->top, rc->bottom - insets.bottom);
  return 0;
}

LRESULT OnCtlColor(UINT msg, HDC hdc) {
  bool windowColored = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
  int background = windowColored ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(hdc, GetSysColor(windowColored ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
  SetBkColor(hdc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

void ForwardToDescendants(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const Window* w = Sys().find(hwnd);
  if (!w) return;
  std::vector<HWND> children = w->children;
  for (HWND child : children) {
    if (!IsWindow(child)) continue;
    SendMessage(child, msg, wParam, lParam);
    ForwardToDescendants(child, msg, wParam, lParam);
  }
}

LRESULT OnSysKeyDown(HWND hwnd, WPARAM vk, LPARAM lParam) {
  bool alt = (lParam >> 29) & 1;
  if (!alt) return 0;
  HWND root = GetAncestor(hwnd, GA_ROOT);
  if (vk == VK_F4) SendMessage(root, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (vk == VK_SPACE) SendMessage(root, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  return 0;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM command, LPARAM lParam) {
  switch (command & 0xFFF0) {
    case SC_CLOSE: SendMessage(hwnd, WM_CLOSE, 0, 0); break;
    case SC_MOVE:
      win::TrackMove(hwnd, (command & 0x0F) == HTCAPTION, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    case SC_KEYMENU:
      if (lParam == ' ') win::ShowSystemMenu(hwnd, nullptr);
      break;
    case SC_MOUSEMENU: {
      POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      win::ShowSystemMenu(hwnd, &pt);
      break;
    }
    default: break;
  }
  return 0;
}

LRESULT OnNcButton(HWND hwnd, UINT msg, WPARAM hit, LPARAM lParam) {
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_NCLBUTTONDOWN:
      if (hit == HTCAPTION) SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
      if (hit == HTCLOSE) win::TrackCloseButton(hwnd);
      if (hit == HTSYSMENU) SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU, lParam);
      break;
    case WM_NCLBUTTONDBLCLK:
      if (hit == HTSYSMENU) SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case WM_NCRBUTTONUP:
      if (hit == HTCAPTION || hit == HTSYSMENU) win::ShowSystemMenu(hwnd, &pt);
      break;
    default: break;
  }
  return 0;
}

LRESULT OnWindowPosChanged(HWND hwnd, LPARAM lParam) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (!pos) return 0;
  if (!(pos->flags & SWP_NOSIZE)) win::SendSize(hwnd);
  if (!(pos->flags & SWP_NOMOVE)) win::SendMove(hwnd);
  return 0;
}

LRESULT OnNcActivate(HWND hwnd, Window& w, WPARAM active) {
  w.captionActive = active != 0;
  if (win::CaptionLayoutOf(w).present) win::PaintNonClient(hwnd);
  return TRUE;
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = Sys().find(hwnd);
  if (!w) return 0;
  switch (msg) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName)) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: return OnNcCalcSize(*w, lParam);
    case WM_NCHITTEST: return win::NonClientHitTest(*w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT: win::PaintNonClient(hwnd); return 0;
    case WM_NCACTIVATE: return OnNcActivate(hwnd, *w, wParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONUP: return OnNcButton(hwnd, msg, wParam, lParam);
    case WM_SETTEXT: return OnSetText(hwnd, *w, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT: return CopyText(w->text, reinterpret_cast<char*>(lParam), wParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_SETICON: return OnSetIcon(hwnd, *w, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->bigIcon : w->smallIcon);
    case WM_SETCURSOR: return OnSetCursor(hwnd, *w, wParam, lParam);
    case WM_MOUSEACTIVATE: return OnMouseActivate(*w, wParam, lParam);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
      return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: return OnSysCommand(hwnd, wParam, lParam);
    case WM_SYSKEYDOWN: return OnSysKeyDown(hwnd, wParam, lParam);
    case WM_ERASEBKGND: return OnEraseBackground(hwnd, *w, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(hwnd, lParam);
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return OnCtlColor(msg, reinterpret_cast<HDC>(wParam));
    case WM_SYSCOLORCHANGE:
      // Top-level windows pass the change on, so every control hears of it.
      if (!w->isChild()) ForwardToDescendants(hwnd, msg, wParam, lParam);
      return 0;
    case WM_MOUSEWHEEL:
      if (w->isChild()) return SendMessage(w->parent, msg, wParam, lParam);
      return 0;
    default: return 0;
  }
}
