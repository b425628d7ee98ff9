// How the window system gets DCs on a top-level window's surface. Used by platform/win only.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/gdi/wingdi.h"

namespace gdi {

// A DC whose logical (0, 0) is `origin` on `surface` and which never draws outside `clip`
// (surface coordinates). Every pixel it writes is marked dirty on the surface.
HDC CreateSurfaceDC(Surface* surface, POINT origin, const Region& clip);
// Replaces the system clip of a surface DC (ExcludeClipRect and friends still apply on top).
void SetSurfaceDCClip(HDC hdc, const Region& clip);
void DeleteSurfaceDC(HDC hdc);

// The desktop's size, which GetDeviceCaps reports as HORZRES and VERTRES; set by the back end.
void SetScreenSize(int width, int height);

}  // namespace gdi
