#include "platform/win/controls/ButtonPainter.h"

#include "platform/win/controls/BasicControlColors.h"

namespace win {

namespace {

constexpr int kGlyphSize = 13;
constexpr int kGlyphGap = 4;
constexpr int kGroupCaptionIndent = 8;

std::string WindowTextOf(HWND hwnd) {
  int length = GetWindowTextLength(hwnd);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int copied = GetWindowText(hwnd, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

void FillWithSysColor(HDC hdc, const RECT& rc, int index) { FillRect(hdc, &rc, GetSysColorBrush(index)); }

// The glyph box of a check box or radio button: at the left, or at the right with BS_LEFTTEXT.
RECT GlyphBox(const RECT& client, bool rightSide) {
  int top = (client.top + client.bottom - kGlyphSize) / 2;
  int left = rightSide ? client.right - kGlyphSize : client.left;
  return {left, top, left + kGlyphSize, top + kGlyphSize};
}

}  // namespace

ButtonPainter::ButtonPainter(const Button& button)
    : button_(button), hwnd_(button.hwnd()), text_(WindowTextOf(button.hwnd())), enabled_(IsWindowEnabled(hwnd_)) {
  GetClientRect(hwnd_, &client_);
}

void ButtonPainter::paint(HDC hdc) const {
  HGDIOBJ oldFont = SelectObject(hdc, button_.font());
  switch (button_.type()) {
    case BS_OWNERDRAW:
      paintOwnerDrawn(hdc);
      break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      paintCheckOrRadio(hdc, false);
      break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      paintCheckOrRadio(hdc, true);
      break;
    case BS_GROUPBOX:
      paintGroupBox(hdc);
      break;
    default:
      paintPushButton(hdc);
      break;
  }
  SelectObject(hdc, oldFont);
}

void ButtonPainter::drawOwnerItem(HDC hdc, UINT action) const {
  HGDIOBJ oldFont = SelectObject(hdc, button_.font());
  SetTextColor(hdc, RGB(0, 0, 0));
  SetBkColor(hdc, RGB(255, 255, 255));
  SetBkMode(hdc, OPAQUE);
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd_));
  dis.itemAction = action;
  dis.itemState = button_.ownerDrawState();
  dis.hwndItem = hwnd_;
  dis.hDC = hdc;
  dis.rcItem = client_;
  HWND parent = GetParent(hwnd_);
  if (parent) SendMessage(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  SelectObject(hdc, oldFont);
}

void ButtonPainter::paintOwnerDrawn(HDC hdc) const {
  HBRUSH background = QueryControlBrush(hwnd_, hdc, WM_CTLCOLORBTN);
  if (background) FillRect(hdc, &client_, background);
  drawOwnerItem(hdc, ODA_DRAWENTIRE);
}

void ButtonPainter::paintPushButton(HDC hdc) const {
  HBRUSH background = QueryControlBrush(hwnd_, hdc, WM_CTLCOLORBTN);
  if (background) FillRect(hdc, &client_, background);
  RECT face = client_;
  if (button_.type() == BS_DEFPUSHBUTTON) {
    FrameRect(hdc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  FillWithSysColor(hdc, face, COLOR_BTNFACE);
  if (button_.pressed()) {
    FrameRect(hdc, &face, GetSysColorBrush(COLOR_BTNSHADOW));
  } else {
    RECT edge = face;
    DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT);
  }
  RECT label = face;
  InflateRect(&label, -2, -2);
  if (button_.pressed()) OffsetRect(&label, 1, 1);
  drawLabel(hdc, label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (button_.focused()) {
    RECT focus = face;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(hdc, &focus);
  }
}

void ButtonPainter::paintCheckOrRadio(HDC hdc, bool radio) const {
  HBRUSH background = QueryControlBrush(hwnd_, hdc, WM_CTLCOLORSTATIC);
  if (background) FillRect(hdc, &client_, background);
  bool textLeft = (GetWindowLong(hwnd_, GWL_STYLE) & BS_LEFTTEXT) != 0;
  RECT box = GlyphBox(client_, textLeft);
  if (radio) {
    drawRadioGlyph(hdc, box);
  } else {
    drawCheckGlyph(hdc, box);
  }
  RECT label = client_;
  if (textLeft) {
    label.right = box.left - kGlyphGap;
  } else {
    label.left = box.right + kGlyphGap;
  }
  drawLabel(hdc, label, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (button_.focused() && !text_.empty()) {
    RECT extent = label;
    DrawText(hdc, text_.c_str(), -1, &extent, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    int height = extent.bottom - extent.top;
    RECT focus{label.left - 1, (label.top + label.bottom - height) / 2 - 1, extent.right + 1, 0};
    focus.bottom = focus.top + height + 2;
    DrawFocusRect(hdc, &focus);
  }
}

void ButtonPainter::drawCheckGlyph(HDC hdc, const RECT& box) const {
  RECT inner = box;
  InflateRect(&inner, -2, -2);
  bool grey = button_.pressed() || !enabled_ || button_.checkState() == 2;
  FillWithSysColor(hdc, inner, grey ? COLOR_BTNFACE : COLOR_WINDOW);
  RECT edge = box;
  DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
  if (button_.checkState() == BST_UNCHECKED) return;
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(enabled_ && button_.checkState() == BST_CHECKED ? COLOR_WINDOWTEXT
                                                                                               : COLOR_GRAYTEXT));
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  // A tick three pixels thick: down-right from the left, then up-right to the top corner.
  for (int dy = 0; dy < 3; ++dy) {
    MoveToEx(hdc, inner.left + 1, inner.top + 3 + dy, nullptr);
    LineTo(hdc, inner.left + 3, inner.top + 5 + dy);
    LineTo(hdc, inner.left + 8, inner.top + dy);
  }
  SelectObject(hdc, oldPen);
  DeleteObject(pen);
}

void ButtonPainter::drawRadioGlyph(HDC hdc, const RECT& box) const {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  bool grey = button_.pressed() || !enabled_;
  HGDIOBJ oldBrush = SelectObject(hdc, GetSysColorBrush(grey ? COLOR_BTNFACE : COLOR_WINDOW));
  Ellipse(hdc, box.left, box.top, box.right - 1, box.bottom - 1);
  if (button_.checkState() == BST_CHECKED) {
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SelectObject(hdc, GetSysColorBrush(enabled_ ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    Ellipse(hdc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
  }
  SelectObject(hdc, oldBrush);
  SelectObject(hdc, oldPen);
  DeleteObject(pen);
}

// The group's frame is etched around the box and interrupted by the caption, whose background is the
// parent's static colour.
void ButtonPainter::paintGroupBox(HDC hdc) const {
  TEXTMETRIC tm{};
  GetTextMetrics(hdc, &tm);
  RECT caption{client_.left + kGroupCaptionIndent, client_.top, client_.left + kGroupCaptionIndent, client_.top + tm.tmHeight};
  if (!text_.empty()) {
    RECT extent = caption;
    DrawText(hdc, text_.c_str(), -1, &extent, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    caption.right = caption.left + (extent.right - extent.left) + 4;
  }
  RECT frame = client_;
  frame.top += tm.tmHeight / 2;
  int saved = SaveDC(hdc);
  if (caption.right > caption.left) ExcludeClipRect(hdc, caption.left, caption.top, caption.right, caption.bottom);
  DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
  RestoreDC(hdc, saved);
  if (text_.empty()) return;
  HBRUSH background = QueryControlBrush(hwnd_, hdc, WM_CTLCOLORSTATIC);
  if (background) FillRect(hdc, &caption, background);
  InflateRect(&caption, -2, 0);
  drawLabel(hdc, caption, DT_LEFT | DT_TOP | DT_SINGLELINE);
}

// Text in the DC's colours as the parent left them; grey when the button is disabled.
void ButtonPainter::drawLabel(HDC hdc, RECT rc, UINT format) const {
  if (text_.empty()) return;
  if (!enabled_) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  DrawText(hdc, text_.c_str(), -1, &rc, format);
}

}  // namespace win
