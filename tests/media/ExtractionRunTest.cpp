// Whole extractions through the extraction loop: what is written, how the bar moves, and how the
// loop ends on completion, on reaching the expected size, on Cancel and on errors.
#include <signal.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "tests/media/MediaTestSupport.h"

namespace {

using namespace mediatest;

class ExtractionRun : public MediaTest {
 protected:
  // Runs the built graph; each turn of the loop records the bar's position. A loop that goes on far
  // longer than any range here needs is cancelled and counts as stuck. While a message box is up its
  // own loop would take every step at once and never go idle, so the steps pause then.
  void Run(CMediaGraph& graph) {
    m_barDuringRun.clear();
    m_stuck = false;
    m_host->OnStep([&] {
      m_barDuringRun.push_back(m_host->Progress().GetPos());
      if (m_barDuringRun.size() > kTurnsUntilStuck) {
        m_stuck = true;
        graph.RequestCancel();
      } else if (::GetActiveWindow() == m_host->Window()) {
        m_host->PostStep();
      }
    });
    m_host->PostStep();
    graph.RunExtraction(&m_host->Progress());
    m_host->OnStep(nullptr);
  }

  static constexpr size_t kTurnsUntilStuck = 240;
  std::vector<int> m_barDuringRun;
  bool m_stuck = false;
};

TEST_F(ExtractionRun, WritesTheRangeWithTheChosenSettingsFromEveryFormat) {
  struct Case {
    const char* source;
    LONGLONG startMs;
    LONGLONG endMs;
    int sampleRate;
    int byteRate;
    BOOL stereo;
  } cases[] = {
      {"clip.avi", 1000, 5000, 44100, 16000, FALSE},
      {"clip.mpeg", 1500, 6500, 44100, 16000, TRUE},
      {"clip.mpg", 2000, 4000, 48000, 40000, TRUE},
      {"clip.rm", 500, 3500, 32000, 12000, FALSE},  // a start below one second counts from 0
      {"clip.rmvb", 2000, 5000, 44100, 24000, TRUE},
      {"clip.asf", 2500, 7500, 22050, 8000, TRUE},
      {"clip.wmv", 1000, 3000, 48000, 40000, FALSE},
      {"long60.avi", 20000, 50000, 44100, 16000, TRUE},
  };
  int n = 0;
  for (const Case& c : cases) {
    CMediaGraph graph;
    ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path(c.source), m_folder.Dir(std::to_string(n++)), c.startMs,
                                         c.endMs, c.sampleRate, c.byteRate, c.stereo)))
        << c.source;
    std::string output = graph.m_szOutputPath;
    Run(graph);
    EXPECT_FALSE(m_stuck) << c.source;

    double seconds = static_cast<double>(c.endMs - (c.startMs < 1000 ? 0 : c.startMs)) / 1000;
    fixtures::Probe probe = fixtures::ProbeFile(output);
    EXPECT_NEAR(probe.duration, seconds, 0.1) << c.source;
    EXPECT_EQ(probe.sampleRate, c.sampleRate) << c.source;
    EXPECT_EQ(probe.channels, c.stereo ? 2 : 1) << c.source;
    EXPECT_EQ(probe.bitRate, c.byteRate * 8L) << c.source;
    EXPECT_EQ(m_host->Progress().GetPos(), 100) << c.source;
  }
  EXPECT_TRUE(m_host->Messages().empty()) << m_host->Messages().front();
}

TEST_F(ExtractionRun, TheBarFollowsTheFileAndReachingTheExpectedSizeEndsTheLoop) {
  CMediaGraph graph;
  ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("long60.avi"), m_folder.Dir(), 0, 59000, 48000, 40000, TRUE)));
  const LONGLONG wholeRange = graph.m_nExpectedSize;
  // As if the range were two seconds long: the loop must stop at that size, not at the range's end.
  graph.m_nExpectedSize = 2 * 40000;
  Run(graph);

  LONGLONG size = FileSize(graph.m_szOutputPath);
  EXPECT_GE(size, graph.m_nExpectedSize);
  EXPECT_LT(size, wholeRange * 9 / 10) << "the loop went on after the bar reached 100";
  EXPECT_TRUE(std::is_sorted(m_barDuringRun.begin(), m_barDuringRun.end()));
  EXPECT_EQ(m_host->Progress().GetPos(), 100);
}

