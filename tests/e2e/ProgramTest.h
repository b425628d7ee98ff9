// The fixture of every end-to-end test: a fresh display with Velmora on it, and waits that poll the
// screen until something is seen or a generous deadline passes (test machines can be slow).
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "tests/e2e/VelmoraDriver.h"
#include "tests/e2e/XSession.h"

namespace e2e {

class ProgramTest : public ::testing::Test {
 protected:
  using Control = VelmoraDriver::Control;

  void SetUp() override;

  XSession& session() { return *session_; }
  VelmoraDriver& velmora() { return *velmora_; }

  // Takes screenshots under `label` until `seen` holds for one; returns that one, or none at the deadline.
  std::optional<Screenshot> waitForScreen(const std::string& label, const std::function<bool(const Screenshot&)>& seen,
                                          std::chrono::seconds deadline = std::chrono::seconds(30));
  // True once two screenshots a second apart differ inside `area`.
  bool waitForMovement(const std::string& label, const ScreenRect& area);
  // The end of the program's own output, to explain a failure.
  std::string programLogTail() const;

 private:
  std::unique_ptr<XSession> session_;
  std::unique_ptr<VelmoraDriver> velmora_;
};

}  // namespace e2e
