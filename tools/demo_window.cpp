// A small demonstration of the window system: a captioned window with its icon and system menu, some
// painted shapes and text, and a child window with a sunken edge. Runs until the window is closed.
#include "platform/win/windows.h"

namespace {

constexpr UINT kAboutCommand = 0x0010;

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_PAINT) return DefWindowProc(hwnd, msg, wParam, lParam);
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  DrawText(hdc, "A child window", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EndPaint(hwnd, &ps);
  return 0;
}

void PaintShapes(HDC hdc) {
  HBRUSH red = CreateSolidBrush(RGB(200, 40, 40));
  HGDIOBJ oldBrush = SelectObject(hdc, red);
  Rectangle(hdc, 20, 20, 120, 90);
  SelectObject(hdc, GetStockObject(WHITE_BRUSH));
  Ellipse(hdc, 140, 20, 240, 90);
  SelectObject(hdc, oldBrush);
  DeleteObject(red);

  HPEN blue = CreatePen(PS_SOLID, 2, RGB(10, 36, 106));
  HGDIOBJ oldPen = SelectObject(hdc, blue);
  MoveToEx(hdc, 260, 20, nullptr);
  LineTo(hdc, 340, 90);
  SelectObject(hdc, oldPen);
  DeleteObject(blue);

  RECT edge{20, 110, 180, 150};
  DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  SetBkMode(hdc, TRANSPARENT);
  DrawText(hdc, "Raised edge", -1, &edge, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  RECT focus{200, 115, 330, 145};
  DrawFocusRect(hdc, &focus);
  DrawIcon(hdc, 350, 110, LoadIcon(nullptr, IDI_APPLICATION));
  const char hint[] = "Drag the caption, right-click it for the system menu, Alt+F4 closes.";
  TextOut(hdc, 20, 170, hint, static_cast<int>(sizeof hint - 1));
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      PaintShapes(hdc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == kAboutCommand) {
        SetWindowText(hwnd, "Demo window - system menu item chosen");
        return 0;
      }
      break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

void RegisterDemoClasses(HINSTANCE inst) {
  WNDCLASS wc{};
  wc.lpfnWndProc = MainProc;
  wc.hInstance = inst;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "DemoMain";
  RegisterClass(&wc);
  wc.lpfnWndProc = ChildProc;
  wc.hIcon = nullptr;
  wc.hCursor = LoadCursor(nullptr, IDC_HAND);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "DemoChild";
  RegisterClass(&wc);
}

}  // namespace

int main() {
  HINSTANCE inst = GetModuleHandle(nullptr);
  RegisterDemoClasses(inst);
  RECT rc{0, 0, 420, 280};
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  AdjustWindowRectEx(&rc, style, FALSE, 0);
  HWND main = CreateWindowEx(0, "DemoMain", "Demo window", style, 60, 60, rc.right - rc.left, rc.bottom - rc.top,
                             nullptr, nullptr, inst, nullptr);
  HMENU sysMenu = GetSystemMenu(main, FALSE);
  AppendMenu(sysMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenu(sysMenu, MF_STRING, kAboutCommand, "&About the demo...");
  CreateWindowEx(WS_EX_CLIENTEDGE, "DemoChild", "", WS_CHILD | WS_VISIBLE, 20, 200, 200, 60, main, nullptr, inst,
                 nullptr);
  ShowWindow(main, SW_SHOW);
  UpdateWindow(main);

  MSG msg;
  while (GetMessage(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessage(&msg);
  }
  return static_cast<int>(msg.wParam);
}
