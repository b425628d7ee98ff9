// Where windows are: screen and surface positions, and the part of a window that can be seen on its
// top-level window's surface.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/win/Window.h"

namespace win {

// The top-level window a window belongs to (itself for a top-level window).
Window* RootOf(Window* w);
bool IsVisibleChain(const Window& w);
// True when `w` or one of its parents is disabled.
bool IsDisabledChain(const Window& w);

POINT WindowScreenOrigin(const Window& w);
POINT ClientScreenOrigin(const Window& w);
RECT WindowScreenRect(const Window& w);
// The window's top-left corner on its top-level window's surface.
POINT SurfaceOrigin(const Window& w);
POINT ClientSurfaceOrigin(const Window& w);

// What of the window (its client area, or the whole window) shows on the surface, in surface
// coordinates: clipped by every parent's client area, by siblings above it where WS_CLIPSIBLINGS asks,
// and by its own children where WS_CLIPCHILDREN asks. Empty when the window is hidden.
gdi::Region VisibleRegion(const Window& w, bool wholeWindow);

}  // namespace win
