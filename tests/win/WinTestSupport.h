// Shared pieces of the window-system tests: a window class that records every message it gets, and a
// fixture that removes the windows of a test and keeps tests from seeing each other's input.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win/Desktop.h"
#include "platform/win/windows.h"

namespace wintest {

struct Logged {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

// Every message to a recording window, in order.
std::vector<Logged>& Log();
// Optional per-message behaviour; return true and set *result to answer instead of DefWindowProc.
using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)>;
std::map<UINT, Handler>& Handlers();

// Two recording classes: "RecWnd" (no double clicks, white background) and "RecDbl" (CS_DBLCLKS).
void RegisterRecordingClasses();

std::vector<UINT> MessagesTo(HWND hwnd);
std::vector<UINT> MessagesAmong(const std::vector<UINT>& wanted);
int Count(HWND hwnd, UINT msg);

class WinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND top(int x, int y, int w, int h, DWORD style = WS_POPUP | WS_VISIBLE, const char* cls = "RecWnd");
  HWND child(HWND parent, int id, int x, int y, int w, int h, DWORD style = WS_CHILD | WS_VISIBLE,
             const char* cls = "RecWnd");

  static void Click(POINT pt, win::MouseButton button = win::MouseButton::Left);
  static void Pump() { win::PumpPendingMessages(); }

 private:
  std::vector<HWND> created_;
};

}  // namespace wintest
