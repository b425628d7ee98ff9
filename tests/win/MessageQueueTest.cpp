#include <atomic>
#include <thread>

#include "WinTestSupport.h"

using namespace wintest;

namespace {

class MessageQueueTest : public WinTest {};

TEST_F(MessageQueueTest, PostedBeforeInputBeforePaintBeforeTimers) {
  HWND w = top(100, 100, 200, 150);
  Pump();
  Log().clear();
  SetTimer(w, 7, 10, nullptr);
  win::DesktopAdvanceClock(50);
  InvalidateRect(w, nullptr, TRUE);
  Click(POINT{150, 150});
  PostMessage(w, WM_USER + 1, 0, 0);

  Pump();
  std::vector<UINT> order = MessagesAmong({WM_USER + 1, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_TIMER});
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_TIMER}));
  KillTimer(w, 7);
}

TEST_F(MessageQueueTest, ConsecutiveMouseMovesCollapseIntoTheLast) {
  HWND w = top(100, 100, 200, 150);
  Pump();
  Log().clear();
  win::DesktopMouseMove(POINT{110, 110});
  win::DesktopMouseMove(POINT{120, 120});
  win::DesktopMouseButton(win::MouseButton::Left, true, POINT{130, 130});
  win::DesktopMouseMove(POINT{140, 140});
  win::DesktopMouseMove(POINT{150, 145});
  Pump();

  std::vector<Logged> mouse;
  for (const auto& l : Log()) {
    if (l.hwnd == w && (l.msg == WM_MOUSEMOVE || l.msg == WM_LBUTTONDOWN)) mouse.push_back(l);
  }
  ASSERT_EQ(mouse.size(), 3u);
  EXPECT_EQ(mouse[0].msg, WM_MOUSEMOVE);
  EXPECT_EQ(mouse[0].lParam, MAKELPARAM(20, 20));
  EXPECT_EQ(mouse[1].msg, WM_LBUTTONDOWN);
  EXPECT_EQ(mouse[2].msg, WM_MOUSEMOVE);
  EXPECT_EQ(mouse[2].lParam, MAKELPARAM(50, 45));
  EXPECT_EQ(mouse[2].wParam & MK_LBUTTON, static_cast<WPARAM>(MK_LBUTTON));
  win::DesktopMouseButton(win::MouseButton::Left, false, POINT{150, 145});
}

TEST_F(MessageQueueTest, PeekFiltersByRangeAndWindowWithItsChildren) {
  HWND a = top(0, 0, 100, 100);
  HWND b = top(200, 0, 100, 100);
  HWND c = child(a, 1, 0, 0, 10, 10);
  Pump();
  PostMessage(b, WM_USER + 1, 0, 0);
  PostMessage(c, WM_USER + 2, 0, 0);
  PostMessage(a, WM_APP + 3, 0, 0);

  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, a, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2u);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_APP, WM_APP + 10, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_APP + 3u);
  EXPECT_FALSE(PeekMessage(&msg, a, WM_APP, WM_APP + 10, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1u);
  ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER, WM_USER + 2, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2u);
}

TEST_F(MessageQueueTest, MessagesForADestroyedWindowAreDropped) {
  HWND w = top(0, 0, 50, 50);
  PostMessage(w, WM_USER + 5, 0, 0);
  DestroyWindow(w);
  EXPECT_FALSE(PostMessage(w, WM_USER + 6, 0, 0));
  EXPECT_EQ(SendMessage(w, WM_GETTEXTLENGTH, 0, 0), 0);
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) EXPECT_NE(msg.hwnd, w);
}

TEST_F(MessageQueueTest, PostFromAnotherThreadWakesAWaitingGetMessage) {
  HWND w = top(0, 0, 50, 50);
  Pump();
  std::thread poster([w] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    PostMessage(w, WM_APP + 1, 42, 0);
  });
  MSG msg;
  do {
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    DispatchMessage(&msg);
  } while (msg.message != WM_APP + 1);
  poster.join();
  EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(MessageQueueTest, SendFromAnotherThreadRunsOnTheUiThreadAndReturnsTheResult) {
  HWND w = top(0, 0, 50, 50);
  Pump();
  std::thread::id ranOn;
  Handlers()[WM_APP + 2] = [&](HWND, UINT, WPARAM wParam, LPARAM, LRESULT* result) {
    ranOn = std::this_thread::get_id();
    *result = static_cast<LRESULT>(wParam * 2);
    return true;
  };
  std::atomic<LRESULT> answer{0};
  std::thread sender([&] {
    answer = SendMessage(w, WM_APP + 2, 21, 0);
    PostMessage(w, WM_APP + 3, 0, 0);
  });
  MSG msg;
  do {
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    DispatchMessage(&msg);
  } while (msg.message != WM_APP + 3);
  sender.join();
  EXPECT_EQ(answer.load(), 42);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(MessageQueueTest, QuitEndsGetMessageWithTheExitCode) {
  PostQuitMessage(3);
  MSG msg;
  EXPECT_FALSE(GetMessage(&msg, nullptr, 0, 0));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageQueueTest, CharactersComeFromTextAndFromControlKeysOnly) {
  HWND w = top(0, 0, 50, 50);
  Pump();
  SetFocus(w);
  Log().clear();
  win::DesktopKey('A', true);
  win::DesktopText("a\xC3\xA9");  // "aé"
  win::DesktopKey('A', false);
  win::DesktopKey(VK_RETURN, true);
  win::DesktopKey(VK_RETURN, false);
  Pump();
  std::vector<WPARAM> chars;
  for (const auto& l : Log()) {
    if (l.hwnd == w && l.msg == WM_CHAR) chars.push_back(l.wParam);
  }
  EXPECT_EQ(chars, (std::vector<WPARAM>{'a', 0xE9, '\r'}));
}

}  // namespace
