// A user's whole road: open a video, preview it, mark a range with the transport buttons, choose the
// output and extract; and the same road cut short with Cancel.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/AudioProbe.h"
#include "tests/e2e/MediaClip.h"
#include "tests/e2e/ProgramTest.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Button = VelmoraDriver::ExtractionControl;

class ExtractionTest : public ProgramTest {
 protected:
  void SetUp() override {
    if (ChildProcess::FindInPath("ffprobe").empty()) GTEST_SKIP() << "ffprobe is not installed";
    ProgramTest::SetUp();
  }

  // The position text as it reads before any file is open: "00:00:00.000".
  void rememberZeroPosition() {
    std::optional<Screenshot> idle = session().screenshot("1-idle");
    ASSERT_TRUE(idle);
    zeroPosition_ = idle->region(velmora().rect(Control::PositionText));
  }
  bool showsZeroPosition(const Screenshot& shot) {
    return shot.region(velmora().rect(Control::PositionText)) == zeroPosition_;
  }

  void openAndSeePlaying(const std::string& clip) {
    ASSERT_TRUE(velmora().openVideo(MediaClip(clip))) << programLogTail();
    EXPECT_TRUE(waitForMovement("2-playing", velmora().rect(Control::Picture))) << "the picture does not move";
    EXPECT_TRUE(waitForScreen("3-position-runs", [&](const Screenshot& s) { return !showsZeroPosition(s); }))
        << "the position text does not leave 00:00:00.000";
  }

  void pauseAtBeginning() {
    velmora().press(Control::Pause);
    velmora().press(Control::SeekBegin);
    ASSERT_TRUE(waitForScreen("4-at-begin", [&](const Screenshot& s) { return showsZeroPosition(s); }))
        << "Seek to Begin does not show position 00:00:00.000";
  }

  // Extract Now in the main window, then in the extraction window (and Cancel right after it when
  // asked); returns the extraction window.
  std::optional<XWindow> startExtraction(bool thenCancel) {
    velmora().press(Control::Extract);
    std::optional<XWindow> window = velmora().waitForExtractionWindow(30s);
    if (!window) return window;
    session().screenshot("7-extraction-window");
    ScreenPoint extractNow = velmora().extractionButton(*window, Button::ExtractNow);
    if (thenCancel) {
      session().clickTwice(extractNow, velmora().extractionButton(*window, Button::Cancel));
    } else {
      session().click(extractNow);
    }
    return window;
  }

  std::vector<uint32_t> zeroPosition_;
};

class ExtractionOfEachFormat : public ExtractionTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExtractionOfEachFormat, WritesTheMarkedThreeSecondsWithTheChosenSettings) {
  rememberZeroPosition();
  openAndSeePlaying(GetParam());
  pauseAtBeginning();

  velmora().press(Control::MarkStart);
  std::optional<Screenshot> marked = session().screenshot("5-marked-start");
  ASSERT_TRUE(marked);
  // Paused, Fast forward moves the position 3 s; the timer still runs and draws the band up to it,
  // over a part of the slider that was bare channel while the band was empty.
  ScreenRect bandPart = velmora().rect(Control::Slider).horizontalSlice(0.15, 0.25);
  velmora().press(Control::FastForward);
  EXPECT_TRUE(waitForScreen("6-forward", [&](const Screenshot& s) {
    return !showsZeroPosition(s) && s.countDifferences(*marked, bandPart) > 0;
  })) << "Fast forward while paused moves neither the position text nor the band";
  velmora().press(Control::MarkEnd);

  velmora().press(Control::Mono);
  velmora().chooseInList(Control::BitRate, "9");      // 128 -> 96
  velmora().chooseInList(Control::SampleRate, "2");   // 44.1 -> 22.05
  session().screenshot("6-choices");

  std::optional<XWindow> window = startExtraction(false);
  ASSERT_TRUE(window) << "no extraction window\n" << programLogTail();
  ASSERT_TRUE(session().waitUntilGone(window->id, 180s)) << "the extraction window stays open";
  session().screenshot("8-done");

  std::string mp3 = velmora().documentsFolder() + "/0-" + fs::path(GetParam()).stem().string() + ".mp3";
  ASSERT_TRUE(fs::exists(mp3)) << mp3 << " was not written\n" << programLogTail();
  AudioProbe probe = AudioProbe::Of(mp3);
  EXPECT_EQ(probe.sampleRate, 22050);
  EXPECT_EQ(probe.channels, 1);
  EXPECT_EQ(probe.bitRate, 96000);
  // The encoder's delay (about 25 ms) and its last partial frame come on top of the range.
  EXPECT_NEAR(probe.durationSeconds, 3.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Formats, ExtractionOfEachFormat, ::testing::Values("clip.avi", "clip.mpg", "clip.rm"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return fs::path(info.param).extension().string().substr(1);
                         });

TEST_F(ExtractionTest, CancelDuringTheRunClosesTheWindowAndKeepsThePartialFile) {
  rememberZeroPosition();
  openAndSeePlaying("long60.avi");
  pauseAtBeginning();
  velmora().press(Control::MarkStart);
  velmora().press(Control::SeekEnd);
  ASSERT_TRUE(waitForScreen("5-at-end", [&](const Screenshot& s) { return !showsZeroPosition(s); }))
      << "Seek to End does not move the position text";
  velmora().press(Control::MarkEnd);
  // The largest output takes longest to encode: stereo (as it starts), 320 kbit/s, 48 kHz.
  velmora().chooseInList(Control::BitRate, "3");
  velmora().chooseInList(Control::SampleRate, "4");  // 44.1 -> 48
  session().screenshot("6-choices");

  std::optional<XWindow> window = startExtraction(true);
  ASSERT_TRUE(window) << "no extraction window\n" << programLogTail();
  ASSERT_TRUE(session().waitUntilGone(window->id, 180s)) << "Cancel does not close the extraction window";
  session().screenshot("8-cancelled");
  ASSERT_TRUE(session().program().running()) << programLogTail();

  std::string mp3 = velmora().documentsFolder() + "/0-long60.mp3";
  ASSERT_TRUE(fs::exists(mp3)) << "the partial file is gone";
  EXPECT_GT(fs::file_size(mp3), 0u);
  AudioProbe probe = AudioProbe::Of(mp3);
  EXPECT_EQ(probe.sampleRate, 48000);
  EXPECT_EQ(probe.channels, 2);
  EXPECT_LT(probe.durationSeconds, 55.0) << "the run was not cut short";
}

}  // namespace
}  // namespace e2e
