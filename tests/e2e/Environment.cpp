#include "tests/e2e/Environment.h"

#include <algorithm>

extern char** environ;

namespace e2e {

Environment::Environment() {
  for (char** entry = environ; entry && *entry; ++entry) entries_.emplace_back(*entry);
}

void Environment::unset(const std::string& name) {
  std::string prefix = name + "=";
  std::erase_if(entries_, [&](const std::string& entry) { return entry.starts_with(prefix); });
}

void Environment::set(const std::string& name, const std::string& value) {
  unset(name);
  entries_.push_back(name + "=" + value);
}

}  // namespace e2e
