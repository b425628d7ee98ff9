// A private X display (Xvfb) with one program on it, driven like a user would with xdotool:
// find the program's windows, move the pointer, click, type, press keys and take screenshots.
// Without a window manager the keyboard goes to the window under the pointer, so typing first
// moves the pointer over the window that should get the keys. A window that took the input focus
// for itself hands it to nobody when it closes (no manager picks the next one); before typing, the
// session then gives it to the window under the pointer, as a focus-follows-mouse manager would.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/Screenshot.h"

namespace e2e {

// A visible top-level window of the program.
struct XWindow {
  std::string id;
  std::string name;
  ScreenRect frame;
};

class XSession {
 public:
  // `name` keeps this session's home folder and screenshots apart from other tests'.
  explicit XSession(std::string name);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // The first tool that is missing (Xvfb, xdotool, import), or empty when all are there.
  static std::string MissingTool();

  bool startDisplay();
  // Starts the program with a private HOME on this display and the real (SDL2) back end.
  bool startProgram(const std::string& path);
  ChildProcess& program() { return program_; }
  const std::string& home() const { return home_; }
  const std::string& programLog() const { return programLog_; }

  std::vector<XWindow> programWindows();
  std::optional<XWindow> waitForWindow(const std::function<bool(const XWindow&)>& match,
                                       std::chrono::seconds deadline);
  bool waitUntilGone(const std::string& windowId, std::chrono::seconds deadline);

  void moveTo(ScreenPoint point);
  void click(ScreenPoint point);
  // Clicks one point and then another in one go, as fast as the pointer can be moved.
  void clickTwice(ScreenPoint first, ScreenPoint second);
  // Types into the window under `pointer`, slowly enough for non-ASCII characters to arrive.
  void type(ScreenPoint pointer, const std::string& text);
  void key(ScreenPoint pointer, const std::string& keyName);
  // Saves the whole screen as <build>/e2e-screenshots/<name>-<label>.png and reads it back; a later
  // screenshot with the same label replaces it, so a polled one shows the last state seen.
  std::optional<Screenshot> screenshot(const std::string& label);

 private:
  ChildProcess::Result xdotool(const std::vector<std::string>& arguments);
  std::optional<XWindow> describe(const std::string& windowId);
  void focusWindowUnderPointerIfNoneHasFocus();
  std::vector<std::string> displayEnvironment() const;
  // True once a client can open the display and talk to the server.
  bool waitForClients(std::chrono::seconds deadline);

  std::string name_;
  std::string display_;
  std::string home_;
  std::string programLog_;
  ChildProcess server_;
  ChildProcess program_;
};

}  // namespace e2e
