// What ffprobe says about the first sound stream of a file, and where the test clips are.
#pragma once

#include <string>

namespace e2e {

struct AudioProbe {
  double durationSeconds = -1;
  int sampleRate = 0;
  int channels = 0;
  long bitRate = 0;

  static AudioProbe Of(const std::string& path);
};

// The clips that tools/make_fixtures writes into the build tree; made here when a test runs alone.
std::string MediaClip(const std::string& name);

}  // namespace e2e
