#include "tests/e2e/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

std::vector<char*> NullTerminated(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const std::string& s : strings) pointers.push_back(const_cast<char*>(s.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

bool IsExecutable(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

int OpenOutput(const std::string& path) {
  if (path.empty()) return open("/dev/null", O_WRONLY | O_CLOEXEC);
  return open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

// Runs in the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void ExecChild(pid_t parent, const char* path, char* const* argv, char* const* envp, int stdinFd,
                            int stdoutFd, int stderrFd, int passFd) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(127);
  if (passFd == 3) {
    fcntl(3, F_SETFD, 0);  // dup2 onto itself would keep close-on-exec
  } else if (passFd >= 0 && dup2(passFd, 3) < 0) {
    _exit(127);
  }
  if (dup2(stdinFd, 0) < 0 || dup2(stdoutFd, 1) < 0 || dup2(stderrFd, 2) < 0) _exit(127);
  // A new process group, so that kill() also reaches anything the program starts itself.
  setpgid(0, 0);
  execve(path, argv, envp);
  _exit(127);
}

}  // namespace

std::string ChildProcess::FindInPath(const std::string& name) {
  if (name.find('/') != std::string::npos) return IsExecutable(name) ? name : std::string();
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t begin = 0;
  while (begin <= dirs.size()) {
    size_t end = dirs.find(':', begin);
    if (end == std::string::npos) end = dirs.size();
    std::string candidate = dirs.substr(begin, end - begin) + "/" + name;
    if (end > begin && IsExecutable(candidate)) return candidate;
    begin = end + 1;
  }
  return {};
}

ChildProcess::~ChildProcess() { kill(); }

bool ChildProcess::start(const Options& options) {
  int output = OpenOutput(options.outputFile);
  if (output < 0) return false;
  bool started = spawn(options, output);
  close(output);
  return started;
}

bool ChildProcess::spawn(const Options& options, int stdoutFd) {
  if (options.argv.empty()) return false;
  std::string path = FindInPath(options.argv[0]);
  if (path.empty()) return false;
  int stdinFd = open("/dev/null", O_RDONLY | O_CLOEXEC);
  int stderrFd = options.outputFile.empty() ? open("/dev/null", O_WRONLY | O_CLOEXEC) : OpenOutput(options.outputFile);
  if (stdinFd < 0 || stderrFd < 0) {
    if (stdinFd >= 0) close(stdinFd);
    if (stderrFd >= 0) close(stderrFd);
    return false;
  }
  std::vector<char*> argv = NullTerminated(options.argv);
  std::vector<char*> envp = NullTerminated(options.environment);
  pid_t parent = getpid();
  pid_t pid = fork();
  if (pid == 0) ExecChild(parent, path.c_str(), argv.data(), envp.data(), stdinFd, stdoutFd, stderrFd, options.passFd);
  close(stdinFd);
  close(stderrFd);
  if (pid < 0) return false;
  pid_ = pid;
  exited_ = false;
  exitCode_.reset();
  return true;
}

void ChildProcess::reap(int status) {
  exited_ = true;
  if (WIFEXITED(status)) exitCode_ = WEXITSTATUS(status);
}

bool ChildProcess::running() {
  if (pid_ < 0 || exited_) return false;
  int status = 0;
  pid_t got = waitpid(pid_, &status, WNOHANG);
  if (got == pid_) reap(status);
  return !exited_;
}

std::optional<int> ChildProcess::waitForExit(std::chrono::milliseconds deadline) {
  Clock::time_point end = Clock::now() + deadline;
  while (running() && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return exited_ ? exitCode_ : std::nullopt;
}

void ChildProcess::kill() {
  if (!running()) return;
  ::kill(-pid_, SIGKILL);  // its process group, see ExecChild
  ::kill(pid_, SIGKILL);
  int status = 0;
  if (waitpid(pid_, &status, 0) == pid_) reap(status);
}

void ChildProcess::terminate(std::chrono::milliseconds deadline) {
  if (!running()) return;
  ::kill(pid_, SIGTERM);
  waitForExit(deadline);
  kill();
}

ChildProcess::Result ChildProcess::Run(const std::vector<std::string>& argv,
                                       const std::vector<std::string>& environment,
                                       std::chrono::milliseconds deadline) {
  Result result;
  int pipeFds[2];
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return result;
  ChildProcess child;
  bool started = child.spawn(Options{argv, environment, {}, -1}, pipeFds[1]);
  close(pipeFds[1]);
  Clock::time_point end = Clock::now() + deadline;
  char buffer[4096];
  while (started && Clock::now() < end) {
    pollfd fd{pipeFds[0], POLLIN, 0};
    if (poll(&fd, 1, 50) <= 0) continue;
    ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    result.output.append(buffer, static_cast<size_t>(n));
  }
  close(pipeFds[0]);
  if (started) result.exitCode = child.waitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(
      std::max(Clock::duration::zero(), end - Clock::now())));
  return result;
}

}  // namespace e2e
