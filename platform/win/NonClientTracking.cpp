#include "platform/win/NonClientTracking.h"

#include "platform/win/Geometry.h"
#include "platform/win/MenuTracker.h"
#include "platform/win/ModalLoop.h"
#include "platform/win/NonClient.h"
#include "platform/win/WindowSystem.h"

namespace win {
namespace {

constexpr int kKeyboardMoveStep = 8;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }
bool IsKeyMessage(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

void MoveTo(HWND hwnd, POINT topLeft) {
  SetWindowPos(hwnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void TrackMove(HWND hwnd, bool fromMouse, POINT start) {
  Window* w = Sys().find(hwnd);
  if (!w || w->isChild()) return;
  POINT origin{w->rect.left, w->rect.top};
  POINT current = origin;
  SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  RunCaptureLoop(hwnd, [&](const MSG& msg) {
    bool release = msg.message == WM_LBUTTONUP;
    if (fromMouse && (msg.message == WM_MOUSEMOVE || release)) {
      current = POINT{origin.x + msg.pt.x - start.x, origin.y + msg.pt.y - start.y};
      MoveTo(hwnd, current);
    }
    if (release) return LoopStep::Done;
    if (msg.message == WM_MOUSEMOVE) return LoopStep::Consumed;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
      switch (msg.wParam) {
        case VK_LEFT: current.x -= kKeyboardMoveStep; break;
        case VK_RIGHT: current.x += kKeyboardMoveStep; break;
        case VK_UP: current.y -= kKeyboardMoveStep; break;
        case VK_DOWN: current.y += kKeyboardMoveStep; break;
        case VK_RETURN: return LoopStep::Done;
        case VK_ESCAPE: MoveTo(hwnd, origin); return LoopStep::Done;
        default: return LoopStep::Consumed;
      }
      MoveTo(hwnd, current);
      return LoopStep::Consumed;
    }
    return IsMouseMessage(msg.message) || IsKeyMessage(msg.message) ? LoopStep::Consumed : LoopStep::Pass;
  });
  if (IsWindow(hwnd)) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

void TrackCloseButton(HWND hwnd) {
  bool pressed = true;
  POINT last{};
  PaintNonClient(hwnd, true);
  RunCaptureLoop(hwnd, [&](const MSG& msg) {
    if (!IsMouseMessage(msg.message)) return IsKeyMessage(msg.message) ? LoopStep::Consumed : LoopStep::Pass;
    const Window* w = Sys().find(hwnd);
    if (!w) return LoopStep::Done;
    last = msg.pt;
    bool inside = NonClientHitTest(*w, msg.pt) == HTCLOSE;
    if (inside != pressed) {
      pressed = inside;
      PaintNonClient(hwnd, pressed);
    }
    return msg.message == WM_LBUTTONUP ? LoopStep::Done : LoopStep::Consumed;
  });
  if (!IsWindow(hwnd)) return;
  PaintNonClient(hwnd, false);
  if (pressed) SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(last.x, last.y));
}

void ShowSystemMenu(HWND hwnd, const POINT* at) {
  Window* w = Sys().find(hwnd);
  if (!w || w->isChild()) return;
  POINT pt;
  if (at) {
    pt = *at;
  } else {
    CaptionLayout c = CaptionLayoutOf(*w);
    pt = POINT{w->rect.left + c.bar.left, w->rect.top + c.bar.bottom};
  }
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  UINT id = MenuTracker(menu, hwnd).run(pt);
  if (id && IsWindow(hwnd)) PostMessage(hwnd, WM_SYSCOMMAND, id, MAKELPARAM(pt.x, pt.y));
}

}  // namespace win
