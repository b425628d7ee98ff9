#include <gtest/gtest.h>

#include "tests/dshow/GraphTestSupport.h"

namespace {

using namespace graphtest;

TEST(BrokenFiles, FailToRenderWithANegativeResult) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  for (const char* name : {"text.avi", "empty.avi", "no-such-file.avi"}) {
    IGraphBuilder* graph = NewGraph();
    ASSERT_NE(graph, nullptr);
    HRESULT hr = Render(graph, name);
    EXPECT_TRUE(FAILED(hr)) << name << " gave " << std::hex << hr;
    // Nothing was rendered: the graph has no position to report and nothing to run.
    IMediaControl* control = Query<IMediaControl>(graph, IID_IMediaControl);
    EXPECT_TRUE(FAILED(control->Run())) << name;
    control->Release();
    graph->Release();
  }
  CoUninitialize();
}

TEST(BrokenFiles, DamagedOrSilentVideosStillPreview) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  for (const char* name : {"truncated.avi", "nosound.avi", "clip 名前 テスト.avi"}) {
    IGraphBuilder* graph = NewGraph();
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(Render(graph, name), S_OK) << name;
    IMediaSeeking* seeking = Query<IMediaSeeking>(graph, IID_IMediaSeeking);
    LONGLONG duration = 0;
    EXPECT_EQ(seeking->GetDuration(&duration), S_OK);
    EXPECT_GT(duration, 0) << name;
    seeking->Release();
    graph->Release();
  }
  CoUninitialize();
}

}  // namespace
