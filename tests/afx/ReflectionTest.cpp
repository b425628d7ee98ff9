// Reflection: notifications a control sends its parent are first offered back to the control's own
// object; what the control declines reaches the parent's map.
#include <string>
#include <vector>

#include "AfxTestSupport.h"
#include "platform/afx/afxcmn.h"

namespace {

constexpr int kButtonId = 301;
constexpr int kOwnerDrawId = 302;
constexpr int kSliderId = 303;

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

class ReflectingButton : public CButton {
 public:
  BOOL handlesClick = FALSE;
  HBRUSH answerBrush = nullptr;
  std::vector<UINT> colorRequests;

 protected:
  afx_msg BOOL OnReflectedClick() {
    Log().push_back("button click");
    return handlesClick;
  }
  afx_msg HBRUSH CtlColor(CDC*, UINT ctlColor) {
    colorRequests.push_back(ctlColor);
    return answerBrush;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &ReflectingButton::OnReflectedClick)
  ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class DrawingButton : public CButton {
 public:
  std::vector<DRAWITEMSTRUCT> draws;
  void DrawItem(LPDRAWITEMSTRUCT drawItem) override { draws.push_back(*drawItem); }
};

class TrackingSlider : public CSliderCtrl {
 protected:
  afx_msg void HScroll(UINT code, UINT pos) { Log().push_back("slider " + std::to_string(code) + " " + std::to_string(pos)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TrackingSlider, CSliderCtrl)
  ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class ParentWnd : public afxtest::HostWnd {
 public:
  HBRUSH lastCtlColorAnswer = nullptr;

 protected:
  afx_msg void OnButtonClicked() { Log().push_back("parent click"); }
  afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    lastCtlColorAnswer = CWnd::OnCtlColor(dc, wnd, ctlColor);
    return lastCtlColorAnswer;
  }
  afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar) {
    Log().push_back("parent " + std::to_string(code) + " " + std::to_string(scrollBar != nullptr));
    CWnd::OnHScroll(code, pos, scrollBar);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, afxtest::HostWnd)
  ON_BN_CLICKED(kButtonId, &ParentWnd::OnButtonClicked)
  ON_WM_CTLCOLOR()
  ON_WM_HSCROLL()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Log().clear();
    ASSERT_TRUE(button.Create("Go", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 40), &parent, kButtonId));
    afxtest::Pump();
  }

  ParentWnd parent;
  ReflectingButton button;
};

TEST_F(ReflectionTest, ReflectExDecidesWhetherTheParentSeesTheClick) {
  struct Case {
    BOOL buttonHandles;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {FALSE, {"button click", "parent click"}},
      {TRUE, {"button click"}},
  };
  for (const Case& c : cases) {
    Log().clear();
    button.handlesClick = c.buttonHandles;
    win::DesktopAdvanceClock(1000);  // no double click with the case before
    afxtest::QueueClick(button.m_hWnd);
    afxtest::Pump();
    EXPECT_EQ(Log(), c.expected) << "button handles: " << c.buttonHandles;
  }
}

TEST_F(ReflectionTest, ControlsBrushIsTheParentsAnswerAndNullFallsBackToTheDefault) {
  HDC hdc = ::GetDC(button.m_hWnd);
  HBRUSH own = ::CreateSolidBrush(RGB(1, 2, 3));
  LPARAM control = reinterpret_cast<LPARAM>(button.m_hWnd);

  button.colorRequests.clear();
  button.answerBrush = own;
  LRESULT answered = ::SendMessage(parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc), control);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(answered), own);
  EXPECT_EQ(parent.lastCtlColorAnswer, own);

  button.answerBrush = nullptr;
  LRESULT fallback = ::SendMessage(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), control);
  EXPECT_EQ(fallback, ::DefWindowProc(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), control));
  EXPECT_EQ(button.colorRequests, (std::vector<UINT>{CTLCOLOR_BTN, CTLCOLOR_STATIC}));
  ::ReleaseDC(button.m_hWnd, hdc);
  ::DeleteObject(own);
}

TEST_F(ReflectionTest, OwnerDrawButtonPaintsThroughDrawItem) {
  DrawingButton drawn;
  ASSERT_TRUE(drawn.Create("", WS_VISIBLE | BS_OWNERDRAW, CRect(10, 50, 60, 80), &parent, kOwnerDrawId));
  drawn.Invalidate();
  drawn.UpdateWindow();
  afxtest::Pump();
  ASSERT_FALSE(drawn.draws.empty());
  EXPECT_EQ(drawn.draws.back().hwndItem, drawn.m_hWnd);
  EXPECT_EQ(drawn.draws.back().CtlID, static_cast<UINT>(kOwnerDrawId));
  EXPECT_EQ(drawn.draws.back().CtlType, static_cast<UINT>(ODT_BUTTON));
}

TEST_F(ReflectionTest, ReflectedScrollRunsAfterTheParentsHandlerCallsTheBase) {
  TrackingSlider slider;
  ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_HORZ, CRect(10, 100, 210, 130), &parent, kSliderId));
  slider.SetRange(0, 100);
  afxtest::Pump();
  Log().clear();
  ::SendMessage(parent.m_hWnd, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 42), reinterpret_cast<LPARAM>(slider.m_hWnd));
  EXPECT_EQ(Log(), (std::vector<std::string>{"parent 5 1", "slider 5 42"}));
}

TEST_F(ReflectionTest, ScrollHandlerGetsTheSendingWindowEvenWhenItIsNoScrollBar) {
  TrackingSlider slider;
  ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_HORZ, CRect(10, 100, 210, 130), &parent, kSliderId));
  CScrollBar* view = CScrollBar::FromNotifyingHandle(slider.m_hWnd);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->m_hWnd, slider.m_hWnd);
  EXPECT_EQ(CScrollBar::FromNotifyingHandle(nullptr), nullptr);
}

}  // namespace
