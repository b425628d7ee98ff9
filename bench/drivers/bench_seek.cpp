// bench_seek FILE COUNT [TIMEOUT_S [SPAN_S]]
// Seek latency of the paused preview: the time from SetPositions (as the main window's slider calls
// it) until the video window has painted the picture at the new position, over COUNT seeks scattered
// forward and backward over the whole file, or over its first SPAN_S seconds. Each seek is listed on
// stderr; the summary goes to stdout.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/common/PreviewHarness.h"

namespace {

constexpr int kPictureWidth = 432;
constexpr int kPictureHeight = 350;
// A position further than this from the target counts as a seek that did not land.
constexpr LONGLONG kLandedToleranceMs = 100;

struct SeekResult {
  LONGLONG targetMs = 0;
  double setPositionsMs = 0;  // inside SetPositions
  double paintedMs = 0;       // until the new picture was painted
  bool painted = false;
  bool landed = false;
};

// Targets spread over [1 s, span - 2 s] by the golden ratio, so that jumps go both ways and vary
// in length, the same on every run.
std::vector<LONGLONG> SeekTargets(LONGLONG spanMs, int count) {
  std::vector<LONGLONG> targets;
  const double span = static_cast<double>(std::max<LONGLONG>(spanMs - 3000, 1));
  double fraction = 0.5;
  for (int i = 0; i < count; ++i) {
    fraction = std::fmod(fraction + 0.6180339887, 1.0);
    targets.push_back(1000 + static_cast<LONGLONG>(fraction * span));
  }
  return targets;
}

double MsBetween(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

SeekResult MeasureSeek(PreviewHarness& preview, LONGLONG targetMs, std::chrono::milliseconds timeout) {
  SeekResult result;
  result.targetMs = targetMs;
  // Nothing of the previous picture may still be waiting to be painted.
  preview.PumpPending();
  const auto start = std::chrono::steady_clock::now();
  preview.Graph().SeekToMs(targetMs);
  const auto returned = std::chrono::steady_clock::now();
  result.painted = preview.WaitForPaint(timeout);
  result.setPositionsMs = MsBetween(start, returned);
  result.paintedMs = MsBetween(start, std::chrono::steady_clock::now());
  const LONGLONG positionMs = preview.Graph().GetCurrentPosition() / 10000;
  result.landed = std::llabs(positionMs - targetMs) <= kLandedToleranceMs;
  return result;
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5)];
}

void PrintSummary(const std::vector<SeekResult>& results) {
  std::vector<double> painted;
  double setPositionsTotal = 0;
  int landed = 0;
  for (const SeekResult& r : results) {
    if (r.painted) painted.push_back(r.paintedMs);
    setPositionsTotal += r.setPositionsMs;
    landed += r.landed ? 1 : 0;
  }
  double mean = 0;
  for (double v : painted) mean += v;
  if (!painted.empty()) mean /= static_cast<double>(painted.size());
  std::printf("seeks=%zu painted=%zu landed=%d mean_ms=%.1f median_ms=%.1f p90_ms=%.1f max_ms=%.1f "
              "setpositions_mean_ms=%.1f\n",
              results.size(), painted.size(), landed, mean, Percentile(painted, 0.5), Percentile(painted, 0.9),
              Percentile(painted, 1.0), setPositionsTotal / static_cast<double>(std::max<size_t>(results.size(), 1)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5 || std::atoi(argv[2]) <= 0) {
    std::fprintf(stderr, "usage: %s FILE COUNT [TIMEOUT_S [SPAN_S]]\n", argv[0]);
    return 2;
  }
  const int count = std::atoi(argv[2]);
  const std::chrono::milliseconds timeout(1000LL * (argc >= 4 ? std::atoi(argv[3]) : 30));
  PreviewHarness preview(kPictureWidth, kPictureHeight);
  if (!preview.Open(argv[1])) return 1;

  std::vector<SeekResult> results;
  LONGLONG spanMs = preview.Graph().GetDuration() / 10000;
  if (argc == 5 && std::atoi(argv[4]) > 0) spanMs = std::min<LONGLONG>(spanMs, 1000LL * std::atoi(argv[4]));
  for (LONGLONG target : SeekTargets(spanMs, count)) {
    results.push_back(MeasureSeek(preview, target, timeout));
    const SeekResult& r = results.back();
    std::fprintf(stderr, "seek to %lld ms: %s after %.1f ms (SetPositions %.1f ms)%s\n", static_cast<long long>(target),
                 r.painted ? "painted" : "NOT painted", r.paintedMs, r.setPositionsMs, r.landed ? "" : ", missed");
  }
  PrintSummary(results);
  int painted = 0;
  for (const SeekResult& r : results) painted += r.painted ? 1 : 0;
  return painted == count ? 0 : 1;
}
