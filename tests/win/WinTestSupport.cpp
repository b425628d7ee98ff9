#include "WinTestSupport.h"

#include <algorithm>

namespace wintest {

std::vector<Logged>& Log() {
  static std::vector<Logged> log;
  return log;
}

std::map<UINT, Handler>& Handlers() {
  static std::map<UINT, Handler> handlers;
  return handlers;
}

namespace {

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log().push_back(Logged{hwnd, msg, wParam, lParam});
  auto it = Handlers().find(msg);
  LRESULT result = 0;
  if (it != Handlers().end() && it->second(hwnd, msg, wParam, lParam, &result)) return result;
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

void RegisterOnce(const char* name, UINT style) {
  WNDCLASS wc{};
  if (GetClassInfo(nullptr, name, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = RecordingProc;
  wc.cbWndExtra = 16;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  wc.lpszClassName = name;
  ASSERT_TRUE(RegisterClass(&wc));
}

}  // namespace

void RegisterRecordingClasses() {
  RegisterOnce("RecWnd", 0);
  RegisterOnce("RecDbl", CS_DBLCLKS);
}

std::vector<UINT> MessagesTo(HWND hwnd) {
  std::vector<UINT> out;
  for (const auto& l : Log()) {
    if (l.hwnd == hwnd) out.push_back(l.msg);
  }
  return out;
}

std::vector<UINT> MessagesAmong(const std::vector<UINT>& wanted) {
  std::vector<UINT> out;
  for (const auto& l : Log()) {
    if (std::find(wanted.begin(), wanted.end(), l.msg) != wanted.end()) out.push_back(l.msg);
  }
  return out;
}

int Count(HWND hwnd, UINT msg) {
  return static_cast<int>(std::count_if(Log().begin(), Log().end(),
                                        [&](const Logged& l) { return l.hwnd == hwnd && l.msg == msg; }));
}

void WinTest::SetUp() {
  win::SelectBackend("headless");
  RegisterRecordingClasses();
  // Far enough apart that no click of an earlier test pairs with one of this test.
  win::DesktopAdvanceClock(10000);
  Pump();
  Log().clear();
  Handlers().clear();
}

void WinTest::TearDown() {
  Handlers().clear();
  for (HWND hwnd : created_) {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  ReleaseCapture();
  Pump();
  Log().clear();
}

HWND WinTest::top(int x, int y, int w, int h, DWORD style, const char* cls) {
  HWND hwnd = CreateWindowEx(0, cls, "top", style, x, y, w, h, nullptr, nullptr, nullptr, nullptr);
  created_.push_back(hwnd);
  return hwnd;
}

HWND WinTest::child(HWND parent, int id, int x, int y, int w, int h, DWORD style, const char* cls) {
  return CreateWindowEx(0, cls, "", style, x, y, w, h, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)),
                        nullptr, nullptr);
}

void WinTest::Click(POINT pt, win::MouseButton button) {
  win::DesktopMouseButton(button, true, pt);
  win::DesktopMouseButton(button, false, pt);
}

}  // namespace wintest
