#include "platform/win/MenuTracker.h"

#include <algorithm>

#include "platform/win/ModalLoop.h"

namespace win {
namespace {

const char kMenuClass[] = "#32768";
constexpr int kItemHeight = 18;
constexpr int kSeparatorHeight = 9;
constexpr int kEdge = 3;
constexpr int kTextLeft = 20;
constexpr int kTextRight = 20;
constexpr int kShortcutGap = 24;
constexpr int kMinWidth = 100;

HFONT MenuFont() {
  static HFONT font = CreateFont(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Liberation Sans");
  return font;
}

int TextWidth(HDC hdc, const std::string& text) {
  SIZE size{0, 0};
  if (!text.empty()) GetTextExtentPoint32(hdc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* tracker = reinterpret_cast<MenuTracker*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      if (tracker && hdc) tracker->paint(hdc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterMenuWindowClass() {
  WNDCLASS wc{};
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = MenuWindowProc;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kMenuClass;
  RegisterClass(&wc);
}

MenuTracker::MenuTracker(HMENU menu, HWND owner) : menu_(FindMenu(menu)), owner_(owner) {}

void MenuTracker::layout() {
  HDC hdc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(hdc, MenuFont());
  int labelWidth = 0;
  int shortcutWidth = 0;
  int y = kEdge;
  rows_.clear();
  for (const MenuItem& item : menu_->items) {
    int h = (item.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
    rows_.push_back(Row{y, y + h});
    y += h;
    labelWidth = std::max(labelWidth, TextWidth(hdc, item.label()));
    shortcutWidth = std::max(shortcutWidth, TextWidth(hdc, item.shortcut()));
  }
  SelectObject(hdc, old);
  ReleaseDC(nullptr, hdc);
  int textWidth = labelWidth + (shortcutWidth ? kShortcutGap + shortcutWidth : 0);
  width_ = std::max(kMinWidth, 2 * kEdge + kTextLeft + textWidth + kTextRight);
  height_ = y + kEdge;
}

int MenuTracker::itemAt(POINT client) const {
  if (client.x < kEdge || client.x >= width_ - kEdge) return -1;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (client.y >= rows_[i].top && client.y < rows_[i].bottom) return static_cast<int>(i);
  }
  return -1;
}

void MenuTracker::paint(HDC hdc) const {
  RECT frame{0, 0, width_, height_};
  FillRect(hdc, &frame, GetSysColorBrush(COLOR_MENU));
  DrawEdge(hdc, &frame, EDGE_RAISED, BF_RECT);
  HGDIOBJ oldFont = SelectObject(hdc, MenuFont());
  SetBkMode(hdc, TRANSPARENT);
  for (size_t i = 0; i < rows_.size(); ++i) {
    const MenuItem& item = menu_->items[i];
    RECT row{kEdge, rows_[i].top, width_ - kEdge, rows_[i].bottom};
    if (item.flags & MF_SEPARATOR) {
      RECT line{row.left + 1, (row.top + row.bottom) / 2 - 1, row.right - 1, (row.top + row.bottom) / 2 + 1};
      DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
      continue;
    }
    bool highlighted = static_cast<int>(i) == selected_;
    if (highlighted) FillRect(hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    bool grayed = !item.selectable();
    SetTextColor(hdc, GetSysColor(grayed ? COLOR_GRAYTEXT : highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text{row.left + kTextLeft, row.top, row.right - kTextRight, row.bottom};
    std::string label = item.label();
    std::string shortcut = item.shortcut();
    DrawText(hdc, label.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    DrawText(hdc, shortcut.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
  SelectObject(hdc, oldFont);
}

void MenuTracker::select(int index) {
  if (index == selected_) return;
  selected_ = index;
  InvalidateRect(window_, nullptr, FALSE);
}

void MenuTracker::step(int direction) {
  int count = static_cast<int>(rows_.size());
  int index = selected_;
  for (int tries = 0; tries < count; ++tries) {
    index = index < 0 ? (direction > 0 ? 0 : count - 1) : (index + direction + count) % count;
    if (!(menu_->items[index].flags & MF_SEPARATOR)) {
      select(index);
      return;
    }
  }
}

LoopStep MenuTracker::choose(int index) {
  if (index < 0 || !menu_->items[index].selectable()) return LoopStep::Consumed;
  chosen_ = static_cast<UINT>(menu_->items[index].id);
  return LoopStep::Done;
}

LoopStep MenuTracker::handleMouse(const MSG& msg) {
  if (msg.hwnd != window_) return LoopStep::Consumed;
  POINT pt{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  bool inside = pt.x >= 0 && pt.y >= 0 && pt.x < width_ && pt.y < height_;
  switch (msg.message) {
    case WM_MOUSEMOVE: select(itemAt(pt)); return LoopStep::Consumed;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: return inside ? LoopStep::Consumed : LoopStep::Done;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: return inside ? choose(itemAt(pt)) : LoopStep::Consumed;
    default: return LoopStep::Consumed;
  }
}

LoopStep MenuTracker::handleKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return LoopStep::Consumed;
  bool repeat = (msg.lParam >> 30) & 1;
  switch (msg.wParam) {
    case VK_UP: step(-1); return LoopStep::Consumed;
    case VK_DOWN: step(1); return LoopStep::Consumed;
    case VK_RETURN: return choose(selected_);
    case VK_ESCAPE: return LoopStep::Done;
    case VK_MENU: return repeat ? LoopStep::Consumed : LoopStep::Done;
    default: break;
  }
  for (size_t i = 0; i < menu_->items.size(); ++i) {
    if (menu_->items[i].mnemonic() == static_cast<char>(msg.wParam)) return choose(static_cast<int>(i));
  }
  return LoopStep::Consumed;
}

LoopStep MenuTracker::handle(const MSG& msg) {
  if (!IsWindow(owner_)) return LoopStep::Done;
  if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) return handleMouse(msg);
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) return handleKey(msg);
  return LoopStep::Pass;
}

UINT MenuTracker::run(POINT at) {
  if (!menu_ || menu_->items.empty()) return 0;
  layout();
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  int x = std::max(0, std::min<int>(at.x, screenWidth - width_));
  int y = at.y + height_ > screenHeight ? std::max(0, static_cast<int>(at.y) - height_) : at.y;
  window_ = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kMenuClass, "", WS_POPUP, x, y, width_, height_, owner_,
                           nullptr, nullptr, nullptr);
  if (!window_) return 0;
  SetWindowLongPtr(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ShowWindow(window_, SW_SHOWNA);
  UpdateWindow(window_);
  RunCaptureLoop(window_, [this](const MSG& msg) { return handle(msg); });
  if (IsWindow(window_)) DestroyWindow(window_);
  window_ = nullptr;
  return chosen_;
}

}  // namespace win
