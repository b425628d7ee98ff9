#include "platform/win/controls/ToolTip.h"

#include <algorithm>
#include <cstring>

#include "platform/win/controls/ControlPaint.h"

namespace win {

namespace {

constexpr UINT_PTR kInitialTimer = 1;
constexpr UINT_PTR kAutoPopTimer = 2;
constexpr int kDefaultInitialDelay = 500;
constexpr int kMargin = 2;            // between the frame and the text
constexpr POINT kOffsetFromPointer{0, 20};  // below the arrow cursor
constexpr int kLegacyTextBuffer = 80;  // what callers of TTM_GETTEXT without a size provide
LPSTR const kTextCallback = reinterpret_cast<LPSTR>(-1);

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

}  // namespace

ToolTip::ToolTip(HWND hwnd) : hwnd_(hwnd) { setDelay(TTDT_AUTOMATIC, -1); }

LRESULT ToolTip::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (shown_) layoutTip();
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return PaintCycle(hwnd_, [this](HDC hdc) { paint(hdc); });
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEMOVE: hide(); return 0;  // the pointer ran onto the tip itself
    case WM_ACTIVATEAPP:
      if (!wParam) hide();
      return 0;
    case WM_TIMER: onTimer(wParam); return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, kInitialTimer);
      KillTimer(hwnd_, kAutoPopTimer);
      return 0;
    default:
      if (msg >= TTM_ACTIVATE && msg <= TTM_POP) return handleToolMessage(msg, wParam, lParam);
      break;
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

LRESULT ToolTip::handleToolMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TOOLINFO* info = reinterpret_cast<const TOOLINFO*>(lParam);
  switch (msg) {
    case TTM_ACTIVATE:
      active_ = wParam != 0;
      if (!active_) hide();
      return 0;
    case TTM_SETDELAYTIME: setDelay(wParam, static_cast<short>(LOWORD(lParam))); return 0;
    case TTM_ADDTOOL:
      if (!info) return FALSE;
      addTool(info);
      return TRUE;
    case TTM_DELTOOL: deleteTool(info); return 0;
    case TTM_NEWTOOLRECT:
      if (Tool* tool = findTool(info)) tool->rect = info->rect;
      return 0;
    case TTM_RELAYEVENT: relay(reinterpret_cast<const MSG*>(lParam)); return 0;
    case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(tools_.size());
    case TTM_SETMAXTIPWIDTH: {
      int previous = maxWidth_;
      maxWidth_ = static_cast<int>(lParam);
      if (shown_) layoutTip();
      return previous;
    }
    case TTM_GETMAXTIPWIDTH: return maxWidth_;
    case TTM_POP: hide(); return 0;
  }
  Tool* tool = findTool(info);
  if (!tool) return FALSE;
  switch (msg) {
    case TTM_UPDATETIPTEXT:
    case TTM_SETTOOLINFO:
      if (msg == TTM_SETTOOLINFO) {
        tool->flags = info->uFlags;
        tool->rect = info->rect;
      }
      tool->text = TextFromToolInfo(info);
      if (shown_ && tool == currentTool()) layoutTip();
      return 0;
    case TTM_GETTOOLINFO: {
      TOOLINFO* out = reinterpret_cast<TOOLINFO*>(lParam);
      out->uFlags = tool->flags;
      out->rect = tool->rect;
      return TRUE;
    }
    case TTM_GETTEXT: {
      TOOLINFO* out = reinterpret_cast<TOOLINFO*>(lParam);
      if (!out->lpszText) return 0;
      size_t capacity = wParam ? wParam : kLegacyTextBuffer;
      size_t length = std::min(tool->text.size(), capacity - 1);
      std::memcpy(out->lpszText, tool->text.data(), length);
      out->lpszText[length] = '\0';
      return static_cast<LRESULT>(length);
    }
  }
  return DefWindowProc(hwnd_, msg, wParam, lParam);
}

