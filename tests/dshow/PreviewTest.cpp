#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "tests/dshow/GraphTestSupport.h"

namespace {

using namespace graphtest;

class Preview : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    m_graph = NewGraph();
    ASSERT_NE(m_graph, nullptr);
    ASSERT_EQ(Render(m_graph, GetParam()), S_OK);
    m_control = Query<IMediaControl>(m_graph, IID_IMediaControl);
    m_seeking = Query<IMediaSeeking>(m_graph, IID_IMediaSeeking);
    m_events = Query<IMediaEventEx>(m_graph, IID_IMediaEventEx);
  }
  void TearDown() override {
    for (IUnknown* i : {static_cast<IUnknown*>(m_events), static_cast<IUnknown*>(m_seeking),
                        static_cast<IUnknown*>(m_control), static_cast<IUnknown*>(m_graph)}) {
      if (i) i->Release();
    }
    CoUninitialize();
  }
  LONGLONG Position() {
    LONGLONG position = -1;
    EXPECT_EQ(m_seeking->GetCurrentPosition(&position), S_OK);
    return position;
  }
  void SeekTo(LONGLONG units) {
    ASSERT_EQ(m_seeking->SetPositions(&units, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning), S_OK);
  }

  IGraphBuilder* m_graph = nullptr;
  IMediaControl* m_control = nullptr;
  IMediaSeeking* m_seeking = nullptr;
  IMediaEventEx* m_events = nullptr;
};

TEST_P(Preview, ReportsTheClipsDurationAndStartsAtZero) {
  LONGLONG duration = 0;
  ASSERT_EQ(m_seeking->GetDuration(&duration), S_OK);
  EXPECT_NEAR(static_cast<double>(duration) / 1e7, fixtures::kClipSeconds, 0.05);
  EXPECT_EQ(Position(), 0);
  EXPECT_EQ(CurrentFrameNumber(m_graph), 0);
}

TEST_P(Preview, SeeksLandOnTheTargetFrame) {
  // Forward, further forward, backward, and to the very start.
  for (LONGLONG ms : {2500, 6120, 1040, 0}) {
    SeekTo(ms * kUnitsPerMs);
    int frame = CurrentFrameNumber(m_graph);
    EXPECT_LE(std::abs(frame * 40 - ms), 40) << "seek to " << ms << " ms showed frame " << frame;
    EXPECT_NEAR(static_cast<double>(Position()), static_cast<double>(ms * kUnitsPerMs), kFrameUnits) << ms;
  }
}

TEST_P(Preview, PlaysOnAndStopKeepsThePosition) {
  SeekTo(3000 * kUnitsPerMs);
  ASSERT_EQ(m_control->Run(), S_OK);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  ASSERT_EQ(m_control->Stop(), S_OK);
  LONGLONG stopped = Position();
  EXPECT_GE(stopped, 3300 * kUnitsPerMs) << "playing did not advance";
  EXPECT_LE(stopped, 4500 * kUnitsPerMs) << "playing ran faster than real time";
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_NEAR(static_cast<double>(Position()), static_cast<double>(stopped), kUnitsPerMs);
  OAFilterState state = -1;
  EXPECT_EQ(m_control->GetState(0, &state), S_OK);
  EXPECT_EQ(state, State_Stopped);
  ASSERT_EQ(m_control->Run(), S_OK);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_GT(Position(), stopped) << "Run after Stop did not play on from the kept position";
}

TEST_P(Preview, EndOfStreamCompletesAndRunAfterItPlaysAgain) {
  LONG code = -1;
  LONG_PTR p1 = 0;
  LONG_PTR p2 = 0;
  EXPECT_EQ(m_events->GetEvent(&code, &p1, &p2, 0), E_ABORT) << "an event before anything happened";
  EXPECT_EQ(m_events->WaitForCompletion(0, &code), E_ABORT);
  EXPECT_EQ(code, 0);

  LONGLONG duration = 0;
  m_seeking->GetDuration(&duration);
  SeekTo(duration - 500 * kUnitsPerMs);
  ASSERT_EQ(m_control->Run(), S_OK);
  ASSERT_EQ(m_events->WaitForCompletion(5000, &code), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  ASSERT_EQ(m_events->GetEvent(&code, &p1, &p2, 0), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  EXPECT_EQ(m_events->FreeEventParams(code, p1, p2), S_OK);
  EXPECT_EQ(m_events->GetEvent(&code, &p1, &p2, 0), E_ABORT);

  // Back to an earlier point: Run plays from there (PLAYING alone would do nothing after the end).
  SeekTo(duration - 1500 * kUnitsPerMs);
  ASSERT_EQ(m_control->Run(), S_OK);
  ASSERT_EQ(m_events->WaitForCompletion(5000, &code), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, Preview,
                         ::testing::Values("clip.avi", "clip.mpeg", "clip.mpg", "clip.rm", "clip.rmvb", "clip.asf",
                                           "clip.wmv", "clip.mp4", "clip.mkv", "clip.webm", "clip.mov", "clip.flv"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (c == '.') c = '_';
                           }
                           return name;
                         });

}  // namespace
