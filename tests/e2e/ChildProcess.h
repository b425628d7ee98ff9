// A program started by a test: fork and exec, no shell, so no argument is ever interpreted.
// The child dies with the test process (parent-death signal) and the destructor kills and reaps it,
// so a failing or crashing test leaves nothing running.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

class ChildProcess {
 public:
  struct Options {
    std::vector<std::string> argv;       // argv[0] is looked up in PATH when it has no '/'
    std::vector<std::string> environment;  // complete NAME=value list for the child
    std::string outputFile;              // stdout and stderr go here; empty: /dev/null
    int passFd = -1;                     // given to the child as descriptor 3 when not -1
  };

  // What a short command printed on stdout and how it ended.
  struct Result {
    std::optional<int> exitCode;  // empty when it was killed, by a signal or at the deadline
    std::string output;
  };

  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool start(const Options& options);
  pid_t pid() const { return pid_; }
  bool running();
  // The exit code once it ends within the deadline; empty if it is still running or died by a signal.
  std::optional<int> waitForExit(std::chrono::milliseconds deadline);
  void kill();
  // Asks it to end (SIGTERM) so that it can clean up, and kills it if it has not within the deadline.
  void terminate(std::chrono::milliseconds deadline);

  // Runs a command to its end (killed at the deadline) and returns what it wrote on stdout.
  static Result Run(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                    std::chrono::milliseconds deadline);
  // The full path of a program found in PATH, or empty.
  static std::string FindInPath(const std::string& name);

 private:
  bool spawn(const Options& options, int stdoutFd);
  void reap(int status);

  pid_t pid_ = -1;
  bool exited_ = false;
  std::optional<int> exitCode_;
};

}  // namespace e2e
