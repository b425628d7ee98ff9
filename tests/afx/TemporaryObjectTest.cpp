// Temporary wrappers that FromHandle hands out stay valid while their object lives, also across the
// idle clean-up of a message loop: programs keep them (the bitmap to select back into a DC later).
#include "AfxTestSupport.h"
#include "platform/afx/TemporaryObjects.h"

namespace {

TEST(TemporaryObjectTest, SelectedOutBitmapSurvivesIdleCleanUpWhileItLives) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 8, 8));
  CBitmap* original = dc.SelectObject(&bitmap);
  ASSERT_NE(original, nullptr);
  HGDIOBJ originalHandle = original->m_hObject;

  afx::TemporaryObjects::PurgeDead();
  EXPECT_EQ(CBitmap::FromHandle(static_cast<HBITMAP>(originalHandle)), original);
  EXPECT_EQ(dc.SelectObject(original)->m_hObject, bitmap.m_hObject);
}

TEST(TemporaryObjectTest, WindowWrapperIsTheSameObjectUntilTheWindowIsGone) {
  afxtest::HostWnd host;
  HWND child = ::CreateWindowEx(0, "static", "", WS_CHILD, 0, 0, 10, 10, host.m_hWnd, nullptr, nullptr, nullptr);
  CWnd* wrapper = CWnd::FromHandle(child);
  afx::TemporaryObjects::PurgeDead();
  EXPECT_EQ(CWnd::FromHandle(child), wrapper);
  EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
  ::DestroyWindow(child);
  afx::TemporaryObjects::PurgeDead();
  EXPECT_FALSE(::IsWindow(child));
}

}  // namespace
