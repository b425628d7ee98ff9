#include "platform/dshow/VideoWindow.h"

#include <mutex>

namespace dshow {

namespace {

constexpr const char* kClassName = "VelmoraVideoRenderer";
// Posted by the streaming thread through the frame store; only ever sent to this class's windows.
constexpr UINT kRepaintMessage = WM_USER + 0x100;

}  // namespace

VideoWindow::VideoWindow(VideoFrameStore& store) : m_store(store) {}

VideoWindow::~VideoWindow() { Destroy(); }

bool VideoWindow::SetOwner(HWND owner) {
  if (!owner) {
    Destroy();
    m_owner = nullptr;
    return true;
  }
  if (!IsWindow(owner)) return false;
  m_owner = owner;
  if (m_hwnd) {
    SetParent(m_hwnd, owner);
    return true;
  }
  static std::once_flag registered;
  std::call_once(registered, [] {
    WNDCLASS wc = {};
    wc.lpfnWndProc = &VideoWindow::WindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClass(&wc);
  });
  m_hwnd = CreateWindowEx(0, kClassName, "", static_cast<DWORD>(m_style | WS_CHILD) & ~WS_VISIBLE, m_rect.left,
                          m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top, owner, nullptr,
                          nullptr, nullptr);
  if (!m_hwnd) return false;
  SetWindowLongPtr(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  m_store.SetRepaintTarget(m_hwnd, kRepaintMessage);
  if (m_visible) ShowWindow(m_hwnd, SW_SHOWNA);
  return true;
}

void VideoWindow::SetVisible(bool visible) {
  m_visible = visible;
  if (m_hwnd) ShowWindow(m_hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void VideoWindow::SetPosition(RECT rect) {
  m_rect = rect;
  if (m_hwnd) {
    SetWindowPos(m_hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void VideoWindow::SetStyle(LONG style) {
  // Visibility belongs to put_Visible; the window stays a child of its owner.
  m_style = static_cast<LONG>(static_cast<DWORD>(style) & ~WS_VISIBLE);
  if (m_hwnd) {
    DWORD visible = m_visible ? WS_VISIBLE : 0;
    SetWindowLong(m_hwnd, GWL_STYLE, static_cast<LONG>(static_cast<DWORD>(m_style) | WS_CHILD | visible));
  }
}

void VideoWindow::Destroy() {
  if (!m_hwnd) return;
  HWND hwnd = m_hwnd;
  Detach();
  if (IsWindow(hwnd)) DestroyWindow(hwnd);
}

void VideoWindow::Detach() {
  // The store forgets the window first, so no frame posts to a handle that is going away.
  m_store.SetRepaintTarget(nullptr, 0);
  if (m_hwnd && IsWindow(m_hwnd)) SetWindowLongPtr(m_hwnd, GWLP_USERDATA, 0);
  m_hwnd = nullptr;
}

bool VideoWindow::IsInputMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
}

LRESULT CALLBACK VideoWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<VideoWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProc(hwnd, message, wParam, lParam);
  if (IsInputMessage(message) && self->m_drain) {
    PostMessage(self->m_drain, message, wParam, lParam);
    return 0;
  }
  switch (message) {
    case kRepaintMessage:
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      self->Paint(hwnd);
      return 0;
    case WM_NCDESTROY:
      // The owner is being destroyed and takes this child with it.
      self->Detach();
      break;
    default:
      break;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

void VideoWindow::Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  bool painted = m_store.WithFrame([&](const VideoFrame& frame) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = frame.width;
    info.bmiHeader.biHeight = -frame.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    StretchDIBits(hdc, 0, 0, client.right, client.bottom, 0, 0, frame.width, frame.height, frame.pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
  });
  if (!painted) FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EndPaint(hwnd, &ps);
}

}  // namespace dshow
