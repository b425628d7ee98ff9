#include "platform/win/ModalLoop.h"

namespace win {

void RunCaptureLoop(HWND hwnd, const std::function<LoopStep(const MSG&)>& handle) {
  SetCapture(hwnd);
  MSG msg;
  while (GetCapture() == hwnd && IsWindow(hwnd)) {
    if (!GetMessage(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    LoopStep step = handle(msg);
    if (step == LoopStep::Done) break;
    if (step == LoopStep::Pass) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  }
  if (GetCapture() == hwnd) ReleaseCapture();
}

}  // namespace win
