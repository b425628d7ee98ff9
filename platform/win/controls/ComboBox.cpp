#include "platform/win/controls/ComboBox.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/win/controls/ControlPaint.h"

namespace win {

namespace {

constexpr int kEdge = 2;        // the sunken 3D frame
constexpr int kTextPadding = 2; // between the frame and the text, above and below
constexpr int kTextIndent = 2;

// The messages that map one to one onto the list box's.
UINT ListMessageFor(UINT comboMessage) {
  switch (comboMessage) {
    case CB_ADDSTRING: return LB_ADDSTRING;
    case CB_INSERTSTRING: return LB_INSERTSTRING;
    case CB_DELETESTRING: return LB_DELETESTRING;
    case CB_RESETCONTENT: return LB_RESETCONTENT;
    case CB_GETCOUNT: return LB_GETCOUNT;
    case CB_GETCURSEL: return LB_GETCURSEL;
    case CB_SETCURSEL: return LB_SETCURSEL;
    case CB_GETLBTEXT: return LB_GETTEXT;
    case CB_GETLBTEXTLEN: return LB_GETTEXTLEN;
    case CB_GETITEMDATA: return LB_GETITEMDATA;
    case CB_SETITEMDATA: return LB_SETITEMDATA;
  }
  return 0;
}

UINT NavigationKey(UINT vk) {
  if (vk == VK_LEFT) return VK_UP;
  if (vk == VK_RIGHT) return VK_DOWN;
  return vk;
}

}  // namespace

ComboBox::ComboBox(HWND hwnd) : hwnd_(hwnd) {}

// The list is looked up each time: its window may go first when a whole window tree is destroyed.
ListBox* ComboBox::listBox() const { return ListBox::FromWindow(list_); }

ListBoxModel& ComboBox::items() { return listBox()->model(); }

LRESULT ComboBox::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_CREATE && !listBox()) return DefWindowProc(hwnd_, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE: onCreate(); return listBox() ? 0 : -1;
    case WM_DESTROY: onDestroy(); return 0;
    case WM_SIZE: onSize(); return 0;
    case WM_SETFONT: setFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_GETTEXT: return copySelectionText(wParam, lParam);
    case WM_GETTEXTLENGTH: {
      int index = items().selection();
      return items().valid(index) ? static_cast<LRESULT>(items().item(index).text.size()) : 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return PaintCycle(hwnd_, [this](HDC hdc) { paint(hdc); });
    case WM_SETFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      notify(CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      closeDropDown(false);
      InvalidateRect(hwnd_, nullptr, FALSE);
      notify(CBN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      if (!wParam) closeDropDown(false);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_CANCELMODE: closeDropDown(false); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (dropped_ ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return handleInput(msg, wParam, lParam);
    default:
      if (msg >= CB_ADDSTRING && msg <= CB_FINDSTRINGEXACT) return handleComboMessage(msg, wParam, lParam);
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT ComboBox::handleComboMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (UINT listMessage = ListMessageFor(msg)) {
    LRESULT result = SendMessage(list_, listMessage, wParam, lParam);
    if (msg != CB_GETCOUNT && msg != CB_GETCURSEL && msg != CB_GETLBTEXT && msg != CB_GETLBTEXTLEN)
      InvalidateRect(hwnd_, nullptr, FALSE);
    return result;
  }
  int start = static_cast<int>(wParam);
  const char* text = lParam ? reinterpret_cast<const char*>(lParam) : "";
  switch (msg) {
    case CB_FINDSTRING: return items().findPrefix(start, text);
    case CB_FINDSTRINGEXACT: return items().findExact(start, text);
    case CB_SELECTSTRING: {
      int index = items().findPrefix(start, text);
      if (index != CB_ERR) {
        listBox()->selectAndShow(index);
        InvalidateRect(hwnd_, nullptr, FALSE);
      }
      return index;
    }
    case CB_SHOWDROPDOWN:
      if (wParam) {
        openDropDown();
      } else {
        closeDropDown(false);
      }
      return TRUE;
    case CB_GETDROPPEDSTATE: return dropped_;
    case CB_GETITEMHEIGHT: return start == -1 ? boxHeight() - 2 * kEdge : listBox()->itemHeight();
    case CB_GETDROPPEDCONTROLRECT: {
      if (!lParam) return CB_ERR;
      RECT rc;
      GetWindowRect(hwnd_, &rc);
      rc.bottom = rc.top + boxHeight() + droppedHeight_;
      *reinterpret_cast<RECT*>(lParam) = rc;
      return TRUE;
    }
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT ComboBox::handleInput(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowEnabled(hwnd_)) return 0;
  switch (msg) {
    case WM_KEYDOWN: onKeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_UP) {
        onSysKeyDown(static_cast<UINT>(wParam));
        return 0;
      }
      return DefWindowProc(hwnd_, msg, wParam, lParam);
    case WM_CHAR: onChar(static_cast<char>(wParam)); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != hwnd_) SetFocus(hwnd_);
      if (dropped_) {
        closeDropDown(false);
      } else {
        openDropDown();
      }
      return 0;
  }
  return 0;
}

void ComboBox::onCreate() {
  DWORD style = static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE));
  // Always with a scroll bar, so that every item can be reached by mouse however short the list.
  DWORD listStyle = WS_POPUP | WS_BORDER | WS_VSCROLL | ((style & CBS_SORT) ? LBS_SORT : 0);
  list_ = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "listbox", nullptr, listStyle, 0, 0, 1, 1, hwnd_,
                         nullptr, nullptr, nullptr);
  if (!listBox()) return;
  RECT rc;
  GetWindowRect(hwnd_, &rc);
  droppedHeight_ = std::max<int>(0, rc.bottom - rc.top - boxHeight());
  resizeToBox();
}

