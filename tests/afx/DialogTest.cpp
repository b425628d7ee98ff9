// CDialog::DoModal on a template of the resource table, driven by real keys and clicks that the
// host window queues while the dialog's modal loop is idle.
#include <string>
#include <vector>

#include "AfxTestSupport.h"
#include "platform/win/Resources.h"

namespace {

constexpr UINT kTemplateId = 9101;
constexpr int kEditId = 1001;
constexpr int kButtonId = 1002;

const win::DialogTemplate& Template() {
  static const win::DialogTemplate tmpl = [] {
    win::DialogTemplate t{};
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 200;
    t.cy = 100;
    t.caption = "modal";
    t.fontFace = "Liberation Sans";
    t.pointSize = 9;
    t.items = {
        {"edit", "", 0, kEditId, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 10, 10, 100, 14, {}},
        {"button", "Other", 0, kButtonId, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 10, 30, 50, 14, {}},
        {"button", "OK", 0, IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 80, 70, 50, 14, {}},
        {"button", "Cancel", 0, IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 140, 70, 50, 14, {}},
    };
    return t;
  }();
  return tmpl;
}

// An edit control that records what the modal loop's pre-translation shows it.
class RecordingEdit : public CWnd {
 public:
  std::vector<MSG> preTranslated;
  BOOL PreTranslateMessage(MSG* msg) override {
    preTranslated.push_back(*msg);
    return CWnd::PreTranslateMessage(msg);
  }
};

class TestDialog : public CDialog {
 public:
  explicit TestDialog(CWnd* parent) : CDialog(kTemplateId, parent) {}

  int initCalls = 0;
  int okCalls = 0;
  int cancelCalls = 0;
  int destroyCalls = 0;
  bool boundInInit = false;
  RecordingEdit edit;
  CButton other;

  BOOL DestroyWindow() override {
    ++destroyCalls;
    return CDialog::DestroyWindow();
  }

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, kEditId, edit);
    DDX_Control(dx, kButtonId, other);
  }
  BOOL OnInitDialog() override {
    ++initCalls;
    CDialog::OnInitDialog();
    boundInInit = edit.m_hWnd == ::GetDlgItem(m_hWnd, kEditId) && other.m_hWnd == ::GetDlgItem(m_hWnd, kButtonId);
    return TRUE;
  }
  void OnOK() override {
    ++okCalls;
    CDialog::OnOK();
  }
  void OnCancel() override {
    ++cancelCalls;
    CDialog::OnCancel();
  }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { win::RegisterDialogResource(kTemplateId, &Template()); }

  afxtest::HostWnd host;
};

struct EndCase {
  const char* name;
  void (*end)(HWND dlg);
  INT_PTR result;
  int okCalls;
  int cancelCalls;
};

TEST_F(DialogTest, EnterEscapeAndTheCloseBoxEndTheDialogThroughOnOkAndOnCancel) {
  const EndCase cases[] = {
      {"Enter", [](HWND) { afxtest::QueueKey(VK_RETURN); }, IDOK, 1, 0},
      {"Escape", [](HWND) { afxtest::QueueKey(VK_ESCAPE); }, IDCANCEL, 0, 1},
      {"close box", [](HWND dlg) { win::DesktopCloseRequest(dlg); }, IDCANCEL, 0, 1},
      {"Cancel button", [](HWND dlg) { afxtest::QueueClick(::GetDlgItem(dlg, IDCANCEL)); }, IDCANCEL, 0, 1},
  };
  for (const EndCase& c : cases) {
    TestDialog dialog(&host);
    bool ownerEnabledDuringLoop = true;
    host.script = {[&](HWND) { ownerEnabledDuringLoop = host.IsWindowEnabled(); }, c.end};
    EXPECT_EQ(dialog.DoModal(), c.result) << c.name;
    EXPECT_EQ(dialog.okCalls, c.okCalls) << c.name;
    EXPECT_EQ(dialog.cancelCalls, c.cancelCalls) << c.name;
    EXPECT_EQ(dialog.initCalls, 1) << c.name;
    EXPECT_TRUE(dialog.boundInInit) << c.name;
    EXPECT_EQ(dialog.destroyCalls, 1) << c.name;
    EXPECT_FALSE(ownerEnabledDuringLoop) << c.name;
    EXPECT_TRUE(host.IsWindowEnabled()) << c.name;
    EXPECT_EQ(dialog.m_hWnd, nullptr) << c.name;
    EXPECT_EQ(dialog.edit.m_hWnd, nullptr) << c.name;
    win::DesktopAdvanceClock(1000);
  }
}

TEST_F(DialogTest, ChildSeesItsMessagesInPreTranslateBeforeDispatch) {
  TestDialog dialog(&host);
  host.script = {
      [&](HWND) { dialog.edit.SetFocus(); },
      [](HWND) { afxtest::QueueKey('A'); },
      [](HWND) { afxtest::QueueKey(VK_ESCAPE); },
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  bool sawKey = false;
  for (const MSG& msg : dialog.edit.preTranslated) {
    if (msg.message == WM_KEYDOWN && msg.wParam == 'A') sawKey = true;
  }
  EXPECT_TRUE(sawKey);
}

TEST_F(DialogTest, EndDialogInOnInitDialogSkipsTheLoop) {
  class EndsAtOnce : public TestDialog {
   public:
    using TestDialog::TestDialog;
    BOOL OnInitDialog() override {
      TestDialog::OnInitDialog();
      EndDialog(kButtonId);
      return TRUE;
    }
  } dialog(&host);
  EXPECT_EQ(dialog.DoModal(), kButtonId);
  EXPECT_EQ(dialog.destroyCalls, 1);
  EXPECT_TRUE(host.IsWindowEnabled());
}

TEST_F(DialogTest, MissingTemplateFailsWithoutLeavingTheOwnerDisabled) {
  CDialog missing(kTemplateId + 1, &host);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_TRUE(host.IsWindowEnabled());
}

class HelpApp : public CWinApp {
 public:
  int helpCommands = 0;

 protected:
  afx_msg void OnHelpCommand() { ++helpCommands; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HelpApp, CWinApp)
  ON_COMMAND(ID_HELP, &HelpApp::OnHelpCommand)
END_MESSAGE_MAP()

TEST_F(DialogTest, F1RoutesTheHelpCommandToTheApplicationAndMainWindowOwnsParentlessDialogs) {
  HelpApp app;
  app.m_pMainWnd = &host;
  TestDialog dialog(nullptr);
  HWND owner = nullptr;
  host.script = {
      [&](HWND dlg) { owner = ::GetWindow(dlg, GW_OWNER); },
      [](HWND) { afxtest::QueueKey(VK_F1); },
      [](HWND) { afxtest::QueueKey(VK_ESCAPE); },
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(app.helpCommands, 1);
  EXPECT_EQ(owner, host.m_hWnd);
}

}  // namespace
