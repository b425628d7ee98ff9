#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/dshow/GraphTestSupport.h"

namespace {

using namespace graphtest;

struct Settings {
  DWORD sampleRate;
  DWORD kbps;
  bool stereo;
};

// One extraction graph, built the way the program builds it.
class ExtractionGraph {
 public:
  ExtractionGraph(const std::string& source, const std::string& output, Settings settings) {
    m_graph = NewGraph();
    CoCreateInstance(CLSID_Mp3EncoderFilter, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                     reinterpret_cast<void**>(&m_encoder));
    CoCreateInstance(CLSID_FileSinkFilter, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                     reinterpret_cast<void**>(&m_sink));
    CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER, IID_ICaptureGraphBuilder2,
                     reinterpret_cast<void**>(&m_builder));
    IAudioEncoderProperties* props = Query<IAudioEncoderProperties>(m_encoder, IID_IAudioEncoderProperties);
    EXPECT_EQ(props->set_SampleRate(settings.sampleRate), S_OK);
    EXPECT_EQ(props->set_Bitrate(settings.kbps), S_OK);
    EXPECT_EQ(props->set_ChannelMode(settings.stereo ? MP3_CHANNELS_STEREO : MP3_CHANNELS_MONO), S_OK);
    props->Release();
    IFileSinkFilter* fileSink = Query<IFileSinkFilter>(m_sink, IID_IFileSinkFilter);
    EXPECT_EQ(fileSink->SetFileName(fixtures::Wide(output).c_str(), nullptr), S_OK);
    fileSink->Release();
    m_graph->AddFilter(m_sink, u"Dest");
    m_graph->AddFilter(m_encoder, u"Lame");
    m_addSource = m_graph->AddSourceFilter(fixtures::Wide(source).c_str(), u"Source", &m_source);
    m_builder->SetFiltergraph(m_graph);
  }
  ~ExtractionGraph() {
    for (IUnknown* i : {static_cast<IUnknown*>(m_source), static_cast<IUnknown*>(m_builder),
                        static_cast<IUnknown*>(m_sink), static_cast<IUnknown*>(m_encoder),
                        static_cast<IUnknown*>(m_graph)}) {
      if (i) i->Release();
    }
  }
  HRESULT Connect() {
    if (FAILED(m_addSource)) return m_addSource;
    return m_builder->RenderStream(nullptr, nullptr, m_source, m_encoder, m_sink);
  }
  // Runs the range (ms) to completion and gives the completion code.
  LONG Extract(LONGLONG startMs, LONGLONG stopMs) {
    IMediaSeeking* seeking = Query<IMediaSeeking>(m_graph, IID_IMediaSeeking);
    IMediaControl* control = Query<IMediaControl>(m_graph, IID_IMediaControl);
    IMediaEventEx* events = Query<IMediaEventEx>(m_graph, IID_IMediaEventEx);
    LONGLONG start = startMs * kUnitsPerMs;
    LONGLONG stop = stopMs * kUnitsPerMs;
    seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_AbsolutePositioning);
    control->Run();
    LONG code = 0;
    for (int turn = 0; turn < 240 && code == 0; ++turn) events->WaitForCompletion(250, &code);
    control->Stop();
    events->Release();
    control->Release();
    seeking->Release();
    return code;
  }

 private:
  IGraphBuilder* m_graph = nullptr;
  IBaseFilter* m_encoder = nullptr;
  IBaseFilter* m_sink = nullptr;
  IBaseFilter* m_source = nullptr;
  ICaptureGraphBuilder2* m_builder = nullptr;
  HRESULT m_addSource = E_FAIL;
};

class Extraction : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    char dir[] = "/tmp/velmora-extract-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    m_dir = dir;
  }
  void TearDown() override {
    std::system(("rm -rf '" + m_dir + "'").c_str());
    CoUninitialize();
  }
  static bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
  }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
  }
  std::string m_dir;
};

