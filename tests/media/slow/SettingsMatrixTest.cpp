// Every sample rate the program offers, both channel modes and the lowest and highest bit rate,
// through the whole extraction: a long run, so it lives in the test program labelled "slow".
#include <string>

#include "tests/media/MediaTestSupport.h"

namespace {

using namespace mediatest;

class SettingsMatrix : public MediaTest {};

TEST_F(SettingsMatrix, EveryRateChannelModeAndBitRateIsWrittenAsChosen) {
  const int sampleRates[] = {48000, 44100, 32000, 24000, 22050, 16000};
  const int kbpsChoices[] = {64, 320};
  // MPEG-2 sound (the rates below 32 kHz) carries at most 160 kbit/s.
  auto writtenKbps = [](int rate, int kbps) { return rate < 32000 && kbps > 160 ? 160 : kbps; };
  int n = 0;
  for (int rate : sampleRates) {
    for (int kbps : kbpsChoices) {
      for (BOOL stereo : {FALSE, TRUE}) {
        std::string label = std::to_string(rate) + " Hz, " + std::to_string(kbps) + " kbit/s, " +
                            (stereo ? "stereo" : "mono");
        CMediaGraph graph;
        ASSERT_TRUE(Build(graph, MakeRequest(fixtures::Path("clip.avi"), m_folder.Dir(std::to_string(n++)), 1000,
                                             4000, rate, kbps * 125, stereo)))
            << label;
        graph.RunExtraction(&m_host->Progress());

        fixtures::Probe probe = fixtures::ProbeFile(graph.m_szOutputPath);
        EXPECT_EQ(probe.sampleRate, rate) << label;
        EXPECT_EQ(probe.channels, stereo ? 2 : 1) << label;
        EXPECT_EQ(probe.bitRate, writtenKbps(rate, kbps) * 1000L) << label;
        EXPECT_NEAR(probe.duration, 3.0, 0.1) << label;
      }
    }
  }
  EXPECT_TRUE(m_host->Messages().empty()) << m_host->Messages().front();
}

}  // namespace
