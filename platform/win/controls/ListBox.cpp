#include "platform/win/controls/ListBox.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/win/controls/ControlPaint.h"
#include "platform/win/controls/ControlWindowProc.h"

namespace win {

namespace {

constexpr UINT_PTR kScrollRepeatTimer = 1;
constexpr UINT kScrollRepeatFirstDelay = 300;
constexpr UINT kScrollRepeatDelay = 50;
constexpr int kTextIndent = 2;
constexpr int kWheelLines = 3;

POINT PointFromLParam(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

ListBox::ListBox(HWND hwnd) : hwnd_(hwnd) {}

ListBox* ListBox::FromWindow(HWND hwnd) { return ControlFromWindow<ListBox>(hwnd); }

DWORD ListBox::style() const { return static_cast<DWORD>(GetWindowLong(hwnd_, GWL_STYLE)); }

HWND ListBox::colorParent() const { return dropDownHost_ ? dropDownColorParent_ : GetParent(hwnd_); }

LRESULT ListBox::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      model_.setSorted((style() & LBS_SORT) != 0);
      setFont(nullptr, false);
      return 0;
    case WM_SETFONT: setFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE: layout(); return 0;
    case WM_ERASEBKGND: return 1;  // paint covers every pixel
    case WM_PAINT: return PaintCycle(hwnd_, [this](HDC hdc) { paint(hdc); });
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_MOUSEACTIVATE:
      if (style() & WS_POPUP) return MA_NOACTIVATE;
      break;
    default:
      if (msg >= LB_ADDSTRING && msg <= LB_GETITEMHEIGHT) return handleListMessage(msg, wParam, lParam);
      if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_KEYDOWN || msg == WM_CHAR ||
          msg == WM_TIMER || msg == WM_CAPTURECHANGED)
        return handleInput(msg, wParam, lParam);
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT ListBox::handleListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(wParam);
  switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
      const char* text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      int at = msg == LB_ADDSTRING ? model_.add(text) : model_.insert(index, text);
      if (at != LB_ERR) itemsChanged();
      return at;
    }
    case LB_DELETESTRING: {
      int left = model_.remove(index);
      if (left != LB_ERR) itemsChanged();
      return left;
    }
    case LB_RESETCONTENT: model_.reset(); itemsChanged(); return 0;
    case LB_SETCURSEL:
      if (index != -1 && !model_.valid(index)) return LB_ERR;
      selectAndShow(index);
      return index == -1 ? LB_ERR : index;
    case LB_GETCURSEL: return model_.selection();
    case LB_GETTEXT:
      if (!model_.valid(index) || !lParam) return LB_ERR;
      std::memcpy(reinterpret_cast<char*>(lParam), model_.item(index).text.c_str(), model_.item(index).text.size() + 1);
      return static_cast<LRESULT>(model_.item(index).text.size());
    case LB_GETTEXTLEN: return model_.valid(index) ? static_cast<LRESULT>(model_.item(index).text.size()) : LB_ERR;
    case LB_GETCOUNT: return model_.count();
    case LB_GETTOPINDEX: return model_.topIndex();
    case LB_SETTOPINDEX:
      if (!model_.valid(index)) return LB_ERR;
      scrollTo(index);
      return 0;
    case LB_GETITEMDATA: return model_.valid(index) ? model_.item(index).data : LB_ERR;
    case LB_SETITEMDATA: return model_.setData(index, lParam) ? 0 : LB_ERR;
    case LB_GETITEMRECT:
      if (!model_.valid(index) || !lParam) return LB_ERR;
      *reinterpret_cast<RECT*>(lParam) = itemRect(index);
      return 1;
    case LB_GETITEMHEIGHT: return itemHeight_;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT ListBox::handleInput(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindowEnabled(hwnd_) && msg != WM_CAPTURECHANGED) return 0;
  switch (msg) {
    case WM_KEYDOWN: onKeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_CHAR: onChar(static_cast<char>(wParam)); return 0;
    case WM_LBUTTONDOWN: onButtonDown(PointFromLParam(lParam), false); return 0;
    case WM_LBUTTONDBLCLK: onButtonDown(PointFromLParam(lParam), true); return 0;
    case WM_MOUSEMOVE: onMouseMove(PointFromLParam(lParam)); return 0;
    case WM_LBUTTONUP: onButtonUp(PointFromLParam(lParam)); return 0;
    case WM_MOUSEWHEEL:
      scrollTo(model_.topIndex() - static_cast<short>(HIWORD(wParam)) / 120 * kWheelLines);
      return 0;
    case WM_TIMER:
      if (wParam == kScrollRepeatTimer) onScrollRepeat();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) {
        endMouseTracking();
        if (dropDownHost_) dropDownHost_->dropDownCancelled();
      }
      return 0;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

void ListBox::setFont(HFONT font, bool redraw) {
  font_ = font;
  itemHeight_ = FontLineHeight(hwnd_, font_);
  layout();
  if (redraw) InvalidateRect(hwnd_, nullptr, TRUE);
}

RECT ListBox::itemsRect() const {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  if (scrollBarVisible_) rc.right = scrollBar_.rect().left;
  return rc;
}

int ListBox::visibleRows() const {
  RECT rc = itemsRect();
  return std::max(1, static_cast<int>(rc.bottom - rc.top) / itemHeight_);
}

void ListBox::layout() {
  RECT client;
  GetClientRect(hwnd_, &client);
  int rows = std::max(1, static_cast<int>(client.bottom - client.top) / itemHeight_);
  scrollBarVisible_ = (style() & WS_VSCROLL) && model_.count() > rows;
  RECT bar = client;
  bar.left = std::max<LONG>(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
  scrollBar_.setRect(bar);
  model_.setTopIndex(model_.topIndex(), rows);
  scrollBar_.setRange(model_.count(), rows);
  scrollBar_.setPos(model_.topIndex());
}

void ListBox::itemsChanged() {
  layout();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int ListBox::itemAtPoint(POINT pt) const {
  RECT rc = itemsRect();
  if (!PtInRect(&rc, pt)) return -1;
  int index = model_.topIndex() + static_cast<int>(pt.y - rc.top) / itemHeight_;
  return model_.valid(index) ? index : -1;
}

RECT ListBox::itemRect(int index) const {
  RECT rc = itemsRect();
  rc.top += (index - model_.topIndex()) * itemHeight_;
  rc.bottom = rc.top + itemHeight_;
  return rc;
}

void ListBox::scrollTo(int top) {
  if (!model_.setTopIndex(top, visibleRows())) return;
  scrollBar_.setPos(model_.topIndex());
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ListBox::selectAndShow(int index) {
  bool changed = model_.select(index);
  if (model_.scrollIntoView(model_.selection(), visibleRows())) {
    scrollBar_.setPos(model_.topIndex());
    changed = true;
  }
  if (changed) InvalidateRect(hwnd_, nullptr, FALSE);
}

void ListBox::notify(WORD code) {
  if (!dropDownHost_ && (style() & LBS_NOTIFY)) SendCommandNotification(GetParent(hwnd_), hwnd_, code);
}

void ListBox::userSelect(int index) {
  if (index == model_.selection()) {
    selectAndShow(index);
    return;
  }
  selectAndShow(index);
  notify(LBN_SELCHANGE);
}

int ListBox::indexForKey(UINT vk) const {
  int last = model_.count() - 1;
  if (last < 0) return -1;
  int current = model_.selection();
  int page = std::max(1, visibleRows() - 1);
  switch (vk) {
    case VK_UP: return current < 0 ? 0 : std::max(0, current - 1);
    case VK_DOWN: return current < 0 ? 0 : std::min(last, current + 1);
    case VK_PRIOR: return std::max(0, current - page);
    case VK_NEXT: return std::min(last, std::max(0, current) + page);
    case VK_HOME: return 0;
    case VK_END: return last;
  }
  return -1;
}

void ListBox::onKeyDown(UINT vk) {
  int index = indexForKey(vk);
  if (index >= 0) userSelect(index);
}

void ListBox::onChar(char c) {
  if (!std::isgraph(static_cast<unsigned char>(c))) return;
  int index = model_.findPrefix(model_.selection(), std::string_view(&c, 1));
  if (index != LB_ERR) userSelect(index);
}

void ListBox::startScrollBarPress(POINT pt) {
  mouseMode_ = MouseMode::ScrollBar;
  if (GetCapture() != hwnd_) SetCapture(hwnd_);
  if (scrollBar_.press(pt)) scrollTo(scrollBar_.pos());
  InvalidateRect(hwnd_, &scrollBar_.rect(), FALSE);
  SetTimer(hwnd_, kScrollRepeatTimer, kScrollRepeatFirstDelay, nullptr);
}

void ListBox::onButtonDown(POINT pt, bool doubleClick) {
  if (dropDownHost_) {
    dropDownButtonDown(pt);
    return;
  }
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (scrollBarVisible_ && PtInRect(&scrollBar_.rect(), pt)) {
    startScrollBarPress(pt);
    return;
  }
  int index = itemAtPoint(pt);
  if (index < 0) return;
  userSelect(index);
  if (doubleClick) {
    notify(LBN_DBLCLK);
    return;
  }
  mouseMode_ = MouseMode::Selecting;
  SetCapture(hwnd_);
}

void ListBox::onMouseMove(POINT pt) {
  if (mouseMode_ == MouseMode::ScrollBar) {
    if (scrollBar_.drag(pt)) scrollTo(scrollBar_.pos());
    InvalidateRect(hwnd_, &scrollBar_.rect(), FALSE);
    return;
  }
  if ((mouseMode_ != MouseMode::Selecting && !dropDownHost_) || model_.count() == 0) return;
  RECT rc = itemsRect();
  if (dropDownHost_ && !PtInRect(&rc, pt)) return;
  // While the button selects, the pointer above or below the items scrolls the list one item at a time.
  int index = pt.y < rc.top ? model_.topIndex() - 1
              : pt.y >= rc.bottom ? model_.topIndex() + visibleRows()
                                  : model_.topIndex() + static_cast<int>(pt.y - rc.top) / itemHeight_;
  index = std::clamp(index, 0, model_.count() - 1);
  if (model_.valid(index)) userSelect(index);
}

void ListBox::onButtonUp(POINT pt) {
  MouseMode mode = mouseMode_;
  endMouseTracking();
  if (dropDownHost_ && mode != MouseMode::ScrollBar) dropDownButtonUp(pt);
}

void ListBox::onScrollRepeat() {
  if (mouseMode_ != MouseMode::ScrollBar) {
    KillTimer(hwnd_, kScrollRepeatTimer);
    return;
  }
  SetTimer(hwnd_, kScrollRepeatTimer, kScrollRepeatDelay, nullptr);
  if (scrollBar_.repeat()) scrollTo(scrollBar_.pos());
  InvalidateRect(hwnd_, &scrollBar_.rect(), FALSE);
}

void ListBox::endMouseTracking() {
  MouseMode mode = mouseMode_;
  mouseMode_ = MouseMode::None;
  if (mode == MouseMode::ScrollBar) {
    KillTimer(hwnd_, kScrollRepeatTimer);
    scrollBar_.release();
    InvalidateRect(hwnd_, &scrollBar_.rect(), FALSE);
  }
  // A drop-down list keeps the capture until it closes.
  if (mode != MouseMode::None && !dropDownHost_ && GetCapture() == hwnd_) ReleaseCapture();
}

void ListBox::beginDropDown(DropDownHost* host, HWND colorParent) {
  dropDownHost_ = host;
  dropDownColorParent_ = colorParent;
  SetCapture(hwnd_);
}

void ListBox::endDropDown() {
  if (!dropDownHost_) return;
  dropDownHost_ = nullptr;
  endMouseTracking();
  if (GetCapture() == hwnd_) ReleaseCapture();
}

void ListBox::dropDownButtonDown(POINT pt) {
  RECT client;
  GetClientRect(hwnd_, &client);
  if (!PtInRect(&client, pt)) {
    dropDownHost_->dropDownCancelled();
    return;
  }
  if (scrollBarVisible_ && PtInRect(&scrollBar_.rect(), pt)) {
    startScrollBarPress(pt);
    return;
  }
  int index = itemAtPoint(pt);
  if (index >= 0) selectAndShow(index);
}

void ListBox::dropDownButtonUp(POINT pt) {
  int index = itemAtPoint(pt);
  if (index >= 0) dropDownHost_->dropDownPicked(index);
}

void ListBox::paint(HDC hdc) {
  HGDIOBJ oldFont = SelectObject(hdc, ControlFontOrDefault(font_));
  HBRUSH background = AskControlColors(colorParent(), hwnd_, hdc, WM_CTLCOLORLISTBOX, COLOR_WINDOW);
  COLORREF normalText = IsWindowEnabled(hwnd_) ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);
  RECT items = itemsRect();
  FillRect(hdc, &items, background);
  SetBkMode(hdc, TRANSPARENT);
  int last = std::min(model_.count(), model_.topIndex() + visibleRows() + 1);
  for (int index = model_.topIndex(); index < last; ++index) paintItem(hdc, index, normalText);
  if (scrollBarVisible_) scrollBar_.paint(hdc);
  SelectObject(hdc, oldFont);
}

void ListBox::paintItem(HDC hdc, int index, COLORREF normalText) {
  RECT rc = itemRect(index);
  bool selected = index == model_.selection();
  if (selected) FillRect(hdc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
  SetTextColor(hdc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : normalText);
  RECT text = rc;
  text.left += kTextIndent;
  const std::string& label = model_.item(index).text;
  DrawText(hdc, label.c_str(), static_cast<int>(label.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (selected && !dropDownHost_ && GetFocus() == hwnd_) DrawFocusRect(hdc, &rc);
}

}  // namespace win
