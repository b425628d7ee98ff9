// The "tooltips_class32" window class: a top-most pop-up that shows the text of the tool under the
// pointer after a delay. Its owner relays its mouse messages (TTM_RELAYEVENT); the tip hides when the
// pointer moves off the tool or a button is pressed, and after the auto-pop delay. Tips show only while
// the application is active, unless the tooltip has TTS_ALWAYSTIP.
#pragma once

#include <string>
#include <vector>

#include "platform/win/commctrl.h"

namespace win {

class ToolTip {
 public:
  explicit ToolTip(HWND hwnd);
  LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  struct Tool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    std::string text;
  };

  LRESULT handleToolMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  Tool* findTool(const TOOLINFO* info);
  Tool* currentTool();
  static std::string TextFromToolInfo(const TOOLINFO* info);
  void addTool(const TOOLINFO* info);
  void deleteTool(const TOOLINFO* info);
  void setDelay(WPARAM which, int milliseconds);

  void relay(const MSG* msg);
  const Tool* toolAt(POINT screen) const;
  bool mayShow() const;
  void startTimer(UINT_PTR id, int delay);
  void show();
  void hide();
  void onTimer(UINT_PTR id);
  void layoutTip();
  UINT textFormat() const;
  void paint(HDC hdc);

  HWND hwnd_;
  std::vector<Tool> tools_;
  bool active_ = true;
  bool shown_ = false;
  bool showPending_ = false;  // the initial delay is running
  bool suppressed_ = false;  // after a click or auto-pop: hidden until the pointer leaves the tool
  bool hasCurrent_ = false;
  HWND currentHwnd_ = nullptr;
  UINT_PTR currentId_ = 0;
  POINT pointer_{};
  int maxWidth_ = -1;
  int initialDelay_;
  int autoPopDelay_;
  int reshowDelay_;
  HFONT font_ = nullptr;
};

}  // namespace win
