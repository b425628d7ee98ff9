// The media clips made by tools/make_fixtures, and ffprobe's view of a file. Header-only so that the
// dshow and media test programs share it.
#pragma once

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "platform/win/windef.h"

namespace fixtures {

// The length of every clip.* fixture: 200 frames at 25 per second, and as much sound.
constexpr double kClipSeconds = 8.0;

inline const std::string& Directory() {
  static const std::string dir = [] {
    std::string path = std::string(VELMORA_BINARY_DIR) + "/fixtures";
    struct stat info;
    // CTest makes them first; a test program started by hand makes any that are missing.
    if (stat((path + "/long60.avi").c_str(), &info) != 0) {
      std::string command = "'" + std::string(VELMORA_SOURCE_DIR) + "/tools/make_fixtures' '" + path + "'";
      if (std::system(command.c_str()) != 0) std::fprintf(stderr, "making the media fixtures failed\n");
    }
    return path;
  }();
  return dir;
}

inline std::string Path(const std::string& name) { return Directory() + "/" + name; }

inline std::u16string Wide(const std::string& utf8) {
  std::u16string wide(utf8.size() + 1, u'\0');
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
  return wide;
}

inline std::string Run(const std::string& command) {
  std::string output;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return output;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  return output;
}

// key=value lines of ffprobe for the first audio stream and the container.
struct Probe {
  double duration = -1;
  int sampleRate = 0;
  int channels = 0;
  long bitRate = 0;
};

inline Probe ProbeFile(const std::string& path) {
  std::string out = Run("ffprobe -v error -select_streams a:0 -show_entries "
                        "format=duration:stream=sample_rate,channels,bit_rate -of default=nw=1 '" +
                        path + "' 2>/dev/null");
  std::map<std::string, std::string> values;
  size_t begin = 0;
  while (begin < out.size()) {
    size_t end = out.find('\n', begin);
    if (end == std::string::npos) end = out.size();
    std::string line = out.substr(begin, end - begin);
    size_t eq = line.find('=');
    if (eq != std::string::npos && !values.count(line.substr(0, eq))) values[line.substr(0, eq)] = line.substr(eq + 1);
    begin = end + 1;
  }
  Probe probe;
  auto number = [&](const char* key) { return values.count(key) ? std::atof(values[key].c_str()) : -1.0; };
  probe.duration = number("duration");
  probe.sampleRate = static_cast<int>(number("sample_rate"));
  probe.channels = static_cast<int>(number("channels"));
  probe.bitRate = static_cast<long>(number("bit_rate"));
  return probe;
}

}  // namespace fixtures
