// bench_extract FILE START_MS END_MS SAVE_DIR [SAMPLE_RATE KBPS CHANNELS]
// One extraction through the program's media graph object, with no window: the graph is built by
// BuildExtractionGraph as the extraction window builds it, then the range runs to completion. Prints
// the output file and the time spent building and running, and fails unless the graph completed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "media/CMediaGraph.h"
#include "platform/com/objbase.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool FillRequest(int argc, char** argv, ExtractRequest* request) {
  if (argc != 5 && argc != 8) return false;
  *request = {};
  request->llStartMs = std::atoll(argv[2]);
  request->llEndMs = std::atoll(argv[3]);
  request->nSampleRate = argc == 8 ? std::atoi(argv[5]) : 44100;
  request->nByteRate = (argc == 8 ? std::atoi(argv[6]) : 128) * 125;
  request->bStereo = argc == 8 ? std::atoi(argv[7]) == 2 : TRUE;
  std::string dir = argv[4];
  if (dir.empty() || dir.back() != '/') dir += '/';
  int n1 = std::snprintf(request->szSourcePath, sizeof(request->szSourcePath), "%s", argv[1]);
  int n2 = std::snprintf(request->szSaveDir, sizeof(request->szSaveDir), "%s", dir.c_str());
  return n1 > 0 && n1 < MAX_PATH && n2 > 0 && n2 < MAX_PATH;
}

// Runs the graph's range the way RunExtraction does, but waits for the end of the stream instead of
// watching the output's size, so that the whole range is written and timed.
LONG RunToCompletion(CMediaGraph& graph) {
  graph.m_pMediaSeeking->SetPositions(&graph.m_rtStart, AM_SEEKING_AbsolutePositioning, &graph.m_rtStop,
                                      AM_SEEKING_AbsolutePositioning);
  graph.m_pMediaControl->Run();
  LONG code = 0;
  while (code == 0) graph.m_pMediaEvent->WaitForCompletion(250, &code);
  graph.m_pMediaControl->Stop();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  ExtractRequest request;
  if (!FillRequest(argc, argv, &request)) {
    std::fprintf(stderr, "usage: %s FILE START_MS END_MS SAVE_DIR [SAMPLE_RATE KBPS CHANNELS]\n", argv[0]);
    return 2;
  }
  CoInitialize(nullptr);
  const auto start = std::chrono::steady_clock::now();
  LONG code = 0;
  {
    CMediaGraph graph;
    graph.CreateGraph();
    if (!graph.BuildExtractionGraph(request)) {
      std::fprintf(stderr, "the extraction graph could not be built\n");
      return 1;
    }
    const double built = SecondsSince(start);
    code = RunToCompletion(graph);
    std::printf("output=%s build_s=%.3f run_s=%.3f event=%ld\n", graph.m_szOutputPath, built,
                SecondsSince(start) - built, static_cast<long>(code));
  }
  CoUninitialize();
  return code == EC_COMPLETE ? 0 : 1;
}
