// bench_startup PROBE RUNS
// Starts PROBE (bench_startup_probe) RUNS times, one after another, and prints the time from just
// before each start to the moment the probe saw the main window shown and painted. The environment
// (VELMORA_BACKEND, DISPLAY) is passed on unchanged.
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[256];
  ssize_t n = 0;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
  return text;
}

// Milliseconds from the start to the first painted main window; negative when the probe failed.
double StartOnce(const char* probe) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  char* args[] = {const_cast<char*>(probe), nullptr};
  const long long started = MonotonicNs();
  pid_t pid = 0;
  int spawned = posix_spawn(&pid, probe, &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  std::string output = spawned == 0 ? ReadAll(pipeFds[0]) : "";
  close(pipeFds[0]);
  int status = 0;
  if (spawned == 0) waitpid(pid, &status, 0);
  const char* mark = std::strstr(output.c_str(), "painted_ns=");
  if (spawned != 0 || !WIFEXITED(status) || mark == nullptr) return -1;
  return static_cast<double>(std::atoll(mark + std::strlen("painted_ns=")) - started) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: %s PROBE RUNS\n", argv[0]);
    return 2;
  }
  std::vector<double> times;
  for (int i = 0; i < std::atoi(argv[2]); ++i) {
    double ms = StartOnce(argv[1]);
    if (ms < 0) {
      std::fprintf(stderr, "run %d: the probe did not report a painted main window\n", i + 1);
      return 1;
    }
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  std::printf("runs=%zu min_ms=%.1f median_ms=%.1f max_ms=%.1f\n", times.size(), times.front(),
              times[times.size() / 2], times.back());
  return 0;
}
