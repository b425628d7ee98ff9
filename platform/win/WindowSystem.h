// The window system's one owning context: the back end, the classes, the windows, the queues and the
// state of focus, activation, capture and the pointer. Everything runs on the UI thread except posting.
#pragma once

#include <memory>
#include <thread>

#include "platform/backend/Backend.h"
#include "platform/win/ClassRegistry.h"
#include "platform/win/InputRouter.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/TimerList.h"
#include "platform/win/WindowTable.h"

namespace win {

struct WindowSystem {
  WindowSystem();

  std::unique_ptr<backend::Backend> backend;
  ClassRegistry classes;
  WindowTable windows;
  MessageQueue queue;
  TimerList timers;
  InputRouter input;
  std::thread::id uiThread;

  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  HWND lastActive = nullptr;  // the window to activate again when the application becomes active
  bool appActive = true;

  HCURSOR cursor = nullptr;
  int cursorShowCount = 0;

  MSG lastMessage{};  // GetMessagePos, GetMessageTime

  bool onUiThread() const { return std::this_thread::get_id() == uiThread; }
  Window* find(HWND hwnd) const { return windows.find(hwnd); }
};

// Starts the window system on first use: picks the back end and registers the standard classes.
WindowSystem& Sys();
// Requests a back end for the first start; see Desktop.h SelectBackend.
void RequestBackend(const char* name);

}  // namespace win