ToolTip::Tool* ToolTip::findTool(const TOOLINFO* info) {
  if (!info) return nullptr;
  for (Tool& tool : tools_) {
    if (tool.hwnd == info->hwnd && tool.id == info->uId) return &tool;
  }
  return nullptr;
}

ToolTip::Tool* ToolTip::currentTool() {
  if (!hasCurrent_) return nullptr;
  for (Tool& tool : tools_) {
    if (tool.hwnd == currentHwnd_ && tool.id == currentId_) return &tool;
  }
  return nullptr;
}

std::string ToolTip::TextFromToolInfo(const TOOLINFO* info) {
  if (!info->lpszText || info->lpszText == kTextCallback) return {};
  if (IS_INTRESOURCE(info->lpszText)) {
    char buffer[1024];
    int length = LoadString(info->hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info->lpszText)), buffer,
                            sizeof buffer);
    return std::string(buffer, std::max(0, length));
  }
  return info->lpszText;
}

void ToolTip::addTool(const TOOLINFO* info) {
  if (Tool* existing = findTool(info)) {
    existing->flags = info->uFlags;
    existing->rect = info->rect;
    existing->text = TextFromToolInfo(info);
    return;
  }
  tools_.push_back(Tool{info->uFlags, info->hwnd, info->uId, info->rect, TextFromToolInfo(info)});
}

void ToolTip::deleteTool(const TOOLINFO* info) {
  Tool* tool = findTool(info);
  if (!tool) return;
  if (tool == currentTool()) {
    hide();
    hasCurrent_ = false;
  }
  tools_.erase(tools_.begin() + (tool - tools_.data()));
}

void ToolTip::setDelay(WPARAM which, int milliseconds) {
  bool reset = milliseconds < 0;
  switch (which) {
    case TTDT_AUTOMATIC: {
      int initial = reset ? kDefaultInitialDelay : milliseconds;
      initialDelay_ = initial;
      autoPopDelay_ = initial * 10;
      reshowDelay_ = initial / 5;
      break;
    }
    case TTDT_INITIAL: initialDelay_ = reset ? kDefaultInitialDelay : milliseconds; break;
    case TTDT_AUTOPOP: autoPopDelay_ = reset ? kDefaultInitialDelay * 10 : milliseconds; break;
    case TTDT_RESHOW: reshowDelay_ = reset ? kDefaultInitialDelay / 5 : milliseconds; break;
  }
}

const ToolTip::Tool* ToolTip::toolAt(POINT screen) const {
  for (const Tool& tool : tools_) {
    if (!IsWindow(tool.hwnd)) continue;
    if (tool.flags & TTF_IDISHWND) {
      HWND window = reinterpret_cast<HWND>(tool.id);
      RECT rc;
      if (IsWindow(window) && IsWindowVisible(window) && GetWindowRect(window, &rc) && PtInRect(&rc, screen))
        return &tool;
      continue;
    }
    POINT local = screen;
    ScreenToClient(tool.hwnd, &local);
    if (PtInRect(&tool.rect, local)) return &tool;
  }
  return nullptr;
}

void ToolTip::relay(const MSG* msg) {
  if (!msg || !IsMouseMessage(msg->message) || msg->message == WM_MOUSEWHEEL) return;
  POINT screen{GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam)};
  ClientToScreen(msg->hwnd, &screen);
  pointer_ = screen;
  const Tool* tool = toolAt(screen);
  bool sameTool = tool ? hasCurrent_ && tool->hwnd == currentHwnd_ && tool->id == currentId_ : !hasCurrent_;
  if (!sameTool) {
    // Onto another tool or off every tool: the tip goes, and the next one comes sooner if one was up.
    bool wasShown = shown_;
    hide();
    hasCurrent_ = tool != nullptr;
    currentHwnd_ = tool ? tool->hwnd : nullptr;
    currentId_ = tool ? tool->id : 0;
    suppressed_ = tool && IsButtonDown(msg->message);
    if (tool && msg->message == WM_MOUSEMOVE && mayShow())
      startTimer(kInitialTimer, wasShown ? reshowDelay_ : initialDelay_);
    return;
  }
  if (IsButtonDown(msg->message)) {
    hide();
    suppressed_ = tool != nullptr;
    return;
  }
  if (tool && msg->message == WM_MOUSEMOVE && !shown_ && !showPending_ && mayShow())
    startTimer(kInitialTimer, initialDelay_);
}