struct RangeCase {
  const char* source;
  LONGLONG startMs;
  LONGLONG stopMs;
  double expectedSeconds;
  Settings settings;
};

TEST_F(Extraction, WritesTheRangeWithTheChosenSettingsOnEveryFormat) {
  const RangeCase cases[] = {
      {"clip.avi", 2000, 5000, 3.0, {44100, 128, true}},
      {"clip.mpeg", 1500, 6500, 5.0, {22050, 64, false}},
      {"clip.mpeg", 0, 7000, 7.0, {44100, 128, true}},  // MPEG program streams end by timestamp
      {"clip.mpg", 3000, 99000, 5.0, {48000, 192, true}},  // a stop past the end: to the end
      {"clip.rm", 2000, 5000, 3.0, {32000, 96, false}},
      {"clip.rmvb", 0, 4000, 4.0, {44100, 160, true}},
      {"clip.asf", 2500, 7500, 5.0, {24000, 64, true}},
      {"clip.wmv", 1000, 3000, 2.0, {16000, 32, false}},
      {"clip.mp4", 2000, 5000, 3.0, {44100, 320, true}},
      {"clip.mkv", 2000, 5000, 3.0, {11025, 16, false}},
      {"clip.webm", 2000, 5000, 3.0, {48000, 128, false}},
      {"clip.mov", 2000, 5000, 3.0, {22050, 96, true}},
      {"clip.flv", 2000, 5000, 3.0, {8000, 24, false}},
      {"long60.avi", 20000, 50000, 30.0, {44100, 128, true}},
      {"clip 名前 テスト.avi", 1000, 2000, 1.0, {44100, 128, true}},
  };
  int n = 0;
  for (const RangeCase& c : cases) {
    std::string output = m_dir + "/" + std::to_string(n++) + "-" + c.source + ".mp3";
    ExtractionGraph graph(fixtures::Path(c.source), output, c.settings);
    ASSERT_EQ(graph.Connect(), S_OK) << c.source;
    EXPECT_EQ(graph.Extract(c.startMs, c.stopMs), EC_COMPLETE) << c.source;
    fixtures::Probe probe = fixtures::ProbeFile(output);
    EXPECT_NEAR(probe.duration, c.expectedSeconds, 0.1) << c.source;
    EXPECT_EQ(probe.sampleRate, static_cast<int>(c.settings.sampleRate)) << c.source;
    EXPECT_EQ(probe.channels, c.settings.stereo ? 2 : 1) << c.source;
    EXPECT_EQ(probe.bitRate, static_cast<long>(c.settings.kbps) * 1000) << c.source;
  }
}

TEST_F(Extraction, NeverOverwritesAnExistingFile) {
  std::string output = m_dir + "/taken.mp3";
  { std::ofstream(output) << "someone else's data"; }
  ExtractionGraph graph(fixtures::Path("clip.avi"), output, {44100, 128, true});
  EXPECT_EQ(graph.Connect(), HRESULT_FROM_WIN32(ERROR_FILE_EXISTS));
  EXPECT_EQ(graph.Extract(0, 3000), EC_ERRORABORT);
  EXPECT_EQ(Contents(output), "someone else's data");
}

TEST_F(Extraction, AVideoWithoutSoundIsReportedAndLeavesNoFile) {
  std::string output = m_dir + "/silent.mp3";
  ExtractionGraph graph(fixtures::Path("nosound.avi"), output, {44100, 128, true});
  EXPECT_TRUE(FAILED(graph.Connect()));
  EXPECT_EQ(graph.Extract(0, 3000), EC_ERRORABORT);
  EXPECT_FALSE(Exists(output)) << "an empty MP3 was left behind";
}

TEST_F(Extraction, AMissingFolderIsReported) {
  std::string output = m_dir + "/no/such/folder/out.mp3";
  ExtractionGraph graph(fixtures::Path("clip.avi"), output, {44100, 128, true});
  EXPECT_EQ(graph.Connect(), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(graph.Extract(0, 3000), EC_ERRORABORT);
}

}  // namespace
