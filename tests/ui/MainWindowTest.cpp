// The main window as the user meets it: its start state, how it closes, its skin, the About box and
// the checks of Extract Now.
#include <string>
#include <vector>

#include "UiFixture.h"
#include "res/resource.h"

namespace uitest {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

using MainWindowTest = MainDialogTest;

TEST_F(MainWindowTest, StartsWithItsDefaultChoicesAndTheTrackbarFocused) {
  RunMainDialog({[](HWND dlg) {
    EXPECT_EQ(TextOf(dlg), "Velmora");
    RECT client;
    ::GetClientRect(dlg, &client);
    EXPECT_EQ(client.right - client.left, 716);
    EXPECT_EQ(client.bottom - client.top, 392);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg, IDC_POSITION_SLIDER));

    // The lists are sorted as text, so "128" and "44.1" are not where the template added them.
    struct List {
      int id;
      std::vector<std::string> items;
      int selected;
    } lists[] = {
        {IDC_BIT_RATE, {"112", "128", "160", "192", "224", "256", "320", "64", "80", "96"}, 1},
        {IDC_SAMPLE_RATE, {"16", "22.05", "24", "32", "44.1", "48"}, 4},
    };
    for (const List& list : lists) {
      HWND combo = ::GetDlgItem(dlg, list.id);
      std::vector<std::string> items;
      for (LRESULT i = 0; i < ::SendMessage(combo, CB_GETCOUNT, 0, 0); ++i) {
        char text[32] = {};
        ::SendMessage(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
      }
      EXPECT_EQ(items, list.items) << list.id;
      EXPECT_EQ(::SendMessage(combo, CB_GETCURSEL, 0, 0), list.selected) << list.id;
      EXPECT_EQ(TextOf(combo), list.items[static_cast<size_t>(list.selected)]) << list.id;
    }

    struct Check {
      int id;
      UINT state;
    } checks[] = {{IDC_FORMAT_MP3, BST_CHECKED}, {IDC_STEREO, BST_CHECKED}, {IDC_MONO, BST_UNCHECKED}};
    for (const Check& c : checks) EXPECT_EQ(::IsDlgButtonChecked(dlg, c.id), c.state) << c.id;

    for (int id = IDC_PLAY; id <= IDC_SEEK_END; ++id) EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg, id))) << id;
    for (int id : {IDC_MARK_START, IDC_MARK_END, IDC_EXTRACT, IDC_OPEN_FILE, IDC_SAVE_DIR, IDC_HELP_BUTTON, IDC_HOMEPAGE})
      EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dlg, id))) << id;
    for (int id : {IDC_POSITION_TEXT, IDC_DURATION_TEXT}) EXPECT_EQ(TextOf(::GetDlgItem(dlg, id)), "00:00:00.000");
    QueueKey(VK_ESCAPE);
  }});
}

TEST_F(MainWindowTest, EnterKeepsItOpenWhileEscAndTheCloseBoxEndIt) {
  struct Case {
    const char* how;
    std::function<void(HWND dlg)> close;
  } cases[] = {
      {"Esc", [](HWND) { QueueKey(VK_ESCAPE); }},
      {"close box",
       [](HWND dlg) {
         win::DesktopAdvanceClock(::GetDoubleClickTime() + 100);
         QueueClickAt(CloseBoxPoint(dlg));
       }},
  };
  for (const Case& c : cases) {
    HWND main = nullptr;
    INT_PTR result = RunMainDialog({
        [&](HWND dlg) {
          main = dlg;
          QueueKey(VK_RETURN);
        },
        [&](HWND dlg) {
          EXPECT_EQ(dlg, main) << "Enter ended the main window";
          c.close(dlg);
        },
    });
    EXPECT_EQ(result, IDCANCEL) << c.how;
    EXPECT_FALSE(::IsWindow(main)) << c.how;
  }
}

