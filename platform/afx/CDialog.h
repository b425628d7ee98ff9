// A dialog from the program's resource table, run modally by DoModal.
//
// DoModal disables the owner, creates the dialog with the library's dialog procedure (the object is
// attached and the window subclassed on the dialog's first message, so the message map sees
// everything from WM_INITDIALOG on), calls OnInitDialog, and runs the library's modal loop: every
// message goes through AfxPreTranslateMessage-style pre-translation (the message's window and its
// parents, the dialog itself, whose PreTranslateMessage calls IsDialogMessage, then the
// application) before it is dispatched. F1 in the dialog sends the ID_HELP command, which the
// dialog's map or else the application's handles. When EndDialog has been called the owner is
// re-enabled and re-activated, the virtual DestroyWindow runs and DoModal returns the result.
#pragma once

#include "platform/afx/CDataExchange.h"
#include "platform/afx/CWnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  CDialog(LPCTSTR templateName, CWnd* parent = nullptr);

  // IDOK, IDCANCEL or what EndDialog was given; -1 when the dialog cannot be created.
  virtual INT_PTR DoModal();
  void EndDialog(int result);
  // Exchanges data with the controls: TRUE reads them into the members, FALSE writes the members out.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  // Creates the dialog modeless; it stays until destroyed.
  BOOL Create(UINT templateId, CWnd* parent = nullptr);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnCmdMsg(UINT id, int code) override;

 protected:
  virtual void DoDataExchange(CDataExchange* dx);

  UINT m_nIDHelp = 0;
  LPCTSTR m_lpszTemplateName = nullptr;
  CWnd* m_pParentWnd = nullptr;

  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  afx_msg void OnOkCommand() { OnOK(); }
  afx_msg void OnCancelCommand() { OnCancel(); }

  DECLARE_MESSAGE_MAP()

 private:
  static INT_PTR CALLBACK AfxDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateFromTemplate(HWND owner);
  HWND ModalOwner() const;
  void RunModalLoop(HWND owner);
  bool ModalLoopShouldEnd() const;
  static bool IsHelpKey(const MSG* msg);

  INT_PTR m_nModalResult = -1;
};