void ComboBox::onDestroy() {
  // No notifications while the window goes away: the parent may be going away too.
  dropped_ = false;
  listBox()->endDropDown();
  DestroyWindow(list_);
  list_ = nullptr;
}

int ComboBox::boxHeight() const { return listBox()->itemHeight() + 2 * (kEdge + kTextPadding); }

void ComboBox::resizeToBox() {
  RECT rc;
  GetWindowRect(hwnd_, &rc);
  if (rc.bottom - rc.top == boxHeight()) return;
  fitting_ = true;
  SetWindowPos(hwnd_, nullptr, 0, 0, rc.right - rc.left, boxHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  fitting_ = false;
}

void ComboBox::onSize() {
  if (fitting_) return;
  // Whoever sizes the box gives the height of box and list together, as a dialog template does.
  RECT rc;
  GetWindowRect(hwnd_, &rc);
  int height = rc.bottom - rc.top;
  if (height > boxHeight()) droppedHeight_ = height - boxHeight();
  resizeToBox();
}

void ComboBox::setFont(HFONT font, bool redraw) {
  font_ = font;
  SendMessage(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  resizeToBox();
  if (redraw) InvalidateRect(hwnd_, nullptr, TRUE);
}

RECT ComboBox::droppedListRect() const {
  int rows = std::max(1, (droppedHeight_ - 2) / listBox()->itemHeight());
  rows = std::clamp(listBox()->model().count(), 1, rows);
  RECT box;
  GetWindowRect(hwnd_, &box);
  RECT rc{0, 0, box.right - box.left, rows * listBox()->itemHeight()};
  AdjustWindowRectEx(&rc, static_cast<DWORD>(GetWindowLong(list_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLong(list_, GWL_EXSTYLE)));
  int width = box.right - box.left;
  int height = rc.bottom - rc.top;
  // Below the box, or above it where the screen ends first.
  int top = box.bottom + height <= GetSystemMetrics(SM_CYSCREEN) ? box.bottom : box.top - height;
  return RECT{box.left, top, box.left + width, top + height};
}

void ComboBox::openDropDown() {
  if (dropped_) return;
  notify(CBN_DROPDOWN);
  if (!IsWindow(hwnd_) || !listBox()) return;
  selectionWhenOpened_ = items().selection();
  RECT rc = droppedListRect();
  SetWindowPos(list_, HWND_TOPMOST, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SendMessage(list_, LB_SETTOPINDEX, 0, 0);
  listBox()->selectAndShow(selectionWhenOpened_);
  dropped_ = true;
  listBox()->beginDropDown(this, GetParent(hwnd_));
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ComboBox::closeDropDown(bool accept) {
  if (!dropped_) return;
  dropped_ = false;
  listBox()->endDropDown();
  ShowWindow(list_, SW_HIDE);
  if (!accept) listBox()->selectAndShow(selectionWhenOpened_);
  bool changed = items().selection() != selectionWhenOpened_;
  InvalidateRect(hwnd_, nullptr, FALSE);
  // The parent hears of a new selection last, when the box is closed and shows it.
  notify(accept ? CBN_SELENDOK : CBN_SELENDCANCEL);
  notify(CBN_CLOSEUP);
  if (changed) notify(CBN_SELCHANGE);
}

void ComboBox::dropDownPicked(int index) {
  listBox()->selectAndShow(index);
  closeDropDown(true);
}

void ComboBox::dropDownCancelled() { closeDropDown(false); }

void ComboBox::notify(WORD code) { SendCommandNotification(GetParent(hwnd_), hwnd_, code); }

void ComboBox::selectByUser(int index) {
  if (index < 0) return;
  if (dropped_) {
    listBox()->selectAndShow(index);  // only the highlight moves; the choice is made on closing
    return;
  }
  if (index == items().selection()) return;
  listBox()->selectAndShow(index);
  InvalidateRect(hwnd_, nullptr, FALSE);
  notify(CBN_SELCHANGE);
}

void ComboBox::onKeyDown(UINT vk) {
  if (vk == VK_F4 || (vk == VK_DOWN && GetKeyState(VK_MENU) < 0)) {
    onSysKeyDown(VK_DOWN);
    return;
  }
  if (dropped_ && (vk == VK_RETURN || vk == VK_ESCAPE)) {
    closeDropDown(vk == VK_RETURN);
    return;
  }
  selectByUser(listBox()->indexForKey(NavigationKey(vk)));
}

void ComboBox::onSysKeyDown(UINT) {
  if (dropped_) {
    closeDropDown(true);
  } else {
    openDropDown();
  }
}

void ComboBox::onChar(char c) {
  if (!std::isgraph(static_cast<unsigned char>(c))) return;
  int index = items().findPrefix(items().selection(), std::string_view(&c, 1));
  if (index != CB_ERR) selectByUser(index);
}

LRESULT ComboBox::copySelectionText(WPARAM maxCount, LPARAM buffer) {
  if (!buffer || maxCount == 0) return 0;
  char* out = reinterpret_cast<char*>(buffer);
  int index = items().selection();
  const std::string empty;
  const std::string& text = items().valid(index) ? items().item(index).text : empty;
  size_t length = std::min(text.size(), static_cast<size_t>(maxCount) - 1);
  std::memcpy(out, text.data(), length);
  out[length] = '\0';
  return static_cast<LRESULT>(length);
}

RECT ComboBox::buttonRect() const {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  InflateRect(&rc, -kEdge, -kEdge);
  rc.left = std::max<LONG>(rc.left, rc.right - GetSystemMetrics(SM_CXVSCROLL));
  return rc;
}

void ComboBox::paint(HDC hdc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  bool enabled = IsWindowEnabled(hwnd_);
  HGDIOBJ oldFont = SelectObject(hdc, ControlFontOrDefault(font_));
  HBRUSH background = AskControlColors(GetParent(hwnd_), hwnd_, hdc, WM_CTLCOLOREDIT, COLOR_WINDOW);
  COLORREF textColor = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
  RECT field = client;
  InflateRect(&field, -kEdge, -kEdge);
  field.right = buttonRect().left;
  FillRect(hdc, &field, enabled ? background : GetSysColorBrush(COLOR_BTNFACE));

  RECT selection = field;
  InflateRect(&selection, -1, -1);
  bool focused = GetFocus() == hwnd_ && !dropped_;
  if (focused) {
    FillRect(hdc, &selection, GetSysColorBrush(COLOR_HIGHLIGHT));
    textColor = GetSysColor(COLOR_HIGHLIGHTTEXT);
  }
  int index = items().selection();
  if (items().valid(index)) {
    RECT text = selection;
    text.left += kTextIndent;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, textColor);
    const std::string& label = items().item(index).text;
    DrawText(hdc, label.c_str(), static_cast<int>(label.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (focused) DrawFocusRect(hdc, &selection);

  RECT button = buttonRect();
  FillRect(hdc, &button, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(hdc, &button, dropped_ ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  if (dropped_) OffsetRect(&button, 1, 1);
  DrawArrowGlyph(hdc, button, ArrowDirection::Down, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawEdge(hdc, &client, EDGE_SUNKEN, BF_RECT);
  SelectObject(hdc, oldFont);
}

}  // namespace win
