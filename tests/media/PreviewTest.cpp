// The media graph object's preview operations at their edges: no graph, seeks that are neither
// rounded nor clamped, the video window, releasing, and files that cannot be played.
#include <climits>
#include <string>

#include "tests/media/MediaTestSupport.h"

namespace {

using namespace mediatest;

// A seeking interface that reports a chosen position and remembers what it was asked; it is never
// deleted, so that it can count the references it is given back.
class RecordingSeeking final : public IMediaSeeking {
 public:
  STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override {
    *ppv = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IMediaSeeking) ? this : nullptr;
    if (*ppv == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHOD_(ULONG, AddRef)() override { return static_cast<ULONG>(++m_refs); }
  STDMETHOD_(ULONG, Release)() override {
    ++m_releases;
    return static_cast<ULONG>(--m_refs);
  }
  STDMETHOD(GetDuration)(LONGLONG* duration) override {
    *duration = 60000000;
    return S_OK;
  }
  STDMETHOD(GetStopPosition)(LONGLONG* stop) override { return GetDuration(stop); }
  STDMETHOD(GetCurrentPosition)(LONGLONG* current) override {
    *current = m_position;
    return S_OK;
  }
  STDMETHOD(SetPositions)(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override {
    ++m_seeks;
    m_asked = current ? *current : LLONG_MIN;
    m_currentFlags = currentFlags;
    m_stopFlags = stopFlags;
    (void)stop;
    return S_OK;
  }
  STDMETHOD(GetPositions)(LONGLONG* current, LONGLONG* stop) override {
    GetCurrentPosition(current);
    return GetDuration(stop);
  }

  LONGLONG m_position = 0;
  LONGLONG m_asked = 0;
  DWORD m_currentFlags = 0;
  DWORD m_stopFlags = 0;
  int m_seeks = 0;
  int m_refs = 1;  // the one the graph object holds
  int m_releases = 0;
};

class Preview : public MediaTest {};

TEST_F(Preview, WithoutAGraphNothingHappensAndTimesAreZero) {
  CMediaGraph graph;
  auto expectEmpty = [&](const char* when) {
    graph.Play();
    graph.Pause();
    graph.Stop();
    graph.SeekByMs(5000);
    graph.SetEventWindow(m_host->Window());
    graph.AttachVideoWindow(m_host->Window());
    EXPECT_EQ(graph.GetDuration(), 0) << when;
    EXPECT_EQ(graph.GetCurrentPosition(), 0) << when;
    EXPECT_EQ(graph.GetMediaSeeking(), nullptr) << when;
    EXPECT_EQ(graph.GetMediaEvent(), nullptr) << when;
  };
  expectEmpty("new");
  graph.CreateGraph();
  ASSERT_TRUE(graph.OpenMediaFile(fixtures::Path("clip.avi").c_str()));
  graph.SeekToMs(2000);
  EXPECT_EQ(graph.GetCurrentPosition(), 2000 * 10000);
  graph.ReleaseGraph();
  expectEmpty("released");
}

TEST_F(Preview, SeekingByADeltaTruncatesThePositionAndDoesNotClamp) {
  struct Case {
    LONGLONG position;  // 100 ns units
    LONGLONG deltaMs;
    LONGLONG asked;     // 100 ns units
  } cases[] = {
      {15000000, -3000, -15000000},  // before the start
      {59000000, 3000, 89000000},    // past the six seconds the graph reports
      {12345, 0, 10000},             // 1.2345 ms counts as 1 ms
      {-12345, 0, -10000},           // toward zero
      {12345, 3000, 30010000},
      {19999, -2, -10000},
  };
  for (const Case& c : cases) {
    RecordingSeeking seeking;
    seeking.m_position = c.position;
    {
      CMediaGraph graph;
      graph.m_pMediaSeeking = &seeking;
      graph.SeekByMs(c.deltaMs);
    }
    EXPECT_EQ(seeking.m_seeks, 1) << c.position;
    EXPECT_EQ(seeking.m_asked, c.asked) << c.position << " + " << c.deltaMs << " ms";
    EXPECT_EQ(seeking.m_currentFlags, static_cast<DWORD>(AM_SEEKING_AbsolutePositioning));
    EXPECT_EQ(seeking.m_stopFlags, static_cast<DWORD>(AM_SEEKING_NoPositioning)) << "the stop position was changed";
    EXPECT_EQ(seeking.m_releases, 1);
  }
}

TEST_F(Preview, ReleasingTwiceOrDestroyingAfterwardsReleasesNothingTwice) {
  RecordingSeeking seeking;
  {
    CMediaGraph graph;
    graph.CreateGraph();
    ASSERT_TRUE(graph.OpenMediaFile(fixtures::Path("clip.avi").c_str()));
    graph.SetEventWindow(m_host->Window());
    graph.m_pMediaSeeking->Release();
    graph.m_pMediaSeeking = &seeking;
    graph.ReleaseGraph();
    EXPECT_EQ(graph.m_pGraphBuilder, nullptr);
    EXPECT_EQ(graph.m_pMediaEvent, nullptr);
    EXPECT_EQ(graph.m_pVideoWindow, nullptr);
    EXPECT_EQ(graph.m_pMediaControl, nullptr);
    EXPECT_EQ(graph.m_pMediaSeeking, nullptr);
    graph.ReleaseGraph();
  }
  EXPECT_EQ(seeking.m_releases, 1);
  EXPECT_EQ(seeking.m_refs, 0);
}

TEST_F(Preview, TheVideoWindowFillsItsOwnerAndANullOwnerChangesNothing) {
  HWND picture = ::CreateWindowEx(0, "static", "", WS_CHILD | WS_VISIBLE, 10, 5, 200, 150, m_host->Window(), nullptr,
                                  nullptr, nullptr);
  CMediaGraph graph;
  graph.CreateGraph();
  ASSERT_TRUE(graph.OpenMediaFile(fixtures::Path("clip.avi").c_str()));
  IVideoWindow* window = graph.m_pVideoWindow;
  auto expectAttachedTo = [&](HWND owner, const char* when) {
    OAHWND actualOwner = 0, drain = 0;
    LONG visible = 0, style = 0, left = -1, top = -1, width = 0, height = 0;
    window->get_Owner(&actualOwner);
    window->get_MessageDrain(&drain);
    window->get_Visible(&visible);
    window->get_WindowStyle(&style);
    window->GetWindowPosition(&left, &top, &width, &height);
    EXPECT_EQ(actualOwner, reinterpret_cast<OAHWND>(owner)) << when;
    EXPECT_EQ(drain, reinterpret_cast<OAHWND>(owner)) << when;
    EXPECT_EQ(visible, OATRUE) << when;
    EXPECT_EQ(style, 0x46000000) << when;
    EXPECT_EQ(left, 0) << when;
    EXPECT_EQ(top, 0) << when;
    EXPECT_EQ(width, 200) << when;
    EXPECT_EQ(height, 150) << when;
  };

  graph.AttachVideoWindow(picture);
  expectAttachedTo(picture, "attached");
  graph.AttachVideoWindow(nullptr);
  expectAttachedTo(picture, "after a null owner");
  graph.ReleaseGraph();
  ::DestroyWindow(picture);
}

TEST_F(Preview, AFileThatCannotBePlayedIsReported) {
  struct Case {
    const char* fixture;
    BOOL opened;
  } cases[] = {
      {"text.avi", FALSE},
      {"empty.avi", FALSE},
      {"missing.avi", FALSE},
      {"clip.avi", TRUE},
      {"clip 名前 テスト.avi", TRUE},
  };
  for (const Case& c : cases) {
    size_t messagesBefore = m_host->Messages().size();
    CMediaGraph graph;
    graph.CreateGraph();

    EXPECT_EQ(graph.OpenMediaFile(fixtures::Path(c.fixture).c_str()), c.opened) << c.fixture;
    ASSERT_EQ(m_host->Messages().size(), messagesBefore + (c.opened ? 0 : 1)) << c.fixture;
    if (!c.opened) {
      EXPECT_EQ(m_host->Messages().back(), kCannotRenderMessage) << c.fixture;
    }
  }
}

}  // namespace
