// The clips that tools/make_fixtures writes into the build tree (CTest makes them before the tests).
#pragma once

#include <string>

namespace e2e {

// The full path of a clip; when a test program runs on its own, missing clips are made first.
std::string MediaClip(const std::string& name);

}  // namespace e2e
