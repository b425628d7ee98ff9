// A rectangle in screen pixels, and how dialog units become pixels.
#pragma once

namespace e2e {

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  ScreenPoint center() const { return {x + width / 2, y + height / 2}; }
  // The part from fraction `from` to fraction `to` of the width, full height.
  ScreenRect horizontalSlice(double from, double to) const {
    int left = x + static_cast<int>(width * from);
    int right = x + static_cast<int>(width * to);
    return {left, y, right > left ? right - left : 1, height};
  }
};

// A control's place in a dialog template, in dialog units.
struct DialogUnitRect {
  int x, y, cx, cy;
};

// The pixel size of a dialog's units (a quarter of the average character width, an eighth of its
// height), and where its client area starts on the screen.
struct DialogGeometry {
  int baseX;
  int baseY;
  ScreenPoint clientOrigin;

  ScreenRect toScreen(DialogUnitRect du) const {
    int left = du.x * baseX / 4;
    int top = du.y * baseY / 8;
    int right = (du.x + du.cx) * baseX / 4;
    int bottom = (du.y + du.cy) * baseY / 8;
    return {clientOrigin.x + left, clientOrigin.y + top, right - left, bottom - top};
  }
};

}  // namespace e2e
