// Starting other programs without a shell.
#pragma once

#include <string>
#include <vector>

namespace shell {

// Splits a command line into arguments: blanks separate them, double quotes group blanks into one
// argument and are removed. Nothing else is special: no variables, no globbing, no redirection.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Starts `argv[0]` (searched in PATH) with the arguments and does not wait for it; the child is reaped
// in the background. Returns false when it could not be started.
bool SpawnDetached(const std::vector<std::string>& argv);

}  // namespace shell
