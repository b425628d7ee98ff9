// A copy of the test's environment that can be changed for one child process.
#pragma once

#include <string>
#include <vector>

namespace e2e {

class Environment {
 public:
  // Starts as the test process's own environment.
  Environment();

  void set(const std::string& name, const std::string& value);
  void unset(const std::string& name);
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;  // NAME=value
};

}  // namespace e2e
