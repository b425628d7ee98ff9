#include "platform/shell/Process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace shell {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> args;
  std::string current;
  bool inQuotes = false;
  bool haveArg = false;
  for (char c : commandLine) {
    if (c == '"') {
      inQuotes = !inQuotes;
      haveArg = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (haveArg) args.push_back(current);
      current.clear();
      haveArg = false;
    } else {
      current += c;
      haveArg = true;
    }
  }
  if (haveArg) args.push_back(current);
  return args;
}

bool SpawnDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return false;
  std::vector<char*> cargs;
  for (const std::string& a : argv) cargs.push_back(const_cast<char*>(a.c_str()));
  cargs.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, cargs[0], nullptr, nullptr, cargs.data(), environ) != 0) return false;
  // Reap the child whenever it ends so no zombie is left behind.
  std::thread([pid] {
    int status = 0;
    waitpid(pid, &status, 0);
  }).detach();
  return true;
}

}  // namespace shell