TEST_F(MainWindowTest, OutputFormatOptionsShowTheSkinAndOtherTextsSitOnWhite) {
  RunMainDialog({[](HWND dlg) {
    // Under each control the dialog's surface is painted with a marker, then only the control
    // repaints: one drawn on the skin leaves what lies behind it, one on white covers it.
    constexpr COLORREF kMarker = RGB(1, 2, 3);
    struct Text {
      HWND hwnd;
      bool onSkin;
    } texts[] = {
        {::GetDlgItem(dlg, IDC_FORMAT_MP3), true},     {::GetDlgItem(dlg, IDC_MONO), true},
        {::GetDlgItem(dlg, IDC_STEREO), true},         {::GetDlgItem(dlg, IDC_CHANNELS_LABEL), true},
        {::GetDlgItem(dlg, IDC_BIT_RATE_LABEL), true}, {::GetDlgItem(dlg, IDC_SAMPLE_RATE_LABEL), true},
        {::GetDlgItem(dlg, IDC_POSITION_TEXT), false}, {::GetDlgItem(dlg, IDC_DURATION_TEXT), false},
        {ChildWithText(dlg, "Duration:"), false},      {ChildWithText(dlg, "Source File:"), false},
    };
    for (const Text& t : texts) {
      ASSERT_NE(t.hwnd, nullptr);
      ::UpdateWindow(dlg);
      RECT inDialog = RectIn(t.hwnd, dlg);
      HDC hdc = ::GetDC(dlg);
      HBRUSH marker = ::CreateSolidBrush(kMarker);
      ::FillRect(hdc, &inDialog, marker);
      ::DeleteObject(marker);
      ::ReleaseDC(dlg, hdc);
      ::InvalidateRect(t.hwnd, nullptr, TRUE);
      RECT rc;
      ::GetClientRect(t.hwnd, &rc);
      double marked = ShareOfPixels(t.hwnd, rc, [](int, int, COLORREF c) { return c == kMarker; });
      double white = ShareOfPixels(t.hwnd, rc, [](int, int, COLORREF c) { return c == kWhite; });
      if (t.onSkin) {
        EXPECT_GT(marked, 0.5) << TextOf(t.hwnd) << " paints over the skin";
      } else {
        EXPECT_EQ(marked, 0.0) << TextOf(t.hwnd) << " leaves the skin behind its text";
        EXPECT_GT(white, 0.5) << TextOf(t.hwnd);
      }
    }
    ::InvalidateRect(dlg, nullptr, TRUE);
    QueueKey(VK_ESCAPE);
  }});
}

TEST_F(MainWindowTest, ErasingTheWindowLeavesThePictureArea) {
  RunMainDialog({[](HWND dlg) {
    constexpr COLORREF kMarker = RGB(1, 2, 3);
    ResourceBitmap background(IDB_MAIN_BACKGROUND);
    HWND picture = ::GetDlgItem(dlg, IDC_VIDEO_PICTURE);
    RECT rcPicture = RectIn(picture, dlg);
    RECT rcProbe{400, 387, 716, 392};  // background outside every control
    // With the picture hidden nothing but the dialog's own erase could paint over the marker.
    ::ShowWindow(picture, SW_HIDE);
    ::UpdateWindow(dlg);
    HDC hdc = ::GetDC(dlg);
    HBRUSH marker = ::CreateSolidBrush(kMarker);
    ::FillRect(hdc, &rcPicture, marker);
    ::FillRect(hdc, &rcProbe, marker);
    ::DeleteObject(marker);
    ::ReleaseDC(dlg, hdc);

    ::InvalidateRect(dlg, nullptr, TRUE);
    auto isMarker = [](int, int, COLORREF c) { return c == kMarker; };
    auto isSkin = [&](int x, int y, COLORREF c) { return c == background.At(x, y); };
    EXPECT_GT(ShareOfPixels(dlg, rcProbe, isSkin), 0.99) << "the erase did not run";
    EXPECT_GT(ShareOfPixels(dlg, rcPicture, isMarker), 0.99);
    ::ShowWindow(picture, SW_SHOW);
    QueueKey(VK_ESCAPE);
  }});
}

TEST_F(MainWindowTest, SystemCommandsOfTheAboutItemOpenTheAboutBox) {
  enum class Close { Enter, Esc, CloseBox, NotOpened };
  struct Case {
    UINT command;
    Close close;
  } cases[] = {
      {0x0010, Close::Enter}, {0x0013, Close::Esc}, {0x001F, Close::CloseBox}, {0x0020, Close::NotOpened},
  };
  HWND main = nullptr;
  HWND about = nullptr;
  std::vector<Step> steps{[&](HWND dlg) { main = dlg; }};
  for (const Case& c : cases) {
    steps.push_back([&, c](HWND dlg) {
      EXPECT_EQ(dlg, main);
      ::PostMessage(dlg, WM_SYSCOMMAND, c.command, 0);
    });
    if (c.close != Close::NotOpened) {
      steps.push_back([&, c](HWND dlg) {
        about = dlg;
        EXPECT_NE(dlg, main) << std::hex << c.command << ": no About box";
        EXPECT_NE(TextOf(dlg).find("Velmora"), std::string::npos) << TextOf(dlg);
        EXPECT_NE(TextOf(dlg), TextOf(main));
        EXPECT_FALSE(::IsWindowEnabled(main)) << "the About box is modal to the main window";
        win::DesktopAdvanceClock(::GetDoubleClickTime() + 100);
        if (c.close == Close::Enter) QueueKey(VK_RETURN);
        if (c.close == Close::Esc) QueueKey(VK_ESCAPE);
        if (c.close == Close::CloseBox) QueueClickAt(CloseBoxPoint(dlg));
      });
    }
    steps.push_back([&, c](HWND dlg) {
      EXPECT_EQ(dlg, main) << std::hex << c.command;
      EXPECT_TRUE(::IsWindowEnabled(main));
      if (about != nullptr) {
        EXPECT_FALSE(::IsWindow(about));
      }
      about = nullptr;
    });
  }
  steps.push_back([](HWND) { QueueKey(VK_ESCAPE); });
  EXPECT_EQ(RunMainDialog(std::move(steps)), IDCANCEL);
}