TEST_F(ExtractionRun, WithoutAnExpectedSizeTheBarStaysUntilTheRangeIsDone) {
  CMediaGraph graph;
  ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("clip.avi"), m_folder.Dir(), 1000, 4000)));
  graph.m_nExpectedSize = 0;
  Run(graph);

  ASSERT_FALSE(m_barDuringRun.empty());
  EXPECT_EQ(m_barDuringRun, std::vector<int>(m_barDuringRun.size(), 0));
  EXPECT_EQ(m_host->Progress().GetPos(), 100);
  EXPECT_NEAR(fixtures::ProbeFile(graph.m_szOutputPath).duration, 3.0, 0.1) << "the loop ended before completion";
}

TEST_F(ExtractionRun, AnEmptyRangeEndsTheLoop) {
  // Equal marks pass the main window's check; at the clip's very end the range is empty as well.
  for (LONGLONG markMs : {3000LL, 8000LL}) {
    CMediaGraph graph;
    ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("clip.avi"), m_folder.Dir(std::to_string(markMs)), markMs,
                                         markMs)));
    Run(graph);

    EXPECT_FALSE(m_stuck) << markMs;
    EXPECT_EQ(m_host->Progress().GetPos(), 100);
    EXPECT_LT(FileSize(graph.m_szOutputPath), 2000) << markMs;
  }
  EXPECT_TRUE(m_host->Messages().empty()) << m_host->Messages().front();
}

TEST_F(ExtractionRun, CancelEndsTheLoopAndKeepsWhatWasWritten) {
  CMediaGraph graph;
  ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("long60.avi"), m_folder.Dir(), 0, 59000, 48000, 40000, TRUE)));
  const std::string output = graph.m_szOutputPath;
  // The user's click reaches the loop as a dispatched message once something has been written.
  m_host->OnStep([&] {
    if (FileSize(output) > 0) {
      graph.RequestCancel();
    } else if (::GetActiveWindow() == m_host->Window()) {
      m_host->PostStep();
    }
  });
  m_host->PostStep();
  graph.RunExtraction(&m_host->Progress());

  EXPECT_EQ(m_host->Progress().GetPos(), 100);
  LONGLONG size = FileSize(output);
  EXPECT_GT(size, 0) << "the partly written file was not kept";
  EXPECT_LT(size, graph.m_nExpectedSize * 9 / 10) << "the extraction went on after Cancel";
  EXPECT_EQ(fixtures::ProbeFile(output).channels, 2) << "the kept part is not a readable MP3";
  EXPECT_TRUE(m_host->Messages().empty());
}

TEST_F(ExtractionRun, AVideoThatCannotBeExtractedIsReportedAndLeavesNothing) {
  for (const char* source : {"nosound.avi", "text.avi", "empty.avi", "missing.avi"}) {
    std::string dir = m_folder.Dir(source);
    size_t messagesBefore = m_host->Messages().size();
    CMediaGraph graph;

    EXPECT_FALSE(Build(graph, MakeRequest(fixtures::Path(source), dir, 0, 3000))) << source;
    ASSERT_EQ(m_host->Messages().size(), messagesBefore + 1) << source;
    EXPECT_NE(m_host->Messages().back().find(fixtures::Path(source)), std::string::npos) << m_host->Messages().back();
    EXPECT_TRUE(Entries(dir).empty()) << source << ": " << Entries(dir).front();
  }
}

// Files may grow only to `bytes` while it lives, as on a disk that fills up.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_savedHandler = signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    signal(SIGXFSZ, m_savedHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit m_saved{};
  sighandler_t m_savedHandler;
};

TEST_F(ExtractionRun, AWriteErrorEndsTheLoopWithAMessageNamingTheOutput) {
  CMediaGraph graph;
  ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("long60.avi"), m_folder.Dir(), 0, 50000)));
  const std::string output = graph.m_szOutputPath;
  {
    FileSizeLimit diskFull(64 * 1024);
    Run(graph);
  }

  EXPECT_EQ(m_host->Progress().GetPos(), 100);
  ASSERT_EQ(m_host->Messages().size(), 1u);
  EXPECT_NE(m_host->Messages()[0].find(output), std::string::npos) << m_host->Messages()[0];
  EXPECT_GT(FileSize(output), 0) << "what was written was not kept";
}

TEST_F(ExtractionRun, ATruncatedVideoEndsWhereItsDataEnds) {
  CMediaGraph graph;
  ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("truncated.avi"), m_folder.Dir(), 0, 8000)));
  Run(graph);

  EXPECT_EQ(m_host->Progress().GetPos(), 100);
  double seconds = fixtures::ProbeFile(graph.m_szOutputPath).duration;
  EXPECT_GT(seconds, 1.0);
  EXPECT_LT(seconds, 0.8 * fixtures::kClipSeconds);
}

}  // namespace