bool ToolTip::mayShow() const {
  bool alwaysTip = GetWindowLong(hwnd_, GWL_STYLE) & TTS_ALWAYSTIP;
  return active_ && !suppressed_ && (alwaysTip || GetActiveWindow() != nullptr);
}

void ToolTip::startTimer(UINT_PTR id, int delay) {
  if (id == kInitialTimer) showPending_ = true;
  SetTimer(hwnd_, id, static_cast<UINT>(std::max(delay, 0)), nullptr);
}

void ToolTip::onTimer(UINT_PTR id) {
  KillTimer(hwnd_, id);
  if (id == kInitialTimer) {
    showPending_ = false;
    show();
  } else if (id == kAutoPopTimer) {
    hide();
    suppressed_ = true;
  }
}

void ToolTip::show() {
  Tool* tool = currentTool();
  if (!tool || tool->text.empty() || !mayShow()) return;
  shown_ = true;
  layoutTip();
  startTimer(kAutoPopTimer, autoPopDelay_);
}

void ToolTip::hide() {
  showPending_ = false;
  KillTimer(hwnd_, kInitialTimer);
  KillTimer(hwnd_, kAutoPopTimer);
  if (!shown_) return;
  shown_ = false;
  ShowWindow(hwnd_, SW_HIDE);
}

UINT ToolTip::textFormat() const {
  UINT format = DT_LEFT | DT_TOP | DT_EXPANDTABS;
  if (maxWidth_ >= 0) format |= DT_WORDBREAK;
  if (GetWindowLong(hwnd_, GWL_STYLE) & TTS_NOPREFIX) format |= DT_NOPREFIX;
  return format;
}

void ToolTip::layoutTip() {
  Tool* tool = currentTool();
  if (!tool) return;
  HDC hdc = GetDC(hwnd_);
  HGDIOBJ oldFont = SelectObject(hdc, ControlFontOrDefault(font_));
  RECT text{0, 0, maxWidth_ >= 0 ? maxWidth_ : GetSystemMetrics(SM_CXSCREEN), 0};
  DrawText(hdc, tool->text.c_str(), static_cast<int>(tool->text.size()), &text, textFormat() | DT_CALCRECT);
  SelectObject(hdc, oldFont);
  ReleaseDC(hwnd_, hdc);
  int width = text.right - text.left + 2 * (1 + kMargin);
  int height = text.bottom - text.top + 2 * (1 + kMargin);
  // Below and right of the pointer, moved back onto the screen where it would leave it.
  int x = std::clamp<int>(pointer_.x + kOffsetFromPointer.x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
  int y = pointer_.y + kOffsetFromPointer.y;
  if (y + height > GetSystemMetrics(SM_CYSCREEN)) y = std::max<int>(0, pointer_.y - height);
  SetWindowPos(hwnd_, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void ToolTip::paint(HDC hdc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillRect(hdc, &client, GetSysColorBrush(COLOR_INFOBK));
  FrameRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  Tool* tool = currentTool();
  if (!tool) return;
  HGDIOBJ oldFont = SelectObject(hdc, ControlFontOrDefault(font_));
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(COLOR_INFOTEXT));
  RECT text = client;
  InflateRect(&text, -(1 + kMargin), -(1 + kMargin));
  DrawText(hdc, tool->text.c_str(), static_cast<int>(tool->text.size()), &text, textFormat());
  SelectObject(hdc, oldFont);
}

}  // namespace win
