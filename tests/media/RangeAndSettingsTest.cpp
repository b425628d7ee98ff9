// The range and size arithmetic of an extraction, and the encoder settings taken from the request.
#include <climits>

#include "tests/media/MediaTestSupport.h"

namespace {

using namespace mediatest;

constexpr LONGLONG kUnitsPerMs = 10000;
constexpr LONGLONG kUnitsPerSecond = 10000000;

TEST(ExtractionArithmetic, ExpectedSizeIsTheRangesBytesAtTheByteRate) {
  struct Case {
    REFERENCE_TIME length;
    int byteRate;
    LONGLONG expected;
  } cases[] = {
      {60 * kUnitsPerSecond + 1, 16000, 960000},
      {50 * kUnitsPerSecond + 1, 16000, 800000},
      {1, 16000, 0},                                      // an empty range
      {30 * 60 * kUnitsPerSecond + 1, 40000, 72000000},   // half an hour at 320 kbit/s
      {24 * 3600 * kUnitsPerSecond + 1, 40000, 3456000000},  // past 32 bits
      {12345678, 8000, 9876},                             // truncated toward zero (9876.5424)
  };
  for (const Case& c : cases) EXPECT_EQ(ExpectedOutputSize(c.length, c.byteRate), c.expected) << c.length;
}

TEST(ExtractionArithmetic, ProgressIsTheTruncatedShareOfTheExpectedSize) {
  struct Case {
    ULONGLONG size;
    LONGLONG expected;
    LONGLONG percent;
  } cases[] = {
      {0, 960000, 0},
      {480000, 960000, 50},
      {959999, 960000, 99},
      {960000, 960000, 100},
      {1920000, 960000, 200},
      {30000000, 40000000, 75},
      {54000000, 72000000, 75},          // size x 100 passes 32 bits
      {3000000000, 3456000000, 86},
      {LLONG_MAX / 2, LLONG_MAX / 2, 100},  // size x 100 passes 64 bits
      {ULLONG_MAX, LLONG_MAX, 200},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgressPercent(c.size, c.expected), c.percent) << c.size << "/" << c.expected;
}

class ExtractionRange : public MediaTest {};

TEST_F(ExtractionRange, StartsBelowOneSecondBecomeZeroAndTheEndStopsAtTheDuration) {
  const std::string source = fixtures::Path("long60.avi");
  CMediaGraph probe;
  probe.CreateGraph();
  ASSERT_TRUE(probe.OpenMediaFile(source.c_str()));
  const REFERENCE_TIME duration = probe.GetDuration();
  ASSERT_NEAR(static_cast<double>(duration), 60.0 * kUnitsPerSecond, 0.1 * kUnitsPerSecond);

  struct Case {
    LONGLONG startMs;
    LONGLONG endMs;
    REFERENCE_TIME start;
    REFERENCE_TIME stop;  // -1: the reported duration
  } cases[] = {
      {0, 50000, 0, 50000 * kUnitsPerMs},
      {999, 5000, 0, 5000 * kUnitsPerMs},
      {1000, 5000, 1000 * kUnitsPerMs, 5000 * kUnitsPerMs},
      {-2500, 5000, 0, 5000 * kUnitsPerMs},
      {20000, 90000, 20000 * kUnitsPerMs, -1},
  };
  int n = 0;
  for (const Case& c : cases) {
    CMediaGraph graph;
    ASSERT_TRUE(Build(graph, MakeRequest(source, m_folder.Dir(std::to_string(n++)), c.startMs, c.endMs)));
    const REFERENCE_TIME stop = c.stop < 0 ? graph.GetDuration() : c.stop;
    EXPECT_EQ(graph.m_rtStart, c.start) << c.startMs;
    EXPECT_EQ(graph.m_rtStop, stop) << c.endMs;
    EXPECT_EQ(graph.m_rtLength, stop - c.start + 1) << c.startMs << ".." << c.endMs;
  }
  CMediaGraph whole;
  ASSERT_TRUE(Build(whole, MakeRequest(source, m_folder.Dir("whole"), 0, 50000)));
  EXPECT_EQ(whole.m_rtLength, 500000001);
  EXPECT_EQ(whole.m_nExpectedSize, 800000);
}

TEST_F(ExtractionRange, TheEncoderGetsRateBitRateAndChannelModeFromTheRequest) {
  struct Case {
    int sampleRate;
    int byteRate;
    BOOL stereo;
    DWORD kbps;
    DWORD channelMode;
  } cases[] = {
      {48000, 40000, TRUE, 320, MP3_CHANNELS_STEREO},
      {44100, 16000, FALSE, 128, MP3_CHANNELS_MONO},
      {22050, 8000, 7, 64, MP3_CHANNELS_STEREO},  // any nonzero choice is stereo
      {16000, 20000, FALSE, 160, MP3_CHANNELS_MONO},
  };
  int n = 0;
  for (const Case& c : cases) {
    CMediaGraph graph;
    ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("clip.avi"), m_folder.Dir(std::to_string(n++)), 0, 2000,
                                         c.sampleRate, c.byteRate, c.stereo)));
    IAudioEncoderProperties* properties = nullptr;
    ASSERT_EQ(graph.m_pEncoder->QueryInterface(IID_IAudioEncoderProperties, reinterpret_cast<void**>(&properties)),
              S_OK);
    DWORD rate = 0, kbps = 0, mode = 0;
    properties->get_SampleRate(&rate);
    properties->get_Bitrate(&kbps);
    properties->get_ChannelMode(&mode);
    properties->Release();
    EXPECT_EQ(rate, static_cast<DWORD>(c.sampleRate));
    EXPECT_EQ(kbps, c.kbps) << c.byteRate;
    EXPECT_EQ(mode, c.channelMode) << c.stereo;
  }
}

}  // namespace
