#include "platform/win/WindowUpdate.h"

#include <algorithm>

#include "platform/win/Geometry.h"
#include "platform/win/PopupKind.h"
#include "platform/win/WindowSystem.h"

namespace win {

void RecalcClientRect(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  RECT rc = w->rect;
  SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&rc));
  w = Sys().find(hwnd);
  if (!w) return;
  RECT client{rc.left - w->rect.left, rc.top - w->rect.top, rc.right - w->rect.left, rc.bottom - w->rect.top};
  client.left = std::clamp<LONG>(client.left, 0, w->width());
  client.top = std::clamp<LONG>(client.top, 0, w->height());
  client.right = std::clamp<LONG>(client.right, client.left, w->width());
  client.bottom = std::clamp<LONG>(client.bottom, client.top, w->height());
  w->client = client;
}

void SendSize(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  RECT c = w->clientArea();
  SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right, c.bottom));
}

void SendMove(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w) return;
  RECT c = w->clientInParent();
  SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(c.left, c.top));
}

void SendSizeAndMove(HWND hwnd) {
  SendSize(hwnd);
  SendMove(hwnd);
}

void EnsureNativeWindow(HWND hwnd) {
  Window* w = Sys().find(hwnd);
  if (!w || w->isChild() || w->hasNativeWindow) return;
  w->hasNativeWindow = true;
  Sys().backend->createWindow(hwnd, w->rect, NativeKindOf(*w), w->surface.get());
  Sys().backend->setTitle(hwnd, w->text);
}

}  // namespace win
