#include "tests/e2e/MediaClip.h"

#include <filesystem>

#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/Environment.h"

namespace e2e {

std::string MediaClip(const std::string& name) {
  using namespace std::chrono_literals;
  std::string folder = VELMORA_BINARY_DIR "/fixtures";
  std::string path = folder + "/" + name;
  if (!std::filesystem::exists(path)) {
    ChildProcess::Run({VELMORA_SOURCE_DIR "/tools/make_fixtures", folder}, Environment().entries(), 600s);
  }
  return path;
}

}  // namespace e2e
