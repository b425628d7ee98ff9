// Update regions and the painting cycle: which windows need WM_PAINT, in which order, and what a
// window's DCs may touch.
#pragma once

#include <functional>

#include "platform/gdi/Region.h"
#include "platform/win/Window.h"

namespace win {

enum class ChildInvalidation {
  Covered,  // children under the area, unless the parent clips them out of its painting
  All,
  None,
};

// Adds `area` (client coordinates of `hwnd`; nullptr: the whole client area) to the update region.
void InvalidateClientArea(HWND hwnd, const gdi::Region* area, bool erase, ChildInvalidation children);
void InvalidateFrame(HWND hwnd);
// Everything of the window: frame and client, with its children.
void InvalidateWhole(HWND hwnd);
// The area a child covers (or covered) in its parent, given in the parent's client coordinates.
void InvalidateParentArea(HWND parent, const RECT& areaInParentClient);
void ValidateClientArea(HWND hwnd, const gdi::Region* area);

bool NeedsPaint(const Window& w);
// The first window, parents before children, that needs painting and that `accept` takes.
HWND FindWindowToPaint(const std::function<bool(HWND)>& accept);
// Sends WM_PAINT to the window if it needs it, then to its children.
void PaintNow(HWND hwnd, bool withChildren);

// Shows every top-level window's changed pixels.
void PresentAll();

// DCs handed out by GetDC, GetWindowDC and BeginPaint.
HDC CreateWindowDC(HWND hwnd, bool wholeWindow, const gdi::Region* clipInClient);
bool ReleaseWindowDC(HDC hdc);

}  // namespace win
