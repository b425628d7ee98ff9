// Message maps: each message reaches the handler its entry names, with its arguments unpacked;
// derived maps hide base entries; what no map takes reaches DefWindowProc.
#include <string>
#include <vector>

#include "AfxTestSupport.h"

namespace {

constexpr UINT WM_TEST_PRIVATE = WM_APP + 1;
constexpr UINT WM_TEST_UNMAPPED = WM_APP + 2;
constexpr int kCommandFirst = 500;
constexpr int kCommandLast = 509;

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

std::string Text(const char* format, long a = 0, long b = 0, long c = 0) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, a, b, c);
  return buffer;
}

class BaseWnd : public CWnd {
 protected:
  afx_msg void OnTimer(UINT_PTR id) { Log().push_back(Text("base timer %ld", static_cast<long>(id))); }
  afx_msg void OnMouseMove(UINT flags, CPoint pt) { Log().push_back(Text("base move %ld %ld %ld", flags, pt.x, pt.y)); }
  afx_msg void OnKeyDown(UINT ch, UINT repeat, UINT flags) { Log().push_back(Text("key %ld %ld %ld", ch, repeat, flags)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  ON_WM_TIMER()
  ON_WM_MOUSEMOVE()
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
 public:
  std::vector<UINT> defaultMessages;

 protected:
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    defaultMessages.push_back(message);
    return BaseWnd::DefWindowProc(message, wParam, lParam);
  }
  afx_msg void OnMouseMove(UINT flags, CPoint pt) { Log().push_back(Text("derived move %ld %ld %ld", flags, pt.x, pt.y)); }
  afx_msg void OnLButtonDown(UINT flags, CPoint pt) { Log().push_back(Text("down %ld %ld %ld", flags, pt.x, pt.y)); }
  afx_msg void OnSysCommand(UINT id, LPARAM lParam) { Log().push_back(Text("syscommand %ld %ld", id, lParam)); }
  afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    Log().push_back(Text("setcursor %ld %ld %ld", wnd == this, hitTest, message));
    return TRUE;
  }
  afx_msg void OnEnable(BOOL enable) { Log().push_back(Text("enable %ld", enable)); }
  afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
    Log().push_back(Text("private %ld %ld", static_cast<long>(wParam), lParam));
    return 1234;
  }
  afx_msg void OnPlay() { Log().push_back("play"); }
  afx_msg void OnRange(UINT id) { Log().push_back(Text("range %ld", id)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_SYSCOMMAND()
  ON_WM_SETCURSOR()
  ON_WM_ENABLE()
  ON_MESSAGE(WM_TEST_PRIVATE, &DerivedWnd::OnPrivate)
  ON_BN_CLICKED(kCommandFirst, &DerivedWnd::OnPlay)
  ON_COMMAND_RANGE(kCommandFirst + 1, kCommandLast, &DerivedWnd::OnRange)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Log().clear();
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "maps", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                             nullptr));
  }

  DerivedWnd wnd;
};

struct DispatchCase {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  const char* expected;
};

TEST_F(MessageMapTest, EachMessageReachesItsHandlerWithUnpackedArguments) {
  const DispatchCase cases[] = {
      {WM_TIMER, 7, 0, "base timer 7"},
      {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-3, 25), "derived move 1 -3 25"},  // derived hides base
      {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(4, -9), "down 5 4 -9"},
      {WM_KEYDOWN, VK_F4, MAKELPARAM(3, 0x2A), "key 115 3 42"},
      {WM_SYSCOMMAND, SC_CLOSE + 2, 99, "syscommand 61538 99"},
      {WM_ENABLE, FALSE, 0, "enable 0"},
      {WM_TEST_PRIVATE, 11, -12, "private 11 -12"},
      {WM_COMMAND, MAKEWPARAM(kCommandFirst, BN_CLICKED), 0, "play"},
      {WM_COMMAND, MAKEWPARAM(kCommandFirst + 4, BN_CLICKED), 0, "range 504"},
      {WM_COMMAND, MAKEWPARAM(kCommandLast, BN_CLICKED), 0, "range 509"},
  };
  for (const DispatchCase& c : cases) {
    Log().clear();
    ::SendMessage(wnd.m_hWnd, c.message, c.wParam, c.lParam);
    EXPECT_EQ(Log(), std::vector<std::string>{c.expected}) << "message " << c.message;
  }
}

TEST_F(MessageMapTest, SetCursorArgumentsAndResultPassThrough) {
  LRESULT result = ::SendMessage(wnd.m_hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.m_hWnd),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(result, TRUE);
  EXPECT_EQ(Log(), std::vector<std::string>{"setcursor 1 1 512"});
  EXPECT_EQ(::SendMessage(wnd.m_hWnd, WM_TEST_PRIVATE, 0, 0), 1234);
}

TEST_F(MessageMapTest, OnlyUnhandledMessagesReachDefWindowProc) {
  ::SendMessage(wnd.m_hWnd, WM_TEST_UNMAPPED, 0, 0);
  ::SendMessage(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(kCommandLast + 1, BN_CLICKED), 0);  // outside every range
  ::SendMessage(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(kCommandFirst, BN_DOUBLECLICKED), 0);  // other code
  ::SendMessage(wnd.m_hWnd, WM_TIMER, 3, 0);
  ::SendMessage(wnd.m_hWnd, WM_TEST_PRIVATE, 0, 0);
  std::vector<UINT> seen;
  for (UINT m : wnd.defaultMessages) {
    if (m == WM_TEST_UNMAPPED || m == WM_COMMAND || m == WM_TIMER || m == WM_TEST_PRIVATE) seen.push_back(m);
  }
  EXPECT_EQ(seen, (std::vector<UINT>{WM_TEST_UNMAPPED, WM_COMMAND, WM_COMMAND}));
}

TEST_F(MessageMapTest, CreateExAttachesFromTheFirstMessageAndDestroyDetaches) {
  HWND hwnd = wnd.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);
  EXPECT_EQ(CWnd::FromHandle(hwnd), &wnd);
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

}  // namespace
