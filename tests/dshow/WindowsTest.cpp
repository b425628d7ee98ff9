#include <gtest/gtest.h>

#include "platform/win/Desktop.h"
#include "platform/win/winuser.h"
#include "tests/dshow/GraphTestSupport.h"

namespace {

using namespace graphtest;

constexpr UINT kGraphNotify = WM_APP + 10;

HWND CreateOwner() {
  static bool registered = [] {
    WNDCLASS wc = {};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "GraphTestOwner";
    return RegisterClass(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return CreateWindowEx(0, "GraphTestOwner", "owner", WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300,
                        nullptr, nullptr, nullptr, nullptr);
}

class GraphWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    m_owner = CreateOwner();
    ASSERT_NE(m_owner, nullptr);
    m_graph = NewGraph();
    ASSERT_EQ(Render(m_graph, "clip.avi"), S_OK);
  }
  void TearDown() override {
    if (m_graph) m_graph->Release();
    DestroyWindow(m_owner);
    win::PumpPendingMessages();
    CoUninitialize();
  }
  HWND m_owner = nullptr;
  IGraphBuilder* m_graph = nullptr;
};

TEST_F(GraphWindows, EveryQueuedEventIsPostedToTheNotifyWindow) {
  IMediaEventEx* events = Query<IMediaEventEx>(m_graph, IID_IMediaEventEx);
  IMediaSeeking* seeking = Query<IMediaSeeking>(m_graph, IID_IMediaSeeking);
  IMediaControl* control = Query<IMediaControl>(m_graph, IID_IMediaControl);
  ASSERT_EQ(events->SetNotifyWindow(reinterpret_cast<OAHWND>(m_owner), kGraphNotify, 0x5A), S_OK);
  LONGLONG duration = 0;
  seeking->GetDuration(&duration);
  LONGLONG nearEnd = duration - 300 * kUnitsPerMs;
  seeking->SetPositions(&nearEnd, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  control->Run();
  LONG code = 0;
  ASSERT_EQ(events->WaitForCompletion(5000, &code), S_OK);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, m_owner, kGraphNotify, kGraphNotify, PM_REMOVE));
  EXPECT_EQ(msg.lParam, 0x5A);
  LONG_PTR p1 = 0;
  LONG_PTR p2 = 0;
  EXPECT_EQ(events->GetEvent(&code, &p1, &p2, 0), S_OK);
  EXPECT_EQ(code, EC_COMPLETE);
  EXPECT_FALSE(PeekMessage(&msg, m_owner, kGraphNotify, kGraphNotify, PM_REMOVE)) << "one message per event";

  // Unregistered: later events are queued but not posted.
  events->SetNotifyWindow(0, 0, 0);
  seeking->SetPositions(&nearEnd, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
  control->Run();
  ASSERT_EQ(events->WaitForCompletion(5000, &code), S_OK);
  EXPECT_FALSE(PeekMessage(&msg, m_owner, kGraphNotify, kGraphNotify, PM_REMOVE));
  control->Release();
  seeking->Release();
  events->Release();
}

TEST_F(GraphWindows, TheVideoWindowIsAChildPlacedInItsOwner) {
  IVideoWindow* video = Query<IVideoWindow>(m_graph, IID_IVideoWindow);
  const LONG style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  video->put_Visible(OAFALSE);
  ASSERT_EQ(video->put_Owner(reinterpret_cast<OAHWND>(m_owner)), S_OK);
  video->put_Left(0);
  video->put_Top(0);
  video->put_Width(320);
  video->put_Height(200);
  video->put_WindowStyle(style);
  video->put_MessageDrain(reinterpret_cast<OAHWND>(m_owner));
  video->put_Visible(OATRUE);
  win::PumpPendingMessages();

  HWND child = GetWindow(m_owner, GW_CHILD);
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLong(child, GWL_STYLE)) & ~WS_VISIBLE, static_cast<DWORD>(style));
  RECT client;
  GetClientRect(child, &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 200);

  // Mouse input on the picture goes to the drain.
  SendMessage(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, m_owner, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(msg.lParam, MAKELPARAM(10, 20));

  // Destroying the owner takes the video window with it; the graph survives that.
  video->Release();
  DestroyWindow(m_owner);
  EXPECT_FALSE(IsWindow(child));
  m_owner = CreateOwner();
}

}  // namespace
