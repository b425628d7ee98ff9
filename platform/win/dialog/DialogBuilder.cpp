#include "platform/win/dialog/DialogBuilder.h"

#include <algorithm>
#include <strings.h>

#include "platform/win/dialog/DialogControls.h"
#include "platform/win/dialog/DialogState.h"

namespace win {

namespace {

constexpr const char* kDialogClass = "#32770";

bool IsStaticImage(const DialogItemTemplate& item) {
  if (!item.className || strcasecmp(item.className, "static") != 0) return false;
  DWORD type = item.style & SS_TYPEMASK;
  return type == SS_BITMAP || type == SS_ICON;
}

}  // namespace

DialogBuilder::DialogBuilder(const DialogTemplate& tmpl, HWND owner, bool modal)
    : tmpl_(tmpl),
      owner_(owner),
      modal_(modal),
      font_(DialogFont::forTemplate(tmpl)),
      style_(tmpl.style & ~WS_VISIBLE),
      exStyle_(tmpl.exStyle | ((tmpl.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0)) {}

RECT DialogBuilder::toPixels(short x, short y, short cx, short cy) const {
  RECT rc;
  rc.left = MulDivRounded(x, font_.baseUnitX, 4);
  rc.top = MulDivRounded(y, font_.baseUnitY, 8);
  rc.right = rc.left + MulDivRounded(cx, font_.baseUnitX, 4);
  rc.bottom = rc.top + MulDivRounded(cy, font_.baseUnitY, 8);
  return rc;
}

// The template gives the client area; the frame is added around it.
RECT DialogBuilder::windowRect() const {
  RECT client = toPixels(tmpl_.x, tmpl_.y, tmpl_.cx, tmpl_.cy);
  RECT frame{0, 0, client.right - client.left, client.bottom - client.top};
  AdjustWindowRectEx(&frame, style_, FALSE, exStyle_);
  POINT topLeft = topLeftOnScreen(frame, client.left, client.top);
  RECT rc{topLeft.x, topLeft.y, topLeft.x + frame.right - frame.left, topLeft.y + frame.bottom - frame.top};
  return rc;
}

POINT DialogBuilder::topLeftOnScreen(const RECT& frame, int clientX, int clientY) const {
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  bool child = (style_ & WS_CHILD) != 0;
  bool center = !child && ((tmpl_.style & DS_CENTER) || (tmpl_.x == 0 && tmpl_.y == 0));
  if (center) {
    int screenW = GetSystemMetrics(SM_CXSCREEN);
    int screenH = GetSystemMetrics(SM_CYSCREEN);
    RECT area{0, 0, screenW, screenH};
    if (owner_ && IsWindowVisible(owner_)) GetWindowRect(owner_, &area);
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    return {std::clamp(x, 0, std::max(0, screenW - width)), std::clamp(y, 0, std::max(0, screenH - height))};
  }
  POINT origin{clientX, clientY};
  if (!child && owner_ && !(tmpl_.style & DS_ABSALIGN)) ClientToScreen(owner_, &origin);
  return {origin.x + frame.left, origin.y + frame.top};
}

HWND DialogBuilder::create(DLGPROC proc, LPARAM initParam) {
  if ((style_ & WS_CHILD) && !owner_) return nullptr;
  RECT rc = windowRect();
  HWND dlg = CreateWindowEx(exStyle_, kDialogClass, tmpl_.caption ? tmpl_.caption : "", style_, rc.left, rc.top,
                            rc.right - rc.left, rc.bottom - rc.top, owner_, nullptr, GetModuleHandle(nullptr), nullptr);
  if (!dlg) {
    if (font_.owned) DeleteObject(font_.font);
    return nullptr;
  }
  DialogState& state = DialogState::of(dlg);
  state.ownsFont = font_.owned;
  state.baseUnitX = font_.baseUnitX;
  state.baseUnitY = font_.baseUnitY;
  state.modal = modal_;
  state.font = font_.font;
  SetWindowLongPtr(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  SendMessage(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(font_.font), FALSE);
  for (const DialogItemTemplate& item : tmpl_.items) {
    if (!createItem(dlg, item)) {
      DestroyWindow(dlg);
      return nullptr;
    }
  }
  initialise(dlg, initParam);
  if (!IsWindow(dlg)) return nullptr;
  if (!modal_ && (tmpl_.style & WS_VISIBLE)) ShowDialog(dlg);
  return dlg;
}

bool DialogBuilder::createItem(HWND dlg, const DialogItemTemplate& item) {
  RECT rc = toPixels(item.x, item.y, item.cx, item.cy);
  const char* text = item.resourceId || !item.text ? "" : item.text;
  HWND ctl = CreateWindowEx(item.exStyle | WS_EX_NOPARENTNOTIFY, item.className, text, item.style | WS_CHILD, rc.left,
                            rc.top, rc.right - rc.left, rc.bottom - rc.top, dlg,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), GetModuleHandle(nullptr), nullptr);
  if (!ctl) return false;
  SendMessage(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font_.font), FALSE);
  if (item.resourceId && IsStaticImage(item)) loadItemImage(ctl, item);
  for (const char* entry : item.initStrings) SendMessage(ctl, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  return true;
}

// The dialog owns the images it loads for its controls and frees them when it is destroyed.
void DialogBuilder::loadItemImage(HWND ctl, const DialogItemTemplate& item) {
  DialogState& state = DialogState::of(GetParent(ctl));
  LPCSTR name = MAKEINTRESOURCE(item.resourceId);
  if ((item.style & SS_TYPEMASK) == SS_BITMAP) {
    auto bmp = static_cast<HBITMAP>(LoadImage(GetModuleHandle(nullptr), name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bmp) return;
    state.ownedBitmaps.push_back(bmp);
    SendMessage(ctl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
  } else {
    auto icon = static_cast<HICON>(LoadImage(GetModuleHandle(nullptr), name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (!icon) return;
    state.ownedIcons.push_back(icon);
    SendMessage(ctl, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  }
}

// WM_INITDIALOG; a TRUE answer gives the focus to the first tab stop. The dialog is still hidden, so
// the choice is also remembered for when it is shown and activated.
void DialogBuilder::initialise(HWND dlg, LPARAM initParam) {
  HWND firstTab = GetNextDlgTabItem(dlg, nullptr, FALSE);
  LRESULT setFocus = SendMessage(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTab), initParam);
  if (!IsWindow(dlg) || !setFocus || !firstTab || !IsWindow(firstTab)) return;
  DialogState::of(dlg).focusControl = firstTab;
  SetDialogFocus(firstTab);
}

}  // namespace win
