// What ffprobe says about the first sound stream of a file.
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

}  // namespace e2e