// A message box of the application: its caption is the application's name; Enter closes it.
Step ExpectMessageBox(HWND& main, const char* text) {
  return [&main, text](HWND box) {
    EXPECT_NE(box, main) << "no message box for \"" << text << "\"";
    EXPECT_EQ(TextOf(box), AfxGetAppName());
    EXPECT_NE(StaticTexts(box).find(text), std::string::npos) << StaticTexts(box);
    QueueKey(VK_RETURN);
  };
}

Step Click(int id) {
  return [id](HWND dlg) { QueueClick(::GetDlgItem(dlg, id)); };
}

TEST_F(MainWindowTest, ExtractNowWantsAFinishedBandFirstThenAFile) {
  HWND main = nullptr;
  auto slider = [&main] { return ::GetDlgItem(main, IDC_POSITION_SLIDER); };
  auto backInMain = [&main](HWND dlg) { EXPECT_EQ(dlg, main) << "a message box stayed open"; };
  // The band as the trackbar reports it when the slider sits at its start.
  auto thumbReleasedHere = [&](HWND dlg) {
    ::SendMessage(dlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0), reinterpret_cast<LPARAM>(slider()));
  };
  auto keysOnSlider = [&](HWND) {
    ::SetFocus(slider());
    QueueKey(VK_END);
    QueueKey(VK_LEFT);
  };
  std::vector<Step> steps{
      [&](HWND dlg) { main = dlg; },
      // Nothing marked yet.
      Click(IDC_EXTRACT), ExpectMessageBox(main, "Not Mark point"), backInMain,
      // Still marking: Mark End not pressed.
      Click(IDC_MARK_START), Click(IDC_EXTRACT), ExpectMessageBox(main, "Not Mark point"), backInMain,
      // Marked without anything moving: the band stayed cleared.
      Click(IDC_MARK_END), Click(IDC_EXTRACT), ExpectMessageBox(main, "Not Mark point"), backInMain,
      // A band from 0 to 0.
      Click(IDC_MARK_START), thumbReleasedHere, Click(IDC_MARK_END),
      [&](HWND) {
        EXPECT_EQ(::SendMessage(slider(), TBM_GETSELSTART, 0, 0), 0);
        EXPECT_EQ(::SendMessage(slider(), TBM_GETSELEND, 0, 0), 0);
      },
      Click(IDC_EXTRACT), ExpectMessageBox(main, "Not Mark point"), backInMain,
      // A real band drawn by scrolling, Mark End still to come.
      Click(IDC_MARK_START), keysOnSlider,
      [&](HWND) {
        EXPECT_LT(::SendMessage(slider(), TBM_GETSELSTART, 0, 0), ::SendMessage(slider(), TBM_GETSELEND, 0, 0));
      },
      Click(IDC_EXTRACT), ExpectMessageBox(main, "Not Mark point"), backInMain,
      // Marked, but no file chosen.
      Click(IDC_MARK_END), Click(IDC_EXTRACT), ExpectMessageBox(main, "Not Video File"), backInMain,
      [](HWND) { QueueKey(VK_ESCAPE); },
  };
  EXPECT_EQ(RunMainDialog(std::move(steps)), IDCANCEL);
}

TEST_F(MainWindowTest, ScrollingBeforeAnyFileStartsNoTimer) {
  RunMainDialog({
      [](HWND dlg) {
        ::SetFocus(::GetDlgItem(dlg, IDC_POSITION_SLIDER));
        QueueKey(VK_END);
        QueueKey(VK_PRIOR);
        QueueKey(VK_LEFT);
      },
      [](HWND dlg) {
        HWND slider = ::GetDlgItem(dlg, IDC_POSITION_SLIDER);
        EXPECT_GT(::SendMessage(slider, TBM_GETPOS, 0, 0), 0) << "the keys did not reach the slider";
        EXPECT_FALSE(::KillTimer(dlg, 50)) << "a position timer runs without a file";
        win::DesktopAdvanceClock(100);
      },
      [](HWND dlg) {
        EXPECT_EQ(TextOf(::GetDlgItem(dlg, IDC_POSITION_TEXT)), "00:00:00.000");
        QueueKey(VK_ESCAPE);
      },
  });
}

}  // namespace
}  // namespace uitest
