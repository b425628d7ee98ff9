// Everything the window system keeps about one window. Windows refer to each other by handle, never by
// pointer, so a destroyed window can never be reached through a stale reference.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/win/WindowClass.h"
#include "platform/win/winuser.h"

namespace win {

struct Window {
  HWND handle = nullptr;
  std::shared_ptr<const WindowClass> cls;
  HWND parent = nullptr;       // child windows only
  HWND owner = nullptr;        // top-level windows only
  std::vector<HWND> children;  // topmost first, which is creation order unless moved
  DWORD style = 0;
  DWORD exStyle = 0;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  WNDPROC proc = nullptr;
  std::string text;
  std::vector<BYTE> extra;

  RECT rect{};    // window rectangle: parent client coordinates for children, screen for top-levels
  RECT client{};  // client rectangle relative to the window's top-left corner

  gdi::Region update;  // client coordinates
  bool erasePending = false;
  bool framePending = false;
  bool captionActive = false;

  HICON smallIcon = nullptr;
  HICON bigIcon = nullptr;
  HMENU systemMenu = nullptr;

  std::unique_ptr<gdi::Surface> surface;  // top-level windows only
  bool hasNativeWindow = false;
  bool destroying = false;

  bool isChild() const { return (style & WS_CHILD) != 0; }
  bool isVisibleFlag() const { return (style & WS_VISIBLE) != 0; }
  int width() const { return rect.right - rect.left; }
  int height() const { return rect.bottom - rect.top; }
  // The client rectangle in the window's parent coordinates (or screen coordinates for top-levels).
  RECT clientInParent() const;
  // The client rectangle in its own coordinates: (0, 0, width, height).
  RECT clientArea() const;
};

}  // namespace win
