// Sending, posting, retrieving and dispatching messages, and timers.
#include "platform/win/Clock.h"
#include "platform/win/MessageRetrieval.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"

using win::Sys;

namespace {

thread_local int t_inCrossThreadSend = 0;

LRESULT CallProcOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const win::Window* w = Sys().find(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(hwnd, msg, wParam, lParam);
}

// Control characters that the desktop does not deliver as text.
UINT CharForKey(UINT vk, bool ctrl) {
  switch (vk) {
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK: return 0x08;
    case VK_TAB: return '\t';
    default: break;
  }
  if (ctrl && vk >= 'A' && vk <= 'Z') return vk - 'A' + 1;
  return 0;
}

MSG MakeMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MSG m{};
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  m.time = win::ClockNow();
  return m;
}

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!Sys().onUiThread()) {
    return Sys().queue.sendAndWait([=] {
      ++t_inCrossThreadSend;
      LRESULT result = CallProcOf(hwnd, msg, wParam, lParam);
      --t_inCrossThreadSend;
      return result;
    });
  }
  return CallProcOf(hwnd, msg, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

BOOL InSendMessage() { return t_inCrossThreadSend > 0; }

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  win::WindowSystem& sys = Sys();
  if (hwnd && !sys.windows.contains(hwnd)) return FALSE;
  sys.queue.post(MakeMessage(hwnd, msg, wParam, lParam));
  return TRUE;
}

BOOL PostThreadMessage(DWORD, UINT msg, WPARAM wParam, LPARAM lParam) {
  Sys().queue.post(MakeMessage(nullptr, msg, wParam, lParam));
  return TRUE;
}

void PostQuitMessage(int exitCode) { Sys().queue.postQuit(exitCode); }

BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  win::MessageFilter filter{hwnd, filterMin, filterMax};
  win::WindowSystem& sys = Sys();
  for (;;) {
    sys.backend->wait(0);
    if (win::RetrieveMessage(msg, filter, true)) return msg->message != WM_QUIT;
    win::PresentAll();
    sys.backend->wait(win::IdleTimeout());
  }
}

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
  win::MessageFilter filter{hwnd, filterMin, filterMax};
  Sys().backend->wait(0);
  if (win::RetrieveMessage(msg, filter, (removeMsg & PM_REMOVE) != 0)) return TRUE;
  win::PresentAll();
  return FALSE;
}

BOOL WaitMessage() {
  win::WindowSystem& sys = Sys();
  MSG msg;
  for (;;) {
    sys.backend->wait(0);
    if (win::RetrieveMessage(&msg, win::MessageFilter{}, false)) return TRUE;
    win::PresentAll();
    sys.backend->wait(win::IdleTimeout());
  }
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  bool sys = msg->message == WM_SYSKEYDOWN;
  if (msg->message != WM_KEYDOWN && !sys) {
    return msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP;
  }
  bool ctrl = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0;
  if (UINT ch = CharForKey(static_cast<UINT>(msg->wParam), ctrl)) {
    MSG charMsg = *msg;
    charMsg.message = sys ? WM_SYSCHAR : WM_CHAR;
    charMsg.wParam = ch;
    Sys().queue.postFront(charMsg);
  }
  return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    // Only a timer that really exists may call a procedure: a posted WM_TIMER carries any lParam.
    if (Sys().timers.exists(msg->hwnd, msg->wParam, proc)) proc(msg->hwnd, WM_TIMER, msg->wParam, win::ClockNow());
    return 0;
  }
  if (!msg->hwnd) return 0;
  return CallProcOf(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessagePos() {
  const MSG& m = Sys().lastMessage;
  return static_cast<DWORD>(MAKELONG(static_cast<WORD>(m.pt.x), static_cast<WORD>(m.pt.y)));
}

LONG GetMessageTime() { return static_cast<LONG>(Sys().lastMessage.time); }

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !Sys().find(hwnd)) return 0;
  UINT_PTR result = Sys().timers.set(hwnd, id, elapse, proc, win::ClockNow());
  return hwnd && result == 0 ? 1 : result;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return Sys().timers.kill(hwnd, id); }
