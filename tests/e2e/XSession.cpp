#include "tests/e2e/XSession.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "tests/e2e/Environment.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr auto kToolDeadline = 30s;

std::string BuildDir() { return VELMORA_BINARY_DIR; }

std::string X(ScreenPoint p) { return std::to_string(p.x); }
std::string Y(ScreenPoint p) { return std::to_string(p.y); }

// Reads what Xvfb writes to -displayfd: the display number and a newline, once it accepts clients.
std::string ReadDisplayNumber(int fd, std::chrono::seconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  std::string text;
  char c;
  while (std::chrono::steady_clock::now() < end) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    if (read(fd, &c, 1) != 1) break;
    if (c == '\n') return text;
    text += c;
  }
  return {};
}

long ShellValue(const std::string& shellOutput, const std::string& key) {
  std::istringstream lines(shellOutput);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with(key + "=")) return std::atol(line.c_str() + key.size() + 1);
  }
  return 0;
}

std::string Trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

XSession::XSession(std::string name) : name_(std::move(name)) {
  fs::path homes = fs::path(BuildDir()) / "e2e-home";
  home_ = (homes / name_).string();
  programLog_ = (homes / (name_ + ".log")).string();
  std::error_code ignored;
  fs::remove_all(home_, ignored);
  fs::remove(programLog_, ignored);
  fs::create_directories(home_, ignored);
  fs::create_directories(fs::path(BuildDir()) / "e2e-screenshots", ignored);
}

XSession::~XSession() {
  program_.kill();
  // Xvfb removes its lock file and socket when asked to end, so the display number is free again.
  server_.terminate(5s);
}

std::string XSession::MissingTool() {
  for (const char* tool : {"Xvfb", "xdotool", "import"}) {
    if (ChildProcess::FindInPath(tool).empty()) return tool;
  }
  return {};
}

bool XSession::startDisplay() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  bool started = server_.start({{"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                                Environment().entries(),
                                {},
                                fds[1]});
  close(fds[1]);
  std::string number = started ? ReadDisplayNumber(fds[0], 30s) : std::string();
  close(fds[0]);
  if (number.empty()) return false;
  display_ = ":" + number;
  return waitForClients(10s);
}

bool XSession::startProgram(const std::string& path) {
  Environment environment;
  environment.set("DISPLAY", display_);
  environment.set("HOME", home_);
  environment.set("SDL_VIDEODRIVER", "x11");
  // The real back end, and nothing from the tester's desktop that could move the documents folder.
  for (const char* name : {"VELMORA_BACKEND", "WAYLAND_DISPLAY", "XDG_DOCUMENTS_DIR", "XDG_CONFIG_HOME"}) {
    environment.unset(name);
  }
  return program_.start({{path}, environment.entries(), programLog_, -1});
}

bool XSession::waitForClients(std::chrono::seconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  do {
    if (xdotool({"getdisplaygeometry"}).exitCode == 0) return true;
    std::this_thread::sleep_for(100ms);
  } while (std::chrono::steady_clock::now() < end);
  return false;
}

std::vector<std::string> XSession::displayEnvironment() const {
  Environment environment;
  environment.set("DISPLAY", display_);
  return environment.entries();
}

ChildProcess::Result XSession::xdotool(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{"xdotool"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return ChildProcess::Run(argv, displayEnvironment(), kToolDeadline);
}

std::optional<XWindow> XSession::describe(const std::string& windowId) {
  ChildProcess::Result name = xdotool({"getwindowname", windowId});
  ChildProcess::Result geometry = xdotool({"getwindowgeometry", "--shell", windowId});
  if (name.exitCode != 0 || geometry.exitCode != 0) return std::nullopt;  // gone meanwhile
  auto value = [&](const char* key) { return static_cast<int>(ShellValue(geometry.output, key)); };
  ScreenRect frame{value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
  return XWindow{windowId, Trimmed(name.output), frame};
}

std::vector<XWindow> XSession::programWindows() {
  std::vector<XWindow> windows;
  if (!program_.running()) return windows;
  ChildProcess::Result ids = xdotool({"search", "--onlyvisible", "--pid", std::to_string(program_.pid())});
  std::istringstream lines(ids.output);
  std::string id;
  while (lines >> id) {
    if (std::optional<XWindow> window = describe(id)) windows.push_back(*window);
  }
  return windows;
}

std::optional<XWindow> XSession::waitForWindow(const std::function<bool(const XWindow&)>& match,
                                               std::chrono::seconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  do {
    for (const XWindow& window : programWindows()) {
      if (match(window)) return window;
    }
    std::this_thread::sleep_for(100ms);
  } while (std::chrono::steady_clock::now() < end && program_.running());
  return std::nullopt;
}

bool XSession::waitUntilGone(const std::string& windowId, std::chrono::seconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  while (std::chrono::steady_clock::now() < end) {
    bool shown = false;
    for (const XWindow& window : programWindows()) shown = shown || window.id == windowId;
    if (!shown) return true;
    std::this_thread::sleep_for(100ms);
  }
  return false;
}

void XSession::moveTo(ScreenPoint point) {
  // Without --sync, which waits for a movement that never comes when the pointer is there already;
  // the server keeps the order of the pointer and key events anyway.
  xdotool({"mousemove", X(point), Y(point)});
}

void XSession::click(ScreenPoint point) {
  moveTo(point);
  xdotool({"click", "1"});
}

void XSession::clickTwice(ScreenPoint first, ScreenPoint second) {
  xdotool({"mousemove", X(first), Y(first), "click", "1", "mousemove", X(second), Y(second), "click", "1"});
}

void XSession::focusWindowUnderPointerIfNoneHasFocus() {
  if (xdotool({"getwindowfocus"}).exitCode == 0) return;
  ChildProcess::Result location = xdotool({"getmouselocation", "--shell"});
  std::string window = std::to_string(ShellValue(location.output, "WINDOW"));
  xdotool({"windowfocus", "--sync", window});
}

void XSession::type(ScreenPoint pointer, const std::string& text) {
  moveTo(pointer);
  focusWindowUnderPointerIfNoneHasFocus();
  xdotool({"type", "--delay", "40", "--", text});
}

void XSession::key(ScreenPoint pointer, const std::string& keyName) {
  moveTo(pointer);
  focusWindowUnderPointerIfNoneHasFocus();
  xdotool({"key", keyName});
}

std::optional<Screenshot> XSession::screenshot(const std::string& label) {
  std::string path = BuildDir() + "/e2e-screenshots/" + name_ + "-" + label + ".png";
  ChildProcess::Result result = ChildProcess::Run({"import", "-window", "root", path}, displayEnvironment(), kToolDeadline);
  if (result.exitCode != 0) return std::nullopt;
  return Screenshot::Load(path);
}

}  // namespace e2e
