#include "tests/e2e/AudioProbe.h"

#include <map>
#include <sstream>

#include "tests/e2e/ChildProcess.h"
#include "tests/e2e/Environment.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

std::map<std::string, std::string> KeyValues(const std::string& text) {
  std::map<std::string, std::string> values;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    size_t eq = line.find('=');
    if (eq != std::string::npos) values.emplace(line.substr(0, eq), line.substr(eq + 1));
  }
  return values;
}

double Number(const std::map<std::string, std::string>& values, const std::string& key) {
  auto it = values.find(key);
  return it == values.end() ? -1.0 : std::atof(it->second.c_str());
}

}  // namespace

AudioProbe AudioProbe::Of(const std::string& path) {
  ChildProcess::Result result = ChildProcess::Run(
      {"ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries",
       "format=duration:stream=sample_rate,channels,bit_rate", "-of", "default=nw=1", path},
      Environment().entries(), 60s);
  std::map<std::string, std::string> values = KeyValues(result.output);
  AudioProbe probe;
  probe.durationSeconds = Number(values, "duration");
  probe.sampleRate = static_cast<int>(Number(values, "sample_rate"));
  probe.channels = static_cast<int>(Number(values, "channels"));
  probe.bitRate = static_cast<long>(Number(values, "bit_rate"));
  return probe;
}

}  // namespace e2e
