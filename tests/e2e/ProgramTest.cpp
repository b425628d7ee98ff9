#include "tests/e2e/ProgramTest.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// "Suite.Name/0" becomes "Suite.Name-0": one name per test for its home folder and screenshots.
std::string CurrentTestName() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  return name;
}

}  // namespace

void ProgramTest::SetUp() {
  std::string missing = XSession::MissingTool();
  if (!missing.empty()) GTEST_SKIP() << missing << " is not installed; the end-to-end tests need it";
  session_ = std::make_unique<XSession>(CurrentTestName());
  velmora_ = std::make_unique<VelmoraDriver>(*session_);
  ASSERT_TRUE(session_->startDisplay()) << "Xvfb did not start";
  if (!velmora_->start()) {
    session_->screenshot("0-no-main-window");
    // A program that runs without a window has not reached the display (it falls back to running
    // headless when the display cannot be opened).
    FAIL() << "no main window appeared; the program is " << (session_->program().running() ? "running" : "gone")
           << "\n" << programLogTail();
  }
  session_->moveTo(velmora_->keyboardPoint());
  // A window is shown before its first paint reaches the screen; its texts are drawn by then.
  ASSERT_TRUE(waitForScreen("0-painted", [this](const Screenshot& s) {
    std::vector<uint32_t> text = s.region(velmora_->rect(Control::PositionText));
    return std::adjacent_find(text.begin(), text.end(), std::not_equal_to<>()) != text.end();
  })) << "the main window is never painted";
}

std::optional<Screenshot> ProgramTest::waitForScreen(const std::string& label,
                                                     const std::function<bool(const Screenshot&)>& seen,
                                                     std::chrono::seconds deadline) {
  auto end = std::chrono::steady_clock::now() + deadline;
  do {
    std::optional<Screenshot> shot = session_->screenshot(label);
    if (shot && seen(*shot)) return shot;
    std::this_thread::sleep_for(100ms);
  } while (std::chrono::steady_clock::now() < end);
  return std::nullopt;
}

bool ProgramTest::waitForMovement(const std::string& label, const ScreenRect& area) {
  auto end = std::chrono::steady_clock::now() + 30s;
  while (std::chrono::steady_clock::now() < end) {
    std::optional<Screenshot> before = session_->screenshot(label + "-a");
    std::this_thread::sleep_for(1s);
    std::optional<Screenshot> after = session_->screenshot(label + "-b");
    if (before && after && before->countDifferences(*after, area) > 0) return true;
  }
  return false;
}

std::string ProgramTest::programLogTail() const {
  if (!session_) return {};
  std::ifstream log(session_->programLog());
  std::stringstream text;
  text << log.rdbuf();
  std::string all = text.str();
  constexpr size_t kTail = 2000;
  return "program output:\n" + (all.size() > kTail ? all.substr(all.size() - kTail) : all);
}

}  // namespace e2e
