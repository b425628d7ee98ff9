#include "platform/backend/SdlKeyMap.h"

#include <SDL.h>

#include "platform/win/winuser.h"

namespace backend {

UINT VirtualKeyFromSdl(int32_t key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + static_cast<UINT>(key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + static_cast<UINT>(key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + static_cast<UINT>(key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 0x61 + static_cast<UINT>(key - SDLK_KP_1);  // VK_NUMPAD1..9
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_KP_0: return 0x60;  // VK_NUMPAD0
    case SDLK_MINUS: return 0xBD;  // VK_OEM_MINUS
    case SDLK_PERIOD: return 0xBE;  // VK_OEM_PERIOD
    case SDLK_COMMA: return 0xBC;  // VK_OEM_COMMA
    default: return 0;
  }
}

}  // namespace backend
