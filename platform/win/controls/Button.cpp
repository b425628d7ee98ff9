#include "platform/win/controls/Button.h"

#include "platform/win/controls/ButtonPainter.h"
#include "platform/win/controls/ControlWindowProc.h"
#include "platform/win/dialog/DialogControls.h"

namespace win {

namespace {

constexpr LPARAM kKeyRepeatBit = 1 << 30;

POINT PointFromLParam(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool ClientContains(HWND hwnd, POINT pt) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  return PtInRect(&rc, pt) != FALSE;
}

}  // namespace

void Button::registerClass() {
  WNDCLASS wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ControlWindowProc<Button>;
  wc.cbWndExtra = kControlWindowExtra;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "button";
  RegisterClass(&wc);
}

DWORD Button::type() const { return GetWindowLong(hwnd_, GWL_STYLE) & BS_TYPEMASK; }

HFONT Button::font() const { return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

UINT Button::ownerDrawState() const {
  UINT state = 0;
  if (pressed_) state |= ODS_SELECTED;
  if (focused_) state |= ODS_FOCUS;
  if (!IsWindowEnabled(hwnd_)) state |= ODS_DISABLED;
  return state;
}

bool Button::hasCheckState() const {
  switch (type()) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return true;
    default:
      return false;
  }
}

LRESULT Button::dialogCode() const {
  switch (type()) {
    case BS_DEFPUSHBUTTON:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_OWNERDRAW:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
      return DLGC_STATIC;
    default:
      return DLGC_BUTTON;
  }
}

LRESULT Button::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // painting covers what needs covering; the rest stays the parent's
    case WM_NCHITTEST:
      if (type() == BS_GROUPBOX) return HTTRANSPARENT;
      break;
    case WM_GETDLGCODE:
      return dialogCode();
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (lParam) InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      LRESULT result = DefWindowProc(hwnd_, msg, wParam, lParam);
      InvalidateRect(hwnd_, nullptr, TRUE);
      return result;
    }
    case WM_ENABLE:
      if (!wParam) cancelMouse();
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a double click is a second press, so quick clicks all count
      pressWithMouse();
      return 0;
    case WM_MOUSEMOVE:
      trackMouse(PointFromLParam(lParam));
      return 0;
    case WM_LBUTTONUP:
      releaseMouse(PointFromLParam(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) cancelMouse();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) {
        pressSpace(lParam);
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wParam == VK_SPACE) {
        releaseSpace();
        return 0;
      }
      break;
    case WM_SETFOCUS:
      setFocused(true);
      return 0;
    case WM_KILLFOCUS:
      setFocused(false);
      return 0;
    case BM_GETCHECK:
      return check_;
    case BM_SETCHECK:
      setCheck(static_cast<UINT>(wParam));
      return 0;
    case BM_GETSTATE:
      return check_ | (pressed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
    case BM_SETSTATE:
      setPressed(wParam != 0);
      return 0;
    case BM_SETSTYLE:
      setStyle(LOWORD(wParam), lParam != 0);
      return 0;
    case BM_CLICK:
      if (IsWindowEnabled(hwnd_)) click();
      return 0;
    default:
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

void Button::pressWithMouse() {
  if (type() == BS_GROUPBOX || !IsWindowEnabled(hwnd_)) return;
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (!IsWindow(hwnd_)) return;
  SetCapture(hwnd_);
  mouseTracking_ = true;
  setPressed(true);
}

void Button::trackMouse(POINT pt) {
  if (mouseTracking_) setPressed(ClientContains(hwnd_, pt));
}

void Button::releaseMouse(POINT pt) {
  if (!mouseTracking_) return;
  mouseTracking_ = false;
  setPressed(false);
  ReleaseCapture();
  if (ClientContains(hwnd_, pt)) click();
}

void Button::cancelMouse() {
  if (!mouseTracking_) return;
  mouseTracking_ = false;
  setPressed(false);
  if (GetCapture() == hwnd_) ReleaseCapture();
}

void Button::pressSpace(LPARAM keyData) {
  if (mouseTracking_ || (keyData & kKeyRepeatBit) || type() == BS_GROUPBOX) return;
  spaceDown_ = true;
  setPressed(true);
}

void Button::releaseSpace() {
  if (!spaceDown_) return;
  spaceDown_ = false;
  setPressed(false);
  click();
}

void Button::setFocused(bool focused) {
  if (!focused) {
    cancelMouse();
    if (spaceDown_) {
      spaceDown_ = false;
      setPressed(false);
    }
  }
  if (focused == focused_) return;
  focused_ = focused;
  redraw(ODA_FOCUS);
}

void Button::setPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  redraw(ODA_SELECT);
}

void Button::setCheck(UINT check) {
  if (!hasCheckState() || check > 2 || check == check_) return;
  check_ = check;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Button::setStyle(WORD style, bool redrawNow) {
  DWORD full = GetWindowLong(hwnd_, GWL_STYLE);
  SetWindowLong(hwnd_, GWL_STYLE, static_cast<LONG>((full & 0xFFFF0000u) | style));
  if (redrawNow) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Button::uncheckGroupSiblings() {
  for (HWND sibling : ControlGroupOf(hwnd_)) {
    if (sibling != hwnd_ && (SendMessage(sibling, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) {
      SendMessage(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

void Button::click() {
  switch (type()) {
    case BS_AUTOCHECKBOX:
      setCheck(check_ == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
      break;
    case BS_AUTO3STATE:
      setCheck((check_ + 1) % 3);
      break;
    case BS_AUTORADIOBUTTON:
      setCheck(BST_CHECKED);
      uncheckGroupSiblings();
      break;
    default:
      break;
  }
  HWND parent = GetParent(hwnd_);
  if (parent) {
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
  }
}

// An owner-drawn button is asked to draw the change at once; the others repaint.
void Button::redraw(UINT ownerDrawAction) {
  if (type() != BS_OWNERDRAW) {
    InvalidateRect(hwnd_, nullptr, TRUE);
    return;
  }
  if (!IsWindowVisible(hwnd_)) return;
  // While the parent (or the button) still waits for its paint, the owner would draw over pixels that
  // are not there yet (a skinned owner copies them); the paint that follows draws the new state.
  RECT pending;
  HWND parent = GetParent(hwnd_);
  if ((parent != nullptr && GetUpdateRect(parent, &pending, FALSE)) || GetUpdateRect(hwnd_, &pending, FALSE)) {
    InvalidateRect(hwnd_, nullptr, FALSE);
    return;
  }
  HDC hdc = GetDC(hwnd_);
  ButtonPainter(*this).drawOwnerItem(hdc, ownerDrawAction);
  ReleaseDC(hwnd_, hdc);
}

void Button::paint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (hdc) ButtonPainter(*this).paint(hdc);
  EndPaint(hwnd_, &ps);
}

}  // namespace win
