// Subclassing a window that already exists: PreSubclassWindow first, then every message through the
// map, and the window's own procedure for whatever the map leaves.
#include <string>

#include "AfxTestSupport.h"

namespace {

constexpr int kItemId = 410;
constexpr UINT WM_TEST_PING = WM_APP + 7;

class ProbeStatic : public CWnd {
 public:
  int preSubclassCalls = 0;
  bool procWasStillOriginal = false;
  int pings = 0;

 protected:
  void PreSubclassWindow() override {
    ++preSubclassCalls;
    procWasStillOriginal =
        reinterpret_cast<WNDPROC>(::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC)) != &CWnd::AfxWndProc;
  }
  afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) {
    ++pings;
    return static_cast<LRESULT>(wParam) * 2;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeStatic, CWnd)
  ON_MESSAGE(WM_TEST_PING, &ProbeStatic::OnPing)
END_MESSAGE_MAP()

TEST(SubclassTest, SubclassDlgItemRoutesToTheMapAndKeepsTheOriginalProcedure) {
  afxtest::HostWnd host;
  HWND item = ::CreateWindowEx(0, "static", "label", WS_CHILD | WS_VISIBLE, 5, 5, 80, 20, host.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kItemId)), nullptr, nullptr);
  ASSERT_NE(item, nullptr);
  CWnd* temporary = CWnd::FromHandle(item);

  ProbeStatic probe;
  ASSERT_TRUE(probe.SubclassDlgItem(kItemId, &host));
  EXPECT_EQ(probe.m_hWnd, item);
  EXPECT_EQ(probe.preSubclassCalls, 1);
  EXPECT_TRUE(probe.procWasStillOriginal);
  EXPECT_EQ(CWnd::FromHandle(item), &probe);  // the permanent object wins over the earlier wrapper
  EXPECT_EQ(temporary->m_hWnd, item);         // and the wrapper handed out before stays usable

  EXPECT_EQ(::SendMessage(item, WM_TEST_PING, 21, 0), 42);
  EXPECT_EQ(probe.pings, 1);
  CString text;
  probe.GetWindowText(text);  // WM_GETTEXT is left to the static control's own procedure
  EXPECT_EQ(text, "label");

  EXPECT_EQ(probe.UnsubclassWindow(), item);
  EXPECT_EQ(::SendMessage(item, WM_TEST_PING, 21, 0), 0);
  EXPECT_EQ(probe.pings, 1);
  ::DestroyWindow(item);
}

}  // namespace
