// The main window's refusals and its keys, seen from outside.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/MediaClip.h"
#include "tests/e2e/ProgramTest.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

using MainWindowTest = ProgramTest;

// A file is open in both cases, so the refusal can only be "Not Mark point".
TEST_F(MainWindowTest, ExtractNowWithoutACompleteRangeShowsAMessageInsteadOfExtracting) {
  ASSERT_TRUE(velmora().openVideo(MediaClip("clip.avi"))) << programLogTail();
  struct Case {
    const char* label;
    bool markStartFirst;
  };
  for (Case c : {Case{"no-marks", false}, Case{"start-only", true}}) {
    SCOPED_TRACE(c.label);
    if (c.markStartFirst) velmora().press(Control::MarkStart);
    velmora().press(Control::Extract);
    std::optional<XWindow> box = velmora().waitForMessageBox(30s);
    ASSERT_TRUE(box) << "no message box\n" << programLogTail();
    session().screenshot(std::string("message-") + c.label);
    EXPECT_FALSE(velmora().waitForExtractionWindow(0s)) << "an extraction window opened";
    session().key(box->frame.center(), "Return");
    ASSERT_TRUE(session().waitUntilGone(box->id, 30s)) << "Return does not close the message box";
  }
  std::filesystem::path documents = velmora().documentsFolder();
  EXPECT_TRUE(!std::filesystem::exists(documents) || std::filesystem::is_empty(documents)) << "something was written";
  EXPECT_TRUE(session().program().running());
}

TEST_F(MainWindowTest, ReturnKeepsTheWindowAndEscapeEndsTheProgram) {
  ASSERT_TRUE(velmora().openVideo(MediaClip("clip.avi"))) << programLogTail();
  session().key(velmora().keyboardPoint(), "Return");
  // Input is handled in order: a message box for a later click shows that Return was handled.
  velmora().press(Control::Extract);
  std::optional<XWindow> box = velmora().waitForMessageBox(30s);
  ASSERT_TRUE(box) << "the program did not answer after Return\n" << programLogTail();
  session().screenshot("after-return");
  session().key(box->frame.center(), "Return");
  ASSERT_TRUE(session().waitUntilGone(box->id, 30s));
  ASSERT_TRUE(session().program().running()) << "Return ended the program";

  session().key(velmora().keyboardPoint(), "Escape");
  EXPECT_EQ(session().program().waitForExit(20s), std::optional<int>(0)) << programLogTail();
}

}  // namespace
}  // namespace e2e
