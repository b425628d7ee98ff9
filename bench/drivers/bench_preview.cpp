// bench_preview FILE SECONDS
// Plays FILE for SECONDS the way the main window previews it (video painted into a child window of
// the picture area's size, sound to the audio sink) and prints the pictures painted and the process's
// CPU time while playing. Needs VELMORA_BACKEND=headless where there is no display.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "bench/common/PreviewHarness.h"

namespace {

// The main window's picture area in pixels (its template's 247 x 187 dialog units at 7 x 15).
constexpr int kPictureWidth = 432;
constexpr int kPictureHeight = 350;

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: %s FILE SECONDS\n", argv[0]);
    return 2;
  }
  const int seconds = std::atoi(argv[2]);
  PreviewHarness preview(kPictureWidth, kPictureHeight);
  if (!preview.Open(argv[1])) return 1;

  const double cpuBefore = ProcessCpuSeconds();
  const uint64_t paintsBefore = preview.PaintCount();
  const auto start = std::chrono::steady_clock::now();
  preview.Graph().Play();
  preview.PumpFor(std::chrono::seconds(seconds));
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = ProcessCpuSeconds() - cpuBefore;
  const double position = static_cast<double>(preview.Graph().GetCurrentPosition()) / 1e7;
  preview.Graph().Stop();

  std::printf("played_s=%.2f position_s=%.2f painted=%llu cpu_s=%.3f cpu_per_s=%.4f\n", wall, position,
              static_cast<unsigned long long>(preview.PaintCount() - paintsBefore), cpu, cpu / wall);
  return 0;
}
