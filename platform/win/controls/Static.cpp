#include "platform/win/controls/Static.h"

#include <string>

#include "platform/win/controls/BasicControlColors.h"
#include "platform/win/controls/ControlWindowProc.h"

namespace win {

namespace {

UINT TextFormat(DWORD style) {
  UINT format = DT_EXPANDTABS;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: format |= DT_LEFT; break;
    case SS_SIMPLE: format |= DT_LEFT | DT_SINGLELINE; break;
    default: format |= DT_LEFT | DT_WORDBREAK; break;
  }
  if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_VCENTER | DT_SINGLELINE;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  return format;
}

bool IsImageType(DWORD type) { return type == SS_BITMAP || type == SS_ICON; }

}  // namespace

void Static::registerClass() {
  WNDCLASS wc{};
  wc.lpfnWndProc = ControlWindowProc<Static>;
  wc.cbWndExtra = kControlWindowExtra;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "static";
  RegisterClass(&wc);
}

HFONT Static::font() const { return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

LRESULT Static::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // painting fills what the control covers
    case WM_GETDLGCODE:
      return DLGC_STATIC;
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
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
    case STM_SETIMAGE:
      return reinterpret_cast<LRESULT>(setImage(static_cast<UINT>(wParam), reinterpret_cast<HANDLE>(lParam)));
    case STM_GETIMAGE:
      return reinterpret_cast<LRESULT>(image(static_cast<UINT>(wParam)));
    case STM_SETICON:
      return reinterpret_cast<LRESULT>(setImage(IMAGE_ICON, reinterpret_cast<HANDLE>(wParam)));
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(icon_);
    default:
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

// The caller keeps owning the image. An image control takes the image's size unless it centres it.
HANDLE Static::setImage(UINT imageType, HANDLE newImage) {
  HANDLE old;
  if (imageType == IMAGE_BITMAP) {
    old = bitmap_;
    bitmap_ = static_cast<HBITMAP>(newImage);
  } else if (imageType == IMAGE_ICON || imageType == IMAGE_CURSOR) {
    old = icon_;
    icon_ = static_cast<HICON>(newImage);
  } else {
    return nullptr;
  }
  if (IsImageType(type()) && !(style() & SS_CENTERIMAGE) && newImage) {
    SIZE size = imageSize();
    if (size.cx > 0 && size.cy > 0) {
      SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
  return old;
}

HANDLE Static::image(UINT imageType) const {
  if (imageType == IMAGE_BITMAP) return bitmap_;
  if (imageType == IMAGE_ICON || imageType == IMAGE_CURSOR) return icon_;
  return nullptr;
}

SIZE Static::imageSize() const {
  if (type() == SS_BITMAP) {
    BITMAP bm{};
    if (bitmap_ && GetObject(bitmap_, sizeof(bm), &bm)) return {bm.bmWidth, bm.bmHeight};
    return {0, 0};
  }
  if (icon_) return {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  return {0, 0};
}

RECT Static::imageRect(const RECT& client) const {
  SIZE size = imageSize();
  RECT rc{0, 0, size.cx, size.cy};
  if (style() & SS_CENTERIMAGE) {
    OffsetRect(&rc, (client.right - size.cx) / 2, (client.bottom - size.cy) / 2);
  }
  return rc;
}

void Static::paint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (!hdc) {
    EndPaint(hwnd_, &ps);
    return;
  }
  RECT client;
  GetClientRect(hwnd_, &client);
  HGDIOBJ oldFont = SelectObject(hdc, font());
  switch (type()) {
    case SS_BITMAP:
    case SS_ICON:
      paintImage(hdc, client);
      break;
    case SS_BLACKRECT:
      FillRect(hdc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
      break;
    case SS_GRAYRECT:
      FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNSHADOW));
      break;
    case SS_WHITERECT:
      FillRect(hdc, &client, GetSysColorBrush(COLOR_WINDOW));
      break;
    case SS_ETCHEDFRAME:
      DrawEdge(hdc, &client, EDGE_ETCHED, BF_RECT);
      break;
    case SS_OWNERDRAW:
      paintOwnerDrawn(hdc, client);
      break;
    default:
      paintText(hdc, client);
      break;
  }
  SelectObject(hdc, oldFont);
  EndPaint(hwnd_, &ps);
}

void Static::paintText(HDC hdc, const RECT& client) {
  HBRUSH background = QueryControlBrush(hwnd_, hdc, WM_CTLCOLORSTATIC);
  if (background) FillRect(hdc, &client, background);
  int length = GetWindowTextLength(hwnd_);
  if (length <= 0) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowText(hwnd_, text.data(), length + 1)));
  if (!IsWindowEnabled(hwnd_)) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  RECT rc = client;
  DrawText(hdc, text.c_str(), static_cast<int>(text.size()), &rc, TextFormat(style()));
}

void Static::paintImage(HDC hdc, const RECT& client) {
  HBRUSH background = QueryControlBrush(hwnd_, hdc, WM_CTLCOLORSTATIC);
  RECT placed = imageRect(client);
  RECT covered;
  bool coversClient = IntersectRect(&covered, &placed, &client) && EqualRect(&covered, &client);
  if (background && !coversClient) FillRect(hdc, &client, background);
  if (type() == SS_ICON) {
    if (icon_) DrawIcon(hdc, placed.left, placed.top, icon_);
    return;
  }
  if (!bitmap_) return;
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(memory, bitmap_);
  BitBlt(hdc, placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void Static::paintOwnerDrawn(HDC hdc, const RECT& client) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_STATIC;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = IsWindowEnabled(hwnd_) ? 0 : ODS_DISABLED;
  dis.hwndItem = hwnd_;
  dis.hDC = hdc;
  dis.rcItem = client;
  HWND parent = GetParent(hwnd_);
  if (parent) SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

}  // namespace win
