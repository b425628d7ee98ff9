#include "platform/win/Window.h"

namespace win {

RECT Window::clientInParent() const {
  return RECT{rect.left + client.left, rect.top + client.top, rect.left + client.right, rect.top + client.bottom};
}

RECT Window::clientArea() const { return RECT{0, 0, client.right - client.left, client.bottom - client.top}; }

}  // namespace win
